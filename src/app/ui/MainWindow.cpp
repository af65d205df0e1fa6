#include "app/ui/MainWindow.h"

#include "app/ClockText.h"
#include "app/Clock.h"
#include "app/EntryChecks.h"
#include "app/Messages.h"
#include "app/ProgramDir.h"
#include "app/QsoEntry.h"
#include "app/QsoListModel.h"
#include "app/Revision.h"
#include "app/ui/Centre.h"
#include "logstore/Cp1252.h"
#include "logstore/LogFile.h"
#include "logstore/LogSession.h"
#include "logstore/QsoLabels.h"
#include "logstore/QsoRecord.h"
#include "logstore/Settings.h"
#include "refdata/AbbeyList.h"
#include "refdata/FirstNameList.h"
#include "refdata/LogLookups.h"
#include "station/ui/StationWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor kActive(0xC0, 0xFF, 0xC0);  // &HC0FFC0: the field accepting input
const QColor kWaiting(0xFF, 0xFF, 0xC0); // &HC0FFFF: a field done or waiting its turn

const QString kHeader = QStringLiteral(
    "     N°   Indicatif    Locator Prenom                  Ref       Date       QTR  Mode   QRG  "
    "RSTR RSTE                   Mom de l'Abbaye                                                    QSL");

const QString kSaisie = QStringLiteral("Saisie QSO");
const QString kModification = QStringLiteral("Modification QSO");
const QString kInsertion = QStringLiteral("Insertion QSO");

void paint(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Button, colour);
    // Values shown read-only stay black so they can be read.
    p.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::black);
    w->setPalette(p);
}

QString padded(const QString &text, int width) { return text.leftJustified(width, QLatin1Char(' '), true); }

} // namespace

MainWindow::MainWindow(Settings &settings, Messages &messages, Clock &clock, LogSession &session,
                       QsoEntry &entry, QWidget *parent)
    : QMainWindow(parent), m_settings(settings), m_messages(messages), m_clock(clock),
      m_session(session), m_entry(entry),
      m_firstNames(std::make_unique<FirstNameList>(session.filePath(ProgramDir::firstNameListName())))
{
    setObjectName(QStringLiteral("Main"));
    buildWindow();
    buildMenus();
    // Another window (the search) asks for a QSO as if the operator had clicked it.
    connect(&m_session, &LogSession::selectionRequested, this, &MainWindow::selectLine);
}

MainWindow::~MainWindow() = default;

QList<QWidget *> MainWindow::chain() const
{
    return {m_ui.Ind_A, m_ui.Prenom_A, m_ui.Ref_A, m_ui.Loc_A, m_ui.Date_A, m_ui.Heure_A,
            m_ui.Mode_A, m_ui.Bande_A, m_ui.RST_A, m_ui.RSTE_A, m_ui.Rem_A, m_ui.QSL_A};
}

