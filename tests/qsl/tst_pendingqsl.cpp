// "QSL à recevoir" over a real main window: its lines and count against a
// computation of their own, the filter, marking two ticked QSOs (only their QSL
// column changes), the saved and printed listing, and a line leading to its QSO
// in the main window.

#include "app/Harness.h"

#include "kit/QsoRowsModel.h"
#include "listing/ListingPrinter.h"
#include "listing/ListingText.h"
#include "logstore/Cp1252.h"
#include "qsl/PendingQsl.h"

#include <QAction>
#include <QPdfWriter>
#include <QTableView>

#include <algorithm>

using namespace zeltest;

namespace {

Qso make(const QByteArray &call, const QByteArray &ref, const QByteArray &date, bool qsl,
         const QByteArray &abbey = "Abbazia di Sant'Antimo")
{
    Qso q = qso(call, ref, date, "10:00");
    q.abbey = abbey;
    q.qsl = qsl;
    return q;
}

// Unsorted references, one of them in small letters, repeated abbeys, confirmed
// QSOs between them, a line cut short by hand and an accented abbey name.
QList<QByteArray> sampleLog()
{
    return {make("IK0AAA", "TO0007", "02/01/08", false).line(),
            make("F1ABC", "AZ0001", "15/12/07", true, SanClemente).line(),
            make("DL1ABC", "MR0005", "01/02/08", false, PieDiChienti).line(),
            make("F1ABC", "az0001", "02/01/08", false, SanClemente).line(),
            make("F5XYZ", "AZ0001", "03/01/08", false, SanClemente).line(),
            make("IK0AAA", "TO0007", "04/01/08", true).line(),
            make("F6SHORT", "LZ0001", "05/01/08", false).line().left(120),
            make("I1ZZZ", "AB0002", "06/01/08", false).line()};
}

// What the list must hold, found without the program's code: the 138-byte lines
// without "*" at the end, by reference in capitals, then in log order.
QList<int> expectedRows(const QList<QByteArray> &log)
{
    QList<int> rows;
    for (int i = 0; i < log.size(); ++i) {
        if (log.at(i).size() == 138 && log.at(i).at(137) != '*')
            rows << i;
    }
    std::stable_sort(rows.begin(), rows.end(), [&log](int a, int b) {
        return log.at(a).mid(34, 6).toUpper() < log.at(b).mid(34, 6).toUpper();
    });
    return rows;
}

struct Pending
{
    MainHarness &h;
    QWidget *window = nullptr;

    bool open()
    {
        QAction *a = h.window->findChild<QAction *>(QStringLiteral("Mnu_QSL_A_Recevoir"));
        if (!a)
            return false;
        a->trigger();
        window = h.window->findChild<QWidget *>(QStringLiteral("QSL_A_Recevoir"));
        return window && QTest::qWaitForWindowExposed(window);
    }
    QTableView *list() const { return window->findChild<QTableView *>(QStringLiteral("Liste_QSL")); }
    QsoRowsModel *model() const { return qobject_cast<QsoRowsModel *>(list()->model()); }
    QString count() const { return window->findChild<QLabel *>(QStringLiteral("Nb_QSL"))->text(); }
    QPushButton *button(const char *name) const { return window->findChild<QPushButton *>(QLatin1String(name)); }
    QString cell(int row, int column) const { return model()->index(row, column).data().toString(); }
};

} // namespace

class TestPendingQsl : public QObject
{
    Q_OBJECT
private slots:
    void listCountAndFilter();
    void markingTwoChangesOnlyTheirQslColumn();
    void ticksHiddenByTheFilterAreMarkedAndCounted();
    void savedAndPrintedListing();
    void lineLeadsToItsQso();
    void linesOfAnyLength();
};

void TestPendingQsl::listCountAndFilter()
{
    MainHarness h;
    const QList<QByteArray> log = sampleLog();
    QVERIFY(h.prepare(log));
    QVERIFY(h.start());
    h.messages.clear(); // the line cut short is reported at start-up
    const QList<int> expected = expectedRows(log);
    QCOMPARE(expected, QList<int>({7, 3, 4, 2, 0}));

    Pending p{h};
    QVERIFY(p.open());
    QCOMPARE(p.window->windowTitle(), QStringLiteral("QSL à recevoir"));
    QCOMPARE(p.model()->rows(), expected);
    QCOMPARE(p.count(), QStringLiteral("5 QSL à recevoir"));
    // Reference, abbey, callsign, date, time, band, mode, as the log has them.
    QCOMPARE(QStringList({p.cell(3, 0), p.cell(3, 1), p.cell(3, 2), p.cell(3, 3), p.cell(3, 4), p.cell(3, 5),
                          p.cell(3, 6)}),
             QStringList({"MR0005", Cp1252::decode(PieDiChienti), "DL1ABC", "01/02/08", "10:00", "14 Mhz", "SSB"}));

    // The filter keeps the callsigns or references that contain its text, in any case.
    auto *filter = p.window->findChild<QLineEdit *>(QStringLiteral("Filtre"));
    QVERIFY(filter);
    filter->setText(QStringLiteral("f1a"));
    QCOMPARE(p.model()->rows(), QList<int>({3}));
    filter->setText(QStringLiteral("az00"));
    QCOMPARE(p.model()->rows(), QList<int>({3, 4}));
    QCOMPARE(p.count(), QStringLiteral("2 QSL à recevoir"));
    filter->clear();
    QCOMPARE(p.model()->rows(), expected);
}

