// Choosing the station from "Station > Nouvel Indicatif": the new station's log,
// its settings, refusals, and what the main window shows afterwards.

#include "app/Harness.h"
#include "common/PrefixTranslator.h"
#include "logstore/Settings.h"

#include <QAction>
#include <QDir>
#include <QPointer>
#include <QProcess>

#include <unistd.h>

using namespace zeltest;

namespace {

struct StationUi
{
    QPointer<QWidget> window;
    QLineEdit *callsign = nullptr;
    QPushButton *validate = nullptr;
};

// Opens the window from the menu and waits until the cursor is in the callsign field.
bool openStation(MainHarness &h, StationUi *ui)
{
    h.get<QAction>("Mnu_New_Indicatif")->trigger();
    ui->window = h.window->findChild<QWidget *>(QStringLiteral("Station"));
    if (!ui->window || !ui->window->isVisible() || !QTest::qWaitForWindowActive(ui->window)) {
        qWarning("the station window did not open");
        return false;
    }
    ui->callsign = ui->window->findChild<QLineEdit *>(QStringLiteral("New_Indicatif"));
    ui->validate = ui->window->findChild<QPushButton *>(QStringLiteral("Validation"));
    if (!ui->callsign || !ui->validate
        || !QTest::qWaitFor([&] { return ui->callsign->hasFocus(); })) {
        qWarning() << "the callsign field has no focus; focus is on" << QApplication::focusWidget();
        return false;
    }
    return true;
}

// Types the callsign, Enter to reach "Validez", Enter again to press it.
bool chooseStation(MainHarness &h, const QString &typed)
{
    StationUi ui;
    if (!openStation(h, &ui))
        return false;
    MainHarness::type(ui.callsign, typed);
    QTest::keyClick(ui.callsign, Qt::Key_Return);
    if (!ui.validate->hasFocus())
        return false;
    QTest::keyClick(ui.validate, Qt::Key_Return);
    return true;
}

QStringList files(const MainHarness &h) { return QDir(h.dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot); }

} // namespace

class StationWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void newStationFromTemplate();
    void accepted_data();
    void accepted();
    void refusals_data();
    void refusals();
    void characterTheFilesCannotHold();
    void existingStation();
    void missingTemplate();
    void unwritableDirectory();
    void logPathIsADirectory();
    void switchingEndsTheEditOfTheOtherLog();
    void interfaceLanguageLeavesTheFilesAlone();
};

void StationWindowTest::newStationFromTemplate()
{
    MainHarness h;
    // A template that must be copied as bytes: accented letter, no final line end.
    const QByteArray templ = qso("F1ABC", "AZ0001", "10/01/07", "12:00").line() + "\r\nREN\xC9 sans fin de ligne";
    QVERIFY(writeBytes(h.path("FXXXX.txt"), templ));
    QVERIFY(h.start());
    h.messages.clear();

    StationUi ui;
    QVERIFY(openStation(h, &ui));
    QCOMPARE(ui.callsign->palette().color(QPalette::Base), QColor(0xC0, 0xFF, 0xC0));
    MainHarness::type(ui.callsign, QStringLiteral("test1/p"));
    QCOMPARE(ui.callsign->text(), QStringLiteral("TEST1_P"));

    // Enter only moves on to the button.
    QTest::keyClick(ui.callsign, Qt::Key_Return);
    QVERIFY(ui.validate->hasFocus());
    QCOMPARE(ui.callsign->palette().color(QPalette::Base), QColor(Qt::white));
    QVERIFY(!QFile::exists(h.logPath(QStringLiteral("TEST1_P"))));
    QCOMPARE(h.stored(QStringLiteral("Setup "), QStringLiteral("Indicatif Station")), QStringLiteral("<absent>"));

    QTest::keyClick(ui.validate, Qt::Key_Return);
    QCOMPARE(readBytes(h.logPath(QStringLiteral("TEST1_P"))), templ);
    QCOMPARE(h.stored(QStringLiteral("Setup "), QStringLiteral("Indicatif Station")), QStringLiteral("TEST1_P"));
    QCOMPARE(h.stored(QStringLiteral("Setup TEST1_P"), QStringLiteral("bande Utilisee")), QStringLiteral("0"));
    QCOMPARE(h.stored(QStringLiteral("Setup TEST1_P"), QStringLiteral("Mode Utilise")), QStringLiteral("0"));
    QCOMPARE(h.stored(QStringLiteral("Setup TEST1_P"), QStringLiteral("Date Auto")), QStringLiteral("Oui"));
    QCOMPARE(h.label("I_Station")->text(), QStringLiteral("TEST1/P"));
    QCOMPARE(h.session->callsign(), QStringLiteral("TEST1_P"));
    QCOMPARE(h.list()->model()->rowCount(), 2);
    QTRY_VERIFY(!ui.window);
    QCOMPARE(h.messages.questions, QStringList());

    // The first-installation reminder is over.
    h.messages.clear();
    h.edit("Ind_A")->setFocus();
    MainHarness::type(h.edit("Ind_A"), QStringLiteral("f"));
    QCOMPARE(h.messages.notices.filter(QStringLiteral("Premiere installation")), QStringList());
}

