#include "refdata/LogLookups.h"

#include "logstore/Cp1252.h"
#include "logstore/LogProblems.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "refdata/LogIndex.h"

#include <QRegularExpression>

namespace {

QString readError(const QString &name, const QString &why)
{
    return LogLookups::tr("Le journal %1 n'a pas pu être lu :\r\n%2\r\n\r\nLa référence ne peut pas "
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
    if (!utf8.isEmpty()) {
        const QsoRecord fields = QsoRecord::fromLogLine(utf8);
        found.append({fields.field(QsoRecord::Reference), fields.field(QsoRecord::Date)});
    }
    // Columns shifted some other way: the reference still stands just before
    // the date and time, each field followed by one blank.
    static const QRegularExpression fields(
        QStringLiteral("(?:^|\\s)(\\S{6}) (\\d\\d/\\d\\d/\\d\\d) \\d\\d:\\d\\d(?:\\s|$)"));
    const QRegularExpressionMatch m = fields.match(utf8.isEmpty() ? Cp1252::decode(line) : utf8);
    if (m.hasMatch())
        found.append({m.captured(1), m.captured(2)});
    return found;
}

LogLookups::Contact LogLookups::Deja_Contacte(const LogIndex &index, const QString &reference, int exceptRow)
{
    const LogSession &session = index.session();
    if (!session.loadError().isEmpty()) {
        Contact failed;
        failed.error = readError(session.logFileName(), session.loadError());
        return failed;
    }
    Contact result;
    const int row = index.firstRow(reference, exceptRow);
    if (row >= 0) {
        result.found = true;
        result.date = index.dateOf(row, reference);
    }
    return result;
}

LogLookups::Region LogLookups::Cherche_Region(const LogIndex &index, const QString &code)
{
    const LogSession &session = index.session();
    Region result;
    if (!session.loadError().isEmpty()) {
        result.error = readError(session.logFileName(), session.loadError());
        return result;
    }
    result.found = index.regionWorked(code);
    return result;
}

LogLookups::Contact LogLookups::Deja_Contacte(const LogSession &session, const QString &reference, int exceptRow)
{
    const LogIndex index(session);
    return Deja_Contacte(index, reference, exceptRow);
}

LogLookups::Region LogLookups::Cherche_Region(const LogSession &session, const QString &code)
{
    const LogIndex index(session);
    return Cherche_Region(index, code);
}
