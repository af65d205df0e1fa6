// The main window as it first opens: captions, entry state, settings written and
// the first-installation reminder.

#include "Harness.h"
#include "Revision.h"
#include "entry/EntryChecks.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

using namespace zeltest;

namespace {
const QColor Active(0xC0, 0xFF, 0xC0);
const QColor Waiting(0xFF, 0xFF, 0xC0);
}

class StartUpTest : public QObject
{
    Q_OBJECT

private slots:
    void firstInstallation();
    void idleEntry();
    void storedBandAndMode_data();
    void storedBandAndMode();
    void menuCaptions_data();
    void menuCaptions();
    void buttonCaptions_data();
    void buttonCaptions();
    void clock_data();
    void clock();
    void clockTicks();
    void everyKeyInCallsignReminds();
    void shortcutsWorkBeforeAnyStation();
    void fitsASmallScreen();
    void storedCallsignThatNamesNoFile();
    void stationLogListed();
    void portableStationShownWithSlash();
    void filesFolderOpens();
    void helpMessages();
};

void StartUpTest::firstInstallation()
{
    MainHarness h;
    QVERIFY(h.start());
    MainWindow &w = *h.window;

    QCOMPARE(w.windowTitle(), QStringLiteral("  KVR_ZEL    Revision ") + Revision::text());
    QCOMPARE(h.label("I_Station")->text(), QStringLiteral("FXXXX"));
    QCOMPARE(h.combo("Bande_A")->currentText(), QStringLiteral("1.8 Mhz"));
    QCOMPARE(h.combo("Mode_A")->currentText(), QStringLiteral("SSB"));

    QCOMPARE(h.messages.notices,
             QStringList{QStringLiteral(
                 "\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
                 "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.")});
    QVERIFY(h.messages.questions.isEmpty());

    QCOMPARE(h.stored(QStringLiteral("Setup "), QStringLiteral("Chemin Repertoire")),
             QDir::toNativeSeparators(h.dir.path()));
    QCOMPARE(h.stored(QStringLiteral("Setup FXXXX"), QStringLiteral("Mise a jour Prog")), QStringLiteral("Oui"));
    QCOMPARE(h.stored(QStringLiteral("Setup FXXXX"), QStringLiteral("Revision")), Revision::text());
    // Nothing is decided for the operator: no station is written.
    QCOMPARE(h.stored(QStringLiteral("Setup "), QStringLiteral("Indicatif Station")), QStringLiteral("<absent>"));

    const QString header = h.label("Label_Liste_QSO")->text();
    QCOMPARE(header.size(), 191);
    QCOMPARE(header,
             QStringLiteral("     N°   Indicatif    Locator Prenom                  Ref       Date       QTR  Mode"
                            "   QRG  RSTR RSTE                   Mom de l'Abbaye                           "
                            "                         QSL"));
    QCOMPARE(h.list()->model()->rowCount(), 0);
}

void StartUpTest::idleEntry()
{
    MainHarness h;
    QVERIFY(h.start());

    QLineEdit *ind = h.edit("Ind_A");
    QVERIFY(ind->isEnabled());
    QVERIFY(ind->hasFocus());
    QCOMPARE(ind->palette().color(QPalette::Base), Active);
    for (QWidget *f : h.chain()) {
        if (f == ind)
            continue;
        QVERIFY2(!f->isEnabled(), qPrintable(f->objectName()));
        QCOMPARE(f->palette().color(QPalette::Base), Waiting);
    }
    QVERIFY(!h.button("Valide_A")->isEnabled());
    QVERIFY(!h.button("Annule_Saisie")->isEnabled());
    QCOMPARE(h.modeShown(), QStringLiteral("Saisie QSO"));
    QCOMPARE(h.edit("RST_A")->text(), QStringLiteral("59"));
    QCOMPARE(h.edit("RSTE_A")->text(), QStringLiteral("59"));
}

void StartUpTest::storedBandAndMode_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("bandShown");
    QTest::addColumn<QString>("modeShown");

    QTest::newRow("last of each") << "11" << "2" << "432 Mhz" << "FM";
    QTest::newRow("middle") << "4" << "1" << "14 Mhz" << "CW";
    QTest::newRow("not a number reads as first") << "abc" << "" << "1.8 Mhz" << "SSB";
    QTest::newRow("none selected") << "-1" << "-1" << "" << "";
}

