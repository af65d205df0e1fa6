#include "app/ui/MainForm.h"

#include "app/QsoListModel.h"
#include "app/ui/QsoListDelegate.h"
#include "app/ui/WindowRoles.h"
#include "kit/ui/QsoTableView.h"

#include "kit/Language.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

// &HC0FFC0: the field accepting input; &HC0FFFF: a field done or waiting its turn.
const QColor MainForm::Active(0xC0, 0xFF, 0xC0);
const QColor MainForm::Waiting(0xFF, 0xFF, 0xC0);

void MainForm::paint(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Button, colour);
    // Values shown read-only stay black so they can be read.
    p.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::black);
    w->setPalette(p);
}

QList<QWidget *> MainForm::chain() const
{
    return {Ind_A, Prenom_A, Ref_A, Loc_A, Date_A, Heure_A, Mode_A, Bande_A, RST_A, RSTE_A, Rem_A, QSL_A};
}

void MainForm::setupUi(QMainWindow *window, QAbstractItemModel *model)
{
    // The main window is built first: every window after it reads as a window.
    installWindowRoles();
    auto *central = new QWidget(window);
    auto *outer = new QVBoxLayout(central);

    outer->addLayout(buildHeader());
    outer->addWidget(buildEntry());
    outer->addWidget(buildList(model), 1);

    window->setCentralWidget(central);
    // As large as the log deserves, but never larger than the screen (see centreOnScreen).
    window->resize(1180, 720);

    // Colours and enabled states at creation: only the callsign field is open.
    for (QWidget *f : chain()) {
        f->setEnabled(false);
        paint(f, Waiting);
    }
    Ind_A->setEnabled(true);
    paint(Ind_A, Active);
    Valide_A->setEnabled(false);
    Annule_Saisie->setEnabled(false);

    // Tab follows the chain.
    QWidget *previous = nullptr;
    for (QWidget *f : chain()) {
        if (previous)
            QWidget::setTabOrder(previous, f);
        previous = f;
    }
    QWidget::setTabOrder(QSL_A, Valide_A);

    Timer1 = new QTimer(window);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    buildMenus(window);
}

QHBoxLayout *MainForm::buildHeader()
{
    // Station and clock.
    auto *top = new QHBoxLayout;
    auto *stationCaption = new QLabel(tr("INDICATIF DE LA STATION  : "));
    I_Station = new QLabel;
    I_Station->setObjectName(QStringLiteral("I_Station"));
    QFont big = I_Station->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.25);
    I_Station->setFont(big);
    stationCaption->setBuddy(I_Station);
    top->addWidget(stationCaption);
    top->addWidget(I_Station);
    top->addStretch(1);
    auto *modeCaption = new QLabel(tr("Mode de saisie"));
    Mode_Aff = new QLabel;
    Mode_Aff->setObjectName(QStringLiteral("Mode_Aff"));
    Mode_Aff->setFont(big);
    modeCaption->setBuddy(Mode_Aff);
    top->addWidget(modeCaption);
    top->addWidget(Mode_Aff);
    top->addSpacing(16);
    Label33 = new QLabel;
    Label37 = new QLabel;
    Label34 = new QLabel;
    Label33->setObjectName(QStringLiteral("Label33"));
    Label37->setObjectName(QStringLiteral("Label37"));
    Label34->setObjectName(QStringLiteral("Label34"));
    // Labels that show a value keep it as what a screen reader reads; what the
    // value is goes in the description.
    Label33->setAccessibleDescription(tr("Date UTC"));
    Label37->setAccessibleDescription(tr("Heure UTC"));
    Label34->setAccessibleDescription(tr("Heure locale"));
    for (QLabel *l : {Label33, Label37, Label34}) {
        l->setFont(big);
        top->addWidget(l);
        top->addSpacing(12);
    }
    return top;
}

