// The radio seen from the main window: a new QSO takes its band and mode, an old
// one (inserted or edited) never does, and with the radio off nothing changes.

#include "Rigctld.h"
#include "app/Harness.h"

#include "radio/RadioConfig.h"
#include "radio/RadioReading.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QListView>
#include <QPointer>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>

using namespace zeltest;

namespace {

// The status label, or null when the main window has none.
QLabel *status(const MainHarness &h) { return h.window->findChild<QLabel *>(QStringLiteral("Etat_Poste_Radio")); }

QString statusText(const MainHarness &h)
{
    QLabel *l = status(h);
    return l && l->isVisible() ? l->text() : QString();
}

// What the entry's band and mode fields hold, as "14 Mhz / SSB".
QString bandAndMode(const MainHarness &h)
{
    return h.combo("Bande_A")->currentText() + QStringLiteral(" / ") + h.combo("Mode_A")->currentText();
}

void useRigctld(MainHarness &h, int port)
{
    RadioConfig c;
    c.enabled = true;
    c.port = port;
    c.save(*h.settings);
}

// The main window started on a log, the radio in use through rigctld on port.
bool startWithRadio(MainHarness &h, int port, const QList<QByteArray> &log)
{
    if (!h.prepare(log))
        return false;
    useRigctld(h, port);
    return h.start();
}

} // namespace

class RadioEntryTest : public QObject
{
    Q_OBJECT
private slots:
    void plainEntryTakesBandAndMode();
    void outsideTheLogsBands();
    void oldQsosKeepTheirs();
    void radioGoneEntryGoesOn();
    void radioOff();
    void windowByKeyboard();
    void windowWithoutHamlibTools();
};

void RadioEntryTest::plainEntryTakesBandAndMode()
{
    Rigctld rigctld;
    QVERIFY(rigctld.start());
    QVERIFY(rigctld.tune(7020000, QStringLiteral("CW")));
    MainHarness h;
    QVERIFY(startWithRadio(h, rigctld.port(), {}));
    QTRY_COMPARE(statusText(h), QStringLiteral("7,020 MHz CW"));
    // The label is read for its value and named by its caption.
    QCOMPARE(status(h)->accessibleName(), QString());
    bool named = false;
    for (QLabel *l : h.window->findChildren<QLabel *>())
        named = named || (l->text() == QLatin1String("CAT :") && l->buddy() == status(h));
    QVERIFY(named);

    // Waiting fields show what the station last used until the callsign is accepted.
    QCOMPARE(h.combo("Bande_A")->currentText(), QStringLiteral("14 Mhz"));
    h.type(h.edit("Ind_A"), QStringLiteral("f1abc"));
    h.enter(h.edit("Ind_A"));
    QCOMPARE(bandAndMode(h), QStringLiteral("7.0 Mhz / CW"));
    QCOMPARE(h.combo("Bande_A")->currentIndex(), 2);

    // The operator still has the last word, even going back to the callsign: the
    // fields are committed as they stand.
    h.combo("Bande_A")->setCurrentIndex(3);
    h.enter(h.edit("Ind_A"));
    QCOMPARE(h.combo("Bande_A")->currentText(), QStringLiteral("10 Mhz"));
    QVERIFY(h.walkTo(h.combo("Bande_A")));
    QCOMPARE(h.stored(Settings::stationSection(QStringLiteral("TEST1")), Settings::KeyMode), QStringLiteral("1"));
    QVERIFY(h.walkTo(h.button("Valide_A")));
    QTest::keyClick(h.button("Valide_A"), Qt::Key_Return);
    Qso q = qso("F1ABC", "AZ0001", "14/03/07", "09:05");
    q.name = "JEAN";
    q.loc = "JN62";
    q.abbey = SanClemente.toUpper();
    q.mode = "CW";
    q.band = "10 Mhz";
    QCOMPARE(h.log(), crlf({q.line()}));

    // The next QSO follows the radio again, whatever the last one held.
    QVERIFY(rigctld.tune(145500000, QStringLiteral("FM")));
    QTRY_COMPARE(statusText(h), QStringLiteral("145,500 MHz FM"));
    h.type(h.edit("Ind_A"), QStringLiteral("ik0aaa"));
    h.enter(h.edit("Ind_A"));
    QCOMPARE(bandAndMode(h), QStringLiteral("144 Mhz / FM"));
}

