#include "refdata/LogLookups.h"

#include "logstore/Cp1252.h"
#include "logstore/LogFile.h"
#include "logstore/QsoRecord.h"
#include "refdata/RegionTable.h"

namespace {

// The region code is the first two characters of the reference.
constexpr int RegionWidth = 2;

QString cut(const QString &line, QsoRecord::Field field, int width = -1)
{
    const QsoRecord::Column c = QsoRecord::logLayout()[field];
    return line.mid(c.start - 1, width < 0 ? c.width : width);
}

} // namespace

LogLookups::Contact LogLookups::Deja_Contacte(const QString &logPath, const QString &reference)
{
    Contact result;
    const QList<QByteArray> lines = LogFile::read(logPath).lines;
    for (const QByteArray &raw : lines) {
        const QString line = Cp1252::decode(raw);
        if (cut(line, QsoRecord::Reference) == reference) {
            result.found = true;
            result.date = cut(line, QsoRecord::Date);
            break;
        }
    }
    return result;
}

bool LogLookups::Cherche_Region(const QString &logPath, const QString &code)
{
    const QList<QByteArray> lines = LogFile::read(logPath).lines;
    for (const QByteArray &raw : lines) {
        const QString line = Cp1252::decode(raw);
        if (RegionTable::sameRegion(cut(line, QsoRecord::Reference, RegionWidth), code))
            return true;
    }
    return false;
}
