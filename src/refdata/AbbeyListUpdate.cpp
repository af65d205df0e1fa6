#include "refdata/AbbeyListUpdate.h"

#include "Revision.h"
#include "logstore/LogSession.h"
#include "refdata/LogIndex.h"
#include "logstore/Cp1252.h"
#include "logstore/QsoRecord.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace {

// The reference of a log line (at ref), packed as the lists pack theirs, or 0.
quint64 referenceOfQso(QByteArrayView line, const QsoRecord::Column &ref)
{
    if (line.size() < ref.start - 1 + ref.width)
        return 0;
    return AbbeyListFile::keyOf(line.sliced(ref.start - 1, ref.width));
}

QString rightTrimmed(QString s)
{
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    return s;
}

QString plural(qsizetype n, const char *one, const char *many)
{
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(n > 1 ? many : one);
}

} // namespace

AbbeyListUpdate::AbbeyListUpdate(const AbbeyListFile &current, const AbbeyListFile &chosen,
                                 const QList<QByteArrayView> &log)
{
    compare(current, chosen, [&log](const auto &visit, const auto &) {
        for (int row = 0; row < log.size(); ++row)
            visit(row, log.at(row), 0);
    });
}

AbbeyListUpdate::AbbeyListUpdate(const AbbeyListFile &current, const AbbeyListFile &chosen, const QByteArray &log)
{
    compare(current, chosen, [&log](const auto &visit, const auto &) {
        // Lines as the log's reader finds them: LF or CR LF, a last line without end.
        int row = 0;
        for (const QByteArrayView line : Cp1252::lineViews(log))
            visit(row++, line, 0);
    });
}

AbbeyListUpdate::AbbeyListUpdate(const AbbeyListFile &current, const AbbeyListFile &chosen, const LogIndex &index)
{
    compare(current, chosen, [&index](const auto &visit, const QHash<quint64, QString> &watched) {
        // Only the QSOs of the abbeys concerned, as the log index finds them, in log order.
        std::vector<std::pair<int, quint64>> rows;
        for (auto it = watched.cbegin(); it != watched.cend(); ++it) {
            for (const int row : index.reference(it.value()).rows)
                rows.emplace_back(row, it.key());
        }
        std::sort(rows.begin(), rows.end());
        for (const auto &[row, key] : rows)
            visit(row, index.session().line(row), key);
    });
}

