#include "refdata/AbbeyList.h"

#include "refdata/AbbeyTable.h"

#include <QDir>
#include <QFileInfo>

AbbeyList::Lookup AbbeyList::Cherche_Abbaye(const QString &path, const QString &reference)
{
    Lookup result;
    QString error;
    // The same table as the spots and the import, read again only when the file changed.
    const AbbeyTable &table = AbbeyTable::current(path, &error);
    if (!error.isEmpty()) {
        result.error = tr("ATTENTION la liste des abbayes %1 ne peut pas être lue :\r\n%2\r\n\r\n"
                          "La référence n'a pas pu être vérifiée ; entrez vous-même le "
                          "locator et le nom de l'abbaye.")
                           .arg(QFileInfo(path).fileName(), error);
        return result;
    }
    // The list's references are trimmed: the field's text with blanks around it is
    // none of them. Small letters written in the list or typed are the same reference.
    const AbbeyTable::Entry *e = reference == reference.trimmed() ? table.find(reference) : nullptr;
    if (!e) {
        if (table.isEmpty() && !QFileInfo::exists(path))
            result.error = missingListMessage(path);
        return result;
    }
    result.found = true;
    result.locator = e->locator;
    // A line that stops right after the name has no locator: the abbey is known but
    // its name is not shown (the table leaves it empty).
    result.name = e->name;
    return result;
}

QString AbbeyList::missingListMessage(const QString &path)
{
    return tr("ATTENTION la liste des abbayes %1 est introuvable dans le dossier %2 : "
              "la référence n'a pas pu être vérifiée.\r\n\r\n"
              "La liste sera recréée au prochain démarrage de KVR_ZEL. En attendant, "
              "entrez vous-même le locator et le nom de l'abbaye.")
        .arg(QFileInfo(path).fileName(), QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
}