void StartUpTest::storedBandAndMode()
{
    QFETCH(QString, band);
    QFETCH(QString, mode);
    QFETCH(QString, bandShown);
    QFETCH(QString, modeShown);

    MainHarness h;
    h.settings->write(QStringLiteral("Setup FXXXX"), QStringLiteral("bande Utilisee"), band);
    h.settings->write(QStringLiteral("Setup FXXXX"), QStringLiteral("Mode Utilise"), mode);
    QVERIFY(h.start());
    QCOMPARE(h.combo("Bande_A")->currentText(), bandShown);
    QCOMPARE(h.combo("Mode_A")->currentText(), modeShown);
}

void StartUpTest::menuCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    const QList<QPair<const char *, const char *>> menus{
        {"Mnu_Fichier", "Fichier"},
        {"Mnu_Quitter", "Quitter KVR_ZEL"},
        {"Mnu_ADIF", "Exporter le log au format ADIF"},
        {"Mnu_Dossier", "Ouvrir le dossier des fichiers"},
        {"Mnu_Station", "Station"},
        {"Mnu_New_Indicatif", "Nouvel Indicatif"},
        {"Mnu_Affichage", "Afficher"},
        {"Mnu_C_Contacte", "les Abbayes contactées"},
        {"Mnu_Carte", "Carte"},
        {"Mnu_Carte_HB", "des regions contactées"},
        {"Mnu_Statistiques", "Statistiques"},
        {"Mnu_Region_Contact", "des Regions contactées"},
        {"Mnu_Diplome_ZEL", "Diplome ZEL"},
        {"Mnu_Reglement", "Reglement"},
        {"Mnu_Abbayes_Contactees", "Liste des Abbayes contactées"},
        {"Mnu_Scores_ZEL", "Scores ZEL"},
        {"Mnu_QSL_A_Recevoir", "QSL à recevoir"},
        {"Mnu_Aide", "Aide"},
        {"Mnu_Historique", "Historique"},
        {"Mnu_Mode_Emploi", "Mode d'emploi"},
        {"Mnu_Apropos", "A propos"},
    };
    for (const auto &[name, caption] : menus)
        QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(caption);
}

void StartUpTest::menuCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);

    MainHarness h;
    QVERIFY(h.start());
    auto *action = h.window->findChild<QAction *>(name);
    QVERIFY(action);
    // The caption as shown; one letter of it is underlined for Alt + letter.
    QCOMPARE(QString(action->text()).remove(QLatin1Char('&')), caption);
    QCOMPARE(action->text().count(QLatin1Char('&')), 1);

    if (name == QLatin1String("Mnu_Fichier")) {
        // The menu bar in its order.
        QStringList bar;
        for (QAction *a : h.window->menuBar()->actions())
            bar << QString(a->text()).remove(QLatin1Char('&'));
        QCOMPARE(bar, (QStringList{"Fichier", "Station", "Afficher", "Carte", "Statistiques",
                                   "Diplome ZEL", "Aide"}));
    }
}

void StartUpTest::buttonCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tip");

    QTest::newRow("Valide_A") << "Valide_A" << "Valider le QSO" << "Validation de la saisie en cours";
    QTest::newRow("Efface_A") << "Efface_A" << "Effacer saisie en cours" << "Annulation de la saisie en cours";
    QTest::newRow("Annule_Saisie") << "Annule_Saisie" << "Supprimer un QSO" << "Permet de supprimer un QSO";
    QTest::newRow("Ajout_QSO") << "Ajout_QSO" << "Inserer un QSO" << "Permet d'insérer un QSO";
    QTest::newRow("Recherche") << "Recherche" << "Rechercher un QSO" << "Permet la recherche d'un QSO";
    QTest::newRow("QSL") << "QSL" << "Gestion des QSL" << "";
}

void StartUpTest::buttonCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, tip);

    MainHarness h;
    QVERIFY(h.start());
    auto *b = h.window->findChild<QPushButton *>(name);
    QVERIFY(b);
    // The caption as shown; one letter of it is underlined for Alt + letter.
    QCOMPARE(QString(b->text()).remove(QLatin1Char('&')), caption);
    QCOMPARE(b->toolTip(), tip);
}

void StartUpTest::clock_data()
{
    QTest::addColumn<QDateTime>("utc");
    QTest::addColumn<QDateTime>("local");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("localTime");

    QTest::newRow("morning") << QDateTime({2007, 3, 14}, {9, 5, 7}, Qt::UTC)
                             << QDateTime({2007, 3, 14}, {10, 5, 7}) << "09:05 Utc" << "14/03/07"
                             << "10:05 Loc";
    // The date is the UTC one even when the local day has already turned.
    QTest::newRow("new year") << QDateTime({2007, 12, 31}, {23, 59, 59}, Qt::UTC)
                              << QDateTime({2008, 1, 1}, {0, 59, 59}) << "23:59 Utc" << "31/12/07"
                              << "00:59 Loc";
    QTest::newRow("midnight") << QDateTime({2010, 1, 2}, {0, 0}, Qt::UTC)
                              << QDateTime({2010, 1, 1}, {19, 0}) << "00:00 Utc" << "02/01/10"
                              << "19:00 Loc";
}