template <typename EachLine>
void AbbeyListUpdate::compare(const AbbeyListFile &current, const AbbeyListFile &chosen, const EachLine &eachLine)
{
    struct NameChange
    {
        QString reference, oldShown, newShown;
        QByteArray newColumn;
    };
    QList<NameChange> names;
    // What a QSO's reference may lead to: a withdrawn abbey (index >= 0) or a name
    // to follow (index encoded below -1). The lists and the log are compared by
    // packed references: a long log is read without building a string per QSO.
    QHash<quint64, int> watched;
    QHash<quint64, QString> watchedText;
    const QsoRecord::Column nameColumn = QsoRecord::logLayout()[QsoRecord::NomAbbaye];
    for (qsizetype i = 0; i < chosen.abbeyCount(); ++i) {
        const AbbeyListFile::Line &now = chosen.entry(i);
        const AbbeyListFile::Line *before = current.find(now.key);
        if (!before) {
            m_added.append({now.reference().toString(), now.name().toString(), now.locator().toString(), now.number});
            continue;
        }
        if (before->name() == now.name() && before->locator() == now.locator())
            continue;
        m_corrected.append({now.reference().toString(), before->name().toString(), now.name().toString(),
                            before->locator().toString(), now.locator().toString()});
        const QString oldShown = before->nameShown();
        const QString newShown = now.nameShown();
        // A list line without a name (or without a locator, which hides the name)
        // gives no name to put in; a name the log cannot hold is not put in either.
        if (oldShown.isEmpty() || newShown.isEmpty() || oldShown == newShown || !Cp1252::refusal(newShown).isEmpty())
            continue;
        watched.insert(now.key, -2 - int(names.size()));
        watchedText.insert(now.key, now.reference().toString());
        names.append({now.reference().toString(), oldShown, newShown,
                      Cp1252::encode(newShown.leftJustified(nameColumn.width, QLatin1Char(' '), true))});
    }
    for (qsizetype i = 0; i < current.abbeyCount(); ++i) {
        const AbbeyListFile::Line &before = current.entry(i);
        if (chosen.find(before.key))
            continue;
        watched.insert(before.key, int(m_withdrawn.size()));
        watchedText.insert(before.key, before.reference().toString());
        m_withdrawn.append({before.reference().toString(), before.name().toString(), before.locator().toString()});
    }
    if (watched.isEmpty())
        return;

    // Most QSOs are of abbeys nothing happens to: a bit per hashed reference turns
    // them away before the table is searched.
    std::vector<quint64> seen(1024, 0);
    const auto slot = [](quint64 key) { return unsigned((key * 0x9E3779B97F4A7C15ULL) >> 48); };
    for (auto it = watched.cbegin(); it != watched.cend(); ++it)
        seen[slot(it.key()) >> 6] |= quint64(1) << (slot(it.key()) & 63);
    const QsoRecord::Column refColumn = QsoRecord::logLayout()[QsoRecord::Reference];
    const QsoRecord::Column callColumn = QsoRecord::logLayout()[QsoRecord::Indicatif];
    const QsoRecord::Column dateColumn = QsoRecord::logLayout()[QsoRecord::Date];
    eachLine([&](int row, QByteArrayView line, quint64 known) {
        const quint64 key = known != 0 ? known : referenceOfQso(line, refColumn);
        if (key == 0 || !(seen[slot(key) >> 6] & (quint64(1) << (slot(key) & 63))))
            return;
        const auto hit = watched.constFind(key);
        if (hit == watched.cend())
            return;
        if (*hit >= 0) {
            Withdrawn &w = m_withdrawn[*hit];
            ++w.qsos;
            ++m_qsosWithdrawn;
            if (QsoRecord::isConfirmedLine(line)) {
                ++w.confirmed;
                ++m_confirmedWithdrawn;
            }
            return;
        }
        // Only a QSO line has a name column; the name the operator typed himself stays.
        if (line.size() != QsoRecord::LogLineLength)
            return;
        const NameChange &change = names.at(-2 - *hit);
        const QString logged = rightTrimmed(Cp1252::decode(line.sliced(nameColumn.start - 1, nameColumn.width)));
        if (logged != change.oldShown)
            return;
        Rename r;
        r.row = row;
        r.oldLine = line.toByteArray();
        r.newLine = r.oldLine;
        r.newLine.replace(nameColumn.start - 1, nameColumn.width, change.newColumn);
        r.reference = change.reference;
        r.callsign = Cp1252::decode(line.sliced(callColumn.start - 1, callColumn.width)).trimmed();
        r.date = Cp1252::decode(line.sliced(dateColumn.start - 1, dateColumn.width));
        r.oldName = change.oldShown;
        r.newName = change.newShown;
        m_renames.append(std::move(r));
    }, watchedText);
    for (const Withdrawn &w : std::as_const(m_withdrawn)) {
        if (w.qsos > 0)
            ++m_withdrawnInLog;
    }
}

QString AbbeyListUpdate::encodingName(AbbeyListFile::Encoding encoding)
{
    return encoding == AbbeyListFile::Encoding::Utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1252");
}