QWidget *MainForm::buildEntry()
{
    // Entry fields.
    auto *entry = new QGroupBox(tr("Saisie ou modification d'un QSO"));
    entry->setObjectName(QStringLiteral("Frame_Saisie"));
    auto *grid = new QGridLayout(entry);
    auto makeEdit = [](const char *name, int chars) {
        auto *e = new QLineEdit;
        e->setObjectName(QLatin1String(name));
        // Sized for capitals and digits, so the row fits a 1024-pixel screen.
        const int w = e->fontMetrics().horizontalAdvance(QLatin1Char('N')) * chars + 12;
        e->setMinimumWidth(w);
        return e;
    };
    Ind_A = makeEdit("Ind_A", 12);
    Prenom_A = makeEdit("Prenom_A", 12);
    Ref_A = makeEdit("Ref_A", 6);
    Loc_A = makeEdit("Loc_A", 4);
    Date_A = makeEdit("Date_A", 6);
    Heure_A = makeEdit("Heure_A", 4);
    RST_A = makeEdit("RST_A", 3);
    RSTE_A = makeEdit("RSTE_A", 3);
    Rem_A = makeEdit("Rem_A", 40);
    auto makeCombo = [](const char *name, const QString &widest) {
        auto *c = new QComboBox;
        c->setObjectName(QLatin1String(name));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setCompleter(nullptr);
        c->setMinimumWidth(c->fontMetrics().horizontalAdvance(widest) + 36);
        return c;
    };
    Mode_A = makeCombo("Mode_A", QStringLiteral("SSBW"));
    Bande_A = makeCombo("Bande_A", QStringLiteral("432 Mhz"));
    QSL_A = new QCheckBox(tr("&QSL"));
    QSL_A->setObjectName(QStringLiteral("QSL_A"));

    const QList<QPair<QString, QWidget *>> firstRow{
        {tr("Indicatif"), Ind_A},
        {tr("Prenom (optionel)"), Prenom_A},
        {tr("Ref Abbaye "), Ref_A},
        {tr("Locator"), Loc_A},
        {tr("Date"), Date_A},
        {tr("Heure UTC"), Heure_A},
        {tr("Mode"), Mode_A},
        {tr("QRG"), Bande_A},
        {tr("RST R"), RST_A},
        {tr("RST E"), RSTE_A},
    };
    int col = 0;
    for (const auto &[caption, field] : firstRow) {
        auto *label = new QLabel(caption);
        label->setBuddy(field);
        field->setAccessibleName(caption.trimmed());
        // The focus goes to the text typed in a combo, which a screen reader
        // names on its own: it gets the caption too.
        if (auto *combo = qobject_cast<QComboBox *>(field))
            combo->lineEdit()->setAccessibleName(caption.trimmed());
        grid->addWidget(label, 0, col);
        grid->addWidget(field, 1, col);
        ++col;
    }
    auto *nameLabel = new QLabel(tr("Mom de l'Abbaye"));
    nameLabel->setBuddy(Rem_A);
    Rem_A->setAccessibleName(tr("Nom de l'Abbaye"));
    QSL_A->setAccessibleName(tr("QSL reçue"));
    grid->addWidget(nameLabel, 2, 0);
    grid->addWidget(Rem_A, 3, 0, 1, 8);
    grid->addWidget(QSL_A, 3, 8);

    auto *buttons = new QHBoxLayout;
    auto makeButton = [&](const char *name, const QString &caption, const QString &tip) {
        auto *b = new QPushButton(caption);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(tip);
        b->setAutoDefault(true); // Enter on a focused button presses it
        buttons->addWidget(b);
        return b;
    };
    Valide_A = makeButton("Valide_A", tr("&Valider le QSO"),
                               tr("Validation de la saisie en cours"));
    Efface_A = makeButton("Efface_A", tr("&Effacer saisie en cours"),
                               tr("Annulation de la saisie en cours"));
    Annule_Saisie = makeButton("Annule_Saisie", tr("S&upprimer un QSO"),
                                    tr("Permet de supprimer un QSO"));
    Ajout_QSO = makeButton("Ajout_QSO", tr("&Inserer un QSO"),
                                tr("Permet d'insérer un QSO"));
    Recherche = makeButton("Recherche", tr("&Rechercher un QSO"),
                                tr("Permet la recherche d'un QSO"));
    QSL = makeButton("QSL", tr("&Gestion des QSL"), QString());
    grid->addLayout(buttons, 4, 0, 1, 10);
    return entry;
}

