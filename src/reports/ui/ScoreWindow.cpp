#include "reports/ui/ScoreWindow.h"

#include "kit/ui/Centre.h"
#include "kit/ui/WindowKeys.h"
#include "refdata/LogIndex.h"
#include "logstore/LogSession.h"
#include "reports/AwardChart.h"
#include "reports/AwardHistory.h"
#include "reports/AwardProgress.h"
#include "reports/AwardScore.h"

#include "kit/Clock.h"
#include "kit/Messages.h"
#include "logstore/AtomicFile.h"

#include <QBuffer>
#include <algorithm>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel *label(const char *name, const QString &text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *l = new QLabel(text);
    l->setObjectName(QLatin1String(name));
    l->setAlignment(align);
    return l;
}

void setBold(QLabel *l, qreal scale = 1.0)
{
    QFont f = l->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * scale);
    l->setFont(f);
}

void paint(QLabel *l, const QColor &colour)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
}

} // namespace

ScoreWindow::ScoreWindow(const AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window), m_context(context)
{
    setObjectName(QStringLiteral("Scores_ZEL"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Scores"));

    auto *titleFrame = new QGroupBox;
    titleFrame->setObjectName(QStringLiteral("Frame1"));
    auto *titleLayout = new QVBoxLayout(titleFrame);
    for (const auto &[name, text] : {std::pair{"Label1", tr("Scores pour le diplome")},
                                     std::pair{"Label2", tr("des Abbayes Italiennes")}}) {
        QLabel *l = label(name, text, Qt::AlignCenter);
        setBold(l, 1.4);
        titleLayout->addWidget(l);
    }

    auto *countFrame = new QGroupBox;
    countFrame->setObjectName(QStringLiteral("Frame2"));
    auto *countLayout = new QGridLayout(countFrame);
    m_contacted = label("NB_Contacte", QStringLiteral("0"), Qt::AlignRight | Qt::AlignVCenter);
    m_confirmed = label("NB_Confirme", QStringLiteral("0"), Qt::AlignRight | Qt::AlignVCenter);
    QLabel *contactedCaption = label("Label3", tr("Abbayes contactée(s)"));
    QLabel *confirmedCaption = label("Label4", tr("Abbayes confirmée(s)"));
    // The counts are read out under their captions; they keep their values as their text.
    contactedCaption->setBuddy(m_contacted);
    confirmedCaption->setBuddy(m_confirmed);
    for (QLabel *l : {m_contacted, m_confirmed, contactedCaption, confirmedCaption})
        setBold(l, 1.2);
    m_contacted->setMinimumWidth(m_contacted->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    countLayout->addWidget(m_contacted, 0, 0);
    countLayout->addWidget(contactedCaption, 0, 1);
    countLayout->addWidget(m_confirmed, 1, 0);
    countLayout->addWidget(confirmedCaption, 1, 1);
    countLayout->setColumnStretch(1, 1);

    auto *resultFrame = new QGroupBox;
    resultFrame->setObjectName(QStringLiteral("Frame3"));
    auto *resultLayout = new QVBoxLayout(resultFrame);
    m_baseVerdict = label("Label_Base", QString(), Qt::AlignCenter);
    m_baseName = label("Label_Diplome_Base", tr("le diplome ZEL de base"), Qt::AlignCenter);
    m_excellenceVerdict = label("Label_Excellence", QString(), Qt::AlignCenter);
    m_excellenceName = label("Label_Diplome_Excellence", tr("le diplome ZEL Excellence"),
                             Qt::AlignCenter);
    for (QLabel *l : {m_baseVerdict, m_baseName, m_excellenceVerdict, m_excellenceName}) {
        setBold(l, 1.2);
        resultLayout->addWidget(l);
    }
    resultLayout->insertSpacing(2, 10);

    auto *rulesFrame = new QGroupBox;
    rulesFrame->setObjectName(QStringLiteral("Frame4"));
    auto *rulesLayout = new QVBoxLayout(rulesFrame);
    rulesLayout->setSpacing(1);
    const QStringList rules = AwardScore::rules();
    for (int i = 0; i < rules.size(); ++i) {
        QLabel *l = label(QStringLiteral("Label_Regle%1").arg(i + 1).toLatin1().constData(), rules.at(i),
                          Qt::AlignCenter);
        rulesLayout->addWidget(l);
        if (i == 3)
            rulesLayout->addSpacing(8);
    }

    // The way to the next level, under the verdicts.
    auto *nextFrame = new QGroupBox;
    nextFrame->setObjectName(QStringLiteral("Frame_Niveau"));
    auto *nextLayout = new QVBoxLayout(nextFrame);
    m_nextLevel = label("Label_Niveau_Suivant", QString(), Qt::AlignCenter);
    setBold(m_nextLevel);
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("Progression_Niveau"));
    m_progress->setAccessibleName(tr("Progression vers le niveau suivant"));
    m_progress->setAlignment(Qt::AlignCenter);
    nextLayout->addWidget(m_nextLevel);
    nextLayout->addWidget(m_progress);

    auto *left = new QVBoxLayout;
    left->addWidget(titleFrame);
    left->addWidget(countFrame);
    left->addWidget(resultFrame);
    left->addWidget(nextFrame);
    left->addStretch(1);
    auto *top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(rulesFrame);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addWidget(buildHistory(), 1);

    m_chooseImageFile = [](QWidget *parent, const QString &suggested) {
        return QFileDialog::getSaveFileName(parent, tr("Enregistrer l'image"), suggested,
                                            tr("Images PNG (*.png)"));
    };

    // The score follows the log as QSOs are committed, deleted or confirmed.
    connect(&m_context.index, &LogIndex::changed, this, &ScoreWindow::refresh);
    WindowKeys::install(this);
    refresh();
}

void ScoreWindow::open()
{
    if (!isVisible()) {
        adjustSize();
        centreOnScreen(this);
    }
    show();
    raise();
    activateWindow();
}

void ScoreWindow::refresh()
{
    const AwardScore score = AwardScore::fromIndex(m_context.index);
    m_contacted->setText(QString::number(score.contacted()));
    m_confirmed->setText(QString::number(score.confirmed()));
    const bool base = score.baseReached();
    const bool excellence = score.excellenceReached();
    m_baseVerdict->setText(AwardScore::verdict(base));
    m_excellenceVerdict->setText(AwardScore::verdict(excellence));
    paint(m_baseVerdict, AwardScore::colour(base));
    paint(m_baseName, AwardScore::colour(base));
    paint(m_excellenceVerdict, AwardScore::colour(excellence));
    paint(m_excellenceName, AwardScore::colour(excellence));

    const AwardProgress progress = AwardProgress::of(score.confirmed());
    m_nextLevel->setText(progress.text);
    if (progress.complete()) {
        m_progress->setRange(0, progress.from);
        m_progress->setValue(progress.from);
    } else {
        m_progress->setRange(progress.from, progress.to);
        m_progress->setValue(score.confirmed());
    }
    // "278 / 500": the confirmed QSOs against the next level.
    m_progress->setFormat(QStringLiteral("%1 / %2").arg(m_progress->value()).arg(m_progress->maximum()));
    m_progress->setAccessibleDescription(progress.text);
    showHistory();
}

QWidget *ScoreWindow::buildHistory()
{
    auto *box = new QGroupBox(tr("Le diplôme mois par mois"));
    box->setObjectName(QStringLiteral("Frame_Historique"));
    m_history = box;
    auto *tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("Onglets_Historique"));
    tabs->setAccessibleName(tr("Le diplôme mois par mois"));

    // The chart comes from its plugin; without it the table alone tells the same.
    QString why;
    QWidget *chartPage = nullptr;
    if (AwardChartPlugin *plugin = AwardChart::plugin(&why)) {
        m_chart = plugin->create(this);
        chartPage = m_chart->widget();
        chartPage->setAccessibleDescription(tr("Les mêmes chiffres sont dans l'onglet Tableau"));
    } else {
        QLabel *missing = label("Graphique_Absent",
                                tr("Le graphique n'est pas disponible : %1.\r\n"
                                   "Les chiffres sont dans l'onglet Tableau.")
                                    .arg(why),
                                Qt::AlignCenter);
        missing->setWordWrap(true);
        missing->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        missing->setFocusPolicy(Qt::StrongFocus);
        chartPage = missing;
    }

    m_table = new QTableWidget(0, 3);
    m_table->setObjectName(QStringLiteral("Tableau_Mois"));
    m_table->setAccessibleName(tr("Abbayes contactées et confirmées par mois"));
    m_table->setHorizontalHeaderLabels(
        {tr("Mois"), tr("Abbayes contactées"), tr("Abbayes confirmées")});
    m_table->verticalHeader()->setVisible(false);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setTabKeyNavigation(false);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    tabs->addTab(chartPage, tr("&Graphique"));
    tabs->addTab(m_table, tr("&Tableau"));

    m_saveImage = new QPushButton(tr("Enregistrer l'&image"));
    m_saveImage->setObjectName(QStringLiteral("Enregistrer_Image"));
    m_saveImage->setAccessibleDescription(tr("Enregistre le graphique en image PNG"));
    connect(m_saveImage, &QPushButton::clicked, this, &ScoreWindow::saveImage);
    m_saveImage->setEnabled(m_chart != nullptr);

    auto *layout = new QVBoxLayout(box);
    layout->addWidget(tabs, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_saveImage);
    layout->addLayout(buttons);
    return box;
}

void ScoreWindow::showHistory()
{
    const QDate today = m_context.clock.localNow().date();
    const QList<AwardHistory::Month> months = AwardHistory::fromIndex(m_context.index, today);
    // A log whose QSOs all fall within two months is drawn day by day.
    const AwardChart::Points shown = AwardChart::wantsDays(months)
        ? AwardChart::points(months, AwardHistory::daysFromIndex(m_context.index, today))
        : AwardChart::points(months);
    const auto same = [](const AwardHistory::Month &a, const AwardHistory::Month &b) {
        return a.month == b.month && a.contacted == b.contacted && a.confirmed == b.confirmed;
    };
    if (m_anyShown && shown.yearly == m_shown.yearly && shown.daily == m_shown.daily
        && std::equal(shown.points.cbegin(), shown.points.cend(), m_shown.points.cbegin(), m_shown.points.cend(), same))
        return;
    m_shown = shown;
    m_anyShown = true;
    const QList<AwardHistory::Month> &points = shown.points;
    // Whole sentences for each span, so that each language words them its own way.
    const QString title = shown.yearly ? tr("Le diplôme année par année")
        : shown.daily                  ? tr("Le diplôme jour par jour")
                                       : tr("Le diplôme mois par mois");
    m_history->setTitle(title);
    if (auto *tabs = m_history->findChild<QTabWidget *>(QStringLiteral("Onglets_Historique")))
        tabs->setAccessibleName(title);
    m_table->setAccessibleName(shown.yearly ? tr("Abbayes contactées et confirmées par année")
                               : shown.daily ? tr("Abbayes contactées et confirmées par jour")
                                             : tr("Abbayes contactées et confirmées par mois"));
    m_table->horizontalHeaderItem(0)->setText(shown.yearly ? tr("Année")
                                              : shown.daily ? tr("Jour")
                                                            : tr("Mois"));
    m_table->setRowCount(int(points.size()));
    for (int i = 0; i < points.size(); ++i) {
        const AwardHistory::Month &m = points.at(i);
        const QString when = shown.yearly ? QString::number(m.month.year())
            : shown.daily                 ? AwardHistory::dayText(m.month)
                                          : AwardHistory::monthText(m.month);
        const QString cells[] = {when, QString::number(m.contacted), QString::number(m.confirmed)};
        for (int c = 0; c < 3; ++c) {
            QTableWidgetItem *item = m_table->item(i, c);
            if (!item) {
                item = new QTableWidgetItem;
                m_table->setItem(i, c, item);
            }
            item->setText(cells[c]);
        }
    }
    if (m_chart) {
        m_chart->show(shown);
        m_chart->widget()->setAccessibleName(
            shown.yearly ? tr("Graphique des abbayes contactées et confirmées par année")
            : shown.daily ? tr("Graphique des abbayes contactées et confirmées par jour")
                          : tr("Graphique des abbayes contactées et confirmées par mois"));
    }
}

void ScoreWindow::saveImage()
{
    const QString suggested = m_context.session.filePath(
        m_context.session.callsign() + QStringLiteral("_Scores_ZEL_")
        + m_context.clock.localNow().date().toString(QStringLiteral("dd_MM_yy")) + QStringLiteral(".png"));
    if (!m_chart)
        return;
    QString path = m_chooseImageFile ? m_chooseImageFile(this, suggested) : QString();
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        path += QStringLiteral(".png");
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    // The chart as it is drawn in the window, under its title.
    const QImage image = m_chart->picture(
        AwardChart::title(m_context.session.callsign(), m_context.clock.localNow().date()));
    if (image.isNull() || !image.save(&buffer, "PNG")) {
        m_context.messages.notice(tr("L'image n'a pas pu être préparée."));
        return;
    }
    const AtomicFile::Result w = AtomicFile::write(path, png);
    m_context.messages.notice(w.ok ? tr("L'image a été enregistrée sous le nom :\r\n%1")
                                         .arg(QDir::toNativeSeparators(path))
                                   : tr("L'image n'a pas pu être enregistrée sous le nom : %1\r\n%2")
                                         .arg(QDir::toNativeSeparators(path), w.error));
}
