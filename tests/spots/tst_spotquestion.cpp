// Working a spot as the operator meets it: the question "Une saisie est en cours…"
// only when something of the QSO came from him, at most once, "Non" changing nothing
// (the radio included); the spot's band and mode whatever the radio does; and a spot
// worked while a commit is under way waits for its end.

#include "app/Harness.h"
#include "spots/SpotHarness.h"
#include "logstore/LockHolder.h"
#include "radio/Rigctld.h"

#include "logstore/FileLock.h"
#include "radio/RadioConfig.h"
#include "radio/RadioPoller.h"
#include "radio/RadioReading.h"
#include "spots/SpotFeed.h"

#include <QAction>
#include <QStatusBar>
#include <QTimer>

using namespace zeltest;

namespace {

// The spots window with these spots, opened from its menu item.
QWidget *openSpots(const MainHarness &h, const QList<QByteArray> &lines)
{
    h.window->findChild<QAction *>(QStringLiteral("Mnu_Abbayes_Sur_Air"))->trigger();
    feed(h)->read(lines);
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("Abbayes_Sur_Air") && top->isVisible())
            return top;
    }
    return nullptr;
}

// Enter on the spot of this callsign, as the operator presses it.
void work(QWidget *w, const QString &call)
{
    auto *list = w->findChild<QTableView *>(QStringLiteral("Liste_Spots"));
    QAbstractItemModel *m = list->model();
    for (int r = 0; r < m->rowCount(); ++r) {
        if (m->index(r, 3).data().toString() == call) {
            list->setFocus();
            list->setCurrentIndex(m->index(r, 0));
            QTest::keyClick(list, Qt::Key_Return);
            return;
        }
    }
    QFAIL("no such spot");
}

int asked(const MainHarness &h, const QString &what = QStringLiteral("Une saisie est en cours"))
{
    int n = 0;
    for (const QString &q : h.messages.questions)
        n += q.contains(what) ? 1 : 0;
    return n;
}

QString bandAndMode(const MainHarness &h)
{
    return h.combo("Bande_A")->currentText() + QStringLiteral(" / ") + h.combo("Mode_A")->currentText();
}

// rigctl's answer for the radio's frequency.
qint64 radioHertz(int port)
{
    QProcess p;
    p.start(QStringLiteral("rigctl"), {QStringLiteral("-m"), QStringLiteral("2"), QStringLiteral("-r"),
                                       QStringLiteral("127.0.0.1:%1").arg(port), QStringLiteral("f")});
    if (!p.waitForFinished(10000))
        return -1;
    return p.readAllStandardOutput().trimmed().toLongLong();
}

const QList<QByteArray> Spots = {dxLine("IK0XYZ", "14025.0", "MR0005 cw"), dxLine("IK3SSB", "21200.0", "TO0007")};

} // namespace

class SpotQuestionTest : public QObject
{
    Q_OBJECT
private slots:
    void afterAHandChosenQsoNoQuestion();
    void typedEntryAskedOnceNonChangesNothing();
    void clearedEntryNoQuestion();
    void radioStoppedCwSpot();
    void spotDuringACommitWaits();
    void lockWaitKeepsTheWindowAlive();
    void statusAreaKeepsItsOrder();
};

void SpotQuestionTest::afterAHandChosenQsoNoQuestion()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    QWidget *w = openSpots(h, Spots);
    QVERIFY(w);
    // A QSO whose mode and band the operator typed himself, committed.
    h.type(h.edit("Ind_A"), QStringLiteral("f1abc"));
    QVERIFY(h.walkTo(h.combo("Mode_A")));
    h.retype(h.combo("Mode_A"), QStringLiteral("cw"));
    h.enter(h.combo("Mode_A"));
    h.retype(h.combo("Bande_A"), QStringLiteral("7.0 mhz"));
    QVERIFY(h.walkTo(h.button("Valide_A")));
    QTest::keyClick(h.button("Valide_A"), Qt::Key_Return);
    QCOMPARE(h.log().size(), 140);
    QVERIFY(!h.entry->entryInProgress());

    h.messages.clear();
    work(w, QStringLiteral("IK0XYZ"));
    QCOMPARE(asked(h), 0);
    QTRY_COMPARE(h.edit("Ind_A")->text(), QStringLiteral("IK0XYZ"));
    // Quitting asks nothing either.
    QCloseEvent close;
    QApplication::sendEvent(h.window.get(), &close);
    QVERIFY(close.isAccepted());
    QCOMPARE(asked(h), 0);
}

