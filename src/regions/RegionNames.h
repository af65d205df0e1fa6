#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The regions' names as the windows show them, in the interface's language
// ("Latium" reads "Lazio" in Italian and in English, "Piemont" "Piemonte" and
// "Piedmont"). The region table keeps the award's own French names and codes for
// everything else; only what is shown goes through here.
class RegionNames
{
    Q_DECLARE_TR_FUNCTIONS(RegionNames)

public:
    // A name of the region table as shown; a name it does not know comes back as it is.
    static QString shown(const QString &tableName);
    // The region table's names, shown.
    static QString listName(int slot);
    static QString mapName(int slot);
    // "LZ : Latium": the code as it stands, the name shown.
    static QString activityLabel(int slot);
    // The name alone of the activity label ("Latium", "Val d'Aoste"), shown.
    static QString activityName(int slot);
    // The regions list's line ("    LZ Region Latium"): the code after four blanks, so
    // that the list keeps its code order whatever the language.
    static QString listLine(int slot);

    // Every French name the translations know, as the region table writes them.
    static QStringList known();
};
