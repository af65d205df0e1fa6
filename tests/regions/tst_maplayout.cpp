// Where the map and its region boxes go at a given size, checked against the
// picture itself: boxes readable, apart, inside the area; each on its region, or
// beside a region it would hide, off the land and tied to it by a leader line;
// every region left in sight; markers inside their regions.

#include "regions/ItalyMap.h"
#include "regions/MapLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

namespace {

// The picture with one shape painted pure red and nothing else filled.
QImage shapeAt(const MapLayout &l, const QSize &area, const QString &id)
{
    static const QByteArray svg = ItalyMap::svg();
    QSvgRenderer r(ItalyMap::styled(svg, {{id, Qt::red}}, QColor()));
    QImage img(area, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    r.render(&p, l.map);
    return img;
}

bool red(QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60 && qAlpha(c) > 200; }

// Pixels of the painted shape inside a rectangle.
int redIn(const QImage &shape, const QRect &rect)
{
    const QRect r = rect.intersected(shape.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(shape.constScanLine(y));
        for (int x = r.left(); x <= r.right(); ++x)
            n += red(line[x]) ? 1 : 0;
    }
    return n;
}

QString ElementOf(int slot) { return ItalyMap::elementId(slot); }

// The smallest the map window allows, the sizes it opens at on 1024x768 and
// 1920x1080 screens, and areas far from the map's proportions.
void sizes()
{
    QTest::addColumn<QSize>("area");
    for (const QSize s : {QSize(400, 520), QSize(437, 563), QSize(516, 671), QSize(600, 780),
                          QSize(732, 952), QSize(1000, 1300), QSize(1600, 900), QSize(420, 1400),
                          QSize(2200, 2800)})
        QTest::addRow("%dx%d", s.width(), s.height()) << s;
}

} // namespace

class MapLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void boxesReadableAndApart_data();
    void boxesReadableAndApart();
    void onTheirRegions_data();
    void onTheirRegions();
    void markersInTheirRegions_data();
    void markersInTheirRegions();
    void growsWithTheArea();
};

void MapLayoutTest::boxesReadableAndApart_data()
{
    sizes();
}

void MapLayoutTest::boxesReadableAndApart()
{
    QFETCH(QSize, area);
    const MapLayout l = MapLayout::compute(QSizeF(area), MapLayout::measure(MapLayout::boxFont()));

    QVERIFY(QRectF(QPointF(0, 0), QSizeF(area)).contains(l.map));
    QVERIFY(l.fontPixels >= 8);
    QFont f = MapLayout::boxFont();
    f.setPixelSize(int(l.fontPixels));
    const QFontMetricsF m(f);
    const QStringList texts = MapLayout::boxTexts();
    for (int a = 1; a <= RegionTable::SlotCount; ++a) {
        const QRectF box = l.box(a);
        QVERIFY2(l.map.contains(box), qPrintable(texts.at(a - 1)));
        // The text and a one-pixel frame on each side fit.
        QVERIFY2(m.horizontalAdvance(texts.at(a - 1)) + 2 <= box.width(), qPrintable(texts.at(a - 1)));
        QVERIFY(m.height() + 2 <= box.height());
        for (int b = a + 1; b <= RegionTable::SlotCount; ++b)
            QVERIFY2(!box.intersects(l.box(b)),
                     qPrintable(texts.at(a - 1) + QStringLiteral(" / ") + texts.at(b - 1)));
    }
    // Bolzano is the northern half of the shape the two provinces share.
    QVERIFY(l.box(21).center().y() < l.box(18).center().y());
}

void MapLayoutTest::onTheirRegions_data()
{
    sizes();
}

