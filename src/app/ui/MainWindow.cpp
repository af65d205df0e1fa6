#include "app/ui/MainWindow.h"
#include "kit/ui/WaitNotice.h"

#include "kit/Clock.h"
#include "kit/ClockText.h"
#include "entry/EntryChecks.h"
#include "kit/Messages.h"
#include "app/LanguageChoice.h"
#include "app/QsoListModel.h"
#include "Revision.h"
#include "kit/ui/Centre.h"
#include "kit/ui/FieldKeys.h"
#include "kit/ui/StatusArea.h"
#include "kit/ui/WindowKeys.h"
#include "logstore/LogProblems.h"
#include "logstore/LogSession.h"
#include "logstore/QsoLabels.h"
#include "logstore/Settings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTableView>
#include <QScopeGuard>
#include <QTimer>

MainWindow::MainWindow(Settings &settings, Messages &messages, Clock &clock, LogSession &session,
                       QsoEntry &entry, QWidget *parent)
    : QMainWindow(parent), m_settings(settings), m_messages(messages), m_clock(clock),
      m_session(session), m_entry(entry)
{
    setObjectName(QStringLiteral("Main"));
    m_model = new QsoListModel(m_session, this);
    m_ui.setupUi(this, m_model);
    buildStatusArea();

    m_keys = new FieldKeys(this);
    for (QWidget *f : m_ui.chain())
        m_keys->watch(f);
    connect(m_keys, &FieldKeys::enterPressed, this, &MainWindow::onEnter);
    connect(m_keys, &FieldKeys::keyPressed, this, &MainWindow::onKey);
    connect(m_keys, &FieldKeys::typing, this, &MainWindow::onTyping);
    m_ui.Liste_QSO->installEventFilter(this);
    // Tab leaves the QSO list; Escape is not the logbook's way out.
    WindowKeys::install(this, WindowKeys::Escape::Ignored);

    connect(m_ui.Timer1, &QTimer::timeout, this, &MainWindow::refreshClock);
    connect(m_ui.Liste_QSO, &QTableView::clicked, this, [this](const QModelIndex &i) { onListClicked(i.row()); });
    connect(m_ui.Liste_QSO, &QTableView::doubleClicked, this,
            [this](const QModelIndex &i) { onListDoubleClicked(i.row()); });
    connect(m_ui.Liste_QSO->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                // Moving through the list with the keyboard shows each QSO too.
                if (m_listKeys && current.isValid())
                    onListClicked(current.row());
            });
    connect(m_ui.Valide_A, &QPushButton::clicked, this, &MainWindow::onValide);
    connect(m_ui.Efface_A, &QPushButton::clicked, this, &MainWindow::Raz_Saisie);
    connect(m_ui.Annule_Saisie, &QPushButton::clicked, this, &MainWindow::onSupprime);
    connect(m_ui.Ajout_QSO, &QPushButton::clicked, this, &MainWindow::onInsere);

    m_ui.Mnu_Quitter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // F10 opens the menu bar from the keyboard, as on other desktops.
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(m_ui.Mnu_Fichier->menuAction()); });
    connect(m_ui.Mnu_Quitter, &QAction::triggered, this, &QWidget::close);
    m_openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    connect(m_ui.Mnu_Dossier, &QAction::triggered, this, &MainWindow::openFilesFolder);
    m_language = std::make_unique<LanguageChoice>(m_settings, m_messages);
    for (QAction *language : m_ui.Mnu_Langues)
        connect(language, &QAction::triggered, this, [this, language] { chooseLanguage(language->data().toString()); });
    tickLanguage();
    // The other windows, the station's among them, are wired by the composition root
    // (src/Composition.cpp) from their own subsystems.

    // The N° column widens with the log, so a six- or seven-digit number is never cut.
    connect(&m_session, &LogSession::logChanged, this, [this] {
        const int digits = qMax(5, int(QString::number(m_session.lineCount()).size()));
        if (digits == m_numberDigits)
            return;
        m_numberDigits = digits;
        const QFontMetrics fm(m_ui.Liste_QSO->font());
        m_ui.Liste_QSO->setColumnWidth(
            QsoListModel::ColNumero,
            qMax(fm.horizontalAdvance(QLatin1Char('0')) * digits + 12,
                 m_ui.Liste_QSO->horizontalHeader()->sectionSizeHint(QsoListModel::ColNumero)));
    });
    // Rewriting a large log takes a visible moment: the window says it is busy.
    connect(&m_entry, &QsoEntry::writing, this, [this] {
        m_wait = std::make_unique<WaitNotice>(this, tr("Enregistrement du log en cours…"),
                                              m_session.lineCount());
    });
    watchOperatorInput();
    // A QSO offered from elsewhere (a spot on the cluster): a plain entry with its callsign.
    connect(&m_entry, &QsoEntry::restartRequested, this, &MainWindow::Raz_Saisie);
    connect(&m_entry, &QsoEntry::callsignOffered, this, &MainWindow::offerCallsign);
    // Another window (the search) asks for a QSO as if the operator had clicked it.
    connect(&m_session, &LogSession::selectionRequested, this, &MainWindow::selectLine);
}

