// The score window's way to the next level and its award chart: the texts and the
// progress bar at the levels' edges, the monthly figures of the chart and of its
// table, the picture saved; and a line of the award lists leading to its QSO.

#include "app/Harness.h"

#include "reports/AwardChart.h"
#include "reports/AwardHistory.h"
#include "reports/AwardProgress.h"
#include "reports/ui/ScoreWindow.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAction>
#include <QChartView>
#include <QLineSeries>
#include <QGraphicsObject>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGroupBox>
#include <QImage>
#include <QPointer>
#include <QProgressBar>
#include <QTableView>
#include <QTableWidget>

using namespace zeltest;

namespace {

QWidget *openItem(MainHarness &h, const char *item, const char *window)
{
    QAction *a = h.window->findChild<QAction *>(QLatin1String(item));
    if (!a)
        return nullptr;
    a->trigger();
    return h.window->findChild<QWidget *>(QLatin1String(window));
}

QList<QByteArray> confirmedLog(int confirmed)
{
    QList<QByteArray> log;
    for (int i = 0; i < confirmed + 3; ++i) {
        Qso q = qso("F1ABC", "AZ0001", "01/03/07", "10:00");
        q.qsl = i < confirmed;
        log << q.line();
    }
    return log;
}

} // namespace

class TestAwardProgress : public QObject
{
    Q_OBJECT
private slots:
    void nextLevel_data();
    void nextLevel();
    void monthlyFigures();
    void chartFollowsTheLogAndSavesItsPicture();
    void yearsAfterTenYears();
    void longLogShownByYear();
    void oneMonthShownByDay();
    void awardListsLeadToTheirQso();
    void countsAxisAsAFreshChartDrawsIt();
    void pointsMoveOnceTheyShow();
};

void TestAwardProgress::nextLevel_data()
{
    QTest::addColumn<int>("confirmed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("9") << 9 << "Encore 1 QSL pour le diplôme de base" << 0 << 10;
    QTest::newRow("10") << 10 << "Encore 240 QSL pour le niveau Excellence 1" << 10 << 250;
    QTest::newRow("249") << 249 << "Encore 1 QSL pour le niveau Excellence 1" << 10 << 250;
    QTest::newRow("250") << 250 << "Encore 250 QSL pour le niveau Excellence 2" << 250 << 500;
    QTest::newRow("499") << 499 << "Encore 1 QSL pour le niveau Excellence 2" << 250 << 500;
}

void TestAwardProgress::nextLevel()
{
    QFETCH(int, confirmed);
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, to);
    MainHarness h;
    QVERIFY(h.prepare(confirmedLog(confirmed)));
    QVERIFY(h.start());
    QWidget *w = openItem(h, "Mnu_Scores_ZEL", "Scores_ZEL");
    QVERIFY(w);
    // The verdicts stay as they were.
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label_Base"))->text(),
             confirmed >= 10 ? QStringLiteral("Bravo, vous pouvez obtenir")
                             : QStringLiteral("Vous ne pouvez pas encore obtenir"));
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("Label_Niveau_Suivant"))->text(), text);
    auto *bar = w->findChild<QProgressBar *>(QStringLiteral("Progression_Niveau"));
    QVERIFY(bar);
    QCOMPARE(bar->minimum(), from);
    QCOMPARE(bar->maximum(), to);
    // Read as a screen reader reads it.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(bar);
    QVERIFY(iface && iface->valueInterface());
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Progression vers le niveau suivant"));
    QCOMPARE(iface->valueInterface()->currentValue().toInt(), confirmed);
    QCOMPARE(iface->valueInterface()->maximumValue().toInt(), to);

    const AwardProgress all = AwardProgress::of(3000);
    QVERIFY(all.complete());
    QCOMPARE(all.text, QStringLiteral("Tous les niveaux du diplôme sont atteints"));
}

