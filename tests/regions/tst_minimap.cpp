// The new-region mini map, driven by typing references in the main window.

#include "app/Harness.h"

#include "refdata/RegionTable.h"

using namespace zeltest;

namespace {

// Latium is in the log already.
QList<QByteArray> latiumOnly() { return {qso("IK0AAA", "LZ0001", "05/01/07", "10:00").line()}; }

QWidget *miniMap(const MainHarness &h)
{
    QWidget *w = h.window->findChild<QWidget *>(QStringLiteral("Mini_Carte"));
    return w && w->isVisible() ? w : nullptr;
}

QList<int> shownMarkers(QWidget *mini)
{
    QList<int> out;
    for (int s = 1; s <= RegionTable::SlotCount; ++s) {
        auto *m = mini->findChild<QWidget *>(QStringLiteral("Shape1(%1)").arg(s));
        if (m && m->isVisibleTo(mini))
            out << s;
    }
    return out;
}

// Callsign, first name, then the reference and Enter.
bool typeReference(MainHarness &h, const QString &reference)
{
    if (!h.walkTo(h.edit("Ref_A")))
        return false;
    MainHarness::type(h.edit("Ref_A"), reference);
    MainHarness::enter(h.edit("Ref_A"));
    return true;
}

} // namespace

class MiniMapTest : public QObject
{
    Q_OBJECT

private slots:
    void newRegion_data();
    void newRegion();
    void knownRegionShowsNothing();
    void enterClosesAndTheEntryGoesOn();
    void closedWhenModeAccepted();
    void closedWhenDateAccepted();
    void secondNewRegionKeepsTheFirst();
};

void MiniMapTest::newRegion_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QList<int>>("markers");
    QTest::addColumn<QString>("name");

    QTest::newRow("Abruzzo") << "az0001" << QList<int>{1} << "Abruzzes";
    QTest::newRow("Bolzano") << "bb0001" << QList<int>{21} << "Bolzamo P.A.";
    QTest::newRow("Veneto") << "ve0001" << QList<int>{19} << QString::fromUtf8("Vénétie");
    QTest::newRow("Veneto, older code") << "vn0001" << QList<int>{19} << QString::fromUtf8("Vénétie");
    QTest::newRow("no region") << "xx0001" << QList<int>{} << QString();
}

void MiniMapTest::newRegion()
{
    QFETCH(QString, reference);
    QFETCH(QList<int>, markers);
    QFETCH(QString, name);

    MainHarness h;
    QVERIFY(h.prepare(latiumOnly()));
    QVERIFY(h.start());
    QVERIFY(typeReference(h, reference));

    QWidget *mini = miniMap(h);
    QVERIFY(mini);
    QCOMPARE(mini->windowTitle(), QString::fromUtf8("Nouvelle Région"));
    QCOMPARE(mini->findChild<QLabel *>(QStringLiteral("Label2"))->text(), QString::fromUtf8("Nouvelle Région"));
    QCOMPARE(mini->findChild<QLabel *>(QStringLiteral("N_Pro"))->text(), name);
    QCOMPARE(shownMarkers(mini), markers);
    for (int s : markers) {
        auto *m = mini->findChild<QWidget *>(QStringLiteral("Shape1(%1)").arg(s));
        QCOMPARE(m->palette().color(QPalette::Window), QColor(0x80, 0xFF, 0x80));
    }
    auto *suite = mini->findChild<QPushButton *>(QStringLiteral("Suite"));
    QCOMPARE(QString(suite->text()).remove(QLatin1Char('&')), QStringLiteral("Continuer"));
    QTRY_VERIFY(suite->hasFocus());
    QVERIFY(mini->screen()->availableGeometry().contains(mini->frameGeometry()));
    // The entry went on behind it as usual.
    QCOMPARE(h.edit("Ref_A")->text(), reference.toUpper());
    QVERIFY(h.combo("Mode_A")->isEnabled());
}