void StationWindowTest::accepted_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("callsign");
    QTest::addColumn<QString>("shown");

    QTest::newRow("12 characters") << "abcdefghijkl" << "ABCDEFGHIJKL" << "ABCDEFGHIJKL";
    QTest::newRow("two slashes") << "i/ik0aaa/p" << "I_IK0AAA_P" << "I/IK0AAA/P";
    QTest::newRow("underscore typed") << "F5ABC_M" << "F5ABC_M" << "F5ABC/M";
}

void StationWindowTest::accepted()
{
    QFETCH(QString, typed);
    QFETCH(QString, callsign);
    QFETCH(QString, shown);

    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    QVERIFY(chooseStation(h, typed));
    QVERIFY(h.messages.shown.isEmpty());
    QVERIFY(QFile::exists(h.logPath(callsign)));
    QCOMPARE(h.stored(QStringLiteral("Setup "), QStringLiteral("Indicatif Station")), callsign);
    QCOMPARE(h.label("I_Station")->text(), shown);
}

void StationWindowTest::refusals_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("left"); // what stays in the field

    const QString badCharacter =
        QStringLiteral("L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ");
    QTest::newRow("empty") << "" << "Vous devez entrer un indicatif" << "";
    QTest::newRow("13 characters") << "abcdefghijklm" << "12 caracteres maximum pour l'indicatif"
                                   << "ABCDEFGHIJKLM";
    QTest::newRow("dash") << "f1-ab" << badCharacter << "";
    QTest::newRow("blank") << "f1 ab" << badCharacter << "";
    QTest::newRow("accent") << "rené" << badCharacter << "";
}

void StationWindowTest::refusals()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, left);

    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    const QStringList before = files(h);
    const QByteArray ini = readBytes(h.iniPath());

    StationUi ui;
    QVERIFY(openStation(h, &ui));
    MainHarness::type(ui.callsign, typed);
    QTest::mouseClick(ui.validate, Qt::LeftButton);

    QCOMPARE(h.messages.shown, QStringList{message});
    QCOMPARE(ui.callsign->text(), left);
    QVERIFY(ui.window && ui.window->isVisible());
    QCOMPARE(files(h), before);
    QCOMPARE(readBytes(h.iniPath()), ini);
    QCOMPARE(h.label("I_Station")->text(), QStringLiteral("TEST1"));
    QCOMPARE(h.session->callsign(), QStringLiteral("TEST1"));
}

void StationWindowTest::characterTheFilesCannotHold()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    const QStringList before = files(h);
    StationUi ui;
    QVERIFY(openStation(h, &ui));
    h.messages.clear();
    MainHarness::type(ui.callsign, QString::fromUtf8("sp5ł"));
    // Enter names the character and keeps the cursor in the field.
    QTest::keyClick(ui.callsign, Qt::Key_Return);
    QCOMPARE(h.messages.notices.size(), 1);
    QVERIFY2(h.messages.notices.first().contains(QString::fromUtf8("« ł » (U+0142)")),
             qPrintable(h.messages.notices.first()));
    QVERIFY(!ui.validate->hasFocus());
    // Validating anyway: named again, then the rule; nothing is created.
    h.messages.clear();
    QTest::mouseClick(ui.validate, Qt::LeftButton);
    QCOMPARE(h.messages.notices.size(), 1);
    QVERIFY(h.messages.notices.first().contains(QString::fromUtf8("« Ł » (U+0141)")));
    QVERIFY(h.messages.notices.first().endsWith(
        QStringLiteral("L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ")));
    QCOMPARE(ui.callsign->text(), QString());
    QCOMPARE(files(h), before);
}