void TestAwardProgress::monthlyFigures()
{
    // Out of order, a gap of months, a QSO of 1999, a date that cannot be read.
    auto line = [](const QByteArray &date, bool qsl) {
        Qso q = qso("F1ABC", "AZ0001", date, "10:00");
        q.qsl = qsl;
        return q.line();
    };
    const QList<QByteArray> log = {line("05/01/07", false), line("28/11/06", true), line("30/11/06", false),
                                   line("14/03/07", true),  line("xx/yy/zz", true), line("31/12/99", false)};
    const QList<QByteArrayView> views(log.cbegin(), log.cend());
    const QList<AwardHistory::Month> months = AwardHistory::fromLines(views, QDate(2007, 4, 2));
    QCOMPARE(months.size(), 12 * 7 + 5); // 12/1999 to 04/2007
    QCOMPARE(months.first().month, QDate(1999, 12, 1));
    QCOMPARE(months.first().contacted, 1);
    auto at = [&months](int year, int month) {
        for (const AwardHistory::Month &m : months) {
            if (m.month == QDate(year, month, 1))
                return std::pair{m.contacted, m.confirmed};
        }
        return std::pair{-1, -1};
    };
    QCOMPARE(at(2006, 10), std::pair(1, 0));
    QCOMPARE(at(2006, 11), std::pair(3, 1));
    QCOMPARE(at(2006, 12), std::pair(3, 1));
    QCOMPARE(at(2007, 1), std::pair(4, 1));
    QCOMPARE(at(2007, 2), std::pair(4, 1));
    QCOMPARE(at(2007, 3), std::pair(5, 2));
    QCOMPARE(at(2007, 4), std::pair(5, 2)); // up to today
    QVERIFY(AwardHistory::fromLines({}, QDate(2007, 4, 2)).isEmpty());
}

void TestAwardProgress::chartFollowsTheLogAndSavesItsPicture()
{
    MainHarness h;
    Qso a = qso("F1ABC", "AZ0001", "20/01/07", "10:00");
    Qso b = qso("IK0AAA", "TO0007", "02/03/07", "10:00");
    b.qsl = true;
    QVERIFY(h.prepare({a.line(), b.line()}));
    QVERIFY(h.start());
    QWidget *w = openItem(h, "Mnu_Scores_ZEL", "Scores_ZEL");
    QVERIFY(w);
    auto *table = w->findChild<QTableWidget *>(QStringLiteral("Tableau_Mois"));
    QVERIFY(table);
    auto rows = [table] {
        QStringList out;
        for (int r = 0; r < table->rowCount(); ++r)
            out << table->item(r, 0)->text() + ' ' + table->item(r, 1)->text() + ' ' + table->item(r, 2)->text();
        return out;
    };
    // The clock says 14/03/2007.
    QCOMPARE(rows(), QStringList({"01/2007 1 0", "02/2007 1 0", "03/2007 2 1"}));
    QCOMPARE(QAccessible::queryAccessibleInterface(table)->text(QAccessible::Name),
             QStringLiteral("Abbayes contactées et confirmées par mois"));

    // Confirming the first QSO elsewhere shows at once.
    QVERIFY(h.session->markConfirmed({0}).ok);
    QCOMPARE(rows(), QStringList({"01/2007 1 1", "02/2007 1 1", "03/2007 2 2"}));

    // "Enregistrer l'image": the name asked through the seam, a PNG written.
    auto *score = qobject_cast<ScoreWindow *>(w);
    QVERIFY(score);
    QString suggested;
    QString answer;
    score->setImageFileChooser([&](QWidget *, const QString &s) {
        suggested = s;
        return answer;
    });
    auto *button = w->findChild<QPushButton *>(QStringLiteral("Enregistrer_Image"));
    QVERIFY(button);
    h.messages.clear();
    QTest::mouseClick(button, Qt::LeftButton); // cancelled: nothing written, nothing said
    QCOMPARE(suggested, h.path(QStringLiteral("TEST1_Scores_ZEL_14_03_07.png")));
    QVERIFY(h.messages.notices.isEmpty());
    answer = h.path(QStringLiteral("graphique"));
    QTest::mouseClick(button, Qt::LeftButton);
    const QByteArray png = readBytes(answer + QStringLiteral(".png"));
    QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
    QImage image;
    QVERIFY(image.loadFromData(png, "PNG"));
    QVERIFY(image.width() > 100 && image.height() > 100);
    QCOMPARE(h.messages.notices.size(), 1);
    QVERIFY(h.messages.notices.first().contains(QDir::toNativeSeparators(answer)));
    // The picture is titled with the station, the award and the day, drawn above the
    // chart and kept as the PNG's own title.
    QCOMPARE(image.text(QStringLiteral("Title")), QString::fromUtf8("TEST1 - Diplôme ZEL - 14/03/2007"));
    QWidget *chart = w->findChild<QWidget *>(QStringLiteral("Graphique"));
    QVERIFY(chart);
    QVERIFY(image.height() > chart->height() * chart->devicePixelRatio());
    bool inked = false; // something dark in the title band, above the chart
    const int band = image.height() - int(chart->height() * chart->devicePixelRatio());
    for (int y = 0; y < band && !inked; ++y) {
        for (int x = 0; x < image.width() && !inked; ++x)
            inked = qGray(image.pixel(x, y)) < 100;
    }
    QVERIFY(inked);
}