void SpotQuestionTest::typedEntryAskedOnceNonChangesNothing()
{
    Rigctld rigctld;
    QVERIFY(rigctld.start());
    QVERIFY(rigctld.tune(7150000, QStringLiteral("LSB")));
    MainHarness h;
    QVERIFY(h.prepare({}));
    RadioConfig c;
    c.enabled = true;
    c.port = rigctld.port();
    c.save(*h.settings);
    QVERIFY(h.start());
    auto *radio = h.window->findChild<RadioPoller *>(QStringLiteral("Poste_Radio_Lecture"));
    QTRY_VERIFY(radio->latest().ok);
    QWidget *w = openSpots(h, Spots);

    // Nothing typed yet: no entry, whatever the fields show.
    QVERIFY(!h.entry->entryInProgress());
    h.type(h.edit("Ind_A"), QStringLiteral("f1abc"));
    h.enter(h.edit("Ind_A"));
    const QString kept = bandAndMode(h);
    h.messages.answers = {false};
    work(w, QStringLiteral("IK0XYZ"));
    QCOMPARE(asked(h), 1);
    QCOMPARE(h.messages.questions.size(), 1);
    // "Non": the entry as it was, the radio where it was.
    QCOMPARE(h.edit("Ind_A")->text(), QStringLiteral("F1ABC"));
    QCOMPARE(h.edit("Prenom_A")->text(), QStringLiteral("JEAN"));
    QCOMPARE(bandAndMode(h), kept);
    QVERIFY(h.entry->entryInProgress());
    QTest::qWait(300); // a tune would have been sent at once
    QCOMPARE(radioHertz(rigctld.port()), qint64(7150000));
    QVERIFY(h.messages.notices.isEmpty());

    // "Oui": asked once more for this one action, then the radio moves and the QSO is prepared.
    h.messages.answers = {true};
    work(w, QStringLiteral("IK0XYZ"));
    QCOMPARE(asked(h), 2);
    QTRY_COMPARE(h.edit("Ind_A")->text(), QStringLiteral("IK0XYZ"));
    QTRY_COMPARE(radioHertz(rigctld.port()), qint64(14025000));
    QTRY_COMPARE(radio->latest().hertz, 14025000.0);
    h.enter(h.edit("Ind_A"));
    QCOMPARE(bandAndMode(h), QStringLiteral("14 Mhz / CW"));
    QCOMPARE(asked(h), 2);
}

void SpotQuestionTest::clearedEntryNoQuestion()
{
    MainHarness h;
    QVERIFY(h.prepare({qso("IK1ABC", "AZ0001", "01/05/24", "09:00").line()}));
    QVERIFY(h.start());
    QWidget *w = openSpots(h, Spots);
    // Typed, a band chosen by hand, then "Effacer saisie en cours".
    h.type(h.edit("Ind_A"), QStringLiteral("f1abc"));
    h.enter(h.edit("Ind_A"));
    QVERIFY(h.entry->entryInProgress());
    QTest::mouseClick(h.button("Efface_A"), Qt::LeftButton);
    QVERIFY(!h.entry->entryInProgress());
    work(w, QStringLiteral("IK3SSB"));
    QCOMPARE(asked(h), 0);
    QTRY_COMPARE(h.edit("Ind_A")->text(), QStringLiteral("IK3SSB"));
    // Prepared from a spot, it is the operator's once he pressed Enter in it.
    QVERIFY(!h.entry->entryInProgress());
    h.enter(h.edit("Ind_A"));
    QVERIFY(h.entry->entryInProgress());

    // A QSO opened for editing, then cleared: no question either.
    QTest::mouseClick(h.button("Efface_A"), Qt::LeftButton);
    h.doubleClickRow(0);
    QVERIFY(h.entry->entryInProgress());
    QTest::mouseClick(h.button("Efface_A"), Qt::LeftButton);
    work(w, QStringLiteral("IK0XYZ"));
    QCOMPARE(asked(h), 0);
    QTRY_COMPARE(h.edit("Ind_A")->text(), QStringLiteral("IK0XYZ"));
}

void SpotQuestionTest::radioStoppedCwSpot()
{
    Rigctld rigctld;
    QVERIFY(rigctld.start());
    QVERIFY(rigctld.tune(21300000, QStringLiteral("USB")));
    MainHarness h;
    QVERIFY(h.prepare({}));
    RadioConfig c;
    c.enabled = true;
    c.port = rigctld.port();
    c.save(*h.settings);
    QVERIFY(h.start());
    auto *radio = h.window->findChild<RadioPoller *>(QStringLiteral("Poste_Radio_Lecture"));
    QTRY_VERIFY(radio->latest().ok);
    QWidget *w = openSpots(h, Spots);
    rigctld.stop();
    QTRY_COMPARE(radio->statusText(), RadioReading::unreachable());

    work(w, QStringLiteral("IK0XYZ"));
    QTRY_COMPARE(h.edit("Ind_A")->text(), QStringLiteral("IK0XYZ"));
    h.enter(h.edit("Ind_A"));
    // The spot's band and mode, never the radio's last reading (21 MHz) nor the last QSO's.
    QCOMPARE(bandAndMode(h), QStringLiteral("14 Mhz / CW"));
    QCOMPARE(h.edit("RST_A")->text(), QStringLiteral("599"));
    QCOMPARE(h.edit("RSTE_A")->text(), QStringLiteral("599"));
    // The failed tune is said, and changes nothing of the QSO.
    auto *said = h.window->findChild<QLabel *>(QStringLiteral("Annonce_Cluster"));
    QTRY_VERIFY_WITH_TIMEOUT(said && said->text().contains(QStringLiteral("n'a pas pu être réglé")), 30000);
    QCOMPARE(bandAndMode(h), QStringLiteral("14 Mhz / CW"));
    // A QSO typed by hand keeps 59 in every mode.
    QTest::mouseClick(h.button("Efface_A"), Qt::LeftButton);
    h.type(h.edit("Ind_A"), QStringLiteral("f1abc"));
    QVERIFY(h.walkTo(h.combo("Mode_A")));
    h.retype(h.combo("Mode_A"), QStringLiteral("cw"));
    QVERIFY(h.walkTo(h.edit("RST_A")));
    QCOMPARE(h.edit("RST_A")->text(), QStringLiteral("59"));
}