MainWindow::~MainWindow() = default;

void MainWindow::watchOperatorInput()
{
    // What the operator types or chooses is his entry in progress; what the window
    // puts in a field itself (setText, a list's value) is not: only the signals of
    // his own edits are followed.
    for (QWidget *w : m_ui.chain()) {
        const QsoEntry::Field field = fieldOf(w);
        if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            connect(edit, &QLineEdit::textEdited, this,
                    [this, field](const QString &text) { m_entry.operatorTyped(field, text); });
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                    [this, field](const QString &text) { m_entry.operatorTyped(field, text); });
            // An item chosen with the mouse, the arrow keys or the wheel.
            connect(combo, &QComboBox::activated, this,
                    [this, field, combo] { m_entry.operatorTyped(field, combo->currentText()); });
        } else if (auto *box = qobject_cast<QCheckBox *>(w)) {
            connect(box, &QCheckBox::clicked, this, [this, field](bool ticked) {
                m_entry.operatorTyped(field, QsoEntry::qslValue(ticked));
            });
        }
    }
}

void MainWindow::startUp()
{
    centreOnScreen(this);
    m_ui.Bande_A->addItems(QsoLabels::bands());
    m_ui.Mode_A->addItems(QsoLabels::modes());

    m_session.openStation();
    const QString callsign = m_session.callsign();
    // The operator's own form ("F4XYZ/P"), as after choosing the station; files keep "_".
    m_ui.I_Station->setText(m_session.displayCallsign());
    restoreBandAndMode();

    m_ui.Init_Libelles();

    const QString section = Settings::stationSection(callsign);
    // A settings file that cannot be written is said once; the logbook works on.
    const AtomicFile::Result stored = m_settings.write(Settings::CommonSection, Settings::KeyDirectory,
                                                       QDir::toNativeSeparators(m_session.programDir()));
    m_settings.write(section, Settings::KeyUpdate, QStringLiteral("Oui"));

    if (!stored.ok)
        m_messages.notice(stored.error);
    if (!m_session.hasStation())
        m_messages.notice(EntryChecks::firstInstallation());

    QMainWindow::show();
    m_ui.Ind_A->setEnabled(true);
    m_ui.Ind_A->setFocus();
    m_ui.Mode_Aff->setText(m_entry.stateText());

    m_settings.write(section, Settings::KeyRevision, Revision::text());
    // Revision::caption() in the interface's language (the saved lists keep the French one).
    setWindowTitle(tr("  KVR_ZEL    Revision %1").arg(Revision::text()));

    refreshClock();
    m_ui.Timer1->start();

    if (m_session.hasStation()) {
        // The session read the log when it took the station.
        reportLogProblems();
        selectLastLine();
    }
    Raz_Saisie();
    // Showing the last QSO put its band and mode in the fields: the entry starts
    // on the station's own.
    restoreBandAndMode();
}

void MainWindow::refreshClock()
{
    const QDateTime utc = m_clock.utcNow();
    m_ui.Label37->setEnabled(true);
    m_ui.Label37->setText(ClockText::utcTime(utc));
    m_ui.Label34->setEnabled(true);
    m_ui.Label34->setText(ClockText::localTime(m_clock.localNow()));
    m_ui.Label33->setText(ClockText::utcDate(utc));
}