void TestAwardProgress::yearsAfterTenYears()
{
    auto months = [](const QDate &from, int count) {
        QList<AwardHistory::Month> out;
        for (int i = 0; i < count; ++i)
            out.append({from.addMonths(i), i + 1, i / 2});
        return out;
    };
    // Exactly ten years, 01/1997 to 01/2007: month by month still.
    const QList<AwardHistory::Month> ten = months(QDate(1997, 1, 1), 121);
    AwardChart::Points shown = AwardChart::points(ten);
    QVERIFY(!shown.yearly);
    QCOMPARE(shown.points.size(), 121);

    // One month more, starting in November: one point a year, each the figures at the
    // end of its year, the last year up to its last month.
    const QList<AwardHistory::Month> longer = months(QDate(1996, 11, 1), 123); // to 01/2007
    shown = AwardChart::points(longer);
    QVERIFY(shown.yearly);
    QCOMPARE(shown.points.size(), 12); // 1996 to 2007
    QCOMPARE(shown.points.first().month, QDate(1996, 1, 1));
    QCOMPARE(shown.points.first().contacted, 2); // 12/1996
    QCOMPARE(shown.points.first().confirmed, 0);
    QCOMPARE(shown.points.at(1).month, QDate(1997, 1, 1));
    QCOMPARE(shown.points.at(1).contacted, 14); // 12/1997
    QCOMPARE(shown.points.last().month, QDate(2007, 1, 1));
    QCOMPARE(shown.points.last().contacted, 123);
    QCOMPARE(shown.points.last().confirmed, 61);

    QVERIFY(AwardChart::points({}).points.isEmpty());
}

void TestAwardProgress::longLogShownByYear()
{
    // One QSO of 1990, the rest in 2007: the chart and its table go year by year.
    MainHarness h;
    Qso old = qso("DL1ABC", "MR0005", "05/06/90", "10:00");
    old.qsl = true;
    QVERIFY(h.prepare({old.line(), qso("F1ABC", "AZ0001", "20/01/07", "10:00").line(),
                       qso("IK0AAA", "TO0007", "02/03/07", "10:00").line()}));
    QVERIFY(h.start());
    QWidget *w = openItem(h, "Mnu_Scores_ZEL", "Scores_ZEL");
    QVERIFY(w);
    auto *table = w->findChild<QTableWidget *>(QStringLiteral("Tableau_Mois"));
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 18); // 1990 to 2007
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Année"));
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("1990"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("1"));
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("1"));
    QCOMPARE(table->item(17, 0)->text(), QStringLiteral("2007"));
    QCOMPARE(table->item(17, 1)->text(), QStringLiteral("3"));
    auto *box = w->findChild<QGroupBox *>(QStringLiteral("Frame_Historique"));
    QVERIFY(box);
    QCOMPARE(box->title(), QString::fromUtf8("Le diplôme année par année"));
    QCOMPARE(QAccessible::queryAccessibleInterface(table)->text(QAccessible::Name),
             QString::fromUtf8("Abbayes contactées et confirmées par année"));

    // Deleting the old QSO brings the months back.
    QVERIFY(h.session->remove(old.line()).ok);
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Mois"));
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("01/2007"));
    QCOMPARE(box->title(), QString::fromUtf8("Le diplôme mois par mois"));
}