void MainWindow::buildWindow()
{
    auto *central = new QWidget(this);
    auto *outer = new QVBoxLayout(central);

    // Station and clock.
    auto *top = new QHBoxLayout;
    auto *stationCaption = new QLabel(QStringLiteral("INDICATIF DE LA STATION  : "));
    m_ui.I_Station = new QLabel;
    m_ui.I_Station->setObjectName(QStringLiteral("I_Station"));
    QFont big = m_ui.I_Station->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    m_ui.I_Station->setFont(big);
    stationCaption->setBuddy(m_ui.I_Station);
    m_ui.I_Station->setAccessibleName(QStringLiteral("Indicatif de la station"));
    top->addWidget(stationCaption);
    top->addWidget(m_ui.I_Station);
    top->addStretch(1);
    auto *modeCaption = new QLabel(QStringLiteral("Mode de saisie"));
    m_ui.Mode_Aff = new QLabel;
    m_ui.Mode_Aff->setObjectName(QStringLiteral("Mode_Aff"));
    m_ui.Mode_Aff->setFont(big);
    m_ui.Mode_Aff->setAccessibleName(QStringLiteral("Mode de saisie"));
    top->addWidget(modeCaption);
    top->addWidget(m_ui.Mode_Aff);
    top->addSpacing(30);
    m_ui.Label33 = new QLabel;
    m_ui.Label37 = new QLabel;
    m_ui.Label34 = new QLabel;
    m_ui.Label33->setObjectName(QStringLiteral("Label33"));
    m_ui.Label37->setObjectName(QStringLiteral("Label37"));
    m_ui.Label34->setObjectName(QStringLiteral("Label34"));
    m_ui.Label33->setAccessibleName(QStringLiteral("Date UTC"));
    m_ui.Label37->setAccessibleName(QStringLiteral("Heure UTC"));
    m_ui.Label34->setAccessibleName(QStringLiteral("Heure locale"));
    for (QLabel *l : {m_ui.Label33, m_ui.Label37, m_ui.Label34}) {
        l->setFont(big);
        top->addWidget(l);
        top->addSpacing(12);
    }
    outer->addLayout(top);

    // Entry fields.
    auto *entry = new QGroupBox(QStringLiteral("Saisie ou modification d'un QSO"));
    entry->setObjectName(QStringLiteral("Frame_Saisie"));
    auto *grid = new QGridLayout(entry);
    auto makeEdit = [](const char *name, int chars) {
        auto *e = new QLineEdit;
        e->setObjectName(QLatin1String(name));
        const int w = e->fontMetrics().horizontalAdvance(QLatin1Char('W')) * chars + 16;
        e->setMinimumWidth(w);
        return e;
    };
    m_ui.Ind_A = makeEdit("Ind_A", 12);
    m_ui.Prenom_A = makeEdit("Prenom_A", 12);
    m_ui.Ref_A = makeEdit("Ref_A", 6);
    m_ui.Loc_A = makeEdit("Loc_A", 4);
    m_ui.Date_A = makeEdit("Date_A", 6);
    m_ui.Heure_A = makeEdit("Heure_A", 4);
    m_ui.RST_A = makeEdit("RST_A", 3);
    m_ui.RSTE_A = makeEdit("RSTE_A", 3);
    m_ui.Rem_A = makeEdit("Rem_A", 40);
    auto makeCombo = [](const char *name) {
        auto *c = new QComboBox;
        c->setObjectName(QLatin1String(name));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setCompleter(nullptr);
        c->setMinimumWidth(c->fontMetrics().horizontalAdvance(QStringLiteral("432 MhzWW")) + 24);
        return c;
    };
    m_ui.Mode_A = makeCombo("Mode_A");
    m_ui.Bande_A = makeCombo("Bande_A");
    m_ui.QSL_A = new QCheckBox(QStringLiteral("QSL"));
    m_ui.QSL_A->setObjectName(QStringLiteral("QSL_A"));

    const QList<QPair<QString, QWidget *>> firstRow{
        {QStringLiteral("Indicatif"), m_ui.Ind_A},
        {QStringLiteral("Prenom (optionel)"), m_ui.Prenom_A},
        {QStringLiteral("Ref Abbaye "), m_ui.Ref_A},
        {QStringLiteral("Locator"), m_ui.Loc_A},
        {QStringLiteral("Date"), m_ui.Date_A},
        {QStringLiteral("Heure UTC"), m_ui.Heure_A},
        {QStringLiteral("Mode"), m_ui.Mode_A},
        {QStringLiteral("QRG"), m_ui.Bande_A},
        {QStringLiteral("RST R"), m_ui.RST_A},
        {QStringLiteral("RST E"), m_ui.RSTE_A},
    };
    int col = 0;
    for (const auto &[caption, field] : firstRow) {
        auto *label = new QLabel(caption);
        label->setBuddy(field);
        field->setAccessibleName(caption.trimmed());
        grid->addWidget(label, 0, col);
        grid->addWidget(field, 1, col);
        ++col;
    }
    auto *nameLabel = new QLabel(QStringLiteral("Mom de l'Abbaye"));
    nameLabel->setBuddy(m_ui.Rem_A);
    m_ui.Rem_A->setAccessibleName(QStringLiteral("Nom de l'Abbaye"));
    m_ui.QSL_A->setAccessibleName(QStringLiteral("QSL reçue"));
    grid->addWidget(nameLabel, 2, 0);
    grid->addWidget(m_ui.Rem_A, 3, 0, 1, 8);
    grid->addWidget(m_ui.QSL_A, 3, 8);

    auto *buttons = new QHBoxLayout;
    auto makeButton = [&](const char *name, const QString &caption, const QString &tip) {
        auto *b = new QPushButton(caption);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(tip);
        b->setAutoDefault(true); // Enter on a focused button presses it
        buttons->addWidget(b);
        return b;
    };
    m_ui.Valide_A = makeButton("Valide_A", QStringLiteral("Valider le QSO"),
                               QStringLiteral("Validation de la saisie en cours"));
    m_ui.Efface_A = makeButton("Efface_A", QStringLiteral("Effacer saisie en cours"),
                               QStringLiteral("Annulation de la saisie en cours"));
    m_ui.Annule_Saisie = makeButton("Annule_Saisie", QStringLiteral("Supprimer un QSO"),
                                    QStringLiteral("Permet de supprimer un QSO"));
    m_ui.Ajout_QSO = makeButton("Ajout_QSO", QStringLiteral("Inserer un QSO"),
                                QStringLiteral("Permet d'insérer un QSO"));
    m_ui.Recherche = makeButton("Recherche", QStringLiteral("Rechercher un QSO"),
                                QStringLiteral("Permet la recherche d'un QSO"));
    m_ui.QSL = makeButton("QSL", QStringLiteral("Gestion des QSL"), QString());
    grid->addLayout(buttons, 4, 0, 1, 10);
    outer->addWidget(entry);

    // The list of QSOs.
    auto *listFrame = new QGroupBox(QStringLiteral(
        "Un click sur un QSO pour l'afficher ou le supprimer, un double click pour l'éditer"));
    listFrame->setObjectName(QStringLiteral("Frame_Liste"));
    auto *listLayout = new QVBoxLayout(listFrame);
    m_ui.Label_Liste_QSO = new QLabel;
    m_ui.Label_Liste_QSO->setObjectName(QStringLiteral("Label_Liste_QSO"));
    // The header's words are the list's column titles, which line up with the
    // columns whatever the font; the one-line header itself is not shown.
    m_ui.Label_Liste_QSO->setVisible(false);
    listLayout->addWidget(m_ui.Label_Liste_QSO);
    m_model = new QsoListModel(m_session, this);
    m_ui.Liste_QSO = new QTableView;
    m_ui.Liste_QSO->setObjectName(QStringLiteral("Liste_QSO"));
    m_ui.Liste_QSO->setAccessibleName(QStringLiteral("Liste des QSO"));
    m_ui.Liste_QSO->setModel(m_model);
    m_ui.Liste_QSO->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_ui.Liste_QSO->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ui.Liste_QSO->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ui.Liste_QSO->setAlternatingRowColors(false);
    m_ui.Liste_QSO->setWordWrap(false);
    m_ui.Liste_QSO->verticalHeader()->setVisible(false);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_ui.Liste_QSO->setFont(fixed);
    const QFontMetrics fm(fixed);
    m_ui.Liste_QSO->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_ui.Liste_QSO->verticalHeader()->setDefaultSectionSize(fm.height() + 4);
    for (int c = 0; c < QsoListModel::ColumnCount; ++c) {
        m_ui.Liste_QSO->setColumnWidth(c, fm.horizontalAdvance(QLatin1Char('M'))
                                              * QsoListModel::columnChars(c) + 12);
    }
    // The abbey name takes the room left, so the QSL column stays in sight.
    m_ui.Liste_QSO->horizontalHeader()->setStretchLastSection(false);
    m_ui.Liste_QSO->horizontalHeader()->setSectionResizeMode(QsoListModel::ColNom, QHeaderView::Stretch);
    m_ui.Liste_QSO->horizontalHeader()->setMinimumSectionSize(fm.horizontalAdvance(QLatin1Char('M')) * 3);
    QPalette listPalette = m_ui.Liste_QSO->palette();
    listPalette.setColor(QPalette::Base, kWaiting);
    m_ui.Liste_QSO->setPalette(listPalette);
    listLayout->addWidget(m_ui.Liste_QSO);
    outer->addWidget(listFrame, 1);

    setCentralWidget(central);
    resize(1180, 720);

    // Colours and enabled states at creation: only the callsign field is open.
    for (QWidget *f : chain()) {
        f->setEnabled(false);
        paint(f, kWaiting);
    }
    m_ui.Ind_A->setEnabled(true);
    paint(m_ui.Ind_A, kActive);
    m_ui.Valide_A->setEnabled(false);
    m_ui.Annule_Saisie->setEnabled(false);

    // Tab follows the chain.
    QWidget *previous = nullptr;
    for (QWidget *f : chain()) {
        if (previous)
            setTabOrder(previous, f);
        previous = f;
    }
    setTabOrder(m_ui.QSL_A, m_ui.Valide_A);

    for (QWidget *f : chain()) {
        f->installEventFilter(this);
        if (auto *combo = qobject_cast<QComboBox *>(f))
            combo->lineEdit()->installEventFilter(this);
    }
    m_ui.Liste_QSO->installEventFilter(this);

    m_ui.Timer1 = new QTimer(this);
    m_ui.Timer1->setObjectName(QStringLiteral("Timer1"));
    m_ui.Timer1->setInterval(1000);
    connect(m_ui.Timer1, &QTimer::timeout, this, &MainWindow::refreshClock);

    connect(m_ui.Liste_QSO, &QTableView::clicked, this,
            [this](const QModelIndex &i) { onListClicked(i.row()); });
    connect(m_ui.Liste_QSO, &QTableView::doubleClicked, this,
            [this](const QModelIndex &i) { onListDoubleClicked(i.row()); });
    connect(m_ui.Liste_QSO->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                // Moving through the list with the keyboard shows each QSO too.
                if (!m_selecting && current.isValid() && QApplication::mouseButtons() == Qt::NoButton)
                    onListClicked(current.row());
            });
    connect(m_ui.Valide_A, &QPushButton::clicked, this, &MainWindow::onValide);
    connect(m_ui.Efface_A, &QPushButton::clicked, this, &MainWindow::Raz_Saisie);
    connect(m_ui.Annule_Saisie, &QPushButton::clicked, this, &MainWindow::onSupprime);
    connect(m_ui.Ajout_QSO, &QPushButton::clicked, this, &MainWindow::onInsere);
}