void StationWindowTest::existingStation()
{
    MainHarness h;
    QVERIFY(h.prepare({qso("F1ABC", "AZ0001", "10/01/07", "12:00").line()}));
    const QByteArray other = crlf({qso("DL1AA", "TO0007", "02/02/07", "10:00").line(),
                                   qso("G3ZZZ", "MR0005", "03/02/07", "11:00").line()});
    QVERIFY(writeBytes(h.logPath(QStringLiteral("TEST2")), other));
    h.settings->write(QStringLiteral("Setup TEST2"), QStringLiteral("bande Utilisee"), QStringLiteral("10"));
    h.settings->write(QStringLiteral("Setup TEST2"), QStringLiteral("Mode Utilise"), QStringLiteral("2"));
    QVERIFY(writeBytes(h.path("FXXXX.txt"), "template\r\n"));
    QVERIFY(h.start());
    QCOMPARE(h.combo("Bande_A")->currentText(), QStringLiteral("14 Mhz"));

    QVERIFY(chooseStation(h, QStringLiteral("test2")));
    QVERIFY(h.messages.shown.isEmpty());
    QCOMPARE(readBytes(h.logPath(QStringLiteral("TEST2"))), other);
    QCOMPARE(h.stored(QStringLiteral("Setup "), QStringLiteral("Indicatif Station")), QStringLiteral("TEST2"));
    QCOMPARE(h.stored(QStringLiteral("Setup TEST2"), QStringLiteral("bande Utilisee")), QStringLiteral("10"));
    QCOMPARE(h.stored(QStringLiteral("Setup TEST2"), QStringLiteral("Mode Utilise")), QStringLiteral("2"));
    QCOMPARE(h.stored(QStringLiteral("Setup TEST2"), QStringLiteral("Date Auto")), QStringLiteral("<absent>"));
    QCOMPARE(h.label("I_Station")->text(), QStringLiteral("TEST2"));
    QCOMPARE(h.combo("Bande_A")->currentText(), QStringLiteral("144 Mhz"));
    QCOMPARE(h.combo("Mode_A")->currentText(), QStringLiteral("FM"));
    QCOMPARE(h.list()->model()->rowCount(), 2);
    QCOMPARE(h.list()->model()->index(1, 1).data().toString(), QStringLiteral("G3ZZZ"));
}

void StationWindowTest::missingTemplate()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    QVERIFY(chooseStation(h, QStringLiteral("test3")));
    QVERIFY(h.messages.shown.isEmpty());
    QFileInfo log(h.logPath(QStringLiteral("TEST3")));
    QVERIFY(log.isFile());
    QCOMPARE(log.size(), 0);
    QCOMPARE(h.list()->model()->rowCount(), 0);
}

void StationWindowTest::unwritableDirectory()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    const QByteArray ini = readBytes(h.iniPath());

    // Root ignores permissions, so for root the folder is made immutable instead.
    QFile dir(h.dir.path());
    const QFileDevice::Permissions was = dir.permissions();
    const bool root = ::geteuid() == 0;
    if (root) {
        QCOMPARE(QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), h.dir.path()}), 0);
    } else {
        QVERIFY(dir.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                   | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther));
    }
    auto restore = qScopeGuard([&] {
        if (root)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), h.dir.path()});
        dir.setPermissions(was);
    });
    QVERIFY(!QFile(h.path("probe")).open(QIODevice::WriteOnly));

    QVERIFY(chooseStation(h, QStringLiteral("test4")));
    QCOMPARE(h.messages.shown.size(), 1);
    QVERIFY2(h.messages.shown.first().startsWith(QStringLiteral("Impossible de créer le journal TEST4_ZEL.log")),
             qPrintable(h.messages.shown.first()));
    QVERIFY(!QFile::exists(h.logPath(QStringLiteral("TEST4"))));
    QCOMPARE(readBytes(h.iniPath()), ini);
    QCOMPARE(h.label("I_Station")->text(), QStringLiteral("TEST1"));
}