void RadioEntryTest::outsideTheLogsBands()
{
    Rigctld rigctld;
    QVERIFY(rigctld.start());
    QVERIFY(rigctld.tune(5300000, QStringLiteral("PKTUSB")));
    MainHarness h;
    QVERIFY(startWithRadio(h, rigctld.port(), {}));
    QTRY_VERIFY(statusText(h).startsWith(QStringLiteral("5,300 MHz PKTUSB (")));
    QVERIFY(statusText(h).contains(QStringLiteral("hors des bandes")));
    QVERIFY(statusText(h).contains(QStringLiteral("mode non repris")));
    h.type(h.edit("Ind_A"), QStringLiteral("f1abc"));
    h.enter(h.edit("Ind_A"));
    // No band chosen rather than the last QSO's: the entry asks for one. A mode the
    // log does not keep leaves the field as it was.
    QCOMPARE(bandAndMode(h), QStringLiteral(" / SSB"));
    QCOMPARE(h.combo("Bande_A")->currentIndex(), -1);
    QVERIFY(h.walkTo(h.combo("Bande_A")));
    h.enter(h.combo("Bande_A"));
    QCOMPARE(h.messages.notices, QStringList({QStringLiteral("Entrez une QRG")}));

    // Back in a band of the log: the next QSO takes it again.
    QTest::mouseClick(h.button("Efface_A"), Qt::LeftButton);
    QVERIFY(rigctld.tune(3650000, QStringLiteral("LSB")));
    QTRY_COMPARE(statusText(h), QStringLiteral("3,650 MHz LSB"));
    h.type(h.edit("Ind_A"), QStringLiteral("ik0aaa"));
    h.enter(h.edit("Ind_A"));
    QCOMPARE(bandAndMode(h), QStringLiteral("3.5 Mhz / SSB"));
}

void RadioEntryTest::oldQsosKeepTheirs()
{
    Rigctld rigctld;
    QVERIFY(rigctld.start());
    QVERIFY(rigctld.tune(7020000, QStringLiteral("CW")));
    MainHarness h;
    QVERIFY(startWithRadio(h, rigctld.port(), {qso("IK0AAA", "MR0005", "01/03/07", "10:00").line()}));
    QTRY_COMPARE(statusText(h), QStringLiteral("7,020 MHz CW"));

    // Inserted: the QSO was made earlier, on whatever band it was.
    QTest::mouseClick(h.button("Ajout_QSO"), Qt::LeftButton);
    QCOMPARE(h.modeShown(), QStringLiteral("Insertion QSO"));
    h.retype(h.edit("Ind_A"), QStringLiteral("f1abc"));
    h.enter(h.edit("Ind_A"));
    QCOMPARE(bandAndMode(h), QStringLiteral("14 Mhz / SSB"));

    // Edited: Enter on its callsign keeps its band and mode.
    QTest::mouseClick(h.button("Efface_A"), Qt::LeftButton);
    h.doubleClickRow(0);
    QCOMPARE(h.modeShown(), QStringLiteral("Modification QSO"));
    h.enter(h.edit("Ind_A"));
    QCOMPARE(bandAndMode(h), QStringLiteral("14 Mhz / SSB"));
}

void RadioEntryTest::radioGoneEntryGoesOn()
{
    Rigctld rigctld;
    QVERIFY(rigctld.start());
    QVERIFY(rigctld.tune(7020000, QStringLiteral("CW")));
    MainHarness h;
    QVERIFY(startWithRadio(h, rigctld.port(), {}));
    QTRY_COMPARE(statusText(h), QStringLiteral("7,020 MHz CW"));

    rigctld.stop();
    QTRY_COMPARE(statusText(h), RadioReading::unreachable());
    h.type(h.edit("Ind_A"), QStringLiteral("f1abc"));
    h.enter(h.edit("Ind_A"));
    QCOMPARE(h.combo("Bande_A")->currentText(), QStringLiteral("14 Mhz"));
    QVERIFY(h.walkTo(h.button("Valide_A")));
    QTest::keyClick(h.button("Valide_A"), Qt::Key_Return);
    QCOMPARE(h.log().size(), 140);

    // Back without a restart: the next QSO follows the radio again.
    QVERIFY(rigctld.start());
    QVERIFY(rigctld.tune(21300000, QStringLiteral("USB")));
    QTRY_COMPARE(statusText(h), QStringLiteral("21,300 MHz USB"));
    h.type(h.edit("Ind_A"), QStringLiteral("ik0aaa"));
    h.enter(h.edit("Ind_A"));
    QCOMPARE(h.combo("Bande_A")->currentText(), QStringLiteral("21 Mhz"));
    QVERIFY(h.messages.notices.isEmpty());
}

void RadioEntryTest::radioOff()
{
    Rigctld rigctld;
    QVERIFY(rigctld.start());
    QVERIFY(rigctld.tune(7020000, QStringLiteral("CW")));
    MainHarness h;
    QVERIFY(h.prepare({}));
    RadioConfig c;
    c.port = rigctld.port(); // all set up, but not in use
    c.save(*h.settings);
    QVERIFY(h.start());
    // The main window is as it always was: no status bar, no label, however long it is given.
    QVERIFY(!QTest::qWaitFor([&h] { return status(h) != nullptr; }, 300));
    QVERIFY(!h.window->findChild<QStatusBar *>() || !h.window->findChild<QStatusBar *>()->isVisible());
    QVERIFY(!status(h));
    h.type(h.edit("Ind_A"), QStringLiteral("f1abc"));
    h.enter(h.edit("Ind_A"));
    QCOMPARE(bandAndMode(h), QStringLiteral("14 Mhz / SSB"));
}

