#pragma once

#include "refdata/RegionTable.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <array>

class QFont;

// Where the map of Italy and its 21 region boxes go in an area of a given size:
// the picture as large as fits, centred, its proportions kept; the box font grows
// with the picture so that the boxes keep their places at any size. A box stands
// on its region when the region stays in sight around it; a box that would hide
// a small region stands beside it, off the land, with a leader line from the box
// to a point inside the region. Boxes are whole pixels.
struct MapLayout
{
    // Box font height in pixels for each pixel per picture unit.
    static constexpr qreal FontPerScale = 14.5;
    // A box that has a place beside its region goes there when, on the region,
    // it would cover more than this share of it.
    static constexpr qreal MaxCover = 0.25;

    // Width of each box's text (slot order) for a font one pixel high.
    using TextWidths = std::array<qreal, RegionTable::SlotCount>;

    QRectF map;           // where the picture is drawn
    qreal scale = 0;      // pixels per picture unit
    qreal fontPixels = 0; // box font height, whole pixels
    std::array<QRectF, RegionTable::SlotCount> boxes{};   // by slot - 1
    std::array<QPointF, RegionTable::SlotCount> markers{}; // by slot - 1
    // From the box's edge to inside its region; null for a box on its region.
    std::array<QLineF, RegionTable::SlotCount> leaders{};  // by slot - 1

    static MapLayout compute(const QSizeF &area, const TextWidths &widths);
    // Widths of the box texts in this font.
    static TextWidths measure(const QFont &font);
    // The boxes' font: bold Arial, or the font with Arial's metrics where Arial is missing.
    static QFont boxFont();
    // The texts of the boxes, by slot - 1, as shown in the operator's language.
    static QStringList boxTexts();

    QPointF toArea(const QPointF &mapPoint) const { return map.topLeft() + mapPoint * scale; }
    QRectF box(int slot) const { return boxes.at(slot - 1); }
    QPointF marker(int slot) const { return markers.at(slot - 1); }
    QLineF leader(int slot) const { return leaders.at(slot - 1); }
    bool beside(int slot) const { return !leaders.at(slot - 1).isNull(); }
    QRectF toMap(const QRectF &areaRect) const
    {
        return {(areaRect.topLeft() - map.topLeft()) / scale, areaRect.size() / scale};
    }
};
