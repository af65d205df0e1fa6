#include "regions/ui/ActivityMapWindow.h"

#include "kit/Messages.h"
#include "kit/ui/WindowKeys.h"
#include "logstore/LogSession.h"
#include "logstore/QsoLabels.h"
#include "logstore/Settings.h"
#include "regions/ItalyMap.h"
#include "regions/MapLayout.h"
#include "regions/RegionNames.h"
#include "regions/ui/ItalyMapView.h"
#include "regions/ui/RegionSelectors.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QColor unmarkedColour() { return QApplication::palette().color(QPalette::Base); }

const RegionStatus LegendOrder[] = {RegionStatus::Confirmed, RegionStatus::Worked,
                                    RegionStatus::NotWorked};

QString legendText(RegionStatus s, int n)
{
    switch (s) {
    case RegionStatus::Confirmed:
        return QCoreApplication::translate("ActivityMapWindow", "Confirmées (QSL) : %1").arg(n);
    case RegionStatus::Worked:
        return QCoreApplication::translate("ActivityMapWindow", "Contactées sans QSL : %1").arg(n);
    case RegionStatus::NotWorked:
        break;
    }
    return QCoreApplication::translate("ActivityMapWindow", "Non contactées : %1").arg(n);
}

} // namespace

ActivityMapWindow::ActivityMapWindow(Settings &settings, const LogSession &session,
                                     Messages &messages, TallyRequest tally, QWidget *parent)
    : QWidget(parent, Qt::Window), m_settings(settings), m_session(session), m_messages(messages),
      m_tally(std::move(tally))
{
    setObjectName(QStringLiteral("Carte_Acti_ZEL"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Carte des Regions contactées"));

    m_panel = new QWidget(this);
    auto *label5 = new QLabel(tr("&Bande : "), m_panel);
    label5->setObjectName(QStringLiteral("Label5"));
    auto *label2 = new QLabel(tr("&Mode : "), m_panel);
    label2->setObjectName(QStringLiteral("Label2"));
    Bande_A = RegionSelectors::bandSelector(m_panel);
    Mode_AX = RegionSelectors::modeSelector(m_panel);
    label5->setBuddy(Bande_A);
    label2->setBuddy(Mode_AX);
    Afficher = new QPushButton(tr("&Afficher"), m_panel);
    Afficher->setObjectName(QStringLiteral("Afficher"));
    Afficher->setAutoDefault(true);

    // The count reads as one phrase with its caption: "7 sur 21 Régions".
    NbReg = new QLabel(m_panel);
    NbReg->setObjectName(QStringLiteral("NbReg"));
    QFont big = NbReg->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    NbReg->setFont(big);
    NbReg->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1 = new QLabel(tr("sur 21 Régions"), m_panel);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont mid = Label1->font();
    mid.setPointSizeF(mid.pointSizeF() * 1.2);
    Label1->setFont(mid);
    Label1->setBuddy(NbReg);

    auto *legend = new QGroupBox(tr("Légende"), m_panel);
    legend->setObjectName(QStringLiteral("Legende"));
    auto *legendGrid = new QGridLayout(legend);
    m_legendBand = new QLabel(legend);
    m_legendBand->setObjectName(QStringLiteral("LegendeBande"));
    m_legendBand->setWordWrap(true);
    legendGrid->addWidget(m_legendBand, 0, 0, 1, 2);
    int row = 1;
    for (RegionStatus s : LegendOrder) {
        auto *swatch = new QFrame(legend);
        swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
        swatch->setFixedSize(18, 14);
        swatch->setAutoFillBackground(true);
        QPalette p = swatch->palette();
        p.setColor(QPalette::Window, ItalyMap::statusColour(s));
        p.setColor(QPalette::WindowText, ItalyMap::borderColour());
        swatch->setPalette(p);
        auto *count = new QLabel(legend);
        count->setObjectName(QStringLiteral("LegendeCompte%1").arg(row));
        count->setWordWrap(true);
        legendGrid->addWidget(swatch, row, 0);
        legendGrid->addWidget(count, row, 1);
        m_legendCounts << count;
        ++row;
    }
    auto *boxSwatch = new QLabel(QStringLiteral("LZ"), legend);
    boxSwatch->setFrameStyle(QFrame::Box | QFrame::Plain);
    boxSwatch->setAutoFillBackground(true);
    boxSwatch->setFont(MapLayout::boxFont());
    QPalette bp = boxSwatch->palette();
    bp.setColor(QPalette::Window, ItalyMap::contactedColour());
    bp.setColor(QPalette::WindowText, Qt::black);
    boxSwatch->setPalette(bp);
    auto *boxText = new QLabel(tr("Case verte : au moins un QSO sur la bande"), legend);
    boxText->setWordWrap(true);
    legendGrid->addWidget(boxSwatch, row, 0);
    legendGrid->addWidget(boxText, row, 1);
    legendGrid->setColumnStretch(1, 1);

    auto *selectors = new QGridLayout;
    selectors->addWidget(label5, 0, 0);
    selectors->addWidget(Bande_A, 0, 1);
    selectors->addWidget(label2, 1, 0);
    selectors->addWidget(Mode_AX, 1, 1);
    auto *countRow = new QHBoxLayout;
    countRow->addWidget(NbReg);
    countRow->addWidget(Label1, 1);
    auto *panelLayout = new QVBoxLayout(m_panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addLayout(selectors);
    panelLayout->addWidget(Afficher);
    panelLayout->addSpacing(12);
    panelLayout->addLayout(countRow);
    panelLayout->addSpacing(12);
    panelLayout->addWidget(legend);
    panelLayout->addStretch(1);
    m_panel->setFixedWidth(QFontMetrics(font()).horizontalAdvance(QLatin1Char('M')) * 20);

    Picture1 = new ItalyMapView(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setMinimumSize(400, 520);
    const QStringList texts = MapLayout::boxTexts();
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        auto *box = new QLabel(texts.at(slot - 1), Picture1);
        box->setObjectName(QStringLiteral("Dep(%1)").arg(slot));
        box->setAlignment(Qt::AlignCenter);
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
        box->setAutoFillBackground(true);
        box->setBackgroundRole(QPalette::Base);
        box->setForegroundRole(QPalette::Text);
        box->setFont(MapLayout::boxFont());
        // Each region leads to its QSOs: a click, or Tab from box to box and Enter.
        box->setFocusPolicy(Qt::StrongFocus);
        box->setCursor(Qt::PointingHandCursor);
        box->installEventFilter(this);
        Dep << box;
        setBoxColour(slot, false);
    }
    connect(Picture1, &ItalyMapView::laidOut, this, &ActivityMapWindow::placeBoxes);
    connect(Picture1, &ItalyMapView::shapeClicked, this, &ActivityMapWindow::onShapeClicked);
    Picture1->setTextWidths(MapLayout::measure(MapLayout::boxFont()));

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_panel, 0, Qt::AlignTop);
    layout->addWidget(Picture1, 1);

    connect(Afficher, &QPushButton::clicked, this, &ActivityMapWindow::Affiche_Carte);
    // Enter in either selector shows the band as "Afficher" does.
    for (QComboBox *selector : {Bande_A, Mode_AX})
        connect(selector->lineEdit(), &QLineEdit::returnPressed, Afficher, &QPushButton::click);
    WindowKeys::install(this);
}

void ActivityMapWindow::startUp()
{
    RegionSelectors::fill(Bande_A, Mode_AX);
    const QString call = m_session.callsign();
    // The main window's mode list ends with FM, which this one lacks: anything but
    // CW shows SSB. A band outside the 12 (none chosen, or a hand-edited value)
    // shows "Toutes", which is entry 0.
    const int mode = m_settings.position(call, Settings::KeyMode);
    RegionSelectors::select(Mode_AX, mode == 1 ? 1 : 0);
    const int band = m_settings.position(call, Settings::KeyBand);
    RegionSelectors::select(Bande_A, band >= 0 && band < QsoLabels::bands().size() ? band + 1 : 0);
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot)
        setBoxColour(slot, false);
    Affiche_Carte();
}

void ActivityMapWindow::Affiche_Carte()
{
    const QString band = RegionSelectors::chosen(Bande_A);
    if (band.isEmpty()) {
        m_messages.notice(tr("Selectionnez une bande"));
        return;
    }
    m_ownBand = band;
    m_ownMode = RegionSelectors::chosen(Mode_AX);
    const RegionTally t = m_tally(m_ownBand, m_ownMode);
    NbReg->setText(QString::number(t.count));
}

void ActivityMapWindow::showOwnTally(const RegionTally &tally)
{
    showTally(tally);
    NbReg->setText(QString::number(tally.count));
}

void ActivityMapWindow::showTally(const RegionTally &tally)
{
    m_shownBand = tally.band;
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        setBoxColour(slot, tally.marked(slot));
        const RegionStatus s = tally.status(slot);
        Dep.at(slot - 1)->setAccessibleDescription(
            s == RegionStatus::Confirmed ? tr("contactée, confirmée (QSL)")
            : s == RegionStatus::Worked  ? tr("contactée sans QSL")
                                         : tr("non contactée"));
    }
    Picture1->setFills(ItalyMap::fillsFor(tally), ItalyMap::statusColour(RegionStatus::NotWorked));
    m_legendBand->setText(tr("Régions sur : %1").arg(RegionSelectors::shownBand(tally.band)));
    for (int i = 0; i < m_legendCounts.size(); ++i)
        m_legendCounts.at(i)->setText(legendText(LegendOrder[i], tally.countOf(LegendOrder[i])));
}

