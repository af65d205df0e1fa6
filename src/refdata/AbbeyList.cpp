#include "refdata/AbbeyList.h"

#include "logstore/Cp1252.h"
#include "logstore/LogFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int ReferenceWidth = 6;
constexpr int NameStart = 7;     // 0-based column 8
constexpr int LocatorStart = 68; // 0-based column 69

QString referenceOf(const QString &line) { return line.mid(0, ReferenceWidth).trimmed(); }

} // namespace

AbbeyList::Lookup AbbeyList::Cherche_Abbaye(const QString &path, const QString &reference)
{
    Lookup result;
    const LogFile::Content list = LogFile::read(path);
    if (!list.exists) {
        result.error = missingListMessage(path);
        return result;
    }
    if (!list.error.isEmpty()) {
        result.error = QStringLiteral("ATTENTION la liste des abbayes %1 ne peut pas être lue :\r\n%2\r\n\r\n"
                                      "La référence n'a pas pu être vérifiée ; entrez vous-même le "
                                      "locator et le nom de l'abbaye.")
                           .arg(QFileInfo(path).fileName(), list.error);
        return result;
    }
    const QList<QByteArray> &lines = list.lines;
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

QString AbbeyList::missingListMessage(const QString &path)
{
    return QStringLiteral("ATTENTION la liste des abbayes %1 est introuvable dans le dossier %2 : "
                          "la référence n'a pas pu être vérifiée.\r\n\r\n"
                          "La liste sera recréée au prochain démarrage de KVR_ZEL. En attendant, "
                          "entrez vous-même le locator et le nom de l'abbaye.")
        .arg(QFileInfo(path).fileName(), QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
}
