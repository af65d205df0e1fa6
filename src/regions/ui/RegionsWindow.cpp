#include "regions/ui/RegionsWindow.h"

#include "kit/Messages.h"
#include "kit/ui/KeyboardUse.h"
#include "refdata/RegionTable.h"
#include "kit/ui/WindowKeys.h"
#include "regions/RegionNames.h"
#include "regions/ui/RegionSelectors.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

RegionsWindow::RegionsWindow(Messages &messages, TallyRequest tally, QWidget *parent)
    : QWidget(parent, Qt::Window), m_messages(messages), m_tally(std::move(tally))
{
    setObjectName(QStringLiteral("Regions_Contacte"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Regions contactées"));

    auto *label2 = new QLabel(tr("Regions contactées"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    QFont title = label2->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.3);
    label2->setFont(title);
    auto *label3 = new QLabel(tr("&Bande"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    auto *label4 = new QLabel(tr("&Mode"), this);
    label4->setObjectName(QStringLiteral("Label4"));

    Bande_A = RegionSelectors::bandSelector(this);
    Mode_AX = RegionSelectors::modeSelector(this);
    label3->setBuddy(Bande_A);
    label4->setBuddy(Mode_AX);
    Afficher = new QPushButton(tr("&Afficher"), this);
    Afficher->setObjectName(QStringLiteral("Afficher"));
    Afficher->setAutoDefault(true);

    Regions = new QListWidget(this);
    Regions->setObjectName(QStringLiteral("Regions"));
    Regions->setAccessibleName(tr("Regions contactées"));
    Regions->setSortingEnabled(true);
    // A terminal font where there is one; any fixed-pitch font otherwise.
    QFont fixed(QStringLiteral("Terminal"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    if (!QFontInfo(fixed).fixedPitch())
        fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    Regions->setFont(fixed);
    QPalette pal = Regions->palette();
    pal.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xC0));
    Regions->setPalette(pal);
    Regions->setMinimumSize(QFontMetrics(fixed).horizontalAdvance(QLatin1Char('M')) * 34,
                            QFontMetrics(fixed).height() * 22);

    auto *grid = new QGridLayout(this);
    grid->addWidget(label2, 0, 0, 1, 3, Qt::AlignHCenter);
    grid->addWidget(label3, 1, 0);
    grid->addWidget(label4, 1, 1);
    grid->addWidget(Bande_A, 2, 0);
    grid->addWidget(Mode_AX, 2, 1);
    grid->addWidget(Afficher, 2, 2);
    grid->addWidget(Regions, 3, 0, 1, 3);
    grid->setRowStretch(3, 1);

    connect(Afficher, &QPushButton::clicked, this, &RegionsWindow::onAfficher);
    // Enter in either selector shows the band as "Afficher" does.
    for (QComboBox *selector : {Bande_A, Mode_AX})
        connect(selector->lineEdit(), &QLineEdit::returnPressed, Afficher, &QPushButton::click);
    // A line leads to the region's QSOs: each line keeps its region's slot.
    KeyboardUse::onRowChosen(Regions, [this](const QModelIndex &index) {
        const int slot = index.data(SlotRole).toInt();
        if (slot > 0)
            emit regionChosen(slot, m_shownBand);
    });
    WindowKeys::install(this);
}

void RegionsWindow::startUp()
{
    RegionSelectors::fill(Bande_A, Mode_AX);
    RegionSelectors::select(Mode_AX, 0);
    RegionSelectors::select(Bande_A, 0);
    Regions->clear();
}

void RegionsWindow::showTally(const RegionTally &tally)
{
    Regions->clear();
    // The tally's lines are the award's French ones; the list shows them in the
    // operator's language ("    LZ Region Latium"), one line per region contacted.
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        if (!tally.marked(slot))
            continue;
        auto *item = new QListWidgetItem(RegionNames::listLine(slot), Regions);
        item->setData(SlotRole, slot);
    }
    m_shownBand = tally.band;
    m_shownMode = tally.mode;
}

void RegionsWindow::onAfficher()
{
    const QString band = RegionSelectors::chosen(Bande_A);
    if (band.isEmpty()) {
        m_messages.notice(tr("Selectionnez une bande"));
        return;
    }
    Regions->clear();
    m_ownBand = band;
    m_ownMode = RegionSelectors::chosen(Mode_AX);
    m_tally(m_ownBand, m_ownMode);
}
