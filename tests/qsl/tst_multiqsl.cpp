// Marking received QSL cards: which QSOs are offered, and the log rewritten with
// "*" in the QSL column of the ticked ones and not one other byte changed.

#include "app/Harness.h"

#include "logstore/QsoRecord.h"
#include "qsl/QslMarking.h"

#include <QDialog>
#include <QListWidget>
#include <QPointer>

using namespace zeltest;

namespace {

// Eight QSOs; the second and the sixth are already confirmed.
QList<QByteArray> fixtureLog()
{
    const char *const calls[] = {"F5ABC", "F5ABC", "IK0ABD", "F1XYZ", "F5ABC/P", "DL1AB", "F5ABC", "EA3XX"};
    QList<QByteArray> lines;
    for (int i = 0; i < 8; ++i) {
        Qso q = qso(calls[i], "AZ000" + QByteArray::number(i + 1), "0" + QByteArray::number(i + 1) + "/02/07",
                    "10:0" + QByteArray::number(i));
        q.loc = "JN62";
        q.name = "H\xC9L\xC8NE";
        q.abbey = PieDiChienti;
        q.qsl = (i == 1 || i == 5);
        lines << q.line();
    }
    return lines;
}

// The QSO number a list line starts with.
int numberOf(const QString &listLine) { return listLine.left(5).trimmed().toInt(); }

QDialog *qslWindow(const MainHarness &h)
{
    return h.window->findChild<QDialog *>(QStringLiteral("Multi_QSL"));
}

QListWidget *items(QDialog *w) { return w->findChild<QListWidget *>(QStringLiteral("Liste_QSO")); }

void tickNumber(QDialog *w, int number)
{
    QListWidget *list = items(w);
    for (int i = 0; i < list->count(); ++i) {
        if (numberOf(list->item(i)->text()) == number)
            list->item(i)->setCheckState(Qt::Checked);
    }
}

QList<int> numbersListed(QDialog *w)
{
    QList<int> out;
    QListWidget *list = items(w);
    for (int i = 0; i < list->count(); ++i)
        out << numberOf(list->item(i)->text());
    return out;
}

// The log with "*" put in the QSL column of these 1-based lines, all else as it was.
QByteArray marked(QByteArray file, const QList<int> &numbers)
{
    for (int n : numbers)
        file[(n - 1) * 140 + 137] = '*';
    return file;
}

} // namespace

class MultiQslTest : public QObject
{
    Q_OBJECT

private slots:
    void candidates_data();
    void candidates();
    void handEditedLineIsNotOffered();

    void opensModalWithTheSelectedCallsign();
    void marksTheTickedQsosAndNothingElse();
    void noTickChangesNothing();
    void logChangedBehindTheList();
    void stationSearchAfterAClick();
};

void MultiQslTest::candidates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("numbers");
    using L = QList<int>;
    QTest::newRow("one station") << "F5ABC" << L{1, 5, 7};
    QTest::newRow("anywhere in the callsign") << "AB" << L{1, 3, 5, 7};
    QTest::newRow("small letters") << "ab" << L{1, 3, 5, 7};
    QTest::newRow("portable only") << "/P" << L{5};
    QTest::newRow("empty lists every unconfirmed") << "" << L{1, 3, 4, 5, 7, 8};
    QTest::newRow("confirmed are never offered") << "DL1AB" << L{};
    QTest::newRow("nobody") << "ZZ" << L{};
}

void MultiQslTest::candidates()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, numbers);
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog()));
    QVERIFY(h.start());
    const QList<QslMarking::Candidate> found = QslMarking::candidates(*h.session, text);
    QList<int> got;
    for (const QslMarking::Candidate &c : found) {
        got << numberOf(c.listLine);
        QCOMPARE(c.listLine, h.session->listLine(c.row)); // the main list's line, unchanged
        QCOMPARE(c.row + 1, got.last());
    }
    QCOMPARE(got, numbers);
}

void MultiQslTest::handEditedLineIsNotOffered()
{
    MainHarness h;
    QList<QByteArray> log = fixtureLog();
    log[2].chop(1); // no QSL column left
    QVERIFY(h.prepare(log));
    QVERIFY(h.start());
    QList<int> got;
    for (const QslMarking::Candidate &c : QslMarking::candidates(*h.session, QString()))
        got << c.row + 1;
    QCOMPARE(got, (QList<int>{1, 4, 5, 7, 8}));
}

void MultiQslTest::opensModalWithTheSelectedCallsign()
{
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog()));
    QVERIFY(h.start());
    // Start-up selected the last QSO: its callsign is proposed.
    h.button("QSL")->click();
    QDialog *w = qslWindow(h);
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowModality(), Qt::ApplicationModal);
    QCOMPARE(w->windowTitle(), QStringLiteral("Enregistrement des QSL multiples"));
    QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("Indicatif"))->text(), QStringLiteral("EA3XX"));
    QCOMPARE(items(w)->count(), 0);
    QVERIFY(!w->findChild<QPushButton *>(QStringLiteral("Enregistre"))->isEnabled());

    w->findChild<QPushButton *>(QStringLiteral("Recherche"))->click();
    QCOMPARE(numbersListed(w), QList<int>{8});
    QCOMPARE(items(w)->item(0)->text(), h.session->listLine(7));
    QCOMPARE(items(w)->item(0)->checkState(), Qt::Unchecked);
    QVERIFY(w->findChild<QPushButton *>(QStringLiteral("Enregistre"))->isEnabled());
}

