#pragma once

#include <QString>

// The 21 regions of the award, in the order of the regions list and of the maps.
// Slots are numbered 1..21; slot 0 means "no region".
class RegionTable
{
public:
    static constexpr int SlotCount = 21;
    // Veneto: references use either code; the one shown is "VE".
    static constexpr int VenetoSlot = 19;

    // Texts of a slot; an empty string for a slot outside 1..21.
    static QString code(int slot);
    static QString listName(int slot);      // name in the regions list
    static QString mapName(int slot);       // name on the mini map
    static QString activityLabel(int slot); // label on the activity map
    // Line of the regions list: "    AZ Region Abruzzes".
    static QString listLine(int slot);

    // Slot of a region code compared exactly as given ("VN" and "VE" both give 19);
    // 0 when no region has that code.
    static int slotOfCode(const QString &code);
    // The same after removing blanks and upper-casing, for codes typed by hand.
    static int slotOfTallyCode(const QString &code);
    // True when the codes are equal or name the same region.
    static bool sameRegion(const QString &codeA, const QString &codeB);
};