QWidget *MainForm::buildList(QAbstractItemModel *model)
{
    // The list of QSOs.
    auto *listFrame = new QGroupBox(tr(
        "Un click sur un QSO pour l'afficher ou le supprimer, un double click pour l'éditer"));
    listFrame->setObjectName(QStringLiteral("Frame_Liste"));
    auto *listLayout = new QVBoxLayout(listFrame);
    Label_Liste_QSO = new QLabel;
    Label_Liste_QSO->setObjectName(QStringLiteral("Label_Liste_QSO"));
    // The header's words are the list's column titles, which line up with the
    // columns whatever the font; the one-line header itself is not shown.
    Label_Liste_QSO->setVisible(false);
    listLayout->addWidget(Label_Liste_QSO);
    Liste_QSO = new QsoTableView;
    Liste_QSO->setObjectName(QStringLiteral("Liste_QSO"));
    Liste_QSO->setAccessibleName(tr("Liste des QSO"));
    Liste_QSO->setModel(model);
    Liste_QSO->setItemDelegate(new QsoListDelegate(Liste_QSO));
    Liste_QSO->setSelectionBehavior(QAbstractItemView::SelectRows);
    Liste_QSO->setSelectionMode(QAbstractItemView::SingleSelection);
    Liste_QSO->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste_QSO->setAlternatingRowColors(false);
    Liste_QSO->setWordWrap(false);
    Liste_QSO->verticalHeader()->setVisible(false);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    Liste_QSO->setFont(fixed);
    const QFontMetrics fm(fixed);
    Liste_QSO->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Liste_QSO->verticalHeader()->setDefaultSectionSize(fm.height() + 4);
    // Wide enough for the column's text and for its title, in any language.
    for (int c = 0; c < QsoListModel::ColumnCount; ++c) {
        Liste_QSO->setColumnWidth(c, qMax(fm.horizontalAdvance(QLatin1Char('M')) * QsoListModel::columnChars(c) + 12,
                                          Liste_QSO->horizontalHeader()->sectionSizeHint(c)));
    }
    // The abbey name takes the room left, so the QSL column stays in sight.
    Liste_QSO->horizontalHeader()->setStretchLastSection(false);
    Liste_QSO->horizontalHeader()->setSectionResizeMode(QsoListModel::ColNom, QHeaderView::Stretch);
    Liste_QSO->horizontalHeader()->setMinimumSectionSize(fm.horizontalAdvance(QLatin1Char('M')) * 3);
    QPalette listPalette = Liste_QSO->palette();
    listPalette.setColor(QPalette::Base, Waiting);
    Liste_QSO->setPalette(listPalette);
    listLayout->addWidget(Liste_QSO);
    return listFrame;
}

MainItems MainForm::items() const
{
    MainItems items;
    items.Mnu_Import_ADIF = Mnu_Import_ADIF;
    items.Mnu_ADIF = Mnu_ADIF;
    items.Mnu_New_Indicatif = Mnu_New_Indicatif;
    items.Mnu_Poste_Radio = Mnu_Poste_Radio;
    items.Mnu_C_Contacte = Mnu_C_Contacte;
    items.Mnu_Carte_HB = Mnu_Carte_HB;
    items.Mnu_Region_Contact = Mnu_Region_Contact;
    items.Mnu_Reglement = Mnu_Reglement;
    items.Mnu_Abbayes_Contactees = Mnu_Abbayes_Contactees;
    items.Mnu_Scores_ZEL = Mnu_Scores_ZEL;
    items.Mnu_QSL_A_Recevoir = Mnu_QSL_A_Recevoir;
    items.Mnu_Abbayes_Sur_Air = Mnu_Abbayes_Sur_Air;
    items.Mnu_Telecharger_Confirmations = Mnu_Telecharger_Confirmations;
    items.Mnu_Maj_Abbayes = Mnu_Maj_Abbayes;
    items.Mnu_Abbayes_Precedentes = Mnu_Abbayes_Precedentes;
    items.Mnu_Diplome_ZEL = Mnu_Diplome_ZEL;
    items.Mnu_Historique = Mnu_Historique;
    items.Mnu_Mode_Emploi = Mnu_Mode_Emploi;
    items.Mnu_Apropos = Mnu_Apropos;
    items.Recherche = Recherche;
    items.QSL = QSL;
    return items;
}

