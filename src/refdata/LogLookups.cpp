#include "refdata/LogLookups.h"

#include "logstore/Cp1252.h"
#include "logstore/LogFile.h"
#include "logstore/LogProblems.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "refdata/RegionTable.h"

#include <QRegularExpression>

#include <vector>

namespace {

// The region code is the first two characters of the reference.
constexpr int RegionWidth = 2;

QsoRecord::Column column(QsoRecord::Field field) { return QsoRecord::logLayout()[field]; }

// Columns of a line as they stand: the part present, possibly empty.
QByteArrayView columns(QByteArrayView line, int start, int width)
{
    const qsizetype from = start - 1;
    if (from >= line.size())
        return {};
    return line.sliced(from, qMin<qsizetype>(width, line.size() - from));
}

QString cut(const QString &line, QsoRecord::Field field)
{
    const QsoRecord::Column c = column(field);
    return line.mid(c.start - 1, c.width);
}

QString readError(const QString &name, const QString &why)
{
    return QStringLiteral("Le journal %1 n'a pas pu être lu :\r\n%2\r\n\r\nLa référence ne peut pas "
                          "être vérifiée : la saisie est arrêtée.")
        .arg(name, why);
}

// The line as UTF-8 text when it reads as UTF-8 with accented letters; empty otherwise.
QString asUtf8(QByteArrayView line)
{
    return LogProblems::isUtf8WithMultibyte(line) ? QString::fromUtf8(line) : QString();
}

} // namespace

QList<LogLookups::Recognised> LogLookups::recognise(QByteArrayView line)
{
    QList<Recognised> found;
    const QString utf8 = asUtf8(line);
    // A log converted to UTF-8: its accented letters take two bytes, so once read
    // back as UTF-8 the columns fall into place again.
    if (!utf8.isEmpty())
        found.append({cut(utf8, QsoRecord::Reference), cut(utf8, QsoRecord::Date)});
    // Columns shifted some other way: the reference still stands just before
    // the date and time, each field followed by one blank.
    static const QRegularExpression fields(
        QStringLiteral("(?:^|\\s)(\\S{6}) (\\d\\d/\\d\\d/\\d\\d) \\d\\d:\\d\\d(?:\\s|$)"));
    const QRegularExpressionMatch m = fields.match(utf8.isEmpty() ? Cp1252::decode(line) : utf8);
    if (m.hasMatch())
        found.append({m.captured(1), m.captured(2)});
    return found;
}

LogLookups::Contact LogLookups::contacted(int count, const LineAt &lineAt, const QString &reference,
                                          int exceptRow)
{
    Contact result;
    const QsoRecord::Column ref = column(QsoRecord::Reference);
    const QsoRecord::Column date = column(QsoRecord::Date);
    // References are compared in capitals (a hand-edited "az0001" is the abbey AZ0001);
    // the code page gives one character per byte.
    const bool encodable = Cp1252::firstUnencodable(reference).isEmpty();
    const QByteArray wanted = Cp1252::encode(reference);
    const auto sameReference = [&wanted](QByteArrayView column) {
        return column.size() == wanted.size()
            && qstrnicmp(column.data(), wanted.constData(), size_t(wanted.size())) == 0;
    };
    for (int row = 0; row < count; ++row) {
        if (row == exceptRow)
            continue;
        const QByteArrayView line = lineAt(row);
        if (encodable && sameReference(columns(line, ref.start, ref.width))) {
            result.found = true;
            result.date = Cp1252::decode(columns(line, date.start, date.width));
            return result;
        }
        if (LogFile::isWellFormed(line))
            continue;
        for (const Recognised &r : recognise(line)) {
            if (r.reference.compare(reference, Qt::CaseInsensitive) == 0) {
                result.found = true;
                result.date = r.date;
                return result;
            }
        }
    }
    return result;
}

bool LogLookups::inRegion(int count, const LineAt &lineAt, const QString &code)
{
    const QsoRecord::Column ref = column(QsoRecord::Reference);
    // A code the code page cannot hold is on no line as it stands.
    const QByteArray wanted =
        Cp1252::firstUnencodable(code).isEmpty() ? Cp1252::encode(code) : QByteArray("\n");
    const bool known = RegionTable::slotOfCode(code) != 0;
    // Each two-byte code met is judged once, so the log is not decoded line by line.
    std::vector<signed char> verdict(known ? 0x10000 : 0, -1);
    auto same = [&](QByteArrayView lineCode) {
        if (lineCode == wanted)
            return true;
        if (!known || lineCode.size() != RegionWidth)
            return false;
        signed char &v = verdict[size_t(uchar(lineCode.at(0))) << 8 | uchar(lineCode.at(1))];
        if (v < 0)
            v = RegionTable::sameRegion(Cp1252::decode(lineCode), code) ? 1 : 0;
        return v == 1;
    };
    for (int row = 0; row < count; ++row) {
        const QByteArrayView line = lineAt(row);
        if (same(columns(line, ref.start, RegionWidth)))
            return true;
        if (LogFile::isWellFormed(line))
            continue;
        for (const Recognised &r : recognise(line)) {
            if (RegionTable::sameRegion(r.reference.left(RegionWidth), code))
                return true;
        }
    }
    return false;
}

LogLookups::Contact LogLookups::Deja_Contacte(const LogSession &session, const QString &reference,
                                              int exceptRow)
{
    if (!session.loadError().isEmpty()) {
        Contact failed;
        failed.error = readError(session.logFileName(), session.loadError());
        return failed;
    }
    return contacted(session.lineCount(), [&](int row) { return session.line(row); }, reference, exceptRow);
}

LogLookups::Region LogLookups::Cherche_Region(const LogSession &session, const QString &code)
{
    Region result;
    if (!session.loadError().isEmpty()) {
        result.error = readError(session.logFileName(), session.loadError());
        return result;
    }
    result.found = inRegion(session.lineCount(), [&](int row) { return session.line(row); }, code);
    return result;
}