void MainWindow::buildMenus()
{
    auto menu = [this](const char *name) {
        QMenu *m = menuBar()->addMenu(QString());
        m->setObjectName(QLatin1String(name));
        m->menuAction()->setObjectName(QLatin1String(name));
        return m;
    };
    auto item = [this](QMenu *parent, const char *name) {
        QAction *a = parent->addAction(QString());
        a->setObjectName(QLatin1String(name));
        return a;
    };
    m_ui.Mnu_Fichier = menu("Mnu_Fichier");
    m_ui.Mnu_Quitter = item(m_ui.Mnu_Fichier, "Mnu_Quitter");
    m_ui.Mnu_ADIF = item(m_ui.Mnu_Fichier, "Mnu_ADIF");
    m_ui.Mnu_Station = menu("Mnu_Station");
    m_ui.Mnu_New_Indicatif = item(m_ui.Mnu_Station, "Mnu_New_Indicatif");
    m_ui.Mnu_Affichage = menu("Mnu_Affichage");
    m_ui.Mnu_C_Contacte = item(m_ui.Mnu_Affichage, "Mnu_C_Contacte");
    m_ui.Mnu_Carte = menu("Mnu_Carte");
    m_ui.Mnu_Carte_HB = item(m_ui.Mnu_Carte, "Mnu_Carte_HB");
    m_ui.Mnu_Statistiques = menu("Mnu_Statistiques");
    m_ui.Mnu_Region_Contact = item(m_ui.Mnu_Statistiques, "Mnu_Region_Contact");
    m_ui.Mnu_Diplome_ZEL = menu("Mnu_Diplome_ZEL");
    m_ui.Mnu_Reglement = item(m_ui.Mnu_Diplome_ZEL, "Mnu_Reglement");
    m_ui.Mnu_Abbayes_Contactees = item(m_ui.Mnu_Diplome_ZEL, "Mnu_Abbayes_Contactees");
    m_ui.Mnu_Scores_ZEL = item(m_ui.Mnu_Diplome_ZEL, "Mnu_Scores_ZEL");
    m_ui.Mnu_Aide = menu("Mnu_Aide");
    m_ui.Mnu_Historique = item(m_ui.Mnu_Aide, "Mnu_Historique");
    m_ui.Mnu_Mode_Emploi = item(m_ui.Mnu_Aide, "Mnu_Mode_Emploi");
    m_ui.Mnu_Apropos = item(m_ui.Mnu_Aide, "Mnu_Apropos");

    // Captions given when the window is made; the others come with Init_Libelles.
    m_ui.Mnu_Statistiques->setTitle(QStringLiteral("Statistiques"));
    m_ui.Mnu_Region_Contact->setText(QStringLiteral("des Regions contactées"));
    m_ui.Mnu_Diplome_ZEL->setTitle(QStringLiteral("Diplome ZEL"));
    m_ui.Mnu_Reglement->setText(QStringLiteral("Reglement"));
    m_ui.Mnu_Abbayes_Contactees->setText(QStringLiteral("Liste des Abbayes contactées"));
    m_ui.Mnu_Scores_ZEL->setText(QStringLiteral("Scores ZEL"));

    m_ui.Mnu_Quitter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(m_ui.Mnu_Quitter, &QAction::triggered, this, &QWidget::close);
    connect(m_ui.Mnu_New_Indicatif, &QAction::triggered, this, &MainWindow::openStation);
    // The other windows are wired by src/app from their own subsystems.
}

