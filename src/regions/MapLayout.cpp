#include "regions/MapLayout.h"

#include "regions/ItalyMap.h"
#include "regions/RegionNames.h"

#include <QFont>
#include <QFontMetricsF>

#include <cmath>

namespace {

// Room around the text: a frame and a little air, partly fixed, partly with the font.
constexpr qreal PadPerPixel = 0.5;
constexpr qreal PadFixed = 4.0;
// One line of text with its frame, for each pixel of font height.
constexpr qreal HeightPerPixel = 1.3;

} // namespace

MapLayout MapLayout::compute(const QSizeF &area, const TextWidths &widths)
{
    MapLayout l;
    const QSizeF picture = ItalyMap::size();
    if (area.width() <= 0 || area.height() <= 0)
        return l;
    l.scale = qMin(area.width() / picture.width(), area.height() / picture.height());
    const QSizeF drawn = picture * l.scale;
    l.map = QRectF(QPointF((area.width() - drawn.width()) / 2, (area.height() - drawn.height()) / 2),
                   drawn);
    // Whole pixels, rounded down: the text then always fits the box measured for it.
    l.fontPixels = qMax(1.0, std::floor(FontPerScale * l.scale));

    const qreal height = std::round(l.fontPixels * HeightPerPixel + PadFixed);
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        const qreal width = std::ceil(widths.at(slot - 1) * l.fontPixels
                                      + l.fontPixels * PadPerPixel + PadFixed);
        const auto place = [&](const ItalyMap::BoxAnchor &a) {
            const QPointF at = l.toArea(a.point);
            return QRectF(std::round(at.x() - width * a.along), std::round(at.y() - height / 2), width, height);
        };
        QRectF box = place(ItalyMap::boxAnchor(slot));
        const QPointF marker = l.toArea(ItalyMap::markerPoint(slot));
        const ItalyMap::BoxAnchor beside = ItalyMap::besideAnchor(slot);
        if (beside.along >= 0 && ItalyMap::shareUnder(slot, l.toMap(box)) > MaxCover) {
            box = place(beside);
            // The line leaves the box at its point nearest the region's marker.
            const QPointF from(qBound(box.left(), marker.x(), box.right()),
                               qBound(box.top(), marker.y(), box.bottom()));
            l.leaders[slot - 1] = QLineF(from, marker);
        }
        l.boxes[slot - 1] = box;
        l.markers[slot - 1] = marker;
    }
    return l;
}

MapLayout::TextWidths MapLayout::measure(const QFont &font)
{
    // Measured large, where rounding to whole pixels does not show.
    constexpr int Reference = 100;
    QFont f = font;
    f.setPixelSize(Reference);
    const QFontMetricsF m(f);
    const QStringList texts = boxTexts();
    TextWidths w{};
    for (int i = 0; i < RegionTable::SlotCount; ++i)
        w[i] = m.horizontalAdvance(texts.at(i)) / Reference;
    return w;
}

QStringList MapLayout::boxTexts()
{
    QStringList texts;
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot)
        texts << RegionNames::activityLabel(slot);
    return texts;
}

QFont MapLayout::boxFont()
{
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setBold(true);
    return f;
}
