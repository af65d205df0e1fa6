#include "regions/RegionTally.h"

#include "logstore/LogSession.h"
#include "refdata/LogIndex.h"

RegionStatus RegionTally::status(int slot) const
{
    if (slot < 1 || slot > RegionTable::SlotCount)
        return RegionStatus::NotWorked;
    return statuses[slot - 1];
}

int RegionTally::countOf(RegionStatus wanted) const
{
    int n = 0;
    for (RegionStatus s : statuses)
        n += s == wanted ? 1 : 0;
    return n;
}

RegionTally Compte_Regions(const LogIndex &index, const QString &band, const QString &mode)
{
    RegionTally t;
    t.band = band;
    t.mode = mode;
    t.statuses.fill(RegionStatus::NotWorked);
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        switch (index.region(slot, band)) {
        case LogIndex::Standing::Confirmed: t.statuses[slot - 1] = RegionStatus::Confirmed; break;
        case LogIndex::Standing::Worked: t.statuses[slot - 1] = RegionStatus::Worked; break;
        case LogIndex::Standing::NotWorked: break;
        }
        if (t.marked(slot)) {
            ++t.count;
            t.lines << RegionTable::listLine(slot);
        }
    }
    return t;
}

RegionTally Compte_Regions(const LogSession &session, const QString &band, const QString &mode)
{
    const LogIndex index(session);
    return Compte_Regions(index, band, mode);
}

QList<int> regionRows(const LogIndex &index, int slot, const QString &band)
{
    return index.regionRows(slot, band);
}

QList<int> regionRows(const LogSession &session, int slot, const QString &band)
{
    const LogIndex index(session);
    return index.regionRows(slot, band);
}
