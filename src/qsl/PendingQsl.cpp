#include "qsl/PendingQsl.h"

#include "listing/ListingText.h"
#include "logstore/AtomicFile.h"
#include "logstore/Cp1252.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "refdata/LogIndex.h"

#include <QDir>

#include <algorithm>
#include <utility>

namespace {

// The fields of an entry, in order, and the blanks between them.
constexpr QsoRecord::Field EntryFields[] = {QsoRecord::Reference, QsoRecord::NomAbbaye, QsoRecord::Indicatif,
                                            QsoRecord::Date,      QsoRecord::Heure,     QsoRecord::Bande,
                                            QsoRecord::Mode};
constexpr int Gap = 2;

template <typename LineAt> QList<int> pendingRows(int count, LineAt lineAt)
{
    std::vector<std::pair<quint64, int>> keyed;
    keyed.reserve(size_t(count));
    for (int row = 0; row < count; ++row) {
        const QByteArrayView line = lineAt(row);
        // Only a QSO the program can mark: a hand-edited line of another length
        // could be ticked but never marked.
        if (QsoRecord::isMarkableLine(line))
            keyed.emplace_back(QsoRecord::referenceKey(line), row);
    }
    // Rows come in log order, so sorting the pairs keeps one abbey's QSOs in log order.
    std::sort(keyed.begin(), keyed.end());
    QList<int> rows;
    rows.reserve(qsizetype(keyed.size()));
    for (const auto &k : keyed)
        rows.append(k.second);
    return rows;
}

QString blanks(int n) { return QString(n, QLatin1Char(' ')); }

QString header()
{
    const QsoRecord::Layout &layout = QsoRecord::logLayout();
    const char *const titles[] = {"Ref", "Nom de l'Abbaye", "Indicatif", "Date", "Heure", "Bande", "Mode"};
    QString h = QStringLiteral("   N° ");
    for (int i = 0; i < int(std::size(EntryFields)); ++i) {
        const QString t = QString::fromUtf8(titles[i]);
        h += i + 1 < int(std::size(EntryFields)) ? t.leftJustified(layout[EntryFields[i]].width + Gap) : t;
    }
    return h;
}

QString title(const QString &callsign, const QDate &today)
{
    return blanks(14) + callsign + QStringLiteral(" QSL à recevoir au ")
        + today.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace

QList<int> PendingQsl::rows(const LogIndex &index)
{
    return index.unconfirmedByReference();
}

QList<int> PendingQsl::rows(const LogSession &session)
{
    const LogIndex index(session);
    return index.unconfirmedByReference();
}

QList<int> PendingQsl::rows(const QList<QByteArrayView> &lines)
{
    return pendingRows(int(lines.size()), [&lines](int row) { return lines.at(row); });
}

QList<int> PendingQsl::filter(const LogSession &session, const QList<int> &rows, const QString &text)
{
    const QString key = text.trimmed();
    if (key.isEmpty())
        return rows;
    QList<int> out;
    for (int row : rows) {
        const QByteArrayView line = session.line(row);
        if (Cp1252::decode(QsoRecord::fieldOf(line, QsoRecord::Indicatif)).contains(key, Qt::CaseInsensitive)
            || Cp1252::decode(QsoRecord::fieldOf(line, QsoRecord::Reference)).contains(key, Qt::CaseInsensitive))
            out.append(row);
    }
    return out;
}

QString PendingQsl::countText(int count) { return QStringLiteral("%1 QSL à recevoir").arg(count); }

QString PendingQsl::shownCount(int count) { return tr("%n QSL à recevoir", nullptr, count); }

QString PendingQsl::fileName(const QString &callsign, const QDate &today)
{
    return callsign + QStringLiteral("_QSL_a_recevoir_") + today.toString(QStringLiteral("dd_MM_yy"))
        + QStringLiteral(".txt");
}

QByteArray PendingQsl::entry(QByteArrayView logLine)
{
    const QsoRecord::Layout &layout = QsoRecord::logLayout();
    QByteArray out;
    for (int i = 0; i < int(std::size(EntryFields)); ++i) {
        const QsoRecord::Column c = layout[EntryFields[i]];
        const QByteArrayView field = QsoRecord::fieldOf(logLine, EntryFields[i]);
        out += field;
        // Fields keep their columns (the log pads them with blanks), the last one as it stands.
        if (i + 1 < int(std::size(EntryFields)))
            out += QByteArray(c.width - field.size() + Gap, ' ');
    }
    return out;
}

QByteArray PendingQsl::savedFile(const LogSession &session, const QList<int> &rows, const QDate &today)
{
    const QByteArray eol("\r\n");
    QByteArray out;
    out.reserve(rows.size() * 128 + 512);
    out += Cp1252::encode(title(session.callsign(), today)) + eol + eol;
    out += Cp1252::encode(header()) + eol + eol;
    for (int i = 0; i < rows.size(); ++i)
        out += Cp1252::encode(ListingText::rowNumber(i + 1)) + entry(session.line(rows.at(i))) + eol;
    out += eol + Cp1252::encode(countText(int(rows.size()))) + eol + eol;
    out += Cp1252::encode(QString(blanks(24) + ListingText::credit())) + eol;
    return out;
}

QStringList PendingQsl::printedLines(const LogSession &session, const QList<int> &rows, const QDate &today)
{
    QStringList lines;
    lines.reserve(rows.size() + 10);
    lines << title(session.callsign(), today) << QString() << header() << QString();
    for (int i = 0; i < rows.size(); ++i)
        lines << ListingText::rowNumber(i + 1) + Cp1252::decode(entry(session.line(rows.at(i))));
    lines << QString() << countText(int(rows.size())) << QString() << blanks(21) + ListingText::credit();
    return lines;
}

PendingQsl::Saved PendingQsl::save(const LogSession &session, const QList<int> &rows, const QDate &today)
{
    Saved s;
    const QString name = fileName(session.callsign(), today);
    // Beside the log.
    s.path = session.filePath(name);
    if (!session.loadError().isEmpty()) {
        s.message = tr("Le journal %1 ne peut pas être lu, la liste n'est pas enregistrée :\r\n%2")
                        .arg(session.logFileName(), session.loadError());
        return s;
    }
    const AtomicFile::Result w = AtomicFile::write(s.path, savedFile(session, rows, today));
    s.ok = w.ok;
    s.message = w.ok ? tr("La liste des QSL à recevoir a été enregistrée sous le nom :\r\n%1")
                           .arg(QDir::toNativeSeparators(s.path))
                     : tr("La liste n'a pas pu être enregistrée sous le nom : %1\r\n%2").arg(name, w.error);
    return s;
}

QString PendingQsl::markQuestion(int ticked, int hidden)
{
    // One ticked QSO is named on its own; French then reads the same with or without
    // the program's translations, and the other languages word each count their way.
    QString text = ticked == 1 ? tr("Marquer la QSL reçue pour le QSO coché ?")
                               : tr("Marquer la QSL reçue pour les %n QSO cochés ?", nullptr, ticked);
    if (hidden == 1 && ticked == 1)
        text += QStringLiteral("\r\n\r\n") + tr("Ce QSO est caché par le filtre.");
    else if (hidden == 1)
        text += QStringLiteral("\r\n\r\n") + tr("1 de ces QSO est caché par le filtre.");
    else if (hidden > 1)
        text += QStringLiteral("\r\n\r\n") + tr("%n de ces QSO sont cachés par le filtre.", nullptr, hidden);
    return text;
}
