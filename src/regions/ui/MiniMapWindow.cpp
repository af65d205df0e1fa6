#include "regions/ui/MiniMapWindow.h"

#include "kit/ui/Centre.h"
#include "kit/ui/WindowKeys.h"
#include "refdata/RegionTable.h"
#include "regions/ItalyMap.h"
#include "regions/RegionNames.h"
#include "regions/MapLayout.h"
#include "regions/ui/ItalyMapView.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A round marker, white until its region is the new one.
class RegionMarker : public QWidget
{
public:
    explicit RegionMarker(QWidget *parent) : QWidget(parent)
    {
        setFixedSize(Diameter, Diameter);
        setColour(Qt::white);
    }

    void setColour(const QColor &c)
    {
        QPalette p = palette();
        p.setColor(QPalette::Window, c);
        setPalette(p);
        update();
    }

    static constexpr int Diameter = 14;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(palette().color(QPalette::Window));
        p.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

} // namespace

MiniMapWindow::MiniMapWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Mini_Carte"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Nouvelle Région"));

    Label2 = new QLabel(tr("Nouvelle Région"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont title = Label2->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.4);
    Label2->setFont(title);
    N_Pro = new QLabel(this);
    N_Pro->setObjectName(QStringLiteral("N_Pro"));
    QFont name = N_Pro->font();
    name.setBold(true);
    name.setPointSizeF(name.pointSizeF() * 1.2);
    N_Pro->setFont(name);
    // The title names the region's name for a screen reader; the name stays the value read.
    Label2->setBuddy(N_Pro);

    Picture1 = new ItalyMapView(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedSize(290, 343);
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        auto *marker = new RegionMarker(Picture1);
        marker->setObjectName(QStringLiteral("Shape1(%1)").arg(slot));
        marker->setAccessibleName(tr("Repère : %1").arg(RegionNames::mapName(slot)));
        Shape1 << marker;
    }
    connect(Picture1, &ItalyMapView::laidOut, this, &MiniMapWindow::placeMarkers);
    placeMarkers(Picture1->currentLayout());

    Suite = new QPushButton(tr("&Continuer"), this);
    Suite->setObjectName(QStringLiteral("Suite"));
    Suite->setDefault(true);
    Suite->setAutoDefault(true);
    connect(Suite, &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label2, 0, Qt::AlignHCenter);
    layout->addWidget(N_Pro, 0, Qt::AlignHCenter);
    layout->addWidget(Picture1, 0, Qt::AlignHCenter);
    layout->addWidget(Suite, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    WindowKeys::install(this);
}

void MiniMapWindow::startUp(const QString &reference)
{
    adjustSize();
    centreOnScreen(this);
    for (QWidget *marker : std::as_const(Shape1))
        marker->hide();
    Marque_Region(reference);
}

void MiniMapWindow::Marque_Region(const QString &reference)
{
    // Both Veneto codes light Veneto's marker.
    const int slot = RegionTable::slotOfCode(reference.left(2));
    if (slot != 0) {
        auto *marker = static_cast<RegionMarker *>(Shape1.at(slot - 1));
        marker->setColour(ItalyMap::contactedColour());
        marker->show();
        N_Pro->setText(RegionNames::mapName(slot));
        // The region itself in a deeper green, so the light marker stands out on it.
        Picture1->setFills({{ItalyMap::elementId(slot), ItalyMap::contactedColour().darker(140)}},
                           ItalyMap::statusColour(RegionStatus::NotWorked));
    }
    Suite->setFocus();
}

void MiniMapWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // Back to the QSO being typed, where the cursor waits.
    if (event->isAccepted() && isActiveWindow() && parentWidget())
        parentWidget()->activateWindow();
}

void MiniMapWindow::placeMarkers(const MapLayout &layout)
{
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        QWidget *marker = Shape1.at(slot - 1);
        const QPoint c = layout.marker(slot).toPoint();
        marker->move(c.x() - marker->width() / 2, c.y() - marker->height() / 2);
    }
}