void MainForm::buildMenus(QMainWindow *window)
{
    auto menu = [window](const char *name) {
        QMenu *m = window->menuBar()->addMenu(QString());
        m->setObjectName(QLatin1String(name));
        m->menuAction()->setObjectName(QLatin1String(name));
        return m;
    };
    auto item = [](QMenu *parent, const char *name) {
        QAction *a = parent->addAction(QString());
        a->setObjectName(QLatin1String(name));
        return a;
    };
    Mnu_Fichier = menu("Mnu_Fichier");
    Mnu_Quitter = item(Mnu_Fichier, "Mnu_Quitter");
    Mnu_Import_ADIF = item(Mnu_Fichier, "Mnu_Import_ADIF");
    Mnu_ADIF = item(Mnu_Fichier, "Mnu_ADIF");
    Mnu_Dossier = item(Mnu_Fichier, "Mnu_Dossier");
    Mnu_Station = menu("Mnu_Station");
    Mnu_New_Indicatif = item(Mnu_Station, "Mnu_New_Indicatif");
    Mnu_Poste_Radio = item(Mnu_Station, "Mnu_Poste_Radio");
    Mnu_Affichage = menu("Mnu_Affichage");
    Mnu_C_Contacte = item(Mnu_Affichage, "Mnu_C_Contacte");
    Mnu_Langue = Mnu_Affichage->addMenu(QString());
    Mnu_Langue->setObjectName(QStringLiteral("Mnu_Langue"));
    Mnu_Langue->menuAction()->setObjectName(QStringLiteral("Mnu_Langue"));
    auto *languages = new QActionGroup(Mnu_Langue);
    languages->setExclusive(true);
    for (const QString &code : Language::codes()) {
        // Written in its own language whatever the interface's: the operator finds
        // his own among them. The first letters differ, so each is its own Alt letter.
        QAction *a = Mnu_Langue->addAction(QLatin1Char('&') + Language::nativeName(code));
        a->setObjectName(QStringLiteral("Mnu_Langue_") + code);
        a->setData(code);
        a->setCheckable(true);
        languages->addAction(a);
        Mnu_Langues.append(a);
    }
    Mnu_Carte = menu("Mnu_Carte");
    Mnu_Carte_HB = item(Mnu_Carte, "Mnu_Carte_HB");
    Mnu_Statistiques = menu("Mnu_Statistiques");
    Mnu_Region_Contact = item(Mnu_Statistiques, "Mnu_Region_Contact");
    Mnu_Diplome_ZEL = menu("Mnu_Diplome_ZEL");
    Mnu_Reglement = item(Mnu_Diplome_ZEL, "Mnu_Reglement");
    Mnu_Abbayes_Contactees = item(Mnu_Diplome_ZEL, "Mnu_Abbayes_Contactees");
    Mnu_Scores_ZEL = item(Mnu_Diplome_ZEL, "Mnu_Scores_ZEL");
    Mnu_QSL_A_Recevoir = item(Mnu_Diplome_ZEL, "Mnu_QSL_A_Recevoir");
    Mnu_Abbayes_Sur_Air = item(Mnu_Diplome_ZEL, "Mnu_Abbayes_Sur_Air");
    Mnu_Telecharger_Confirmations = item(Mnu_Diplome_ZEL, "Mnu_Telecharger_Confirmations");
    Mnu_Diplome_ZEL->addSeparator();
    Mnu_Maj_Abbayes = item(Mnu_Diplome_ZEL, "Mnu_Maj_Abbayes");
    Mnu_Abbayes_Precedentes = item(Mnu_Diplome_ZEL, "Mnu_Abbayes_Precedentes");
    Mnu_Aide = menu("Mnu_Aide");
    Mnu_Historique = item(Mnu_Aide, "Mnu_Historique");
    Mnu_Mode_Emploi = item(Mnu_Aide, "Mnu_Mode_Emploi");
    Mnu_Apropos = item(Mnu_Aide, "Mnu_Apropos");

    // Captions given when the window is made; the others come with Init_Libelles.
    Mnu_Dossier->setText(tr("&Ouvrir le dossier des fichiers"));
    Mnu_Statistiques->setTitle(tr("S&tatistiques"));
    Mnu_Region_Contact->setText(tr("des &Regions contactées"));
    Mnu_Diplome_ZEL->setTitle(tr("&Diplome ZEL"));
    Mnu_Reglement->setText(tr("R&eglement"));
    Mnu_Abbayes_Contactees->setText(tr("&Liste des Abbayes contactées"));
    Mnu_Scores_ZEL->setText(tr("&Scores ZEL"));
    Mnu_QSL_A_Recevoir->setText(tr("&QSL à recevoir"));
    // The abbeys being activated now, as the DX cluster announces them.
    Mnu_Abbayes_Sur_Air->setText(tr("Abbayes sur l'&air (cluster)"));
    // LoTW's and eQSL's confirmations fetched, then shown as an imported report.
    Mnu_Telecharger_Confirmations->setText(tr("&Télécharger les confirmations…"));
    Mnu_Maj_Abbayes->setText(tr("&Mettre à jour la liste des abbayes"));
    Mnu_Abbayes_Precedentes->setText(tr("Re&venir à la liste précédente"));
    // Enabled when the menu opens and a previous list is there.
    Mnu_Abbayes_Precedentes->setEnabled(false);
    // Band and mode read from the transceiver (off until the operator sets it up).
    Mnu_Poste_Radio->setText(tr("&Poste radio (CAT)"));
    // The language of the interface from the next start on.
    Mnu_Langue->setTitle(tr("&Langue"));
}

