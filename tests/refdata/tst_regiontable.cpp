#include "refdata/RegionTable.h"

#include <QtTest>

class TestRegionTable : public QObject
{
    Q_OBJECT

private slots:
    void slotOfCode_data();
    void slotOfCode();
    void slotOfTallyCode_data();
    void slotOfTallyCode();
    void sameRegion_data();
    void sameRegion();
    void texts_data();
    void texts();
    void everySlotFindsItself();
    void slotsOutsideTheTableAreEmpty();
};

void TestRegionTable::slotOfCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("slot");
    QTest::newRow("first") << "AZ" << 1;
    QTest::newRow("last") << "BB" << 21;
    QTest::newRow("Veneto shown code") << "VE" << 19;
    QTest::newRow("Veneto other code") << "VN" << 19;
    QTest::newRow("Aosta") << "AE" << 20;
    QTest::newRow("lower case is not a code") << "az" << 0;
    QTest::newRow("blank before") << " AZ" << 0;
    QTest::newRow("unknown") << "XX" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("a name is not a code") << "Latium" << 0;
    QTest::newRow("whole reference") << "LZ0001" << 0;
}

void TestRegionTable::slotOfCode()
{
    QFETCH(QString, code);
    QFETCH(int, slot);
    QCOMPARE(RegionTable::slotOfCode(code), slot);
}

void TestRegionTable::slotOfTallyCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("slot");
    QTest::newRow("exact") << "LZ" << 7;
    QTest::newRow("lower case") << "lz" << 7;
    QTest::newRow("blanks around and inside") << " l z " << 7;
    QTest::newRow("Veneto other code typed") << "vn" << 19;
    QTest::newRow("Veneto shown code typed") << "Ve " << 19;
    QTest::newRow("blanks only") << "   " << 0;
    QTest::newRow("unknown") << "xx" << 0;
}

void TestRegionTable::slotOfTallyCode()
{
    QFETCH(QString, code);
    QFETCH(int, slot);
    QCOMPARE(RegionTable::slotOfTallyCode(code), slot);
}

void TestRegionTable::sameRegion_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::newRow("VN then VE") << "VN" << "VE" << true;
    QTest::newRow("VE then VN") << "VE" << "VN" << true;
    QTest::newRow("equal codes") << "TC" << "TC" << true;
    QTest::newRow("two regions") << "AZ" << "BC" << false;
    QTest::newRow("Veneto and Friuli") << "VN" << "FL" << false;
    QTest::newRow("equal unknown codes") << "XX" << "XX" << true;
    QTest::newRow("two unknown codes") << "XX" << "YY" << false;
    QTest::newRow("case matters") << "VN" << "ve" << false;
    QTest::newRow("unknown against known") << "ZZ" << "VE" << false;
}

void TestRegionTable::sameRegion()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QCOMPARE(RegionTable::sameRegion(a, b), same);
}

void TestRegionTable::texts_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("listLine");
    QTest::addColumn<QString>("mapName");
    QTest::addColumn<QString>("activityLabel");
    QTest::newRow("Abruzzes") << 1 << "AZ" << "    AZ Region Abruzzes" << "Abruzzes" << "AZ : Abruzzes";
    QTest::newRow("Frioul") << 6 << "FL" << "    FL Region Frioul Venetie"
                            << "Frioul-Venetie Julienne" << "FL : Frioul Venetie Julienne";
    QTest::newRow("Ligurie") << 8 << "LG" << "    LG Region Ligurie" << "Liguria" << "LG : Liguria";
    QTest::newRow("Venetie") << 19 << "VE" << "    VE Region Venetie" << QString::fromUtf8("Vénétie")
                             << QString::fromUtf8("VE : Vénétie");
    QTest::newRow("Aoste") << 20 << "AE" << "    AE Region Vallee d aoste" << "Val d'Aoste"
                           << "AE : Val d'Aoste";
    QTest::newRow("Bolzano") << 21 << "BB" << "    BB Region Bolzano P.A." << "Bolzamo P.A."
                             << "BB : Bolzano P.A.";
}

void TestRegionTable::texts()
{
    QFETCH(int, slot);
    QFETCH(QString, code);
    QFETCH(QString, listLine);
    QFETCH(QString, mapName);
    QFETCH(QString, activityLabel);
    QCOMPARE(RegionTable::code(slot), code);
    QCOMPARE(RegionTable::listLine(slot), listLine);
    QCOMPARE(RegionTable::mapName(slot), mapName);
    QCOMPARE(RegionTable::activityLabel(slot), activityLabel);
}

void TestRegionTable::everySlotFindsItself()
{
    // A code typed twice in the table would send one region's QSOs to the other.
    for (int slot = 1; slot <= RegionTable::SlotCount; ++slot) {
        const QString code = RegionTable::code(slot);
        QCOMPARE(code.size(), 2);
        QCOMPARE(RegionTable::slotOfCode(code), slot);
        QVERIFY(RegionTable::activityLabel(slot).startsWith(code + QStringLiteral(" : ")));
        QVERIFY(!RegionTable::listName(slot).isEmpty());
    }
}

void TestRegionTable::slotsOutsideTheTableAreEmpty()
{
    for (int slot : {0, -1, RegionTable::SlotCount + 1}) {
        QVERIFY(RegionTable::code(slot).isEmpty());
        QVERIFY(RegionTable::listName(slot).isEmpty());
        QVERIFY(RegionTable::mapName(slot).isEmpty());
        QVERIFY(RegionTable::activityLabel(slot).isEmpty());
        QVERIFY(RegionTable::listLine(slot).isEmpty());
    }
}

QTEST_APPLESS_MAIN(TestRegionTable)
#include "tst_regiontable.moc"