void MainWindow::Charge_Liste_QSO()
{
    m_session.reload();
    reportLogProblems();
}

void MainWindow::reportLogProblems()
{
    m_ui.Ind_A->setEnabled(true);
    const QString unreadable = LogProblems::readErrorNotice(m_session);
    if (!unreadable.isEmpty()) {
        m_messages.notice(unreadable);
        return;
    }
    // Lines the program did not write as they stand: say which, once, and keep them as they are.
    const QString notice = LogProblems::malformedNotice(m_session);
    if (!notice.isEmpty() && notice != m_lastMalformedNotice)
        m_messages.notice(notice);
    m_lastMalformedNotice = notice;
}

void MainWindow::selectLine(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        m_ui.Liste_QSO->clearSelection();
        return;
    }
    const bool keys = m_listKeys;
    m_listKeys = false;
    m_ui.Liste_QSO->selectionModel()->setCurrentIndex(
        m_model->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_ui.Liste_QSO->scrollTo(m_model->index(row, 0));
    m_listKeys = keys;
    onListClicked(row);
}

void MainWindow::selectLastLine()
{
    if (m_model->rowCount() == 0) {
        // Nothing left to point at (the log is empty).
        m_entry.clearSelection();
        return;
    }
    selectLine(m_model->rowCount() - 1);
}

// ---------------------------------------------------------------- entry chain

QsoEntry::Field MainWindow::fieldOf(QWidget *widget) const
{
    const qsizetype at = m_ui.chain().indexOf(widget);
    return at < 0 ? QsoEntry::None : QsoEntry::Field(at);
}

QWidget *MainWindow::widgetOf(QsoEntry::Field field) const
{
    if (field == QsoEntry::Valide)
        return m_ui.Valide_A;
    return field < QsoEntry::FieldCount ? m_ui.chain().at(field) : nullptr;
}

QsoEntry::Values MainWindow::values() const
{
    QsoEntry::Values v;
    const QList<QWidget *> fields = m_ui.chain();
    for (int f = 0; f < QsoEntry::FieldCount; ++f) {
        if (auto *edit = qobject_cast<QLineEdit *>(fields.at(f)))
            v[f] = edit->text();
        else if (auto *combo = qobject_cast<QComboBox *>(fields.at(f)))
            v[f] = combo->currentText();
    }
    v[QsoEntry::Qsl] = QsoEntry::qslValue(m_ui.QSL_A->isChecked());
    return v;
}

void MainWindow::show(const QsoEntry::Values &v)
{
    const QList<QWidget *> fields = m_ui.chain();
    for (int f = 0; f < QsoEntry::FieldCount; ++f) {
        if (auto *edit = qobject_cast<QLineEdit *>(fields.at(f)))
            edit->setText(v[f]);
        else if (auto *combo = qobject_cast<QComboBox *>(fields.at(f)))
            setComboText(combo, v[f]);
    }
    m_ui.QSL_A->setChecked(QsoEntry::qslTicked(v[QsoEntry::Qsl]));
}

void MainWindow::apply(const QsoEntry::Answer &answer, QWidget *from)
{
    if (answer.restart) {
        Raz_Saisie();
        return;
    }
    for (auto it = answer.fill.cbegin(); it != answer.fill.cend(); ++it) {
        if (auto *edit = qobject_cast<QLineEdit *>(widgetOf(it.key())))
            edit->setText(it.value());
        else if (auto *combo = qobject_cast<QComboBox *>(widgetOf(it.key())))
            setComboText(combo, it.value());
        if (it.key() == QsoEntry::Prenom)
            widgetOf(it.key())->setEnabled(true);
    }
    for (QsoEntry::Field f : answer.open)
        widgetOf(f)->setEnabled(true);
    if (QWidget *to = widgetOf(answer.next))
        moveOn(from, to);
    if (answer.newRegion)
        m_entry.announceNewRegion(m_ui.Ref_A->text());
}

void MainWindow::onEnter(QWidget *field)
{
    const QsoEntry::Field f = fieldOf(field);
    if (f == QsoEntry::Ind && !m_session.hasStation())
        m_messages.notice(EntryChecks::firstInstallation());
    const QsoEntry::Values v = values();
    const QsoEntry::Answer answer = m_entry.enter(f, v);
    if (answer.accepted && (f == QsoEntry::Bande || f == QsoEntry::Mode))
        m_entry.rememberPosition(f, v[f]);
    apply(answer, field);
}