// Captions carry a mnemonic (Alt + the underlined letter); the text shown is unchanged.
void MainForm::Init_Libelles()
{
    // The one-line header, its words over the list's columns.
    Label_Liste_QSO->setText(tr(
        "     N°   Indicatif    Locator Prenom                  Ref       Date       QTR  Mode   QRG  "
        "RSTR RSTE                   Mom de l'Abbaye                                                    QSL"));
    Liste_QSO->setToolTip(tr(
        "Un click sur un QSO pour l'afficher ou le supprimer, un double click pour l'éditer"));
    RST_A->setText(QStringLiteral("59"));
    RSTE_A->setText(QStringLiteral("59"));
    Mnu_Fichier->setTitle(tr("&Fichier"));
    Mnu_Quitter->setText(tr("&Quitter KVR_ZEL"));
    Mnu_Import_ADIF->setText(tr("&Importer un fichier ADIF"));
    Mnu_ADIF->setText(tr("&Exporter le log au format ADIF"));
    Mnu_Station->setTitle(tr("&Station"));
    Mnu_New_Indicatif->setText(tr("&Nouvel Indicatif"));
    Mnu_Affichage->setTitle(tr("Affic&her"));
    Mnu_C_Contacte->setText(tr("les &Abbayes contactées"));
    Mnu_Aide->setTitle(tr("&Aide"));
    Mnu_Apropos->setText(tr("A &propos"));
    Mnu_Mode_Emploi->setText(tr("&Mode d'emploi"));
    Mnu_Historique->setText(tr("&Historique"));
    Mnu_Carte->setTitle(tr("&Carte"));
    Mnu_Carte_HB->setText(tr("des &regions contactées"));
}