void MainWindow::Init_Libelles()
{
    m_ui.Label_Liste_QSO->setText(kHeader);
    m_ui.Liste_QSO->setToolTip(QStringLiteral(
        "Un click sur un QSO pour l'afficher ou le supprimer, un double click pour l'éditer"));
    m_ui.RST_A->setText(QStringLiteral("59"));
    m_ui.RSTE_A->setText(QStringLiteral("59"));
    m_ui.Mnu_Fichier->setTitle(QStringLiteral("Fichier"));
    m_ui.Mnu_Quitter->setText(QStringLiteral("Quitter KVR_ZEL"));
    m_ui.Mnu_ADIF->setText(QStringLiteral("Exporter le log au format ADIF"));
    m_ui.Mnu_Station->setTitle(QStringLiteral("Station"));
    m_ui.Mnu_New_Indicatif->setText(QStringLiteral("Nouvel Indicatif"));
    m_ui.Mnu_Affichage->setTitle(QStringLiteral("Afficher"));
    m_ui.Mnu_C_Contacte->setText(QStringLiteral("les Abbayes contactées"));
    m_ui.Mnu_Aide->setTitle(QStringLiteral("Aide"));
    m_ui.Mnu_Apropos->setText(QStringLiteral("A propos"));
    m_ui.Mnu_Mode_Emploi->setText(QStringLiteral("Mode d'emploi"));
    m_ui.Mnu_Historique->setText(QStringLiteral("Historique"));
    m_ui.Mnu_Carte->setTitle(QStringLiteral("Carte"));
    m_ui.Mnu_Carte_HB->setText(QStringLiteral("des regions contactées"));
}