void TestAwardProgress::oneMonthShownByDay()
{
    // Every QSO in March 2007, today 14/03/2007: one month would be a single point.
    const QList<QByteArray> lines = {qso("F1ABC", "AZ0001", "02/03/07", "10:00").line(),
                                     qso("IK0AAA", "TO0007", "05/03/07", "23:59").line(),
                                     qso("DL1ABC", "MR0005", "05/03/07", "00:00").line()};
    QList<QByteArrayView> views(lines.cbegin(), lines.cend());
    const QList<AwardHistory::Month> days = AwardHistory::daysFromLines(views, QDate(2007, 3, 14));
    QCOMPARE(days.size(), 13); // 02/03 to 14/03, every day
    QCOMPARE(days.first().month, QDate(2007, 3, 2));
    QCOMPARE(days.first().contacted, 1);
    QCOMPARE(days.at(3).contacted, 3);
    QCOMPARE(days.last().month, QDate(2007, 3, 14));
    QCOMPARE(days.last().contacted, 3);
    const QList<AwardHistory::Month> months = AwardHistory::fromLines(views, QDate(2007, 3, 14));
    QCOMPARE(months.size(), 1);
    QVERIFY(AwardChart::points(months, days).daily);
    // Two months still go by day; three by month.
    QVERIFY(AwardChart::wantsDays(AwardHistory::fromLines(views, QDate(2007, 4, 30))));
    QVERIFY(!AwardChart::wantsDays(AwardHistory::fromLines(views, QDate(2007, 5, 1))));
    QVERIFY(!AwardChart::points(AwardHistory::fromLines(views, QDate(2007, 5, 1)), days).daily);

    MainHarness h;
    QVERIFY(h.prepare(lines));
    QVERIFY(h.start());
    QWidget *w = openItem(h, "Mnu_Scores_ZEL", "Scores_ZEL");
    QVERIFY(w);
    auto *table = w->findChild<QTableWidget *>(QStringLiteral("Tableau_Mois"));
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 13);
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Jour"));
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("02/03/2007"));
    QCOMPARE(table->item(12, 1)->text(), QStringLiteral("3"));
    auto *box = w->findChild<QGroupBox *>(QStringLiteral("Frame_Historique"));
    QCOMPARE(box->title(), QString::fromUtf8("Le diplôme jour par jour"));
}

