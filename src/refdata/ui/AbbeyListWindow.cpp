#include "refdata/ui/AbbeyListWindow.h"

#include "kit/Clock.h"
#include "kit/Messages.h"
#include "kit/ui/Centre.h"
#include "kit/ui/WindowKeys.h"
#include "refdata/LogIndex.h"
#include "logstore/AtomicFile.h"
#include "logstore/LogFile.h"
#include "logstore/LogSession.h"
#include "refdata/AbbeyList.h"
#include "refdata/AbbeyListSwap.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QTreeWidgetItem *group(QTreeWidget *tree, const QString &caption, qsizetype count)
{
    auto *item = new QTreeWidgetItem(tree, {AbbeyListWindow::tr("%1 : %2").arg(caption).arg(count)});
    item->setFirstColumnSpanned(true);
    return item;
}

void row(QTreeWidgetItem *parent, const QString &first, const QString &detail)
{
    new QTreeWidgetItem(parent, {first, detail});
}

QString orNone(const QString &s) { return s.isEmpty() ? AbbeyListWindow::tr("(aucun)") : s; }

// "0 contacté", "1 contacté", "2 contactés": French takes the singular up to 1,
// whatever the translation (if any) says of its own forms.
QString abbeys(qsizetype n)
{
    return n > 1 ? AbbeyListWindow::tr("%n abbayes", nullptr, int(n)) : AbbeyListWindow::tr("%n abbaye", nullptr, int(n));
}

QString worked(qsizetype n)
{
    return n > 1 ? AbbeyListWindow::tr("%n contactés", nullptr, int(n))
                 : AbbeyListWindow::tr("%n contacté", nullptr, int(n));
}

QString confirmed(qsizetype n)
{
    return n > 1 ? AbbeyListWindow::tr("%n confirmés", nullptr, int(n))
                 : AbbeyListWindow::tr("%n confirmé", nullptr, int(n));
}

} // namespace

