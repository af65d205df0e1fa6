#include "regions/ui/ItalyMapView.h"

#include "regions/ItalyMap.h"

#include <QPainter>
#include <QResizeEvent>

ItalyMapView::ItalyMapView(QWidget *parent) : QWidget(parent), m_svg(ItalyMap::svg())
{
    setAccessibleName(QStringLiteral("Carte de l'Italie"));
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
