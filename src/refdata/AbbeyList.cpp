#include "refdata/AbbeyList.h"

#include "logstore/Cp1252.h"
#include "logstore/LogFile.h"

namespace {

constexpr int ReferenceWidth = 6;
constexpr int NameStart = 7;     // 0-based column 8
constexpr int LocatorStart = 68; // 0-based column 69

QString referenceOf(const QString &line) { return line.mid(0, ReferenceWidth).trimmed(); }

} // namespace

AbbeyList::Lookup AbbeyList::Cherche_Abbaye(const QString &path, const QString &reference)
{
    Lookup result;
    const QList<QByteArray> lines = LogFile::read(path).lines;
    for (const QByteArray &raw : lines) {
        const QString line = Cp1252::decode(raw);
        if (referenceOf(line) != reference)
            continue;
        result.found = true;
        result.locator = line.mid(LocatorStart, LocatorWidth);
        // Upper-casing may lengthen a name (ß): cut afterwards so it still fits.
        result.name = line.mid(NameStart, NameWidth).toUpper().left(NameWidth);
    }
    // A line that stops right after the name has no locator: the abbey is known but
    // its name is not shown.
    if (result.found && result.locator == QLatin1String("  "))
        result.name.clear();
    return result;
}