void StartUpTest::clock()
{
    QFETCH(QDateTime, utc);
    QFETCH(QDateTime, local);
    QFETCH(QString, time);
    QFETCH(QString, date);
    QFETCH(QString, localTime);

    MainHarness h;
    h.clock.utc = utc;
    h.clock.local = local;
    QVERIFY(h.start());
    QCOMPARE(h.label("Label37")->text(), time);
    QCOMPARE(h.label("Label33")->text(), date);
    QCOMPARE(h.label("Label34")->text(), localTime);
}

void StartUpTest::clockTicks()
{
    MainHarness h;
    QVERIFY(h.start());
    h.clock.utc = QDateTime({2007, 3, 15}, {17, 42, 1}, Qt::UTC);
    h.clock.local = QDateTime({2007, 3, 15}, {18, 42, 1});
    // The labels follow the clock at its next tick (every second): what is checked is
    // that a tick comes and shows the new time, not how soon; the bound only ends a
    // test whose clock never ticks.
    QTRY_COMPARE_WITH_TIMEOUT(h.label("Label37")->text(), QStringLiteral("17:42 Utc"), 30000);
    QCOMPARE(h.label("Label33")->text(), QStringLiteral("15/03/07"));
    QCOMPARE(h.label("Label34")->text(), QStringLiteral("18:42 Loc"));
}

void StartUpTest::everyKeyInCallsignReminds()
{
    MainHarness h;
    QVERIFY(h.start());
    h.messages.clear();
    MainHarness::type(h.edit("Ind_A"), QStringLiteral("f6"));
    QCOMPARE(h.messages.notices, QStringList(2, EntryChecks::firstInstallation()));
    // The keys still reach the field.
    QCOMPARE(h.edit("Ind_A")->text(), QStringLiteral("F6"));
}

void StartUpTest::shortcutsWorkBeforeAnyStation()
{
    MainHarness h;
    QVERIFY(h.start());
    h.messages.clear();
    QLineEdit *ind = h.edit("Ind_A");
    QWindow *window = h.window->windowHandle();
    // Keys that type nothing do not bring the reminder back.
    for (Qt::Key key : {Qt::Key_Control, Qt::Key_Shift, Qt::Key_Tab})
        QTest::keyClick(ind, key);
    ind->setFocus();
    QVERIFY(h.messages.notices.isEmpty());
    // Alt + F opens the "Fichier" menu and types nothing.
    QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
    auto *fichier = h.window->findChild<QMenu *>(QStringLiteral("Mnu_Fichier"));
    QTRY_VERIFY(fichier->isVisible());
    QTest::keyClick(fichier, Qt::Key_Escape);
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(!fichier->isVisible());
    QCOMPARE(ind->text(), QString());
    QVERIFY(h.messages.notices.isEmpty());
    ind->setFocus();
    MainHarness::enter(ind);
    QCOMPARE(h.messages.notices.first(), EntryChecks::firstInstallation());
    // Ctrl+Q still quits.
    QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(!h.window->isVisible());
}

void StartUpTest::fitsASmallScreen()
{
    // Every control of the main window fits a 1024 x 768 screen (less a task bar).
    MainHarness h;
    QVERIFY(h.prepare({qso("F1ABC", "AZ0001", "10/01/07", "12:00").line()}));
    QVERIFY(h.start());
    const QSize least = h.window->minimumSizeHint();
    QVERIFY2(least.width() <= 1024 && least.height() <= 700,
             qPrintable(QStringLiteral("%1 x %2").arg(least.width()).arg(least.height())));
    const QRect area = h.window->screen()->availableGeometry();
    QVERIFY(area.contains(h.window->geometry().topLeft()));
}

void StartUpTest::storedCallsignThatNamesNoFile()
{
    MainHarness h;
    // A hand-edited callsign the station window could not have made, with a log.
    QVERIFY(h.prepare({qso("F1ABC", "AZ0001", "10/01/07", "12:00").line()}, QStringLiteral("test1")));
    QVERIFY(h.start());
    QCOMPARE(h.label("I_Station")->text(), QStringLiteral("FXXXX"));
    QCOMPARE(h.messages.notices, QStringList{EntryChecks::firstInstallation()});
    QCOMPARE(h.list()->model()->rowCount(), 0);
}

