// From a region to its QSOs: the rows of a region on a band, the regions list and
// the activity map opening "QSO de la région <name>" (Enter, double click, a click
// on a box or on the region's shape, Tab from box to box), and a QSO of that
// window selected in the main window.

#include "app/Harness.h"

#include "regions/ItalyMap.h"
#include "regions/RegionTally.h"
#include "regions/ui/ItalyMapView.h"

#include <QAccessible>
#include <QAction>
#include <QListWidget>
#include <QTableView>

using namespace zeltest;

namespace {

Qso on(const QByteArray &call, const QByteArray &ref, const QByteArray &band)
{
    Qso q = qso(call, ref, "05/01/07", "10:00");
    q.band = band;
    return q;
}

// Latium three times (once in small letters, once on 7.0), Veneto under both
// codes, Sicily, and a code of no region.
QList<QByteArray> sampleLog()
{
    return {on("IK0AAA", "LZ0001", "14 Mhz").line(), on("F1ABC", "SC0001", "14 Mhz").line(),
            on("F5XYZ", "lz0002", "14 Mhz").line(),  on("DL1ABC", "VN0001", "14 Mhz").line(),
            on("I1ZZZ", "LZ0003", "7.0 Mhz").line(), on("I2AAA", "VE0002", "3.5 Mhz").line(),
            on("I3BBB", "XX0001", "14 Mhz").line()};
}

QWidget *openItem(MainHarness &h, const char *item, const char *window)
{
    QAction *a = h.window->findChild<QAction *>(QLatin1String(item));
    if (!a)
        return nullptr;
    a->trigger();
    return h.window->findChild<QWidget *>(QLatin1String(window));
}

QWidget *regionWindow(MainHarness &h) { return h.window->findChild<QWidget *>(QStringLiteral("QSO_Region")); }

QList<int> shownRows(QWidget *w)
{
    QList<int> rows;
    auto *view = w->findChild<QTableView *>(QStringLiteral("Liste_QSO_Region"));
    for (int r = 0; view && r < view->model()->rowCount(); ++r)
        rows << view->model()->index(r, 0).data().toInt() - 1; // the N° column
    return rows;
}

} // namespace

class TestRegionQsos : public QObject
{
    Q_OBJECT
private slots:
    void rowsOfARegion();
    void regionsListLeadsToItsQsos();
    void mapLeadsToItsQsos();
};

void TestRegionQsos::rowsOfARegion()
{
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    QCOMPARE(regionRows(*h.session, 7, QStringLiteral("Toutes")), QList<int>({0, 2, 4}));
    QCOMPARE(regionRows(*h.session, 7, QStringLiteral("14 Mhz")), QList<int>({0, 2}));
    QCOMPARE(regionRows(*h.session, 7, QStringLiteral("3.5 Mhz")), QList<int>());
    QCOMPARE(regionRows(*h.session, RegionTable::VenetoSlot, QStringLiteral("Toutes")), QList<int>({3, 5}));
    QCOMPARE(regionRows(*h.session, 0, QStringLiteral("Toutes")), QList<int>());
}

void TestRegionQsos::regionsListLeadsToItsQsos()
{
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    QWidget *regions = openItem(h, "Mnu_Region_Contact", "Regions_Contacte");
    QVERIFY(regions);
    QTest::mouseClick(regions->findChild<QPushButton *>(QStringLiteral("Afficher")), Qt::LeftButton);
    auto *list = regions->findChild<QListWidget *>(QStringLiteral("Regions"));
    QCOMPARE(list->count(), 3); // LZ, SC, VE on "Toutes"

    // Enter on "    LZ Region Latium".
    list->setFocus();
    list->setCurrentRow(list->row(list->findItems(QStringLiteral("    LZ Region Latium"), Qt::MatchExactly).value(0)));
    QTest::keyClick(list, Qt::Key_Return);
    QWidget *w = regionWindow(h);
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("QSO de la région Latium"));
    QCOMPARE(shownRows(w), QList<int>({0, 2, 4}));

    // Enter on its second QSO selects it in the main window.
    auto *view = w->findChild<QTableView *>(QStringLiteral("Liste_QSO_Region"));
    QCOMPARE(QAccessible::queryAccessibleInterface(view)->text(QAccessible::Name),
             QStringLiteral("QSO de la région Latium"));
    view->setFocus();
    view->setCurrentIndex(view->model()->index(1, 1));
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(h.session->selectedRow(), 2);
    QCOMPARE(h.list()->currentIndex().row(), 2);

    // A double click on Veneto's line shows the same window for Veneto, both codes.
    QListWidgetItem *veneto = list->findItems(QStringLiteral("    VE Region Venetie"), Qt::MatchExactly).value(0);
    QVERIFY(veneto);
    const QPoint at = list->visualItemRect(veneto).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(regionWindow(h), w);
    QCOMPARE(w->windowTitle(), QStringLiteral("QSO de la région Vénétie"));
    QCOMPARE(shownRows(w), QList<int>({3, 5}));

    // A QSO added in Veneto shows at once.
    QVERIFY(h.session->append(on("I4CCC", "VE0009", "14 Mhz").line()).ok);
    QCOMPARE(shownRows(w), QList<int>({3, 5, 7}));
}

void TestRegionQsos::mapLeadsToItsQsos()
{
    MainHarness h;
    QVERIFY(h.prepare(sampleLog()));
    QVERIFY(h.start());
    QWidget *map = openItem(h, "Mnu_Carte_HB", "Carte_Acti_ZEL");
    QVERIFY(map);
    QVERIFY(QTest::qWaitForWindowExposed(map));
    // The map shows the station's band, 14 Mhz.
    auto *box = map->findChild<QLabel *>(QStringLiteral("Dep(7)"));
    QVERIFY(box);
    QTest::mouseClick(box, Qt::LeftButton);
    QWidget *w = regionWindow(h);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("QSO de la région Latium"));
    QCOMPARE(shownRows(w), QList<int>({0, 2}));
    w->close();
    QTRY_VERIFY(!regionWindow(h));

    // Tab goes from box to box; Enter opens the region with the focus.
    map->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(map));
    box->setFocus();
    QVERIFY(box->hasFocus());
    QTest::keyClick(box, Qt::Key_Tab);
    auto *next = map->findChild<QLabel *>(QStringLiteral("Dep(8)"));
    QVERIFY(next->hasFocus());
    QTest::keyClick(next, Qt::Key_Return);
    QVERIFY(regionWindow(h));
    QCOMPARE(regionWindow(h)->windowTitle(), QStringLiteral("QSO de la région Liguria"));
    QCOMPARE(shownRows(regionWindow(h)), QList<int>());

    // A click on Sicily's shape, away from its box.
    auto *picture = map->findChild<ItalyMapView *>(QStringLiteral("Picture1"));
    QVERIFY(picture);
    const MapLayout layout = picture->currentLayout();
    const QPointF point = layout.toArea(ItalyMap::markerPoint(16));
    QCOMPARE(picture->shapeAt(point), ItalyMap::elementId(16));
    QTest::mouseClick(picture, Qt::LeftButton, {}, point.toPoint());
    QCOMPARE(regionWindow(h)->windowTitle(), QStringLiteral("QSO de la région Sicile"));
    QCOMPARE(shownRows(regionWindow(h)), QList<int>({1}));
    // The sea leads nowhere.
    QCOMPARE(picture->shapeAt(layout.toArea(QPointF(5, 780))), QString());
}

QTEST_MAIN(TestRegionQsos)
#include "tst_regionqsos.moc"
