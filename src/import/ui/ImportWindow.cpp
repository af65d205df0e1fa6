#include "import/ui/ImportWindow.h"

#include "kit/Messages.h"
#include "kit/ui/Centre.h"
#include "import/AdifMapping.h"
#include "import/ImportCommit.h"
#include "import/ImportListModel.h"
#include "import/ImportPlan.h"
#include "logstore/AtomicFile.h"
#include "logstore/LogSession.h"
#include "refdata/LogIndex.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

ImportWindow::ImportWindow(std::unique_ptr<ImportPlan> plan, LogSession &session, const LogIndex &index,
                           Messages &messages, QDate today, QWidget *parent)
    : QDialog(parent), m_plan(std::move(plan)), m_session(session), m_index(index), m_messages(messages),
      m_today(today)
{
    setObjectName(QStringLiteral("Importation_ADIF"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Importation ADIF"));
    setWindowModality(Qt::ApplicationModal);

    // Labels that show a value keep it as what a screen reader reads.
    Fichier = new QLabel(tr("Fichier : %1").arg(m_plan->fileName()));
    Fichier->setObjectName(QStringLiteral("Fichier"));
    Fichier->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = Fichier->font();
    bold.setBold(true);
    Fichier->setFont(bold);
    // Another station's file is said at the top, in words and in colour.
    Autre_Station = new QLabel;
    Autre_Station->setObjectName(QStringLiteral("Autre_Station"));
    Autre_Station->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Autre_Station->setStyleSheet(QStringLiteral("color: #B00000; font-weight: bold;"));
    Autre_Station->setWordWrap(true);
    A_Importer = new QLabel;
    A_Importer->setObjectName(QStringLiteral("A_Importer"));
    Qsl_A_Marquer = new QLabel;
    Qsl_A_Marquer->setObjectName(QStringLiteral("Qsl_A_Marquer"));
    Deja_Dans_Log = new QLabel;
    Deja_Dans_Log->setObjectName(QStringLiteral("Deja_Dans_Log"));
    Refuses = new QLabel;
    Refuses->setObjectName(QStringLiteral("Refuses"));
    Sans_Reference = new QLabel;
    Sans_Reference->setObjectName(QStringLiteral("Sans_Reference"));
    Hors_Liste = new QLabel;
    Hors_Liste->setObjectName(QStringLiteral("Hors_Liste"));
    // Confirmations that miss their QSO are said beside the others, in words and in colour.
    Sans_Qso = new QLabel;
    Sans_Qso->setObjectName(QStringLiteral("Sans_Qso"));
    Indicatif_Absent = new QLabel;
    Indicatif_Absent->setObjectName(QStringLiteral("Indicatif_Absent"));
    Tout_Afficher = new QCheckBox(tr("&Tout afficher"));
    Tout_Afficher->setObjectName(QStringLiteral("Tout_Afficher"));
    Tout_Afficher->setAccessibleName(tr("Tout afficher, même les QSO sans référence d'abbaye"));

    m_model = new ImportListModel(*m_plan, this);
    Liste_Import = new QTableView;
    Liste_Import->setObjectName(QStringLiteral("Liste_Import"));
    Liste_Import->setAccessibleName(tr("Enregistrements du fichier et leur sort"));
    Liste_Import->setModel(m_model);
    Liste_Import->setSelectionBehavior(QAbstractItemView::SelectRows);
    Liste_Import->setSelectionMode(QAbstractItemView::SingleSelection);
    Liste_Import->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste_Import->setTabKeyNavigation(false);
    Liste_Import->setWordWrap(false);
    Liste_Import->verticalHeader()->hide();
    // A fixed row height and fixed column widths: a list of 100,000 records is
    // never measured row by row.
    const QFontMetrics fm(Liste_Import->font());
    Liste_Import->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Liste_Import->verticalHeader()->setDefaultSectionSize(fm.height() + 6);
    QHeaderView *header = Liste_Import->horizontalHeader();
    // Narrow columns leave the outcome room for what a near miss says.
    // Never narrower than the column's title, which another language may lengthen.
    const int widths[] = {6, 11, 9, 6, 8, 6, 8};
    const QFontMetrics titles(header->font());
    for (int c = 0; c < int(std::size(widths)); ++c) {
        const QString title = m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        header->resizeSection(c, qMax(fm.horizontalAdvance(QLatin1Char('0')) * widths[c] + 12,
                                      titles.horizontalAdvance(title) + 16));
    }
    header->setStretchLastSection(true);
    auto *listCaption = new QLabel(tr("&Liste des enregistrements du fichier :"));
    listCaption->setBuddy(Liste_Import);

    Importer = new QPushButton(tr("&Importer"));
    Importer->setObjectName(QStringLiteral("Importer"));
    Enregistrer_Rapport = new QPushButton(tr("&Enregistrer le rapport"));
    Enregistrer_Rapport->setObjectName(QStringLiteral("Enregistrer_Rapport"));
    Enregistrer_Rapport->setAutoDefault(false);
    Annuler = new QPushButton(tr("&Annuler"));
    Annuler->setObjectName(QStringLiteral("Annuler"));
    Annuler->setAutoDefault(false);
    Importer->setDefault(true);

    auto *counts = new QHBoxLayout;
    for (QLabel *l : {A_Importer, Qsl_A_Marquer, Deja_Dans_Log, Refuses})
        counts->addWidget(l), counts->addSpacing(24);
    counts->addStretch(1);
    auto *others = new QHBoxLayout;
    others->addWidget(Sans_Reference);
    others->addSpacing(24);
    others->addWidget(Hors_Liste);
    others->addSpacing(24);
    others->addWidget(Tout_Afficher);
    others->addStretch(1);
    auto *qsls = new QHBoxLayout;
    qsls->addWidget(Sans_Qso);
    qsls->addSpacing(24);
    qsls->addWidget(Indicatif_Absent);
    qsls->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Importer);
    buttons->addWidget(Enregistrer_Rapport);
    buttons->addWidget(Annuler);

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(Fichier);
    outer->addWidget(Autre_Station);
    outer->addLayout(counts);
    outer->addLayout(others);
    outer->addLayout(qsls);
    outer->addWidget(listCaption);
    outer->addWidget(Liste_Import, 1);
    outer->addLayout(buttons);

    setTabOrder(Liste_Import, Tout_Afficher);
    setTabOrder(Tout_Afficher, Importer);
    setTabOrder(Importer, Enregistrer_Rapport);
    setTabOrder(Enregistrer_Rapport, Annuler);

    connect(Tout_Afficher, &QCheckBox::toggled, m_model, &ImportListModel::setShowAll);
    connect(Importer, &QPushButton::clicked, this, &ImportWindow::onImport);
    connect(Enregistrer_Rapport, &QPushButton::clicked, this, &ImportWindow::onSaveReport);
    connect(Annuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(&m_index, &LogIndex::changed, this, &ImportWindow::onLogChanged);

    const QStringList otherCalls = otherStations();
    Autre_Station->setText(tr("QSO faits par une autre station que %1 : %2")
                               .arg(m_session.displayCallsign(), otherCalls.join(QStringLiteral(", "))));
    Autre_Station->setVisible(!otherCalls.isEmpty());
    showCounts();
    // Fits a 1024 x 768 screen.
    resize(960, 620);
    centreOnScreen(this);
}

ImportWindow::~ImportWindow() = default;

void ImportWindow::showCounts()
{
    A_Importer->setText(tr("QSO à importer : %1").arg(m_plan->toImport()));
    Deja_Dans_Log->setText(tr("déjà dans le log : %1").arg(m_plan->alreadyInLog()));
    Refuses->setText(ImportPlan::refusedCount(m_plan->refused(), m_plan->refusedNotListed(), Wording::Screen));
    // A reference another logger mistyped is seen before it counts for the award.
    Hors_Liste->setText(
        tr("référence absente de la liste des abbayes : %1").arg(m_plan->notInAbbeyList()));
    Hors_Liste->setVisible(m_plan->notInAbbeyList() > 0);
    Sans_Reference->setText(tr("pas de référence d'abbaye : %1").arg(m_plan->withoutReference()));
    Qsl_A_Marquer->setText(tr("QSL à marquer : %1").arg(m_plan->qslToMark()));
    Sans_Qso->setText(tr("QSL sans QSO correspondant : %1").arg(m_plan->noMatchingQso()));
    Sans_Qso->setStyleSheet(m_plan->noMatchingQso() > 0 ? QStringLiteral("color: #B00000; font-weight: bold;")
                                                        : QString());
    Indicatif_Absent->setText(tr("QSL d'un indicatif absent du log : %1").arg(m_plan->callNotInLog()));
    Sans_Qso->setVisible(m_plan->hasConfirmations());
    Indicatif_Absent->setVisible(m_plan->hasConfirmations());
    Importer->setEnabled(m_plan->toImport() > 0 || m_plan->qslToMark() > 0);
}

QStringList ImportWindow::otherStations() const
{
    const QByteArray own = AdifMapping::baseCallsign(m_session.displayCallsign().toLatin1());
    QStringList others;
    for (const QString &call : m_plan->fileStations()) {
        if (AdifMapping::baseCallsign(call.toLatin1()) != own)
            others.append(call);
    }
    return others;
}

void ImportWindow::onLogChanged()
{
    // Another window changed the log: what is new, already there or refused is decided again.
    m_plan->resolve(m_index);
    m_model->refresh();
    showCounts();
}

void ImportWindow::onImport()
{
    const QList<QByteArray> lines = m_plan->acceptedLines();
    // The marks carry the lines the preview saw: a log changed behind the question
    // (another copy's commit) cannot move them onto another QSO.
    const QList<LogRewriter::Mark> marks = m_plan->marks();
    if (const QStringList others = otherStations(); !others.isEmpty()) {
        const QString add = tr("ajouter %n QSO", nullptr, int(lines.size()));
        const QString mark = marks.size() == 1 ? tr("marquer 1 QSL reçue")
                                               : tr("marquer %n QSL reçues", nullptr, int(marks.size()));
        const QString what = lines.isEmpty() ? mark : marks.isEmpty() ? add : tr("%1 et %2").arg(add, mark);
        if (!m_messages.question(tr("Ce fichier est celui de la station %1, pas de %2.\r\n\r\n"
                                    "Voulez-vous vraiment %3 dans le log de %2 ?")
                                     .arg(others.join(QStringLiteral(", ")), m_session.displayCallsign(), what)))
            return;
    }
    // The session's change signal brings this window's outcomes up to date too:
    // they are not wanted once the QSOs are in.
    disconnect(&m_index, &LogIndex::changed, this, &ImportWindow::onLogChanged);
    const ImportCommit::Result r = ImportCommit::run(m_session, lines, 5000, {}, marks);
    m_messages.notice(r.message);
    if (r.ok) {
        if (r.added > 0)
            m_session.requestSelect(m_session.lineCount() - 1);
        accept();
        return;
    }
    connect(&m_index, &LogIndex::changed, this, &ImportWindow::onLogChanged);
    // The log may have changed on disk behind the list (another copy of the program).
    if (m_session.refreshIfChanged())
        return; // onLogChanged has run
    onLogChanged();
}

void ImportWindow::onSaveReport()
{
    // An earlier report of the day keeps its name: this one takes the next number.
    QString name = ImportPlan::reportFileName(m_session.callsign(), m_today);
    for (int n = 2; QFileInfo::exists(m_session.filePath(name)); ++n)
        name = ImportPlan::reportFileName(m_session.callsign(), m_today, n);
    const QByteArray bytes = m_plan->report(m_session.displayCallsign(), m_today, Tout_Afficher->isChecked());
    const AtomicFile::Result r = AtomicFile::write(m_session.filePath(name), bytes);
    if (r.ok)
        m_messages.notice(tr("Le rapport a été enregistré sous le nom : %1").arg(name));
    else
        m_messages.notice(tr("Le rapport %1 n'a pas pu être enregistré :\r\n%2").arg(name, r.error));
}
