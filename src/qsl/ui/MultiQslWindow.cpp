#include "qsl/ui/MultiQslWindow.h"

#include "kit/Messages.h"
#include "kit/ui/Centre.h"
#include "kit/ui/WaitNotice.h"
#include "kit/ui/WindowKeys.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "qsl/QslMarking.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Each listed QSO keeps its line number (the number its list line starts with,
// which five columns cannot hold past 99,999) and its log line as it stood, so a
// change behind the list is seen.
constexpr int RowRole = Qt::UserRole + 1;
constexpr int LogLineRole = Qt::UserRole + 2;
}

MultiQslWindow::MultiQslWindow(LogSession &session, Messages &messages, QWidget *parent)
    : QDialog(parent), m_session(session), m_messages(messages)
{
    setObjectName(QStringLiteral("Multi_QSL"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Enregistrement des QSL multiples"));
    setWindowModality(Qt::ApplicationModal);

    auto *label2 = new QLabel(tr("Enregistrement des QSL multiples"));
    label2->setObjectName(QStringLiteral("Label2"));
    QFont title = label2->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.3);
    label2->setFont(title);

    auto *label3 = new QLabel(tr("Pour rechercher les QSO avec la station "));
    label3->setObjectName(QStringLiteral("Label3"));
    Indicatif = new QLineEdit;
    Indicatif->setObjectName(QStringLiteral("Indicatif"));
    Indicatif->setAccessibleName(tr("Indicatif de la station"));
    Indicatif->setFixedWidth(Indicatif->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 13 + 12);
    label3->setBuddy(Indicatif);
    auto *label4 = new QLabel(tr("cliquez sur"));
    label4->setObjectName(QStringLiteral("Label4"));
    Recherche = new QPushButton(tr("&Rechercher"));
    Recherche->setObjectName(QStringLiteral("Recherche"));
    // Enter in the callsign field searches; Enter in the list must not drop the ticks.
    Recherche->setAutoDefault(false);

    Liste_QSO = new QListWidget;
    Liste_QSO->setObjectName(QStringLiteral("Liste_QSO"));
    Liste_QSO->setAccessibleName(tr("QSO sans QSL reçue"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    Liste_QSO->setFont(fixed);
    Liste_QSO->setUniformItemSizes(true);
    Liste_QSO->setSortingEnabled(false);
    const QFontMetrics fm(fixed);
    Liste_QSO->setMinimumHeight(fm.height() * 18);
    // As wide as the screen allows: the abbey name and QSL column scroll into view.
    Liste_QSO->setMinimumWidth(qMin(fm.horizontalAdvance(QString(QsoRecord::ListLineLength + 4, QLatin1Char('M'))),
                                    900));

    auto *label1 = new QLabel(tr("Cochez dans la liste ci-dessus les QSL reçues puis cliquez sur"));
    label1->setObjectName(QStringLiteral("Label1"));
    Enregistre = new QPushButton(tr("&Enregistrer"));
    Enregistre->setObjectName(QStringLiteral("Enregistre"));
    Enregistre->setAutoDefault(false);
    Enregistre->setEnabled(false);

    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(label3);
    searchRow->addWidget(Indicatif);
    searchRow->addSpacing(12);
    searchRow->addWidget(label4);
    searchRow->addWidget(Recherche);
    searchRow->addStretch(1);
    auto *saveRow = new QHBoxLayout;
    saveRow->addWidget(label1);
    saveRow->addWidget(Enregistre);
    saveRow->addStretch(1);

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(label2, 0, Qt::AlignHCenter);
    outer->addLayout(searchRow);
    outer->addWidget(Liste_QSO, 1);
    outer->addLayout(saveRow);

    connect(Recherche, &QPushButton::clicked, this, &MultiQslWindow::onRecherche);
    connect(Indicatif, &QLineEdit::returnPressed, this, &MultiQslWindow::onRecherche);
    connect(Enregistre, &QPushButton::clicked, this, &MultiQslWindow::onEnregistre);
    WindowKeys::install(this);
}

void MultiQslWindow::open(const QString &callsign)
{
    Indicatif->setText(callsign);
    Liste_QSO->clear();
    adjustSize();
    centreOnScreen(this);
    show();
    raise();
    activateWindow();
    Indicatif->setFocus();
}

void MultiQslWindow::onRecherche()
{
    Liste_QSO->clear();
    Enregistre->setEnabled(true);
    const QList<QslMarking::Candidate> found = QslMarking::candidates(m_session, Indicatif->text());
    for (const QslMarking::Candidate &c : found) {
        auto *item = new QListWidgetItem(c.listLine, Liste_QSO);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setData(RowRole, c.row);
        item->setData(LogLineRole, c.logLine);
    }
}

void MultiQslWindow::onEnregistre()
{
    QList<int> numbers;
    QList<QByteArray> shown;
    for (int i = 0; i < Liste_QSO->count(); ++i) {
        const QListWidgetItem *item = Liste_QSO->item(i);
        if (item->checkState() != Qt::Checked)
            continue;
        numbers.append(item->data(RowRole).toInt() + 1);
        shown.append(item->data(LogLineRole).toByteArray());
    }
    if (numbers.isEmpty()) {
        m_messages.notice(QslMarking::noTickMessage());
        return;
    }
    AtomicFile::Result r;
    {
        const WaitNotice wait(this, tr("Enregistrement du log en cours…"), m_session.lineCount());
        r = QslMarking::Modif_Fichier_Log(m_session, numbers, shown);
    }
    if (!r.ok) {
        // Nothing was written: the ticks stay for another try. The log is read again
        // so that, if it changed behind the list, a new search shows it as it stands.
        m_messages.notice(r.error);
        m_session.reload();
        return;
    }
    m_session.requestSelect(m_session.lineCount() - 1);
    Liste_QSO->clear();
}