void MiniMapTest::knownRegionShowsNothing()
{
    MainHarness h;
    QVERIFY(h.prepare(latiumOnly()));
    QVERIFY(h.start());
    QVERIFY(typeReference(h, QStringLiteral("lz0002")));
    QVERIFY(!miniMap(h));
    QCOMPARE(h.focused(), h.combo("Mode_A"));
}

void MiniMapTest::enterClosesAndTheEntryGoesOn()
{
    MainHarness h;
    QVERIFY(h.prepare(latiumOnly()));
    QVERIFY(h.start());
    QVERIFY(typeReference(h, QStringLiteral("az0001")));
    QWidget *mini = miniMap(h);
    QVERIFY(mini);
    auto *suite = mini->findChild<QPushButton *>(QStringLiteral("Suite"));
    QTRY_VERIFY(suite->hasFocus());
    QTest::keyClick(suite, Qt::Key_Return);
    QVERIFY(!miniMap(h));
    // Back where the cursor was waiting.
    QTRY_COMPARE(h.focused(), h.combo("Mode_A"));

    // A new QSO in a region still missing opens a fresh one.
    QTest::mouseClick(h.button("Efface_A"), Qt::LeftButton);
    QVERIFY(typeReference(h, QStringLiteral("sc0001")));
    QVERIFY(miniMap(h));
    QCOMPARE(shownMarkers(miniMap(h)), QList<int>{16});
}

void MiniMapTest::closedWhenModeAccepted()
{
    MainHarness h;
    QVERIFY(h.prepare(latiumOnly()));
    QVERIFY(h.start());
    QVERIFY(typeReference(h, QStringLiteral("az0001")));
    QVERIFY(miniMap(h));
    // The operator goes back to the main window without closing it.
    h.window->activateWindow();
    QTRY_COMPARE(h.focused(), h.combo("Mode_A"));
    MainHarness::enter(h.combo("Mode_A"));
    QVERIFY(!miniMap(h));
    QCOMPARE(h.focused(), h.combo("Bande_A"));
    // Accepting the next fields does not bring it back.
    MainHarness::enter(h.combo("Bande_A"));
    QVERIFY(!miniMap(h));
}

void MiniMapTest::closedWhenDateAccepted()
{
    MainHarness h;
    QVERIFY(h.prepare(latiumOnly()));
    QVERIFY(h.start());
    // Inserting a QSO goes through the date and time by hand.
    QTest::mouseClick(h.button("Ajout_QSO"), Qt::LeftButton);
    QVERIFY(typeReference(h, QStringLiteral("az0001")));
    QVERIFY(miniMap(h));
    h.window->activateWindow();
    QTRY_VERIFY(h.focused() == h.edit("Loc_A"));
    QVERIFY(h.walkTo(h.edit("Date_A")));
    QVERIFY(miniMap(h));
    MainHarness::type(h.edit("Date_A"), QStringLiteral("14/03/07"));
    MainHarness::enter(h.edit("Date_A"));
    QVERIFY(!miniMap(h));
}

void MiniMapTest::secondNewRegionKeepsTheFirst()
{
    MainHarness h;
    QVERIFY(h.prepare(latiumOnly()));
    QVERIFY(h.start());
    QVERIFY(typeReference(h, QStringLiteral("az0001")));
    QWidget *first = miniMap(h);
    QVERIFY(first);

    h.window->activateWindow();
    QTRY_VERIFY(h.window->isActiveWindow());
    QTest::mouseClick(h.button("Efface_A"), Qt::LeftButton);
    QVERIFY(typeReference(h, QStringLiteral("sc0001")));
    // Back to the front, still on the first region.
    QCOMPARE(miniMap(h), first);
    QTRY_VERIFY(first->isActiveWindow());
    QCOMPARE(shownMarkers(first), QList<int>{1});
    QCOMPARE(first->findChild<QLabel *>(QStringLiteral("N_Pro"))->text(), QStringLiteral("Abruzzes"));
}

QTEST_MAIN(MiniMapTest)
#include "tst_minimap.moc"
