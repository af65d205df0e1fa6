#pragma once

#include "refdata/RegionTable.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <array>

class QFont;

// Where the map of Italy and its 21 region boxes go in an area of a given size:
// the picture as large as fits, centred, its proportions kept; the box font grows
// with the picture so that the boxes keep their places on their regions at any
// size. Boxes are whole pixels.
struct MapLayout
{
    // Box font height in pixels for each pixel per picture unit.
    static constexpr qreal FontPerScale = 14.5;

    // Width of each box's text (slot order) for a font one pixel high.
    using TextWidths = std::array<qreal, RegionTable::SlotCount>;

    QRectF map;           // where the picture is drawn
    qreal scale = 0;      // pixels per picture unit
    qreal fontPixels = 0; // box font height, whole pixels
    std::array<QRectF, RegionTable::SlotCount> boxes{};   // by slot - 1
    std::array<QPointF, RegionTable::SlotCount> markers{}; // by slot - 1

    static MapLayout compute(const QSizeF &area, const TextWidths &widths);
    // Widths of the box texts in this font.
    static TextWidths measure(const QFont &font);
    // The boxes' font: bold Arial, or the font with Arial's metrics where Arial is missing.
    static QFont boxFont();
    // The texts of the boxes, by slot - 1.
    static QStringList boxTexts();

    QPointF toArea(const QPointF &mapPoint) const { return map.topLeft() + mapPoint * scale; }
    QRectF box(int slot) const { return boxes.at(slot - 1); }
    QPointF marker(int slot) const { return markers.at(slot - 1); }
};
