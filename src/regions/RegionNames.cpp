#include "regions/RegionNames.h"

#include "refdata/RegionTable.h"

namespace {

// The region table's names, each spelling as it stands there (the regions list,
// the mini map and the activity map name some regions differently).
const char *const Names[] = {
    QT_TRANSLATE_NOOP("RegionNames", "Abruzzes"),
    QT_TRANSLATE_NOOP("RegionNames", "Basilicate"),
    QT_TRANSLATE_NOOP("RegionNames", "Calabre"),
    QT_TRANSLATE_NOOP("RegionNames", "Campanie"),
    QT_TRANSLATE_NOOP("RegionNames", "Emilie Romagne"),
    QT_TRANSLATE_NOOP("RegionNames", "Frioul Venetie"),
    QT_TRANSLATE_NOOP("RegionNames", "Frioul-Venetie Julienne"),
    QT_TRANSLATE_NOOP("RegionNames", "Frioul Venetie Julienne"),
    QT_TRANSLATE_NOOP("RegionNames", "Latium"),
    QT_TRANSLATE_NOOP("RegionNames", "Ligurie"),
    QT_TRANSLATE_NOOP("RegionNames", "Liguria"),
    QT_TRANSLATE_NOOP("RegionNames", "Lombardie"),
    QT_TRANSLATE_NOOP("RegionNames", "Marches"),
    QT_TRANSLATE_NOOP("RegionNames", "Molise"),
    QT_TRANSLATE_NOOP("RegionNames", "Ombrie"),
    QT_TRANSLATE_NOOP("RegionNames", "Piemont"),
    QT_TRANSLATE_NOOP("RegionNames", "Pouilles"),
    QT_TRANSLATE_NOOP("RegionNames", "Sardaigne"),
    QT_TRANSLATE_NOOP("RegionNames", "Sicile"),
    QT_TRANSLATE_NOOP("RegionNames", "Toscane"),
    QT_TRANSLATE_NOOP("RegionNames", "Trentin P.A."),
    QT_TRANSLATE_NOOP("RegionNames", "Venetie"),
    QT_TRANSLATE_NOOP("RegionNames", "Vénétie"),
    QT_TRANSLATE_NOOP("RegionNames", "Vallee d aoste"),
    QT_TRANSLATE_NOOP("RegionNames", "Val d'Aoste"),
    QT_TRANSLATE_NOOP("RegionNames", "Bolzano P.A."),
    QT_TRANSLATE_NOOP("RegionNames", "Bolzamo P.A."),
};

const QString Separator = QStringLiteral(" : ");

} // namespace

QString RegionNames::shown(const QString &tableName)
{
    for (const char *name : Names) {
        if (tableName == QString::fromUtf8(name))
            return tr(name);
    }
    return tableName;
}

QString RegionNames::listName(int slot) { return shown(RegionTable::listName(slot)); }

QString RegionNames::mapName(int slot) { return shown(RegionTable::mapName(slot)); }

QString RegionNames::activityName(int slot)
{
    const QString label = RegionTable::activityLabel(slot);
    const qsizetype at = label.indexOf(Separator);
    return shown(at < 0 ? label : label.mid(at + Separator.size()));
}

QString RegionNames::activityLabel(int slot)
{
    const QString label = RegionTable::activityLabel(slot);
    if (label.isEmpty())
        return label;
    return tr("%1 : %2", "region code and name on the map").arg(RegionTable::code(slot), activityName(slot));
}

QString RegionNames::listLine(int slot)
{
    if (RegionTable::code(slot).isEmpty())
        return QString();
    return QStringLiteral("    ") + tr("%1 Region %2", "region code and name in the regions list")
                                         .arg(RegionTable::code(slot), listName(slot));
}

QStringList RegionNames::known()
{
    QStringList out;
    for (const char *name : Names)
        out << QString::fromUtf8(name);
    return out;
}