void MainWindow::onKey(QWidget *field)
{
    if (auto *combo = qobject_cast<QComboBox *>(field))
        m_entry.rememberPosition(fieldOf(field), combo->currentText());
}

void MainWindow::onTyping(QWidget *field)
{
    if (field == m_ui.Ind_A && !m_session.hasStation())
        m_messages.notice(EntryChecks::firstInstallation());
}

void MainWindow::moveOn(QWidget *from, QWidget *to)
{
    MainForm::paint(from, MainForm::Waiting);
    to->setEnabled(true);
    if (to != m_ui.Valide_A)
        MainForm::paint(to, MainForm::Active);
    focusField(to);
}

void MainWindow::focusField(QWidget *field)
{
    field->setFocus();
    // What the field holds (a default report, a name from a list) is selected, so
    // typing replaces it and Enter keeps it.
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
    else if (auto *combo = qobject_cast<QComboBox *>(field))
        combo->lineEdit()->selectAll();
}

void MainWindow::setComboText(QComboBox *combo, const QString &text)
{
    const int i = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    combo->setCurrentIndex(i);
    if (i < 0)
        combo->setEditText(text);
}

void MainWindow::changeEvent(QEvent *event)
{
    // Back to the logbook: show the log as it now stands on disk.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_session.refreshIfChanged())
        reportLogProblems();
    QMainWindow::changeEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_ui.Liste_QSO || event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Enter on a line opens it for editing, as a double-click does.
        onListDoubleClicked(m_ui.Liste_QSO->currentIndex().row());
        return true;
    }
    // The list moves on this key; the QSO it lands on is shown as a click would.
    m_listKeys = true;
    const bool handled = static_cast<QObject *>(m_ui.Liste_QSO)->event(event);
    m_listKeys = false;
    return handled;
}

// ----------------------------------------------------- view, edit, commit, delete

void MainWindow::onListClicked(int row)
{
    if (!m_entry.select(row))
        return;
    m_ui.Mode_Aff->setText(m_entry.stateText());
    show(m_entry.selectedValues());
    m_ui.Annule_Saisie->setEnabled(true);
    m_ui.Ind_A->setEnabled(false);
    MainForm::paint(m_ui.Ind_A, MainForm::Waiting);
}

void MainWindow::onListDoubleClicked(int row)
{
    if (!m_entry.edit(row))
        return;
    m_ui.Ind_A->setEnabled(true);
    MainForm::paint(m_ui.Ind_A, MainForm::Active);
    for (QWidget *w : m_ui.chain())
        w->setEnabled(true);
    m_ui.Valide_A->setEnabled(true);
    show(m_entry.selectedValues());
    m_ui.Annule_Saisie->setEnabled(false);
    m_ui.Mode_Aff->setText(m_entry.stateText());
    m_ui.Ind_A->setFocus();
}

void MainWindow::onInsere()
{
    m_entry.startInsert();
    m_ui.Mode_Aff->setText(m_entry.stateText());
    m_ui.Ind_A->setEnabled(true);
    MainForm::paint(m_ui.Ind_A, MainForm::Active);
    m_ui.Ind_A->setFocus();
}

void MainWindow::onValide()
{
    // A busy notice the rewrite of a large log may have put up goes with the commit.
    const auto done = qScopeGuard([this] { m_wait.reset(); });
    QsoEntry::Field failing = QsoEntry::None;
    const QsoEntry::Answer answer = m_entry.commit(values(), &failing);
    if (!answer.accepted) {
        if (QWidget *field = widgetOf(failing)) {
            field->setEnabled(true);
            field->setFocus();
        }
        return;
    }
    reportLogProblems();
    selectLastLine();
    m_entry.endCommit();
    m_ui.Mode_Aff->setText(m_entry.stateText());
    m_ui.Valide_A->setEnabled(false);

    clearFields();
    m_ui.QSL_A->setEnabled(false);
    openCallsign();

    restoreBandAndMode();
}

