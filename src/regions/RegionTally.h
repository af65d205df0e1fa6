#pragma once

#include "refdata/RegionTable.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class LogIndex;
class LogSession;

// Where a region stands on the band tallied: a QSO with a returned card ("*"),
// QSOs without a card yet, or no QSO at all.
enum class RegionStatus { NotWorked, Worked, Confirmed };

// The regions contacted on one band: one status per slot, the number of slots
// with at least one QSO and the line of each such slot for the regions list.
struct RegionTally
{
    QString band;
    QString mode;
    std::array<RegionStatus, RegionTable::SlotCount> statuses{};
    int count = 0;
    // "    LZ Region Latium", in slot order.
    QStringList lines;

    RegionStatus status(int slot) const;
    // At least one QSO in the region on the band (the box is green).
    bool marked(int slot) const { return status(slot) != RegionStatus::NotWorked; }
    // Number of slots in a status.
    int countOf(RegionStatus status) const;
};

// Tallies the regions of the log on a band label, or "Toutes" for every band, as
// the log index counts them: the band is compared exactly with the log's band
// column (blanks trimmed), the region is the first two characters of the
// reference in capitals, and a hand-edited line whose columns are shifted counts
// for "Toutes" only. Every mode counts: the selectors offer SSB and CW only, and
// an FM QSO still opens its region.
RegionTally Compte_Regions(const LogIndex &index, const QString &band, const QString &mode);
// The same on a session without an index of its own (the log is indexed for it).
RegionTally Compte_Regions(const LogSession &session, const QString &band, const QString &mode);

// The log rows (0-based, in log order) of the QSOs that the tally of this band
// counts in a slot: the QSOs behind one region of the list or of the map.
QList<int> regionRows(const LogIndex &index, int slot, const QString &band);
QList<int> regionRows(const LogSession &session, int slot, const QString &band);
