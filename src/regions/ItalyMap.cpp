#include "regions/ItalyMap.h"

#include <QFile>
#include <QRegularExpression>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcRegions, "zel.regions")

static void initMapResources() { Q_INIT_RESOURCE(regions); }

namespace {

struct Place {
    const char *element;
    QPointF marker;
    QPointF box;
    qreal along;
    QPointF beside{};
    qreal besideAlong = -1;
};

// By slot: AZ BC KL CP EM FL LZ LG LB MH ML UM PM PL SD SC TC TT VE AE BB.
// The north is crowded: Friuli's long box runs east over the empty land beyond
// the border. The small regions' boxes, when they would hide their region, stand
// off the land: Aosta's and Bolzano's along the top of the picture,
// Liguria's in the Ligurian Sea, Molise's and Umbria's in the Adriatic,
// Campania's and Basilicata's in the Tyrrhenian.
const Place Places[RegionTable::SlotCount] = {
    {"abruzzo", {372, 344}, {375, 340}, 0.5},
    {"basilicata", {484, 462}, {480, 468}, 0.5, {452, 518}, 1.0},
    {"calabria", {500, 562}, {505, 560}, 0.5},
    {"campania", {418, 452}, {428, 440}, 0.5, {368, 460}, 1.0},
    {"emilia-romagna", {222, 196}, {244, 192}, 0.5},
    {"friuli-venezia-giulia", {336, 72}, {300, 62}, 0.0},
    {"lazio", {310, 378}, {305, 375}, 0.5},
    {"liguria", {88, 200}, {114, 200}, 0.5, {128, 247}, 0.5},
    {"lombardy", {168, 112}, {168, 120}, 0.5},
    {"marche", {330, 272}, {335, 268}, 0.5},
    {"molise", {405, 385}, {408, 386}, 0.5, {440, 343}, 0.0},
    {"umbria", {306, 298}, {302, 305}, 0.5, {392, 296}, 0.0},
    {"piedmont", {62, 158}, {60, 160}, 0.5},
    {"apulia", {518, 440}, {490, 410}, 0.5},
    {"sardinia", {120, 495}, {121, 490}, 0.5},
    {"sicily", {368, 684}, {360, 680}, 0.5},
    {"tuscany", {226, 272}, {228, 270}, 0.5},
    {"trentino-south-tyrol", {226, 74}, {240, 75}, 0.5},
    {"veneto", {278, 126}, {278, 125}, 0.5},
    {"aosta-valley", {38, 102}, {4, 90}, 0.0, {1, 32}, 0.0},
    {"trentino-south-tyrol", {252, 30}, {250, 28}, 0.5, {300, 14}, 0.0},
};

// The shapes' outlines, read once from the picture: each path is made of
// relative moves ("m"), the points after a move being relative lines, and closes
// ("z") that return to the start of the piece.
struct Outlines {
    QHash<QString, QList<QPolygonF>> pieces;
    QHash<QString, qreal> areas;
};

QList<QPolygonF> parsePath(const QString &d)
{
    QList<QPolygonF> pieces;
    QPolygonF piece;
    QPointF at;
    QPointF start;
    bool move = false;
    const QStringList tokens = d.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    for (int i = 0; i < tokens.size(); ++i) {
        const QString &t = tokens.at(i);
        if (t == QLatin1String("m")) {
            move = true;
            continue;
        }
        if (t == QLatin1String("z") || t == QLatin1String("Z")) {
            if (piece.size() > 2)
                pieces << piece;
            piece.clear();
            at = start;
            continue;
        }
        if (i + 1 >= tokens.size())
            break;
        at += QPointF(t.toDouble(), tokens.at(++i).toDouble());
        if (move) {
            if (piece.size() > 2)
                pieces << piece;
            piece.clear();
            start = at;
            move = false;
        }
        piece << at;
    }
    if (piece.size() > 2)
        pieces << piece;
    return pieces;
}

qreal polygonArea(const QPolygonF &p)
{
    qreal twice = 0;
    for (int i = 0; i < p.size(); ++i) {
        const QPointF &a = p.at(i);
        const QPointF &b = p.at((i + 1) % p.size());
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return qAbs(twice) / 2;
}

const Outlines &outlines()
{
    static const Outlines o = [] {
        Outlines out;
        const QString svg = QString::fromUtf8(ItalyMap::svg());
        const QRegularExpression path(QStringLiteral("<path[^>]*\\bid=\"([^\"]+)\"[^>]*\\bd=\"([^\"]*)\""));
        for (auto it = path.globalMatch(svg); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QList<QPolygonF> pieces = parsePath(m.captured(2));
            qreal area = 0;
            for (const QPolygonF &p : pieces)
                area += polygonArea(p);
            out.pieces.insert(m.captured(1), pieces);
            out.areas.insert(m.captured(1), area);
        }
        return out;
    }();
    return o;
}

const Place *place(int slot)
{
    return slot >= 1 && slot <= RegionTable::SlotCount ? &Places[slot - 1] : nullptr;
}

int rank(RegionStatus s)
{
    switch (s) {
    case RegionStatus::Confirmed:
        return 2;
    case RegionStatus::Worked:
        return 1;
    case RegionStatus::NotWorked:
        break;
    }
    return 0;
}

} // namespace

QByteArray ItalyMap::svg()
{
    initMapResources();
    QFile f(QStringLiteral(":/regions/italy-regions.svg"));
    if (!f.open(QIODevice::ReadOnly)) {
        qCWarning(lcRegions) << "the map of Italy is missing from the program";
        return {};
    }
    return f.readAll();
}

QStringList ItalyMap::elementIds()
{
    QStringList ids;
    for (const Place &p : Places) {
        const QString id = QString::fromLatin1(p.element);
        if (!ids.contains(id))
            ids << id;
    }
    return ids;
}

QString ItalyMap::elementId(int slot)
{
    const Place *p = place(slot);
    return p ? QString::fromLatin1(p->element) : QString();
}

QPointF ItalyMap::markerPoint(int slot)
{
    const Place *p = place(slot);
    return p ? p->marker : QPointF();
}

ItalyMap::BoxAnchor ItalyMap::boxAnchor(int slot)
{
    const Place *p = place(slot);
    return p ? BoxAnchor{p->box, p->along} : BoxAnchor{};
}

ItalyMap::BoxAnchor ItalyMap::besideAnchor(int slot)
{
    const Place *p = place(slot);
    return p ? BoxAnchor{p->beside, p->besideAlong} : BoxAnchor{{}, -1};
}

QList<QPolygonF> ItalyMap::outline(int slot)
{
    return outlines().pieces.value(elementId(slot));
}

qreal ItalyMap::area(int slot)
{
    return outlines().areas.value(elementId(slot));
}

qreal ItalyMap::shareUnder(int slot, const QRectF &rect)
{
    const QList<QPolygonF> pieces = outline(slot);
    const qreal total = area(slot);
    if (total <= 0 || rect.isEmpty())
        return 0;
    // Counted on a grid of two picture units, a tenth of a box's height.
    constexpr qreal Step = 2.0;
    int inside = 0;
    for (qreal y = rect.top() + Step / 2; y < rect.bottom(); y += Step) {
        for (qreal x = rect.left() + Step / 2; x < rect.right(); x += Step) {
            for (const QPolygonF &p : pieces) {
                if (p.containsPoint(QPointF(x, y), Qt::OddEvenFill)) {
                    ++inside;
                    break;
                }
            }
        }
    }
    return qMin(1.0, inside * Step * Step / total);
}

QColor ItalyMap::statusColour(RegionStatus status)
{
    switch (status) {
    case RegionStatus::Confirmed:
        return {0x2E, 0x8B, 0x57};
    case RegionStatus::Worked:
        return {0xF2, 0xB2, 0x3A};
    case RegionStatus::NotWorked:
        break;
    }
    return {0xFA, 0xFA, 0xF5};
}

QHash<QString, QColor> ItalyMap::fillsFor(const RegionTally &tally)
{
    QHash<QString, RegionStatus> best;
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        const QString id = elementId(slot);
        const RegionStatus s = tally.status(slot);
        if (!best.contains(id) || rank(s) > rank(best.value(id)))
            best.insert(id, s);
    }
    QHash<QString, QColor> fills;
    for (auto it = best.cbegin(); it != best.cend(); ++it)
        fills.insert(it.key(), statusColour(it.value()));
    return fills;
}

QByteArray ItalyMap::styled(const QByteArray &svg, const QHash<QString, QColor> &fills,
                            const QColor &others)
{
    // The shapes carry no paint of their own: give each one its fill and outline
    // right after its id.
    QByteArray out = svg;
    const QByteArray outline = " stroke=\"" + borderColour().name().toLatin1()
        + "\" stroke-width=\"0.8\" stroke-linejoin=\"round\"";
    for (const QString &id : elementIds()) {
        const QByteArray tag = "id=\"" + id.toLatin1() + "\"";
        const QColor fill = fills.value(id, others);
        const QByteArray paint = fill.isValid() ? fill.name().toLatin1() : QByteArrayLiteral("none");
        out.replace(tag, tag + " fill=\"" + paint + "\"" + outline);
    }
    return out;
}
