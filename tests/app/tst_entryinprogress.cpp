// An entry in progress is never lost without asking: quitting asks first, and a change
// made from outside the entry (an import) leaves it as it was; without one, both go on
// as before and the window comes back to a plain entry.

#include "Harness.h"

#include <QAction>
#include <QCloseEvent>

using namespace zeltest;

namespace {

const QString kQuitQuestion = QStringLiteral("Une saisie est en cours");

bool closeMain(MainHarness &h)
{
    QCloseEvent close;
    QApplication::sendEvent(h.window.get(), &close);
    return close.isAccepted();
}

} // namespace

class EntryInProgressTest : public QObject
{
    Q_OBJECT
private slots:
    void quittingWithoutAnEntryAsksNothing();
    void quittingDuringAnEntryAsksFirst();
    void backToPlainEntryAfterAnOutsideChange();
};

void EntryInProgressTest::quittingWithoutAnEntryAsksNothing()
{
    MainHarness h;
    QVERIFY(h.prepare({qso("F1ABC", "AZ0001", "10/01/07", "12:00").line()}));
    QVERIFY(h.start());
    h.messages.clear();
    // A QSO of the list looked at is no entry in progress either.
    h.clickRow(0);
    QVERIFY(!h.entry->entryInProgress());
    QVERIFY(closeMain(h));
    QVERIFY(h.messages.questions.isEmpty());
}

void EntryInProgressTest::quittingDuringAnEntryAsksFirst()
{
    MainHarness h;
    QVERIFY(h.prepare({}));
    QVERIFY(h.start());
    h.messages.clear();
    h.type(h.edit("Ind_A"), QStringLiteral("f1abc"));

    // "Non": the program goes on with the callsign still typed.
    h.messages.answers = {false};
    QVERIFY(!closeMain(h));
    QCOMPARE(h.messages.questions.size(), 1);
    QVERIFY(h.messages.questions.first().contains(kQuitQuestion));
    QCOMPARE(h.edit("Ind_A")->text(), QStringLiteral("F1ABC"));

    // Further on in the chain, then "Oui": it quits.
    h.enter(h.edit("Ind_A"));
    h.messages.answers = {true};
    QVERIFY(closeMain(h));
    QCOMPARE(h.messages.questions.size(), 2);

    // A QSO opened for editing counts as well.
    MainHarness e;
    QVERIFY(e.prepare({qso("F1ABC", "AZ0001", "10/01/07", "12:00").line()}));
    QVERIFY(e.start());
    e.messages.clear();
    e.doubleClickRow(0);
    QCOMPARE(e.modeShown(), QStringLiteral("Modification QSO"));
    e.messages.answers = {false};
    QVERIFY(!closeMain(e));
    QCOMPARE(e.modeShown(), QStringLiteral("Modification QSO"));
}

void EntryInProgressTest::backToPlainEntryAfterAnOutsideChange()
{
    MainHarness h;
    QVERIFY(h.prepare({qso("F1ABC", "AZ0001", "10/01/07", "12:00").line(),
                       qso("I2XYZ", "MR0005", "11/01/07", "12:00").line()}));
    QVERIFY(h.start());

    // A QSO shown from the list: cleared, the cursor back in the callsign.
    h.clickRow(1);
    QCOMPARE(h.edit("Ind_A")->text(), QStringLiteral("I2XYZ"));
    QVERIFY(h.entry->backToPlainEntry());
    QVERIFY(h.edit("Ind_A")->text().isEmpty());
    QCOMPARE(h.entry->selectedRow(), -1);
    QCOMPARE(h.modeShown(), QStringLiteral("Saisie QSO"));
    QTRY_VERIFY(h.edit("Ind_A")->hasFocus());

    // An entry in progress is kept as it was.
    h.type(h.edit("Ind_A"), QStringLiteral("dl1aa"));
    QVERIFY(!h.entry->backToPlainEntry());
    QCOMPARE(h.edit("Ind_A")->text(), QStringLiteral("DL1AA"));
}

QTEST_MAIN(EntryInProgressTest)
#include "tst_entryinprogress.moc"