QSize ActivityMapWindow::openingSize(const QRect &available) const
{
    // As tall as the screen comfortably allows; as wide as the map then needs.
    const QMargins m = layout()->contentsMargins();
    const int spacing = layout()->spacing();
    const QSizeF picture = ItalyMap::size();
    int height = available.height() * 9 / 10;
    int mapHeight = height - m.top() - m.bottom();
    int mapWidth = int(mapHeight * picture.width() / picture.height());
    int width = m.left() + m_panel->width() + spacing + mapWidth + m.right();
    if (width > available.width() * 19 / 20) {
        mapWidth -= width - available.width() * 19 / 20;
        mapHeight = int(mapWidth * picture.height() / picture.width());
        height = mapHeight + m.top() + m.bottom();
        width = available.width() * 19 / 20;
    }
    return QSize(width, height).expandedTo(minimumSizeHint());
}

void ActivityMapWindow::placeBoxes(const MapLayout &layout)
{
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        QLabel *box = Dep.at(slot - 1);
        QFont f = box->font();
        f.setPixelSize(int(layout.fontPixels));
        box->setFont(f);
        box->setGeometry(layout.box(slot).toRect());
    }
}

void ActivityMapWindow::setBoxColour(int slot, bool marked)
{
    QLabel *box = Dep.at(slot - 1);
    QPalette p = box->palette();
    p.setColor(QPalette::Base, marked ? ItalyMap::contactedColour() : unmarkedColour());
    p.setColor(QPalette::Text, Qt::black);
    box->setPalette(p);
}

bool ActivityMapWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QLabel *>(watched);
    const int slot = box ? int(Dep.indexOf(box)) + 1 : 0;
    if (slot >= 1) {
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
                emit regionChosen(slot, m_shownBand);
                return true;
            }
            break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
                emit regionChosen(slot, m_shownBand);
                return true;
            }
            break;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            // The box with the focus stands out by a thicker frame.
            box->setLineWidth(event->type() == QEvent::FocusIn ? 3 : 1);
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ActivityMapWindow::onShapeClicked(const QString &id, const QPointF &point)
{
    // Trento and Bolzano share one shape: the region whose box is nearer the click.
    int chosen = 0;
    qreal best = 0;
    const MapLayout layout = Picture1->currentLayout();
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        if (ItalyMap::elementId(slot) != id)
            continue;
        const QPointF d = layout.box(slot).center() - point;
        const qreal distance = QPointF::dotProduct(d, d);
        if (chosen == 0 || distance < best) {
            chosen = slot;
            best = distance;
        }
    }
    if (chosen)
        emit regionChosen(chosen, m_shownBand);
}