void StationWindowTest::logPathIsADirectory()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(QDir(h.dir.path()).mkdir(QStringLiteral("TEST9_ZEL.log")));
    QVERIFY(h.start());
    const QByteArray ini = readBytes(h.iniPath());

    QVERIFY(chooseStation(h, QStringLiteral("test9")));
    QCOMPARE(h.messages.shown.size(), 1);
    QVERIFY2(h.messages.shown.first().startsWith(QStringLiteral("Impossible de créer le journal TEST9_ZEL.log")),
             qPrintable(h.messages.shown.first()));
    QCOMPARE(readBytes(h.iniPath()), ini);
    QCOMPARE(h.label("I_Station")->text(), QStringLiteral("TEST1"));
    QCOMPARE(h.session->callsign(), QStringLiteral("TEST1"));
}

void StationWindowTest::switchingEndsTheEditOfTheOtherLog()
{
    MainHarness h;
    QVERIFY(h.prepare({qso("F1ABC", "AZ0001", "10/01/07", "12:00").line()}));
    const QByteArray other = crlf({qso("DL1AA", "TO0007", "02/02/07", "10:00").line()});
    QVERIFY(writeBytes(h.logPath(QStringLiteral("TEST2")), other));
    QVERIFY(h.start());

    h.doubleClickRow(0);
    QVERIFY(h.entry->editing());
    QVERIFY(chooseStation(h, QStringLiteral("test2")));

    // The QSO being edited belongs to TEST1: nothing of it may reach TEST2's log.
    QVERIFY(!h.entry->editing());
    QCOMPARE(h.modeShown(), QStringLiteral("Saisie QSO"));
    QVERIFY(!h.button("Valide_A")->isEnabled());
    QVERIFY(!h.button("Annule_Saisie")->isEnabled());
    QVERIFY(h.edit("Ind_A")->text().isEmpty());
    QCOMPARE(h.entry->selectedListLine().mid(7, 5), QStringLiteral("DL1AA"));
    QTest::mouseClick(h.button("Valide_A"), Qt::LeftButton);
    QCOMPARE(readBytes(h.logPath(QStringLiteral("TEST2"))), other);
    QVERIFY(h.messages.shown.isEmpty());
}

void StationWindowTest::interfaceLanguageLeavesTheFilesAlone()
{
    const PrefixTranslator translation;
    const auto marked = [](const char *text) { return PrefixTranslator::marked(QString::fromUtf8(text)); };
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(writeBytes(h.path(QStringLiteral("FXXXX.txt")), QByteArray("modele\r\n")));
    QVERIFY(h.start());
    StationUi ui;
    QVERIFY(openStation(h, &ui));
    QCOMPARE(ui.window->windowTitle(), marked("Selection Indicaif"));
    QCOMPARE(ui.validate->text(), marked("&Validez"));
    QCOMPARE(ui.callsign->accessibleName(), marked("Indicatif"));
    QCOMPARE(ui.window->findChild<QLabel *>(QStringLiteral("Label5"))->text(),
             marked("!!! Pour la saisie la '/' est remplacée par le '_'"));

    // A refusal speaks the interface's language.
    QTest::mouseClick(ui.validate, Qt::LeftButton);
    QCOMPARE(h.messages.shown, QStringList{marked("Vous devez entrer un indicatif")});

    // A new station: its log and its settings are written as in French.
    QVERIFY(chooseStation(h, QStringLiteral("f5zzz/p")));
    QCOMPARE(readBytes(h.logPath(QStringLiteral("F5ZZZ_P"))), QByteArray("modele\r\n"));
    const QString section = Settings::stationSection(QStringLiteral("F5ZZZ_P"));
    QCOMPARE(h.stored(section, Settings::KeyDateAuto), QStringLiteral("Oui"));
    QCOMPARE(h.stored(section, Settings::KeyBand), QStringLiteral("0"));
    QCOMPARE(h.stored(Settings::CommonSection, Settings::KeyCallsign), QStringLiteral("F5ZZZ_P"));
    QVERIFY(!readBytes(h.iniPath()).contains(PrefixTranslator::mark().toUtf8()));
}

QTEST_MAIN(StationWindowTest)
#include "tst_stationwindow.moc"
