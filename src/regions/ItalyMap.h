#pragma once

#include "regions/RegionTally.h"

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// The map of Italy the region windows draw: the picture shipped with the program,
// which of its shapes is which award region, and where each region's box and
// marker stand on it, in the picture's own units (its viewBox).
class ItalyMap
{
public:
    // The picture as shipped (empty if the resource is missing).
    static QByteArray svg();
    static QSizeF size() { return {610.0, 793.0}; }
    // Every shape of the picture, by id (20 regions; Trento and Bolzano share one).
    static QStringList elementIds();
    // The shape of a slot (1..21).
    static QString elementId(int slot);

    // A point well inside the region, where the mini map puts its marker.
    static QPointF markerPoint(int slot);
    // Where the region's box stands: the point its vertical middle goes through
    // and, along the box, the fraction of its width left of that point (0 = box
    // starts there, 0.5 = centred). Chosen by hand so that the 21 boxes cover
    // their regions and never each other.
    struct BoxAnchor {
        QPointF point;
        qreal along = 0.5;
    };
    static BoxAnchor boxAnchor(int slot);
    // Where the box of a small region goes when it would hide its region: off the
    // land nearby, tied to the region by a line. None (along < 0) for a region
    // large enough to carry its box.
    static BoxAnchor besideAnchor(int slot);

    // The outline of a slot's shape in picture units (one polygon per piece of
    // land: mainland and islands), and its area.
    static QList<QPolygonF> outline(int slot);
    static qreal area(int slot);
    // How much of the slot's shape lies under a rectangle (picture units), 0 to 1.
    static qreal shareUnder(int slot, const QRectF &rect);

    // Colours of the region shapes by status, and of the sea and borders.
    static QColor statusColour(RegionStatus status);
    static QColor seaColour() { return {0xD8, 0xE9, 0xF5}; }
    static QColor borderColour() { return {0x5A, 0x5A, 0x5A}; }
    // Boxes and markers of a contacted region: red 128, green 255, blue 128.
    static QColor contactedColour() { return {0x80, 0xFF, 0x80}; }

    // The status of each shape: the better of the slots drawn on it (Trento and
    // Bolzano share theirs).
    static QHash<QString, QColor> fillsFor(const RegionTally &tally);
    // The picture with every shape filled (fills by id, the rest in `others`, left
    // unpainted when `others` is invalid) and outlined, ready for the renderer.
    static QByteArray styled(const QByteArray &svg, const QHash<QString, QColor> &fills,
                             const QColor &others);
};