void StartUpTest::stationLogListed()
{
    MainHarness h;
    const QByteArray first = qso("F1ABC", "AZ0001", "05/01/07", "10:00").line();
    Qso last = qso("IK0AAA", "TO0007", "06/01/07", "11:30");
    last.band = "144 Mhz";
    last.mode = "FM";
    const QByteArray second = last.line();
    QVERIFY(h.prepare({first, second}));
    QVERIFY(h.start());

    QVERIFY(h.messages.shown.isEmpty());
    QCOMPARE(h.label("I_Station")->text(), QStringLiteral("TEST1"));
    QCOMPARE(h.list()->model()->rowCount(), 2);
    QCOMPARE(h.list()->model()->index(1, 1).data().toString(), QStringLiteral("IK0AAA"));
    // The last QSO is the one selected; the entry itself is idle.
    QCOMPARE(h.entry->selectedListLine().mid(7, 6), QStringLiteral("IK0AAA"));
    QCOMPARE(h.modeShown(), QStringLiteral("Saisie QSO"));
    QVERIFY(h.edit("Ind_A")->text().isEmpty());
    QVERIFY(h.edit("Ind_A")->hasFocus());
    // The entry starts on the station's stored band and mode, not the last QSO's.
    QCOMPARE(h.combo("Bande_A")->currentText(), QStringLiteral("14 Mhz"));
    QCOMPARE(h.combo("Mode_A")->currentText(), QStringLiteral("SSB"));
    // Typing a callsign no longer reminds of the first installation.
    MainHarness::type(h.edit("Ind_A"), QStringLiteral("f"));
    QVERIFY(h.messages.shown.isEmpty());
}

void StartUpTest::portableStationShownWithSlash()
{
    // The files keep "_" (TEST1_P_ZEL.log); after a restart the operator sees the
    // station as typed, as after choosing it.
    MainHarness h;
    QVERIFY(h.prepare({qso("F1ABC", "AZ0001", "05/01/07", "10:00").line()}, QStringLiteral("TEST1_P")));
    QVERIFY(h.start());
    QCOMPARE(h.label("I_Station")->text(), QStringLiteral("TEST1/P"));
    QCOMPARE(h.list()->model()->rowCount(), 1);
}

void StartUpTest::filesFolderOpens()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    QList<QUrl> opened;
    bool opens = true;
    h.window->setUrlOpener([&](const QUrl &url) {
        opened << url;
        return opens;
    });
    auto *item = h.window->findChild<QAction *>(QStringLiteral("Mnu_Dossier"));
    QVERIFY(item);
    QVERIFY(h.get<QMenu>("Mnu_Fichier")->actions().contains(item));
    h.messages.clear();
    item->trigger();
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(h.dir.path())});
    QVERIFY(h.messages.shown.isEmpty());

    // No file manager to show it: the operator is told where the folder is.
    opens = false;
    item->trigger();
    QCOMPARE(h.messages.notices.size(), 1);
    QVERIFY(h.messages.notices.first().contains(QDir::toNativeSeparators(h.dir.path())));
}

void StartUpTest::helpMessages()
{
    MainHarness h;
    QVERIFY(h.start());
    h.messages.shown.clear();

    h.window->findChild<QAction *>(QStringLiteral("Mnu_Historique"))->trigger();
    h.window->findChild<QAction *>(QStringLiteral("Mnu_Apropos"))->trigger();
    h.window->findChild<QAction *>(QStringLiteral("Mnu_Mode_Emploi"))->trigger();
    QCOMPARE(h.messages.shown.size(), 2);

    const QStringList history = h.messages.shown.at(0).split(QStringLiteral("\r\n"));
    QCOMPARE(history.size(), 11); // ten versions, then the break after the last
    QCOMPARE(history.first(), QStringLiteral("V1.0.0  le 11/01/2007 creation"));
    QCOMPARE(history.at(2), QString::fromUtf8("V1.0.2  le 27/01/07 Si date manuelle insertion du QSO + sécurité premiere installation"));
    QCOMPARE(history.at(9), QStringLiteral("V1.0.9  le 30/11/08 Ajouté gestion du diplome ZEL"));
    QVERIFY(history.last().isEmpty());

    const QStringList about = h.messages.shown.at(1).split(QStringLiteral("\r\n"));
    QCOMPARE(about.size(), 4);
    QCOMPARE(about.at(0), QStringLiteral("KVR_ZEL Revision ") + Revision::text());
    QVERIFY(about.at(1).isEmpty());
    QVERIFY(about.at(2).contains(QStringLiteral("CC BY 4.0")));
    QVERIFY(about.at(3).contains(QStringLiteral("GPL-3.0-or-later")));
}

QTEST_MAIN(StartUpTest)
#include "tst_startup.moc"
