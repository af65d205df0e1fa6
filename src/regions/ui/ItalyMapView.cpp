#include "regions/ui/ItalyMapView.h"

#include "regions/ItalyMap.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

ItalyMapView::ItalyMapView(QWidget *parent) : QWidget(parent), m_svg(ItalyMap::svg())
{
    setAccessibleName(tr("Carte de l'Italie"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFills({}, ItalyMap::statusColour(RegionStatus::NotWorked));
}

void ItalyMapView::setFills(const QHash<QString, QColor> &fills, const QColor &others)
{
    m_renderer.load(ItalyMap::styled(m_svg, fills, others));
    update();
}

void ItalyMapView::setTextWidths(const MapLayout::TextWidths &widths)
{
    m_widths = widths;
    m_boxes = true;
    relayout();
}

QSize ItalyMapView::sizeHint() const
{
    const QSizeF s = ItalyMap::size() * 0.5;
    return s.toSize();
}

void ItalyMapView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), ItalyMap::seaColour());
    p.setRenderHint(QPainter::Antialiasing);
    if (m_renderer.isValid())
        m_renderer.render(&p, m_layout.map);
    if (!m_boxes)
        return;
    // The leader of a box set beside its region, ending in a dot on the region.
    const qreal width = qMax(1.5, m_layout.fontPixels / 8);
    p.setPen(QPen(Qt::black, width));
    p.setBrush(Qt::black);
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        if (!m_layout.beside(slot))
            continue;
        const QLineF line = m_layout.leader(slot);
        p.drawLine(line);
        p.drawEllipse(line.p2(), width * 1.6, width * 1.6);
    }
}

void ItalyMapView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void ItalyMapView::relayout()
{
    m_layout = MapLayout::compute(QSizeF(size()), m_widths);
    emit laidOut(m_layout);
    update();
}

QString ItalyMapView::shapeAt(const QPointF &point) const
{
    if (!m_renderer.isValid() || !m_layout.map.contains(point))
        return {};
    for (const QString &id : ItalyMap::elementIds()) {
        const QRectF picture = m_renderer.transformForElement(id).mapRect(m_renderer.boundsOnElement(id));
        const QRectF area(m_layout.toArea(picture.topLeft()), m_layout.toArea(picture.bottomRight()));
        if (!area.contains(point))
            continue;
        // The shape itself, not its bounding box: draw it alone under the point.
        QImage pixel(1, 1, QImage::Format_ARGB32_Premultiplied);
        pixel.fill(Qt::transparent);
        QPainter p(&pixel);
        p.translate(-point);
        const_cast<QSvgRenderer &>(m_renderer).render(&p, id, area);
        p.end();
        if (qAlpha(pixel.pixel(0, 0)) > 0)
            return id;
    }
    return {};
}

void ItalyMapView::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QString id = shapeAt(event->position());
    if (!id.isEmpty())
        emit shapeClicked(id, event->position());
}