AbbeyListWindow::AbbeyListWindow(const AppContext &context, Kind kind, QString chosenPath, QByteArray chosenBytes,
                                 QByteArray currentBytes, bool currentExists, QWidget *parent)
    : QDialog(parent), m_context(context), m_kind(kind), m_chosenPath(std::move(chosenPath)),
      m_chosenBytes(std::move(chosenBytes)), m_currentBytes(std::move(currentBytes)), m_currentExists(currentExists)
{
    setObjectName(QStringLiteral("Nouvelle_Liste_Abbayes"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(m_kind == Kind::Revert ? tr("Revenir à la liste précédente")
                                          : tr("Nouvelle liste des abbayes"));
    setWindowModality(Qt::ApplicationModal);

    // Labels that show a value keep it as what a screen reader reads.
    Fichier = new QLabel;
    Fichier->setObjectName(QStringLiteral("Fichier"));
    Fichier->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long file name wraps rather than widening the window past the screen.
    Fichier->setWordWrap(true);
    QFont bold = Fichier->font();
    bold.setBold(true);
    Fichier->setFont(bold);
    Nb_Ajoutees = new QLabel;
    Nb_Ajoutees->setObjectName(QStringLiteral("Nb_Ajoutees"));
    Nb_Corrigees = new QLabel;
    Nb_Corrigees->setObjectName(QStringLiteral("Nb_Corrigees"));
    Nb_Retirees = new QLabel;
    Nb_Retirees->setObjectName(QStringLiteral("Nb_Retirees"));
    Nb_Illisibles = new QLabel;
    Nb_Illisibles->setObjectName(QStringLiteral("Nb_Illisibles"));
    Nb_Doubles = new QLabel;
    Nb_Doubles->setObjectName(QStringLiteral("Nb_Doubles"));
    QSO_Retires = new QLabel;
    QSO_Retires->setObjectName(QStringLiteral("QSO_Retires"));
    QSO_Retires->setWordWrap(true);

    Detail = new QTreeWidget;
    Detail->setObjectName(QStringLiteral("Detail"));
    Detail->setAccessibleName(tr("Détail des changements de la liste des abbayes"));
    Detail->setAccessibleDescription(
        tr("Flèche droite ouvre une catégorie, flèche gauche la referme"));
    Detail->setColumnCount(2);
    Detail->setHeaderLabels({tr("Référence ou ligne"), tr("Détail")});
    Detail->setUniformRowHeights(true);
    Detail->setRootIsDecorated(true);
    Detail->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Detail->header()->resizeSection(0, QFontMetrics(Detail->font()).horizontalAdvance(QLatin1Char('M')) * 16);
    auto *detailCaption = new QLabel(tr("&Détail des changements (Flèche droite ouvre une liste) :"));
    detailCaption->setBuddy(Detail);

    Maj_Noms = new QCheckBox(tr("&Mettre à jour les noms d'abbaye des QSO du log"));
    Maj_Noms->setObjectName(QStringLiteral("Maj_Noms"));
    Maj_Noms->setChecked(false);
    Nb_Noms = new QLabel;
    Nb_Noms->setObjectName(QStringLiteral("Nb_Noms"));
    Etat = new QLabel;
    Etat->setObjectName(QStringLiteral("Etat"));
    Etat->setWordWrap(true);

    Remplacer = new QPushButton(m_kind == Kind::Revert ? tr("&Revenir à cette liste")
                                                       : tr("&Remplacer la liste"));
    Remplacer->setObjectName(QStringLiteral("Remplacer"));
    Enregistrer_Rapport = new QPushButton(tr("&Enregistrer le rapport"));
    Enregistrer_Rapport->setObjectName(QStringLiteral("Enregistrer_Rapport"));
    Annuler = new QPushButton(tr("&Annuler"));
    Annuler->setObjectName(QStringLiteral("Annuler"));
    // Enter in the list must never replace the list: Enter presses only the
    // button that has the focus.
    for (QPushButton *b : {Remplacer, Enregistrer_Rapport, Annuler}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    auto *counts = new QGridLayout;
    counts->addWidget(Nb_Ajoutees, 0, 0);
    counts->addWidget(Nb_Corrigees, 0, 1);
    counts->addWidget(Nb_Retirees, 0, 2);
    counts->addWidget(Nb_Illisibles, 1, 0);
    counts->addWidget(Nb_Doubles, 1, 1);
    counts->setColumnStretch(3, 1);
    counts->setHorizontalSpacing(24);
    auto *names = new QHBoxLayout;
    names->addWidget(Maj_Noms);
    names->addSpacing(16);
    names->addWidget(Nb_Noms);
    names->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Etat, 1);
    buttons->addWidget(Remplacer);
    buttons->addWidget(Enregistrer_Rapport);
    buttons->addWidget(Annuler);

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(Fichier);
    outer->addLayout(counts);
    outer->addWidget(QSO_Retires);
    outer->addWidget(detailCaption);
    outer->addWidget(Detail, 1);
    outer->addLayout(names);
    outer->addLayout(buttons);

    setTabOrder(Detail, Maj_Noms);
    setTabOrder(Maj_Noms, Remplacer);
    setTabOrder(Remplacer, Enregistrer_Rapport);
    setTabOrder(Enregistrer_Rapport, Annuler);

    if (m_kind == Kind::Revert) {
        // Going back can put the previous list's names back into the log.
        Maj_Noms->setText(tr("&Mettre les noms d'abbaye des QSO du log à ceux de la liste précédente"));
    }

    connect(Remplacer, &QPushButton::clicked, this, &AbbeyListWindow::onReplace);
    connect(Enregistrer_Rapport, &QPushButton::clicked, this, &AbbeyListWindow::onSaveReport);
    connect(Annuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(Maj_Noms, &QCheckBox::toggled, this, &AbbeyListWindow::fill);
    connect(&m_context.index, &LogIndex::changed, this, &AbbeyListWindow::onLogChanged);
    WindowKeys::install(this);

    compare();
    // Fits a 1024 x 768 screen.
    resize(960, 640);
    centreOnScreen(this);
    Detail->setFocus();
}

AbbeyListWindow::~AbbeyListWindow() = default;

QString AbbeyListWindow::listPath() const { return m_context.session.filePath(AbbeyList::FileName); }

void AbbeyListWindow::compare()
{
    m_current = AbbeyListFile::fromBytes(m_currentBytes);
    m_chosen = AbbeyListFile::fromBytes(m_chosenBytes);
    if (m_context.session.hasStation())
        m_update = std::make_unique<AbbeyListUpdate>(m_current, m_chosen, m_context.index);
    else
        m_update = std::make_unique<AbbeyListUpdate>(m_current, m_chosen, QList<QByteArrayView>());
    // The same abbeys with the same names and locators: replacing would only lose
    // the previous list.
    m_same = m_currentExists && m_update->added().isEmpty() && m_update->corrected().isEmpty()
        && m_update->withdrawn().isEmpty();
    fill();
}

void AbbeyListWindow::fill()
{
    const AbbeyListUpdate &u = *m_update;
    if (m_replaced) {
        // What is now in use, and where the list it replaced is kept.
        const QString previous = QFileInfo(AbbeyListSwap::previousPath(listPath())).fileName();
        const QString now = m_kind == Kind::Revert
            ? tr("la liste précédente")
            : tr("la nouvelle liste (%1)").arg(QFileInfo(m_chosenPath).fileName());
        Fichier->setText(m_currentExists
                             ? tr("Liste en service : %1, %2 ; celle qu'elle remplace (%3) est gardée sous le nom %4")
                                   .arg(now, abbeys(m_chosen.abbeyCount()), abbeys(m_current.abbeyCount()), previous)
                             : tr("Liste en service : %1, %2 ; il n'y avait pas de liste avant elle")
                                   .arg(now, abbeys(m_chosen.abbeyCount())));
    } else {
        const QString chosen = QFileInfo(m_chosenPath).fileName();
        const QString encoding = AbbeyListUpdate::encodingName(m_chosen.encoding());
        Fichier->setText(m_kind == Kind::Revert
                             ? tr("Liste précédente : %1 (%2, lue en %3) ; liste en service : %4")
                                   .arg(chosen, abbeys(m_chosen.abbeyCount()), encoding,
                                        abbeys(m_current.abbeyCount()))
                             : tr("Nouvelle liste : %1 (%2, lue en %3) ; liste en service : %4")
                                   .arg(chosen, abbeys(m_chosen.abbeyCount()), encoding,
                                        abbeys(m_current.abbeyCount())));
    }
    Nb_Ajoutees->setText(tr("abbayes ajoutées : %1").arg(u.added().size()));
    Nb_Corrigees->setText(tr("noms ou locators corrigés : %1").arg(u.corrected().size()));
    Nb_Retirees->setText(tr("références retirées : %1, dont %2 dans le log")
                             .arg(u.withdrawn().size())
                             .arg(u.withdrawnInLog()));
    Nb_Illisibles->setText(tr("lignes illisibles : %1").arg(m_chosen.unreadable().size()));
    Nb_Doubles->setText(tr("références en double : %1").arg(m_chosen.duplicates().size()));
    const bool station = m_context.session.hasStation();
    QSO_Retires->setText(
        station ? tr("Log de %1 : QSO dont la référence n'est plus dans %2 : %3, %4 (ils restent dans le log)")
                      .arg(m_context.session.displayCallsign(),
                           m_kind == Kind::Revert ? tr("la liste précédente")
                                                  : tr("la nouvelle liste"),
                           worked(u.qsosWithdrawn()), confirmed(u.confirmedWithdrawn()))
                : tr("Aucune station choisie : aucun log à comparer."));
    Nb_Noms->setText(tr("QSO dont le nom suit la correction : %1").arg(u.renames().size()));
    // The option is offered only when some QSO's name would change.
    const bool names = station && !u.renames().isEmpty();
    Maj_Noms->setVisible(names);
    Nb_Noms->setVisible(names);
    Maj_Noms->setEnabled(names && !m_replaced);

    // The tree keeps which lists are open across a refresh.
    QList<bool> open;
    for (int i = 0; i < Detail->topLevelItemCount(); ++i)
        open.append(Detail->topLevelItem(i)->isExpanded());
    Detail->clear();
    QTreeWidgetItem *g = group(Detail, tr("abbayes ajoutées"), u.added().size());
    for (const AbbeyListUpdate::Added &a : u.added())
        row(g, a.reference, tr("%1  (locator %2)").arg(a.name, orNone(a.locator)));
    g = group(Detail, tr("noms ou locators corrigés"), u.corrected().size());
    for (const AbbeyListUpdate::Corrected &c : u.corrected()) {
        QStringList parts;
        if (c.nameChanged())
            parts << tr("nom : %1 → %2").arg(orNone(c.oldName), orNone(c.newName));
        if (c.locatorChanged())
            parts << tr("locator : %1 → %2").arg(orNone(c.oldLocator), orNone(c.newLocator));
        row(g, c.reference, parts.join(QStringLiteral(" ; ")));
    }
    g = group(Detail, tr("références retirées"), u.withdrawn().size());
    for (const AbbeyListUpdate::Withdrawn &w : u.withdrawn()) {
        row(g, w.reference,
            w.qsos > 0 ? tr("DANS LE LOG (%1 QSO, %2) : %3").arg(QString::number(w.qsos), confirmed(w.confirmed), w.name)
                       : w.name);
    }
    g = group(Detail, tr("lignes illisibles"), m_chosen.unreadable().size());
    for (const AbbeyListFile::Unreadable &l : m_chosen.unreadable())
        row(g, tr("ligne %1").arg(l.number), tr("%1 : %2").arg(AbbeyListFile::lineProblem(l.text, Wording::Screen), l.text));
    g = group(Detail, tr("références en double"), m_chosen.duplicates().size());
    for (const AbbeyListFile::Duplicate &d : m_chosen.duplicates()) {
        QStringList numbers;
        for (int n : d.lines)
            numbers << QString::number(n);
        row(g, d.reference, tr("lignes %1 ; la ligne %2 compte")
                                .arg(numbers.join(QStringLiteral(", ")), numbers.last()));
    }
    g = group(Detail, tr("QSO dont le nom d'abbaye suit la correction"), u.renames().size());
    for (const AbbeyListUpdate::Rename &r : u.renames())
        row(g, r.reference, tr("%1 du %2 : %3 → %4").arg(r.callsign, r.date, r.oldName, r.newName));
    for (int i = 0; i < open.size() && i < Detail->topLevelItemCount(); ++i)
        Detail->topLevelItem(i)->setExpanded(open.at(i));
    if (!Detail->currentItem() && Detail->topLevelItemCount() > 0)
        Detail->setCurrentItem(Detail->topLevelItem(0));

    const bool nothingToDo = m_same && !(Maj_Noms->isChecked() && names);
    Remplacer->setEnabled(!m_replaced && !nothingToDo);
    Annuler->setText(m_replaced ? tr("&Fermer") : tr("&Annuler"));
    if (m_replaced)
        Etat->setText(m_kind == Kind::Revert ? tr("La liste précédente est de nouveau en service.")
                                             : tr("La liste a été remplacée."));
    else if (nothingToDo)
        Etat->setText(tr("Cette liste est déjà celle en service : rien à remplacer."));
    else
        Etat->setText(tr("Rien n'est encore modifié."));
}

void AbbeyListWindow::onLogChanged()
{
    // Another window changed the log: the QSOs are counted again. Once the list is
    // replaced, what was done stays as it was shown.
    if (m_replaced)
        return;
    compare();
}

void AbbeyListWindow::onReplace()
{
    AbbeyListSwap::Request request;
    request.listPath = listPath();
    request.heldList = m_currentBytes;
    request.listExisted = m_currentExists;
    if (m_kind == Kind::Revert) {
        // Going back swaps the two files as they are.
        request.newList = m_chosenBytes;
        request.sourcePath = m_chosenPath;
        request.heldSource = m_chosenBytes;
    } else {
        request.newList = m_chosen.toListBytes();
    }
    if (Maj_Noms->isChecked() && !m_update->renames().isEmpty() && m_context.session.hasStation()) {
        request.session = &m_context.session;
        request.renames = m_update->renames();
    }
    // The update's own rewrite of the log must not count the QSOs again.
    m_replaced = true;
    const AbbeyListSwap::Result r = AbbeyListSwap::run(request);
    m_replaced = r.listReplaced;
    m_namesRewritten = r.logRewritten;
    m_context.messages.notice(r.message);
    if (r.stale) {
        // The log too is compared as it now stands.
        m_context.session.refreshIfChanged();
        const LogFile::Bytes current = LogFile::readBytes(listPath());
        m_currentBytes = current.content;
        m_currentExists = current.exists;
        if (m_kind == Kind::Revert) {
            const LogFile::Bytes previous = LogFile::readBytes(m_chosenPath);
            m_chosenBytes = previous.content;
        }
        compare();
        return;
    }
    fill();
    if (r.listReplaced)
        emit listReplaced();
    if (m_replaced)
        Enregistrer_Rapport->setFocus();
}

AbbeyListUpdate::Context AbbeyListWindow::reportContext() const
{
    AbbeyListUpdate::Context c;
    c.day = m_context.clock.localNow().date();
    c.listName = AbbeyList::FileName;
    c.chosenName = QFileInfo(m_chosenPath).fileName();
    c.station = m_context.session.hasStation() ? m_context.session.displayCallsign() : QString();
    c.revert = m_kind == Kind::Revert;
    c.replaced = m_replaced;
    c.namesRewritten = m_namesRewritten;
    c.namesAsked = Maj_Noms->isChecked();
    return c;
}

void AbbeyListWindow::onSaveReport()
{
    const AbbeyListUpdate::Context c = reportContext();
    const QString dir = QFileInfo(listPath()).absolutePath();
    // A second report of the same day gets its own name.
    const QString name = AbbeyListUpdate::reportFileName(
        c.day, [&dir](const QString &n) { return QFileInfo::exists(dir + QLatin1Char('/') + n); });
    const AtomicFile::Result r =
        AtomicFile::write(dir + QLatin1Char('/') + name, m_update->report(m_current, m_chosen, c));
    if (r.ok)
        m_context.messages.notice(tr("Le rapport a été enregistré sous le nom : %1").arg(name));
    else
        m_context.messages.notice(tr("Le rapport %1 n'a pas pu être enregistré :\r\n%2").arg(name, r.error));
}