void MultiQslTest::marksTheTickedQsosAndNothingElse()
{
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog()));
    QVERIFY(h.start());
    const QByteArray before = h.log();
    h.button("QSL")->click();
    QDialog *w = qslWindow(h);
    auto *field = w->findChild<QLineEdit *>(QStringLiteral("Indicatif"));
    field->clear();
    QTest::keyClick(field, Qt::Key_Return); // Enter searches
    QCOMPARE(numbersListed(w), (QList<int>{1, 3, 4, 5, 7, 8}));
    tickNumber(w, 3);
    tickNumber(w, 7);
    // Tab from the list to "Enregistrer", and Enter presses it.
    w->activateWindow();
    QTRY_VERIFY(w->isActiveWindow());
    items(w)->setFocus();
    QTest::keyClick(items(w), Qt::Key_Tab);
    auto *save = w->findChild<QPushButton *>(QStringLiteral("Enregistre"));
    QVERIFY(save->hasFocus());
    QTest::keyClick(save, Qt::Key_Return);

    QVERIFY(h.messages.notices.isEmpty());
    QCOMPARE(h.log(), marked(before, {3, 7}));
    QCOMPARE(items(w)->count(), 0);
    QVERIFY(w->isVisible()); // the operator closes it
    // The main list shows the marks and its last QSO is selected again.
    QCOMPARE(h.session->listLine(2).at(152), QLatin1Char('*'));
    QCOMPARE(h.session->listLine(6).at(152), QLatin1Char('*'));
    QCOMPARE(h.session->selectedRow(), 7);
    QCOMPARE(h.entry->selectedListLine(), h.session->listLine(7));
    QVERIFY(!QFile::exists(h.path(QStringLiteral("Temporaire4.txt"))));

    // Marked QSOs are no longer offered.
    w->findChild<QPushButton *>(QStringLiteral("Recherche"))->click();
    QCOMPARE(numbersListed(w), (QList<int>{1, 4, 5, 8}));
}

void MultiQslTest::noTickChangesNothing()
{
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog()));
    QVERIFY(h.start());
    const QByteArray before = h.log();
    const QDateTime written = QFileInfo(h.logPath(QStringLiteral("TEST1"))).lastModified();
    h.button("QSL")->click();
    QDialog *w = qslWindow(h);
    w->findChild<QLineEdit *>(QStringLiteral("Indicatif"))->setText(QStringLiteral("F5"));
    w->findChild<QPushButton *>(QStringLiteral("Recherche"))->click();
    QCOMPARE(items(w)->count(), 3);
    w->findChild<QPushButton *>(QStringLiteral("Enregistre"))->click();
    QCOMPARE(h.messages.notices, QStringList{QStringLiteral("Selectionnez un ou plusieurs QSO")});
    QCOMPARE(h.log(), before);
    QCOMPARE(QFileInfo(h.logPath(QStringLiteral("TEST1"))).lastModified(), written);
    QCOMPARE(items(w)->count(), 3);
}

void MultiQslTest::logChangedBehindTheList()
{
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog()));
    QVERIFY(h.start());
    h.button("QSL")->click();
    QDialog *w = qslWindow(h);
    w->findChild<QLineEdit *>(QStringLiteral("Indicatif"))->setText(QStringLiteral("F5ABC"));
    w->findChild<QPushButton *>(QStringLiteral("Recherche"))->click();
    tickNumber(w, 5);

    // Another copy of the program deletes the first QSO meanwhile: line 5 is now another QSO.
    QList<QByteArray> changed = fixtureLog();
    changed.removeFirst();
    QVERIFY(writeBytes(h.logPath(QStringLiteral("TEST1")), crlf(changed)));
    w->findChild<QPushButton *>(QStringLiteral("Enregistre"))->click();

    QCOMPARE(h.messages.notices.size(), 1);
    QVERIFY(h.messages.notices.first().contains(QStringLiteral("modifié")));
    QCOMPARE(h.log(), crlf(changed)); // nothing marked, not even the wrong QSO
    QCOMPARE(items(w)->count(), 3);   // the ticks stay for another try

    // A new search shows the log as it now stands, and marking works again.
    w->findChild<QPushButton *>(QStringLiteral("Recherche"))->click();
    QCOMPARE(numbersListed(w), (QList<int>{4, 6}));
    tickNumber(w, 4);
    w->findChild<QPushButton *>(QStringLiteral("Enregistre"))->click();
    QCOMPARE(h.messages.notices.size(), 1);
    QCOMPARE(h.log(), marked(crlf(changed), {4}));
}

void MultiQslTest::stationSearchAfterAClick()
{
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog()));
    QVERIFY(h.start());
    h.clickRow(2);
    h.button("QSL")->click();
    QDialog *w = qslWindow(h);
    QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("Indicatif"))->text(), QStringLiteral("IK0ABD"));
    w->findChild<QPushButton *>(QStringLiteral("Recherche"))->click();
    tickNumber(w, 3);
    const QByteArray before = h.log();
    w->findChild<QPushButton *>(QStringLiteral("Enregistre"))->click();
    QCOMPARE(h.log(), marked(before, {3}));

    // Closed and opened again: one window, empty list.
    QPointer<QDialog> closing = w;
    w->close();
    QTRY_VERIFY(closing.isNull() || !closing->isVisible());
    h.button("QSL")->click();
    QCOMPARE(h.window->findChildren<QDialog *>(QStringLiteral("Multi_QSL")).size(), 1);
    QCOMPARE(items(qslWindow(h))->count(), 0);
}

QTEST_MAIN(MultiQslTest)
#include "tst_multiqsl.moc"
