#include "regions/ui/RegionQsoWindow.h"

#include "kit/QsoRowsModel.h"
#include "kit/ui/Centre.h"
#include "kit/ui/KeyboardUse.h"
#include "kit/ui/QsoTableView.h"
#include "kit/ui/WindowKeys.h"
#include "logstore/LogSession.h"
#include "refdata/LogIndex.h"
#include "logstore/QsoLabels.h"
#include "refdata/RegionTable.h"
#include "regions/RegionNames.h"
#include "regions/RegionTally.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

RegionQsoWindow::RegionQsoWindow(LogSession &session, const LogIndex &index, QWidget *mainWindow, QWidget *parent)
    : QWidget(parent, Qt::Window), m_session(session), m_index(index), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("QSO_Region"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_title = new QLabel;
    m_title->setObjectName(QStringLiteral("Label_Titre"));
    QFont big = m_title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    m_title->setFont(big);
    m_count = new QLabel;
    m_count->setObjectName(QStringLiteral("Nb_QSO"));

    m_model = new QsoRowsModel(m_session,
                               {QsoRowsModel::Number, QsoRecord::Indicatif, QsoRecord::Reference,
                                QsoRecord::NomAbbaye, QsoRecord::Date, QsoRecord::Heure, QsoRecord::Bande,
                                QsoRecord::Mode, QsoRecord::Qsl},
                               false, this);
    m_list = new QsoTableView;
    m_list->setObjectName(QStringLiteral("Liste_QSO_Region"));
    m_list->setAccessibleDescription(
        tr("Entrée ou un double clic montre le QSO dans la fenêtre principale"));
    setUpQsoTable(m_list, m_model, {6, 10, 7, 0, 7, 5, 7, 4, 3});

    m_close = new QPushButton(tr("&Fermer"));
    m_close->setObjectName(QStringLiteral("Fermer"));

    auto *top = new QHBoxLayout;
    top->addWidget(m_title, 1);
    top->addWidget(m_count);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addWidget(m_list, 1);
    outer->addLayout(buttons);

    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    KeyboardUse::onRowChosen(m_list, [this](const QModelIndex &index) {
        KeyboardUse::showInMainWindow(m_session, m_mainWindow, m_model->logRow(index.row()));
    });
    WindowKeys::install(this);
    connect(&m_index, &LogIndex::changed, this, &RegionQsoWindow::refresh);

    const int w = QFontMetrics(m_list->font()).horizontalAdvance(QLatin1Char('M'));
    resize(qMin(w * 100 + 40, 960), 520);
}

QString RegionQsoWindow::regionName(int slot)
{
    return RegionNames::activityName(slot);
}

void RegionQsoWindow::showRegion(int slot, const QString &band)
{
    m_slot = slot;
    m_band = band.isEmpty() ? QsoLabels::AllBands : band;
    const QString caption = tr("QSO de la région %1").arg(regionName(slot));
    setWindowTitle(caption);
    m_title->setText(caption);
    m_list->setAccessibleName(caption);
    refresh();
    if (!isVisible())
        centreOnScreen(this);
    show();
    raise();
    activateWindow();
    m_list->setFocus();
}

void RegionQsoWindow::refresh()
{
    if (m_slot == 0)
        return;
    m_model->setRows(regionRows(m_index, m_slot, m_band));
    const QString bandText = m_band == QsoLabels::AllBands ? tr("toutes bandes") : m_band;
    m_count->setText(tr("%n QSO (%1)", nullptr, m_model->rowCount()).arg(bandText));
    if (m_model->rowCount() > 0)
        m_list->setCurrentIndex(m_model->index(0, 0));
}