void TestPendingQsl::markingTwoChangesOnlyTheirQslColumn()
{
    MainHarness h;
    const QList<QByteArray> log = sampleLog();
    QVERIFY(h.prepare(log));
    QVERIFY(h.start());
    h.messages.clear(); // the line cut short is reported at start-up
    Pending p{h};
    QVERIFY(p.open());

    // Nothing ticked: said, nothing written.
    QTest::mouseClick(p.button("Marquer"), Qt::LeftButton);
    QCOMPARE(h.messages.notices, QStringList{QStringLiteral("Selectionnez un ou plusieurs QSO")});
    QCOMPARE(h.log(), crlf(log));

    // One ticked with the mouse's tick box (model), one with Space on its line.
    QVERIFY(p.model()->setData(p.model()->index(1, 0), Qt::Checked, Qt::CheckStateRole)); // row 3
    p.list()->setFocus();
    p.list()->setCurrentIndex(p.model()->index(4, 2)); // row 0
    QTest::keyClick(p.list(), Qt::Key_Space);
    QCOMPARE(p.model()->checkedRows(), QList<int>({3, 0}));
    h.messages.clear();
    p.button("Marquer")->setFocus();
    QTest::keyClick(p.button("Marquer"), Qt::Key_Return); // Enter presses the focused button
    QVERIFY2(h.messages.notices.isEmpty(), qPrintable(h.messages.notices.join('\n')));

    QList<QByteArray> after = log;
    after[0][137] = '*';
    after[3][137] = '*';
    QCOMPARE(h.log(), crlf(after));
    // The list follows the change.
    QCOMPARE(p.model()->rows(), QList<int>({7, 4, 2}));
    QCOMPARE(p.count(), QStringLiteral("3 QSL à recevoir"));
}

void TestPendingQsl::ticksHiddenByTheFilterAreMarkedAndCounted()
{
    MainHarness h;
    const QList<QByteArray> log = sampleLog();
    QVERIFY(h.prepare(log));
    QVERIFY(h.start());
    Pending p{h};
    QVERIFY(p.open());
    auto *filter = p.window->findChild<QLineEdit *>(QStringLiteral("Filtre"));
    // Rows 7 and 2 ticked, then a filter that hides both and shows row 0, ticked too.
    p.model()->setChecked(7, true);
    p.model()->setChecked(2, true);
    filter->setText(QStringLiteral("ik0"));
    QCOMPARE(p.model()->rows(), QList<int>({0}));
    p.model()->setChecked(0, true);
    // Changing the filter again keeps every tick.
    filter->setText(QStringLiteral("f5"));
    filter->setText(QStringLiteral("ik0"));

    // Answered No: the question says how many and how many are hidden, nothing is written.
    h.messages.clear();
    h.messages.answers = {false};
    QTest::mouseClick(p.button("Marquer"), Qt::LeftButton);
    QCOMPARE(h.messages.questions,
             QStringList{QStringLiteral("Marquer la QSL reçue pour les 3 QSO cochés ?\r\n\r\n"
                                        "2 de ces QSO sont cachés par le filtre.")});
    QCOMPARE(h.log(), crlf(log));

    h.messages.clear();
    QTest::mouseClick(p.button("Marquer"), Qt::LeftButton);
    QCOMPARE(h.messages.questions.size(), 1);
    QList<QByteArray> after = log;
    for (int row : {0, 2, 7})
        after[row][137] = '*';
    QCOMPARE(h.log(), crlf(after));
    filter->clear();
    QCOMPARE(p.model()->rows(), QList<int>({3, 4}));

    QCOMPARE(PendingQsl::markQuestion(1, 0), QStringLiteral("Marquer la QSL reçue pour le QSO coché ?"));
    QCOMPARE(PendingQsl::markQuestion(2, 1), QStringLiteral("Marquer la QSL reçue pour les 2 QSO cochés ?\r\n\r\n"
                                                            "1 de ces QSO est caché par le filtre."));
}