void RadioEntryTest::windowByKeyboard()
{
    Rigctld rigctld;
    QVERIFY(rigctld.start());
    QVERIFY(rigctld.tune(14205000, QStringLiteral("USB")));
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    auto *item = h.get<QAction>("Mnu_Poste_Radio");
    QCOMPARE(item->text(), QStringLiteral("&Poste radio (CAT)"));
    item->trigger();
    QPointer<QWidget> w;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("Poste_Radio") && top->isVisible())
            w = top;
    }
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Poste radio"));
    QVERIFY(w->width() <= 1024 && w->height() <= 768);
    QVERIFY(QTest::qWaitForWindowActive(w));

    // Every control is named for a screen reader.
    for (QWidget *c : w->findChildren<QWidget *>()) {
        const bool control = qobject_cast<QAbstractButton *>(c) || qobject_cast<QComboBox *>(c)
            || qobject_cast<QListView *>(c) || qobject_cast<QAbstractSpinBox *>(c)
            || (qobject_cast<QLineEdit *>(c) && c->parentWidget()
                && !qobject_cast<QComboBox *>(c->parentWidget()) && !qobject_cast<QAbstractSpinBox *>(c->parentWidget()));
        if (control && c->window() == w)
            QVERIFY2(!c->accessibleName().isEmpty() || !c->property("text").toString().isEmpty(),
                     c->metaObject()->className());
    }

    auto *use = w->findChild<QCheckBox *>(QStringLiteral("Utiliser_Poste"));
    QTRY_VERIFY2(use->hasFocus(), QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "none");
    QTest::keyClick(use, Qt::Key_Space);
    QVERIFY(use->isChecked());
    QTest::keyClick(w, Qt::Key_R, Qt::AltModifier); // Réseau
    QVERIFY(w->findChild<QRadioButton *>(QStringLiteral("Liaison_Reseau"))->isChecked());
    QTest::keyClick(w, Qt::Key_N, Qt::AltModifier); // Numéro de port
    auto *port = w->findChild<QSpinBox *>(QStringLiteral("Port_Reseau"));
    QVERIFY(port->hasFocus());
    port->selectAll();
    QTest::keyClicks(port, QString::number(rigctld.port()));
    QTest::keyClick(w, Qt::Key_T, Qt::AltModifier); // Tester
    auto *result = w->findChild<QLabel *>(QStringLiteral("Resultat_Test"));
    QTRY_COMPARE(result->text(), QStringLiteral("14,205 MHz USB"));
    QVERIFY(!h.window->findChild<QStatusBar *>() || !h.window->findChild<QStatusBar *>()->isVisible());

    QTest::keyClick(w, Qt::Key_V, Qt::AltModifier); // Valider
    QTRY_VERIFY(!w || !w->isVisible()); // closed, and gone once the event loop ran
    QCOMPARE(h.stored(RadioConfig::Section, RadioConfig::KeyEnabled), QStringLiteral("Oui"));
    QCOMPARE(h.stored(RadioConfig::Section, RadioConfig::KeyPort), QString::number(rigctld.port()));
    QTRY_COMPARE(statusText(h), QStringLiteral("14,205 MHz USB"));

    // Opened again and put out of use with Escape: nothing changes.
    item->trigger();
    QWidget *again = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("Poste_Radio") && top->isVisible())
            again = top;
    }
    QVERIFY(again);
    auto *use2 = again->findChild<QCheckBox *>(QStringLiteral("Utiliser_Poste"));
    QVERIFY(use2->isChecked());
    QTest::keyClick(use2, Qt::Key_Space);
    QTest::keyClick(use2, Qt::Key_Escape);
    QCOMPARE(h.stored(RadioConfig::Section, RadioConfig::KeyEnabled), QStringLiteral("Oui"));
    QCOMPARE(statusText(h), QStringLiteral("14,205 MHz USB"));
}

void RadioEntryTest::windowWithoutHamlibTools()
{
    // Without libhamlib-utils the window says what to install, and the dummy radio
    // stays to choose.
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QDir::tempPath().toLocal8Bit() + "/nowhere");
    h.get<QAction>("Mnu_Poste_Radio")->trigger();
    QWidget *w = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("Poste_Radio") && top->isVisible())
            w = top;
    }
    QVERIFY(w);
    auto *note = w->findChild<QLabel *>(QStringLiteral("Etat_Modeles"));
    QTRY_VERIFY(note->text().contains(QStringLiteral("libhamlib-utils")));
    qputenv("PATH", path);
    QVERIFY(note->isVisible());
    auto *list = w->findChild<QListView *>(QStringLiteral("Liste_Modeles"));
    QCOMPARE(list->model()->rowCount(), 1);
    QCOMPARE(list->currentIndex().data().toString(), QStringLiteral("Hamlib Dummy (1)"));
    QTest::keyClick(w, Qt::Key_Escape);
}

QTEST_MAIN(RadioEntryTest)
#include "tst_radioentry.moc"