void TestAwardProgress::awardListsLeadToTheirQso()
{
    MainHarness h;
    const QList<QByteArray> log = {qso("IK0AAA", "TO0007", "02/01/08", "10:00").line(),
                                   qso("F1ABC", "AZ0001", "15/12/07", "09:05").line(),
                                   qso("DL1ABC", "MR0005", "01/02/08", "23:59").line()};
    QVERIFY(h.prepare(log));
    QVERIFY(h.start());
    for (const char *item : {"Mnu_C_Contacte", "Mnu_Abbayes_Contactees"}) {
        const char *name = qstrcmp(item, "Mnu_C_Contacte") == 0 ? "Aff_Contacte" : "Aff_Contacte_ZEL";
        QWidget *w = openItem(h, item, name);
        QVERIFY(w);
        auto *view = w->findChild<QTableView *>(QStringLiteral("Liste_QSO_Contacte"));
        QVERIFY(view);
        // Row 0 is the list's empty entry; then AZ0001 (log row 1), MR0005 (2), TO0007 (0).
        const QPoint at = view->visualRect(view->model()->index(2, 1)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(h.session->selectedRow(), 2);
        QCOMPARE(h.list()->currentIndex().row(), 2);
        view->setFocus();
        view->setCurrentIndex(view->model()->index(3, 0));
        QTest::keyClick(view, Qt::Key_Enter);
        QCOMPARE(h.session->selectedRow(), 0);
        // The empty entry leads nowhere.
        view->setCurrentIndex(view->model()->index(0, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(h.session->selectedRow(), 0);
        w->close();
    }
}

namespace {

// The chart's counts axis as "min max ticks", read through its properties (the
// chart is a plugin: no Qt Charts type is known here).
QString countsAxis(QWidget *score)
{
    for (QGraphicsView *view : score->findChildren<QGraphicsView *>()) {
        for (QGraphicsItem *item : view->scene()->items()) {
            QGraphicsObject *chart = item->toGraphicsObject();
            if (!chart || !chart->inherits("QChart"))
                continue;
            for (QObject *axis : chart->findChildren<QObject *>()) {
                if (axis->inherits("QValueAxis") && axis->property("labelFormat").toString() == QLatin1String("%d"))
                    return QStringLiteral("%1 %2 %3").arg(axis->property("min").toDouble())
                        .arg(axis->property("max").toDouble()).arg(axis->property("tickCount").toInt());
            }
        }
    }
    return {};
}

} // namespace

void TestAwardProgress::countsAxisAsAFreshChartDrawsIt()
{
    // QSOs committed one by one with the chart open: after each, its counts axis is
    // the one a chart opened on that log draws, round figures included.
    QList<QByteArray> log;
    for (int i = 0; i < 8; ++i)
        log << qso("F1ABC", QByteArray("AZ000") + QByteArray::number(i), "20/01/07", "10:00").line();
    MainHarness h;
    QVERIFY(h.prepare(log));
    QVERIFY(h.start());
    QWidget *w = openItem(h, "Mnu_Scores_ZEL", "Scores_ZEL");
    QVERIFY(w);
    if (countsAxis(w).isEmpty())
        QSKIP("the chart plugin is not built here");
    QStringList seen;
    for (int i = 8; i < 60; ++i) {
        QVERIFY(h.session->append(qso("F1ABC", QByteArray("LZ") + QByteArray::number(i).rightJustified(4, '0'),
                                      "02/03/07", "10:00").line()).ok);
        const QString followed = countsAxis(w);
        // Closed and opened again: drawn afresh from the same log.
        QPointer<QWidget> closing = w;
        w->close();
        QTRY_VERIFY(!closing);
        w = openItem(h, "Mnu_Scores_ZEL", "Scores_ZEL");
        QVERIFY(w);
        QCOMPARE(followed, countsAxis(w));
        if (!seen.contains(followed))
            seen << followed;
    }
    // The axis did change on the way (10, then 20 and more QSOs...).
    QVERIFY2(seen.size() >= 3, qPrintable(seen.join(QLatin1String(" | "))));
}

void TestAwardProgress::pointsMoveOnceTheyShow()
{
    // 2,800 QSOs: one more moves the last point by far less than a pixel, and the
    // chart is not redrawn for it; the table says the exact figure at once, the
    // point follows once the difference shows, and the saved picture is exact.
    QList<QByteArray> log;
    for (int i = 0; i < 2800; ++i)
        log << qso("F1ABC", QByteArray("AZ") + QByteArray::number(i % 9000).rightJustified(4, '0'), "20/01/07", "10:00").line();
    MainHarness h;
    QVERIFY(h.prepare(log));
    QVERIFY(h.start());
    QWidget *w = openItem(h, "Mnu_Scores_ZEL", "Scores_ZEL");
    QVERIFY(w);
    auto *view = w->findChild<QChartView *>();
    if (!view)
        QSKIP("the chart plugin is not built here");
    auto *contacted = qobject_cast<QLineSeries *>(view->chart()->series().first());
    QVERIFY(contacted);
    auto *table = w->findChild<QTableWidget *>(QStringLiteral("Tableau_Mois"));
    const auto lastDrawn = [contacted] { return int(contacted->points().last().y()); };
    const auto lastInTable = [table] { return table->item(table->rowCount() - 1, 1)->text().toInt(); };
    QCOMPARE(lastDrawn(), 2800);
    const QString axis = countsAxis(w);
    QVERIFY(h.session->append(qso("F1ABC", "LZ0001", "02/03/07", "10:00").line()).ok);
    QCOMPARE(lastInTable(), 2801);
    QCOMPARE(countsAxis(w), axis);
    QCOMPARE(lastDrawn(), 2800);
    QVERIFY(h.session->append(qso("F1ABC", "LZ0002", "02/03/07", "10:05").line()).ok);
    QCOMPARE(lastInTable(), 2802);
    QCOMPARE(lastDrawn(), 2802); // 2 of a 0-3000 axis: over 1/2000 of it
    QVERIFY(h.session->append(qso("F1ABC", "LZ0003", "02/03/07", "10:10").line()).ok);
    QCOMPARE(lastDrawn(), 2802);
    auto *score = qobject_cast<ScoreWindow *>(w);
    const QString png = h.path(QStringLiteral("scores.png"));
    score->setImageFileChooser([&](QWidget *, const QString &) { return png; });
    w->findChild<QPushButton *>(QStringLiteral("Enregistrer_Image"))->click();
    QVERIFY(QFile::exists(png));
    QCOMPARE(lastDrawn(), 2803);
}

QTEST_MAIN(TestAwardProgress)
#include "tst_awardprogress.moc"