void TestPendingQsl::savedAndPrintedListing()
{
    MainHarness h;
    const QList<QByteArray> log = sampleLog();
    QVERIFY(h.prepare(log));
    QVERIFY(h.start());
    h.messages.clear(); // the line cut short is reported at start-up
    Pending p{h};
    QVERIFY(p.open());
    p.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(p.window));
    QTest::keyClick(p.window->windowHandle(), Qt::Key_E, Qt::AltModifier); // "&Enregistrer"

    const QString path = h.path(QStringLiteral("TEST1_QSL_a_recevoir_14_03_07.txt"));
    QTRY_COMPARE(h.messages.notices.size(), 1); // the button is pressed as if clicked, a moment later
    QVERIFY2(h.messages.notices.first().contains(QDir::toNativeSeparators(path)), qPrintable(h.messages.notices.first()));
    const QByteArray saved = readBytes(path);
    QVERIFY(saved.endsWith("\r\n"));
    const QList<QByteArray> lines = saved.chopped(1).split('\n');
    for (const QByteArray &l : lines)
        QVERIFY(l.endsWith('\r'));
    auto line = [&lines](int i) { return lines.at(i).chopped(1); };
    QCOMPARE(lines.size(), 4 + 5 + 4);
    QCOMPARE(line(0), QByteArray(14, ' ') + "TEST1 QSL \xE0 recevoir au 14/03/2007");
    QCOMPARE(line(1), QByteArray());
    QVERIFY(line(2).startsWith("   N\xB0 Ref "));
    QCOMPARE(line(2).indexOf("Indicatif"), 6 + 6 + 2 + 60 + 2);
    // Entry: number, reference, abbey, callsign, date, time, band, mode in their columns.
    const QByteArray first = pad("    1 AB0002", 14) + pad("Abbazia di Sant'Antimo", 62) + pad("I1ZZZ", 14)
        + "06/01/08  10:00  14 Mhz   SSB";
    QCOMPARE(line(4), first);
    QVERIFY(line(6).contains(SanClemente) && line(6).contains("F5XYZ"));
    QVERIFY(line(7).contains(PieDiChienti)); // Windows-1252 kept
    QCOMPARE(line(9), QByteArray());
    QCOMPARE(line(10), QByteArray("5 QSL \xE0 recevoir"));
    QCOMPARE(line(12), QByteArray(24, ' ') + Cp1252::encode(ListingText::credit()));

    // Printed: title and header on the first page only, every QSO of a long list.
    QList<QByteArray> longLog;
    for (int i = 0; i < 300; ++i)
        longLog << make("F1ABC", "AZ" + QByteArray::number(1000 + i), "01/01/08", false).line();
    MainHarness big;
    QVERIFY(big.prepare(longLog));
    QVERIFY(big.start());
    const QStringList printed =
        PendingQsl::printedLines(*big.session, PendingQsl::rows(*big.session), QDate(2007, 3, 14));
    QCOMPARE(printed.size(), 4 + 300 + 4);
    QCOMPARE(printed.at(304 + 1), QStringLiteral("300 QSL à recevoir"));
    QTemporaryDir out;
    QPdfWriter pdf(out.filePath(QStringLiteral("qsl.pdf")));
    const ListingPrinter::Result r = ListingPrinter::render(pdf, printed);
    QVERIFY(r.ok);
    QVERIFY(r.pages >= 3);
}

void TestPendingQsl::lineLeadsToItsQso()
{
    MainHarness h;
    const QList<QByteArray> log = sampleLog();
    QVERIFY(h.prepare(log));
    QVERIFY(h.start());
    h.messages.clear(); // the line cut short is reported at start-up
    QCOMPARE(h.session->selectedRow(), log.size() - 1);
    Pending p{h};
    QVERIFY(p.open());

    // Double click on the MR0005 line (log row 2).
    QTableView *view = p.list();
    const QPoint at = view->visualRect(p.model()->index(3, 2)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(h.session->selectedRow(), 2);
    QCOMPARE(h.list()->currentIndex().row(), 2);

    // Enter on the TO0007 line (log row 0).
    view->setFocus();
    view->setCurrentIndex(p.model()->index(4, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(h.session->selectedRow(), 0);
    QCOMPARE(h.list()->currentIndex().row(), 0);

    // Escape closes the window.
    p.window->activateWindow();
    QTest::keyClick(view, Qt::Key_Escape);
    QTRY_VERIFY(!h.window->findChild<QWidget *>(QStringLiteral("QSL_A_Recevoir")));
}

void TestPendingQsl::linesOfAnyLength()
{
    // Only lines the program can mark are listed: a hand-edited line of another
    // length, confirmed or not, is left out; a line too short for the reference
    // still gives its entry without reading past its end.
    const QByteArray full = make("F1ABC", "AZ0001", "15/12/07", false).line();
    const QList<QByteArray> log = {full,
                                   full + "  ",                            // longer, unconfirmed
                                   make("F1ABC", "AZ0002", "15/12/07", true).line() + "x", // longer, confirmed
                                   QByteArray("I1ZZZ"),                    // a callsign alone
                                   QByteArray()};
    QList<QByteArrayView> views;
    for (const QByteArray &l : log)
        views << l;
    QCOMPARE(PendingQsl::rows(views), QList<int>({0}));
    QCOMPARE(PendingQsl::entry(log.at(3)), pad("", 8) + pad("", 62) + "I1ZZZ" + pad("", 9 + 10 + 7 + 9));
    QCOMPARE(PendingQsl::entry(QByteArray()), pad("", 8 + 62 + 14 + 10 + 7 + 9));
}

QTEST_MAIN(TestPendingQsl)
#include "tst_pendingqsl.moc"