void SpotQuestionTest::spotDuringACommitWaits()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    QWidget *w = openSpots(h, Spots);
    h.type(h.edit("Ind_A"), QStringLiteral("f1abc"));
    QVERIFY(h.walkTo(h.button("Valide_A")));
    // The spot comes while "Voulez vous enregistrer ces données ?" is open.
    h.messages.whileAsked = [&] { work(w, QStringLiteral("IK0XYZ")); };
    QTest::keyClick(h.button("Valide_A"), Qt::Key_Return);
    // The commit went through untouched, nothing asked in its middle.
    QCOMPARE(h.messages.questions, QStringList({QStringLiteral("Voulez vous enregistrer ces données ?")}));
    QCOMPARE(h.log().size(), 140);
    QVERIFY(h.log().startsWith("F1ABC"));
    // Then the spot's QSO, in a plain entry.
    QTRY_COMPARE(h.edit("Ind_A")->text(), QStringLiteral("IK0XYZ"));
    QCOMPARE(asked(h), 0);
    h.enter(h.edit("Ind_A"));
    QCOMPARE(bandAndMode(h), QStringLiteral("14 Mhz / CW"));
}

void SpotQuestionTest::lockWaitKeepsTheWindowAlive()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    h.session->setLockTimeout(5000);
    QWidget *w = openSpots(h, Spots);
    h.type(h.edit("Ind_A"), QStringLiteral("f1abc"));
    QVERIFY(h.walkTo(h.button("Valide_A")));

    // Another copy holds the log a moment; meanwhile a spot is worked.
    LockHolder other(FileLock::lockPathFor(h.logPath(QStringLiteral("TEST1"))));
    QVERIFY(other.pid > 0);
    bool served = false;
    QTimer::singleShot(50, [&] {
        served = true;
        work(w, QStringLiteral("IK3SSB"));
    });
    QTimer::singleShot(300, [&] { other.end(); });
    QElapsedTimer took;
    took.start();
    QTest::keyClick(h.button("Valide_A"), Qt::Key_Return);
    // The thread served its events while it waited, and the QSO went in once the lock was free.
    QVERIFY(served);
    QVERIFY(took.elapsed() < 4000);
    QVERIFY2(h.messages.notices.isEmpty(), qPrintable(h.messages.notices.join(QLatin1Char('|'))));
    QVERIFY(h.log().startsWith("F1ABC"));
    QCOMPARE(asked(h), 0);
    QTRY_COMPARE(h.edit("Ind_A")->text(), QStringLiteral("IK3SSB"));
}

void SpotQuestionTest::statusAreaKeepsItsOrder()
{
    // The cluster speaks first, the radio is switched on afterwards: CAT still
    // stands first, as it does when the radio spoke first.
    Rigctld rigctld;
    QVERIFY(rigctld.start());
    QVERIFY(rigctld.tune(7020000, QStringLiteral("CW")));
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    QVERIFY(!h.window->statusBar()->isVisible());
    feed(h)->read({dxLine("IK0XYZ", "7025.0", "MR0005")});
    QWidget *cluster = h.get("Annonce_Cluster_Zone");
    QWidget *cat = h.get("Etat_Poste_Radio_Zone");
    QTRY_VERIFY(cluster->isVisible());
    QVERIFY(!cat->isVisible());
    auto *radio = h.window->findChild<RadioPoller *>(QStringLiteral("Poste_Radio_Lecture"));
    RadioConfig c;
    c.enabled = true;
    c.port = rigctld.port();
    radio->setConfig(c);
    QTRY_VERIFY(cat->isVisible());
    QTRY_VERIFY(cat->geometry().right() <= cluster->geometry().left());
    // Off again: the cluster stays where it is, the area with it.
    RadioConfig off = c;
    off.enabled = false;
    radio->setConfig(off);
    QVERIFY(!cat->isVisible());
    QVERIFY(h.window->statusBar()->isVisible());
}

QTEST_MAIN(SpotQuestionTest)
#include "tst_spotquestion.moc"