void MainWindow::restoreBandAndMode()
{
    m_ui.Bande_A->setCurrentIndex(m_entry.storedPosition(QsoEntry::Bande));
    m_ui.Mode_A->setCurrentIndex(m_entry.storedPosition(QsoEntry::Mode));
}

void MainWindow::onSupprime()
{
    const auto done = qScopeGuard([this] { m_wait.reset(); });
    const QsoEntry::Removal removal = m_entry.removeSelected();
    if (removal == QsoEntry::Removal::NothingSelected)
        return;
    if (removal == QsoEntry::Removal::Removed) {
        reportLogProblems();
        selectLastLine();
    }
    m_ui.Annule_Saisie->setEnabled(false);
    Raz_Saisie();
}

void MainWindow::clearFields()
{
    m_ui.Loc_A->setText(QStringLiteral("  "));
    for (QLineEdit *e : {m_ui.Prenom_A, m_ui.Ref_A, m_ui.Date_A, m_ui.Heure_A, m_ui.Rem_A})
        e->clear();
    m_ui.RST_A->setText(QsoLabels::DefaultReport);
    m_ui.RSTE_A->setText(QsoLabels::DefaultReport);
    for (QWidget *w : m_ui.chain()) {
        if (w == m_ui.Ind_A || w == m_ui.QSL_A)
            continue;
        w->setEnabled(false);
        MainForm::paint(w, MainForm::Waiting);
    }
    m_ui.QSL_A->setChecked(false);
}

void MainWindow::openCallsign()
{
    m_ui.Ind_A->clear();
    m_ui.Ind_A->setEnabled(true);
    MainForm::paint(m_ui.Ind_A, MainForm::Active);
    m_ui.Ind_A->setFocus();
}

void MainWindow::offerCallsign(const QString &callsign)
{
    openCallsign();
    m_ui.Ind_A->setText(callsign);
    m_ui.Ind_A->setCursorPosition(int(callsign.size()));
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    m_ui.Ind_A->setFocus();
}

void MainWindow::Raz_Saisie()
{
    clearFields();
    m_entry.reset();
    openCallsign();
    m_ui.Annule_Saisie->setEnabled(false);
    m_ui.Valide_A->setEnabled(false);
    m_ui.Mode_Aff->setText(m_entry.stateText());
}

// ------------------------------------------------------------------- stations

void MainWindow::applyStation()
{
    // A QSO being edited or selected belongs to the previous station's log: the
    // session drops it and the entry starts afresh, as at start-up.
    m_session.openStation();
    m_ui.I_Station->setText(m_session.displayCallsign());
    reportLogProblems();
    selectLastLine();
    Raz_Saisie();
    restoreBandAndMode();
}

void MainWindow::openFilesFolder()
{
    const QString dir = m_session.programDir();
    if (!m_openUrl(QUrl::fromLocalFile(dir))) {
        // Said with the folder's name, so the operator can still go there by hand.
        m_messages.notice(tr("Le dossier des fichiers n'a pas pu être ouvert :\r\n%1")
                              .arg(QDir::toNativeSeparators(dir)));
    }
}

void MainWindow::chooseLanguage(const QString &code)
{
    m_language->choose(code);
    // A choice that could not be kept leaves the previous one ticked.
    tickLanguage();
}

void MainWindow::tickLanguage()
{
    for (QAction *language : m_ui.Mnu_Langues)
        language->setChecked(language->data().toString() == m_language->chosen());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // An entry in progress is not lost without asking; otherwise closing the logbook
    // closes every other window with it.
    if (!m_entry.mayQuit()) {
        event->ignore();
        return;
    }
    m_ui.Timer1->stop();
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        if (w != this && w->isVisible())
            w->close();
    }
    event->accept();
}

MainItems MainWindow::items() const
{
    MainItems items = m_ui.items();
    items.Etat_Poste_Radio_Zone = m_radioPlace;
    items.Annonce_Cluster_Zone = m_clusterPlace;
    return items;
}

void MainWindow::buildStatusArea()
{
    // One place per room, always in this order; with nothing to show the window
    // stays as it always was: no status area.
    auto *area = new StatusArea(statusBar());
    m_radioPlace = area->addPlace(QStringLiteral("Etat_Poste_Radio_Zone"));
    m_clusterPlace = area->addPlace(QStringLiteral("Annonce_Cluster_Zone"));
}