void MapLayoutTest::onTheirRegions()
{
    QFETCH(QSize, area);
    const MapLayout l = MapLayout::compute(QSizeF(area), MapLayout::measure(MapLayout::boxFont()));
    QHash<QString, QImage> shapes;
    for (const QString &id : ItalyMap::elementIds())
        shapes.insert(id, shapeAt(l, area, id));
    QCOMPARE(shapes.size(), 20);
    const auto overLand = [&](const QRect &box) {
        int land = 0;
        for (const QImage &shape : std::as_const(shapes))
            land += redIn(shape, box);
        return double(land) / (box.width() * box.height());
    };

    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        const QString name = RegionTable::activityLabel(slot);
        const QImage &shape = shapes[ElementOf(slot)];
        const QRect box = l.box(slot).toRect();
        if (!l.beside(slot)) {
            // A good part of the box lies over its region, the point it hangs from included.
            QVERIFY2(box.contains(l.toArea(ItalyMap::boxAnchor(slot).point).toPoint()), qPrintable(name));
            const double share = double(redIn(shape, box)) / (box.width() * box.height());
            QVERIFY2(share >= 0.2, qPrintable(name + QStringLiteral(": %1").arg(share)));
            continue;
        }
        // A box beside its region stands off the land; its leader runs from the
        // box's edge to a point inside the region and crosses no other box.
        QVERIFY2(overLand(box) <= 0.15, qPrintable(name + QStringLiteral(": %1").arg(overLand(box))));
        const QLineF leader = l.leader(slot);
        QVERIFY2(red(shape.pixel(leader.p2().toPoint())), qPrintable(name));
        QVERIFY(l.box(slot).adjusted(-0.5, -0.5, 0.5, 0.5).contains(leader.p1()));
        QVERIFY(!l.box(slot).adjusted(0.5, 0.5, -0.5, -0.5).contains(leader.p1()));
        for (int other = 1; other <= RegionTable::SlotCount; ++other) {
            for (int step = 1; other != slot && step < 40; ++step)
                QVERIFY2(!l.box(other).contains(leader.pointAt(step / 40.0)),
                         qPrintable(name + QStringLiteral(" / ") + RegionTable::activityLabel(other)));
        }
    }
    // Every region stays in sight: the boxes together cover at most 40% of it.
    // The small ones (Aosta, Liguria, Molise, Umbria...) would be hidden by their
    // own box; theirs stand beside them.
    for (auto it = shapes.cbegin(); it != shapes.cend(); ++it) {
        const int total = redIn(it.value(), QRect(QPoint(0, 0), area));
        int covered = 0;
        for (int slot = 1; slot <= RegionTable::SlotCount; ++slot)
            covered += redIn(it.value(), l.box(slot).toRect());
        QVERIFY2(covered <= 0.4 * total, qPrintable(it.key() + QStringLiteral(": %1").arg(double(covered) / total)));
    }
    for (const char *small : {"aosta-valley", "liguria", "molise", "umbria"}) {
        for (int slot = 1; slot <= RegionTable::SlotCount; ++slot)
            QVERIFY(ElementOf(slot) != QLatin1String(small) || l.beside(slot));
    }
}

void MapLayoutTest::markersInTheirRegions_data()
{
    sizes();
    QTest::newRow("mini map") << QSize(290, 343);
}

void MapLayoutTest::markersInTheirRegions()
{
    QFETCH(QSize, area);
    const MapLayout l = MapLayout::compute(QSizeF(area), MapLayout::TextWidths{});
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        const QImage shape = shapeAt(l, area, ElementOf(slot));
        QVERIFY2(red(shape.pixel(l.marker(slot).toPoint())), qPrintable(RegionTable::activityLabel(slot)));
        // A map without boxes has no leaders.
        QVERIFY(!l.beside(slot));
    }
}

void MapLayoutTest::growsWithTheArea()
{
    const MapLayout::TextWidths w = MapLayout::measure(MapLayout::boxFont());
    const MapLayout small = MapLayout::compute(QSizeF(516, 671), w);
    const MapLayout large = MapLayout::compute(QSizeF(1032, 1342), w);
    QCOMPARE(large.scale, small.scale * 2);
    QVERIFY(large.fontPixels >= small.fontPixels * 2 - 1);
    // The picture keeps its proportions and is centred in a wide area.
    const MapLayout wide = MapLayout::compute(QSizeF(1600, 671), w);
    QCOMPARE(wide.map.height(), 671.0);
    QCOMPARE(wide.map.width(), 671.0 * 610 / 793);
    QCOMPARE(wide.map.center().x(), 800.0);
    QVERIFY(MapLayout::compute(QSizeF(0, 0), w).boxes.at(0).isNull());
}

QTEST_MAIN(MapLayoutTest)
#include "tst_maplayout.moc"
