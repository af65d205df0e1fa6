#pragma once

#include "regions/MapLayout.h"

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QSvgRenderer>
#include <QWidget>

// The map of Italy drawn as large as the widget allows, proportions kept, over the
// sea colour, each region's shape filled in the colour it is given. Drawn as
// vectors at every paint, so it stays sharp at any size and screen density. The
// boxes or markers laid over it follow laidOut(); the leader lines of boxes set
// beside their regions are drawn here, under the boxes.
class ItalyMapView : public QWidget
{
    Q_OBJECT
public:
    explicit ItalyMapView(QWidget *parent = nullptr);

    // Fills by shape id; every other shape in `others`.
    void setFills(const QHash<QString, QColor> &fills, const QColor &others);
    // Widths of the texts of the boxes laid over the map (none: no boxes).
    void setTextWidths(const MapLayout::TextWidths &widths);
    MapLayout currentLayout() const { return m_layout; }

    QSize sizeHint() const override;

    // The shape drawn under a point of the widget (empty: the sea).
    QString shapeAt(const QPointF &point) const;

signals:
    void laidOut(const MapLayout &layout);
    // A click on a region's shape.
    void shapeClicked(const QString &id, const QPointF &point);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void relayout();

    QByteArray m_svg;
    QSvgRenderer m_renderer;
    MapLayout::TextWidths m_widths{};
    bool m_boxes = false; // boxes laid over the map, and so their leaders drawn
    MapLayout m_layout;
};