void MainWindow::startUp()
{
    centreOnScreen(this);
    m_ui.Bande_A->addItems(QsoLabels::bands());
    m_ui.Mode_A->addItems(QsoLabels::modes());

    m_session.openStation();
    const QString callsign = m_session.callsign();
    m_ui.I_Station->setText(callsign);
    m_ui.Bande_A->setCurrentIndex(m_settings.position(callsign, Settings::KeyBand));
    m_ui.Mode_A->setCurrentIndex(m_settings.position(callsign, Settings::KeyMode));

    Init_Libelles();

    const QString section = Settings::stationSection(callsign);
    m_settings.write(Settings::CommonSection, Settings::KeyDirectory,
                     QDir::toNativeSeparators(m_session.programDir()));
    m_settings.write(section, Settings::KeyUpdate, QStringLiteral("Oui"));

    if (!m_session.hasStation())
        m_messages.notice(EntryChecks::FirstInstallation);

    m_modeModification = false;
    show();
    m_ui.Ind_A->setEnabled(true);
    m_ui.Ind_A->setFocus();
    m_ui.Mode_Aff->setText(kSaisie);

    m_firstNames->setPrenom_A_Ajouter(false);

    m_settings.write(section, Settings::KeyRevision, Revision::text());
    setWindowTitle(Revision::caption());

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
    const QString name = m_session.logFileName();
    if (!m_session.loadError().isEmpty()) {
        m_messages.notice(QStringLiteral("Le journal %1 ne peut pas être lu :\r\n%2").arg(name, m_session.loadError()));
        return;
    }
    // Lines of another length come from a hand edit: say which, once, and keep them as they are.
    const QList<int> bad = m_session.malformedLines();
    QString notice;
    if (!bad.isEmpty()) {
        QStringList numbers;
        for (int n : bad)
            numbers << QString::number(n);
        if (numbers.size() > 30)
            numbers = numbers.mid(0, 30) << QStringLiteral("...");
        notice = QStringLiteral("Le journal %1 contient %2 ligne(s) qui ne sont pas des QSO de 138 "
                                "caractères : ligne(s) %3.\r\n\r\nElles sont affichées dans la liste "
                                "et conservées telles quelles.")
                     .arg(name).arg(bad.size()).arg(numbers.join(QStringLiteral(", ")));
    }
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
    m_selecting = true;
    m_ui.Liste_QSO->selectionModel()->setCurrentIndex(
        m_model->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_ui.Liste_QSO->scrollTo(m_model->index(row, 0));
    m_selecting = false;
    onListClicked(row);
}

void MainWindow::selectLastLine()
{
    if (m_model->rowCount() == 0) {
        // Nothing left to point at (the log is empty).
        m_ligneSelectionnee.clear();
        m_selectedLogLine.clear();
        m_session.setSelectedRow(-1);
        return;
    }
    selectLine(m_model->rowCount() - 1);
}

// ---------------------------------------------------------------- entry chain

void MainWindow::setActive(QWidget *field) { paint(field, kActive); }
void MainWindow::setWaiting(QWidget *field) { paint(field, kWaiting); }

void MainWindow::moveOn(QWidget *from, QWidget *to)
{
    setWaiting(from);
    to->setEnabled(true);
    if (to != m_ui.Valide_A)
        setActive(to);
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

int MainWindow::positionOf(const QComboBox *combo)
{
    const int i = combo->currentIndex();
    if (i >= 0 && combo->currentText() == combo->itemText(i))
        return i;
    return -1;
}

void MainWindow::setComboText(QComboBox *combo, const QString &text)
{
    const int i = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    combo->setCurrentIndex(i);
    if (i < 0)
        combo->setEditText(text);
}

void MainWindow::rememberPosition(QComboBox *combo, int position)
{
    if (m_modeModification)
        return;
    m_settings.writePosition(m_session.callsign(), combo == m_ui.Bande_A ? Settings::KeyBand : Settings::KeyMode,
                             position);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    if (watched == m_ui.Liste_QSO) {
        // Enter on a line opens it for editing, as a double-click does.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            onListDoubleClicked(m_ui.Liste_QSO->currentIndex().row());
            return true;
        }
        return QMainWindow::eventFilter(watched, event);
    }
    QWidget *field = nullptr;
    for (QWidget *f : chain()) {
        auto *combo = qobject_cast<QComboBox *>(f);
        if (watched == f || (combo && watched == combo->lineEdit()))
            field = f;
    }
    if (!field)
        return QMainWindow::eventFilter(watched, event);

    auto *key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;

    if (field == m_ui.Ind_A && !m_session.hasStation())
        m_messages.notice(EntryChecks::FirstInstallation);

    auto *combo = qobject_cast<QComboBox *>(field);
    if (enter) {
        const int before = combo ? positionOf(combo) : -1;
        const bool passed = onEnter(field);
        if (combo && passed)
            rememberPosition(combo, before);
        return true;
    }
    if (combo)
        rememberPosition(combo, positionOf(combo));

    // Small letters a to z become capitals as they are typed; accents pass as they are.
    const QString text = key->text();
    const Qt::KeyboardModifiers mods = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (field != m_ui.QSL_A && mods == Qt::NoModifier && text.size() == 1 && text.at(0) >= QLatin1Char('a')
        && text.at(0) <= QLatin1Char('z')) {
        QLineEdit *edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(field);
        if (edit) {
            edit->insert(text.toUpper());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QString MainWindow::checkField(QWidget *field) const
{
    if (field == m_ui.Ind_A)
        return EntryChecks::callsign(m_ui.Ind_A->text());
    if (field == m_ui.Prenom_A)
        return EntryChecks::firstName(m_ui.Prenom_A->text());
    if (field == m_ui.Ref_A)
        return EntryChecks::reference(m_ui.Ref_A->text());
    if (field == m_ui.Loc_A)
        return EntryChecks::locator(m_ui.Loc_A->text());
    if (field == m_ui.Date_A)
        return EntryChecks::date(m_ui.Date_A->text());
    if (field == m_ui.Heure_A)
        return EntryChecks::time(m_ui.Heure_A->text());
    if (field == m_ui.Mode_A)
        return EntryChecks::mode(m_ui.Mode_A->currentText());
    if (field == m_ui.Bande_A)
        return EntryChecks::band(m_ui.Bande_A->currentText());
    if (field == m_ui.RST_A || field == m_ui.RSTE_A)
        return EntryChecks::report(static_cast<QLineEdit *>(field)->text());
    if (field == m_ui.Rem_A)
        return EntryChecks::abbeyName(m_ui.Rem_A->text());
    return {};
}

bool MainWindow::onEnter(QWidget *field)
{
    const QString problem = checkField(field);
    if (!problem.isEmpty()) {
        m_messages.notice(problem);
        return false;
    }
    if (field == m_ui.Ref_A) {
        referenceSteps();
        return true;
    }
    if (field == m_ui.Ind_A) {
        const FirstNameList::Lookup found = m_firstNames->Cherche_Prenom(m_ui.Ind_A->text());
        if (found.found) {
            m_ui.Prenom_A->setEnabled(true);
            m_ui.Prenom_A->setText(found.firstName);
        }
    }
    if (field == m_ui.Date_A || field == m_ui.Mode_A)
        closeMiniCarte();
    const QList<QWidget *> fields = chain();
    const qsizetype at = fields.indexOf(field);
    moveOn(field, at + 1 < fields.size() ? fields.at(at + 1) : m_ui.Valide_A);
    return true;
}

void MainWindow::referenceSteps()
{
    const QString reference = m_ui.Ref_A->text();
    if (!m_modeModification) {
        const LogLookups::Contact done = LogLookups::Deja_Contacte(m_session.logPath(), reference);
        if (done.found) {
            m_messages.notice(reference + QStringLiteral(" Abbaye deja contacté le ") + done.date);
            Raz_Saisie();
            return;
        }
    }
    const bool newRegion = !LogLookups::Cherche_Region(m_session.logPath(), reference.left(2));
    if (newRegion)
        showMiniCarte();

    const AbbeyList::Lookup abbey =
        AbbeyList::Cherche_Abbaye(m_session.filePath(ProgramDir::abbeyListName()), reference);
    if (abbey.found) {
        m_ui.Loc_A->setEnabled(true);
        m_ui.Loc_A->setText(abbey.locator);
        m_ui.Rem_A->setEnabled(true);
        // The list pads names to 60 columns; the log pads them again, so the
        // field shows the name alone and the operator can still add to it.
        QString name = abbey.name;
        while (name.endsWith(QLatin1Char(' ')))
            name.chop(1);
        m_ui.Rem_A->setText(name);
    } else {
        m_messages.notice(AbbeyList::NotReferencedMessage);
        m_ui.Loc_A->setEnabled(true);
    }

    if (m_modeModification || m_modeInsertion) {
        moveOn(m_ui.Ref_A, m_ui.Loc_A);
    } else {
        setWaiting(m_ui.Ref_A);
        m_ui.Mode_A->setEnabled(true);
        setActive(m_ui.Mode_A);
        m_ui.Date_A->setText(m_ui.Label33->text());
        m_ui.Heure_A->setText(m_ui.Label37->text().left(5));
        focusField(m_ui.Mode_A);
    }
    if (newRegion)
        showMiniCarte();
}

void MainWindow::showMiniCarte() { emit m_entry.newRegion(m_ui.Ref_A->text()); }

void MainWindow::closeMiniCarte() { emit m_entry.newRegionDone(); }

// ----------------------------------------------------- view, edit, commit, delete

void MainWindow::showLine(const QString &line)
{
    const QsoRecord r = QsoRecord::fromListLine(line);
    m_ui.Ind_A->setText(r.field(QsoRecord::Indicatif).trimmed());
    m_ui.Loc_A->setText(r.field(QsoRecord::Locator).trimmed());
    m_ui.Prenom_A->setText(r.field(QsoRecord::Prenom).trimmed());
    m_ui.Ref_A->setText(r.field(QsoRecord::Reference).trimmed());
    m_ui.Date_A->setText(r.field(QsoRecord::Date));
    m_ui.Heure_A->setText(r.field(QsoRecord::Heure));
    setComboText(m_ui.Mode_A, r.field(QsoRecord::Mode).trimmed());
    setComboText(m_ui.Bande_A, r.field(QsoRecord::Bande).trimmed());
    m_ui.RST_A->setText(r.field(QsoRecord::RstRecu).trimmed());
    m_ui.RSTE_A->setText(r.field(QsoRecord::RstEnvoye).trimmed());
    m_ui.Rem_A->setText(r.field(QsoRecord::NomAbbaye).trimmed());
    m_ui.QSL_A->setChecked(r.confirmed());
}

void MainWindow::onListClicked(int row)
{
    if (m_editionEnCours || row < 0 || row >= m_model->rowCount())
        return;
    m_ligneSelectionnee = m_model->listLine(row);
    m_selectedLogLine = m_model->rawLine(row);
    m_session.setSelectedRow(row);
    m_modeModification = true;
    m_ui.Mode_Aff->setText(kModification);
    showLine(m_ligneSelectionnee);
    m_ui.Annule_Saisie->setEnabled(true);
    m_ui.Ind_A->setEnabled(false);
    setWaiting(m_ui.Ind_A);
}

void MainWindow::onListDoubleClicked(int row)
{
    if (m_editionEnCours || row < 0 || row >= m_model->rowCount())
        return;
    m_editionEnCours = true;
    if (m_ligneSelectionnee.isEmpty()) {
        m_messages.notice(QStringLiteral("Cliquez sur une ligne pour l'editer"));
        return;
    }
    m_ui.Ind_A->setEnabled(true);
    setActive(m_ui.Ind_A);
    for (QWidget *w : chain())
        w->setEnabled(true);
    m_ui.Valide_A->setEnabled(true);
    showLine(m_ligneSelectionnee);
    m_ui.Annule_Saisie->setEnabled(false);
    m_ui.Mode_Aff->setText(kModification);
    m_ui.Ind_A->setFocus();
}

void MainWindow::onInsere()
{
    m_modeInsertion = true;
    m_modeModification = false;
    m_ui.Mode_Aff->setText(kInsertion);
    m_ui.Ind_A->setEnabled(true);
    setActive(m_ui.Ind_A);
    m_ui.Ind_A->setFocus();
}

QString MainWindow::recheckAll(QWidget **failing) const
{
    // A QSO opened for editing can reach the commit without passing the chain:
    // every value must still fit the log's columns.
    for (QWidget *field : chain()) {
        const QString message = checkField(field);
        if (!message.isEmpty()) {
            *failing = field;
            return message;
        }
    }
    return {};
}

QString MainWindow::buildLogLine() const
{
    QsoRecord r;
    r.setField(QsoRecord::Indicatif, m_ui.Ind_A->text());
    r.setField(QsoRecord::Locator, m_ui.Loc_A->text());
    r.setField(QsoRecord::Prenom, m_ui.Prenom_A->text());
    r.setField(QsoRecord::Reference, m_ui.Ref_A->text());
    r.setField(QsoRecord::Date, m_ui.Date_A->text());
    r.setField(QsoRecord::Heure, m_ui.Heure_A->text());
    r.setField(QsoRecord::Mode, m_ui.Mode_A->currentText());
    r.setField(QsoRecord::Bande, m_ui.Bande_A->currentText());
    r.setField(QsoRecord::RstRecu, m_ui.RST_A->text());
    r.setField(QsoRecord::RstEnvoye, m_ui.RSTE_A->text());
    r.setField(QsoRecord::NomAbbaye, m_ui.Rem_A->text());
    r.setField(QsoRecord::Qsl, m_ui.QSL_A->isChecked() ? QStringLiteral("*") : QStringLiteral(" "));
    return r.toLogLine();
}

bool MainWindow::writeLog(const QByteArray &line)
{
    AtomicFile::Result r;
    if (m_modeModification)
        r = m_session.replace(line, m_selectedLogLine);
    else if (m_modeInsertion)
        r = m_session.insert(line);
    else
        r = m_session.append(line);
    if (!r.ok) {
        m_messages.notice(r.error);
        return false;
    }
    reportLogProblems();
    selectLastLine();
    return true;
}

void MainWindow::onValide()
{
    QWidget *failing = nullptr;
    const QString problem = recheckAll(&failing);
    if (!problem.isEmpty()) {
        m_messages.notice(problem);
        failing->setEnabled(true);
        failing->setFocus();
        return;
    }
    if (m_messages.question(QStringLiteral("Voulez vous enregistrer ces données ?"))) {
        m_ui.Prenom_A->setText(m_ui.Prenom_A->text().toUpper());
        const QString record = padded(m_ui.Ind_A->text(), 12) + QStringLiteral("    ") + m_ui.Prenom_A->text();
        const AtomicFile::Result names = m_firstNames->Maj_Liste_Prenom(record);
        if (!names.ok) {
            m_messages.notice(QStringLiteral("La liste des prénoms n'a pas pu être mise à jour :\r\n")
                              + names.error);
        }
        // On a failed write the entry stays as typed, so nothing is lost.
        if (!writeLog(Cp1252::encode(buildLogLine())))
            return;
    }
    selectLastLine();

    m_modeModification = false;
    m_modeInsertion = false;
    m_ui.Mode_Aff->setText(kSaisie);
    m_editionEnCours = false;
    m_ui.Valide_A->setEnabled(false);

    clearFields();
    m_ui.QSL_A->setEnabled(false);
    openCallsign();

    restoreBandAndMode();
}

void MainWindow::restoreBandAndMode()
{
    m_ui.Bande_A->setCurrentIndex(m_settings.position(m_session.callsign(), Settings::KeyBand));
    m_ui.Mode_A->setCurrentIndex(m_settings.position(m_session.callsign(), Settings::KeyMode));
}

void MainWindow::onSupprime()
{
    if (m_ligneSelectionnee.isEmpty()) {
        m_messages.notice(QStringLiteral("Cliquez sur une ligne pour l'effacerer"));
        return;
    }
    const QByteArray line = m_selectedLogLine;
    if (m_messages.question(QStringLiteral("Voulez vous Supprimer ce QSO ?"))) {
        const AtomicFile::Result r = m_session.remove(line);
        if (!r.ok) {
            m_messages.notice(r.error);
        } else {
            reportLogProblems();
            selectLastLine();
        }
    }
    m_ui.Annule_Saisie->setEnabled(false);
    Raz_Saisie();
}

void MainWindow::clearFields()
{
    m_ui.Loc_A->setText(QStringLiteral("  "));
    for (QLineEdit *e : {m_ui.Prenom_A, m_ui.Ref_A, m_ui.Date_A, m_ui.Heure_A, m_ui.Rem_A})
        e->clear();
    m_ui.RST_A->setText(QStringLiteral("59"));
    m_ui.RSTE_A->setText(QStringLiteral("59"));
    for (QWidget *w : chain()) {
        if (w == m_ui.Ind_A || w == m_ui.QSL_A)
            continue;
        w->setEnabled(false);
        setWaiting(w);
    }
    m_ui.QSL_A->setChecked(false);
}

void MainWindow::openCallsign()
{
    m_ui.Ind_A->clear();
    m_ui.Ind_A->setEnabled(true);
    setActive(m_ui.Ind_A);
    m_ui.Ind_A->setFocus();
}

void MainWindow::Raz_Saisie()
{
    clearFields();
    m_editionEnCours = false;
    openCallsign();
    m_modeModification = false;
    m_modeInsertion = false;
    m_ui.Annule_Saisie->setEnabled(false);
    m_ui.Valide_A->setEnabled(false);
    m_ui.Mode_Aff->setText(kSaisie);
}

// ------------------------------------------------------------------- stations

void MainWindow::openStation()
{
    if (!m_station) {
        m_station = new StationWindow(m_settings, m_messages, m_session.programDir(), this);
        connect(m_station, &StationWindow::stationChosen, this, &MainWindow::applyStation);
    }
    m_station->open();
}

void MainWindow::applyStation()
{
    m_session.openStation();
    m_ui.I_Station->setText(m_session.displayCallsign());
    // A QSO being edited or selected belongs to the previous station's log: the
    // entry starts afresh, as at start-up.
    m_editionEnCours = false;
    reportLogProblems();
    selectLastLine();
    Raz_Saisie();
    restoreBandAndMode();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing the logbook closes every other window with it; a QSO being typed is dropped.
    m_ui.Timer1->stop();
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        if (w != this && w->isVisible())
            w->close();
    }
    event->accept();
}