QString AbbeyListUpdate::reportText(const AbbeyListFile &current, const AbbeyListFile &chosen,
                                    const Context &context) const
{
    QStringList out;
    const auto ref = [](const QString &r) { return r.leftJustified(6); };
    out << QStringLiteral("KVR_ZEL Revision%1 - %2 de la liste des abbayes du %3")
               .arg(Revision::text(), context.revert ? QStringLiteral("Retour à la liste précédente")
                                                      : QStringLiteral("Mise à jour"),
                    context.day.toString(QStringLiteral("dd/MM/yy")));
    out << QString();
    out << QStringLiteral("Liste en service : %1 (%2)").arg(context.listName, plural(current.abbeyCount(), "abbaye", "abbayes"));
    out << QStringLiteral("%1 : %2 (%3, lue en %4)")
               .arg(context.revert ? QStringLiteral("Liste précédente") : QStringLiteral("Nouvelle liste"),
                    context.chosenName, plural(chosen.abbeyCount(), "abbaye", "abbayes"),
                    encodingName(chosen.encoding()));
    if (context.replaced)
        out << QStringLiteral("La liste a été remplacée : la liste en service est maintenant %1 (%2) ; "
                              "l'ancienne est gardée sous le nom %3.Precedente.")
                   .arg(context.revert ? QStringLiteral("la liste précédente") : context.chosenName,
                        plural(chosen.abbeyCount(), "abbaye", "abbayes"), context.listName);
    else
        out << QStringLiteral("La liste n'a pas (encore) été remplacée.");
    out << QString();

    out << QStringLiteral("abbayes ajoutées : %1").arg(m_added.size());
    for (const Added &a : m_added)
        out << QStringLiteral("  %1  %2  %3").arg(ref(a.reference), a.name.leftJustified(60), a.locator);
    out << QString();
    out << QStringLiteral("noms ou locators corrigés : %1").arg(m_corrected.size());
    for (const Corrected &c : m_corrected) {
        if (c.nameChanged())
            out << QStringLiteral("  %1  nom : %2 -> %3").arg(ref(c.reference), c.oldName, c.newName);
        if (c.locatorChanged())
            out << QStringLiteral("  %1  locator : %2 -> %3")
                       .arg(ref(c.reference), c.oldLocator.isEmpty() ? QStringLiteral("(aucun)") : c.oldLocator,
                            c.newLocator.isEmpty() ? QStringLiteral("(aucun)") : c.newLocator);
    }
    out << QString();
    out << QStringLiteral("références retirées : %1, dont %2 dans le log").arg(m_withdrawn.size()).arg(m_withdrawnInLog);
    for (const Withdrawn &w : m_withdrawn) {
        QString line = QStringLiteral("  %1  %2  %3").arg(ref(w.reference), w.name.leftJustified(60), w.locator.leftJustified(4));
        if (w.qsos > 0)
            line += QStringLiteral("  DANS LE LOG : %1, %2")
                        .arg(plural(w.qsos, "QSO", "QSO"), plural(w.confirmed, "confirmé", "confirmés"));
        out << line;
    }
    out << QString();
    out << QStringLiteral("lignes illisibles : %1 (non reprises)").arg(chosen.unreadable().size());
    for (const AbbeyListFile::Unreadable &u : chosen.unreadable()) {
        // The report is in Windows-1252: a character it cannot hold shows as "?".
        out << QStringLiteral("  ligne %1 : %2 : %3").arg(u.number).arg(u.reason, u.text);
    }
    out << QString();
    out << QStringLiteral("références en double : %1").arg(chosen.duplicates().size());
    for (const AbbeyListFile::Duplicate &d : chosen.duplicates()) {
        QStringList numbers;
        for (int n : d.lines)
            numbers << QString::number(n);
        out << QStringLiteral("  %1  lignes %2 (la ligne %3 compte)")
                   .arg(ref(d.reference), numbers.join(QStringLiteral(", ")), numbers.last());
    }
    out << QString();
    if (context.station.isEmpty()) {
        out << QStringLiteral("Aucune station choisie : aucun log comparé.");
    } else {
        out << QStringLiteral("Log de %1 : QSO dont la référence n'est plus dans la nouvelle liste : %2, %3")
                   .arg(context.station, plural(m_qsosWithdrawn, "contacté", "contactés"),
                        plural(m_confirmedWithdrawn, "confirmé", "confirmés"));
        out << QStringLiteral("(ils restent dans le log et comptent toujours pour le diplôme)");
        out << QString();
        QString head;
        if (context.namesRewritten)
            head = QStringLiteral("Noms d'abbaye mis à jour dans le log : %1");
        else if (context.namesAsked)
            head = QStringLiteral("Noms d'abbaye à mettre à jour dans le log : %1");
        else
            head = QStringLiteral("Noms d'abbaye du log qui suivraient la correction (option non choisie) : %1");
        out << head.arg(m_renames.size());
        for (const Rename &r : m_renames)
            out << QStringLiteral("  %1  %2  %3  %4 -> %5")
                       .arg(ref(r.reference), r.callsign.leftJustified(12), r.date, r.oldName, r.newName);
    }
    return out.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QByteArray AbbeyListUpdate::report(const AbbeyListFile &current, const AbbeyListFile &chosen,
                                   const Context &context) const
{
    // The report is in Windows-1252: a character it cannot hold (in an unusable
    // line, or naming why it is unusable) shows as "?".
    QString text = reportText(current, chosen, context);
    for (QChar &c : text) {
        if (!Cp1252::firstUnencodable(QStringView(&c, 1)).isEmpty() || c == QChar(0x1A))
            c = QLatin1Char('?');
    }
    return Cp1252::encode(text);
}

QString AbbeyListUpdate::reportFileName(const QDate &day, const std::function<bool(const QString &)> &taken)
{
    const QString base = QStringLiteral("Liste_Abbayes_Mise_a_jour_") + day.toString(QStringLiteral("dd_MM_yy"));
    QString name = base + QStringLiteral(".txt");
    for (int n = 2; taken(name); ++n)
        name = base + QStringLiteral("_%1.txt").arg(n);
    return name;
}
