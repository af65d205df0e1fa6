// The region tally on hand-written logs: which regions a band marks, how a card
// changes a region's status, and the lines given to the regions list.

#include "app/Harness.h"

#include "regions/ItalyMap.h"
#include "regions/RegionTally.h"

using namespace zeltest;

namespace {

Qso on(const QByteArray &ref, const QByteArray &band, const QByteArray &mode = "SSB", bool qsl = false)
{
    Qso q = qso("IK0AAA", ref, "05/01/07", "10:00");
    q.band = band;
    q.mode = mode;
    q.qsl = qsl;
    return q;
}

// A session over a temporary program directory holding one station's log.
struct LogOnDisk
{
    explicit LogOnDisk(const QByteArray &content)
        : settings(conf.filePath(QStringLiteral("zel.ini"))), session(settings, dir.path())
    {
        settings.write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1"));
        writeBytes(dir.filePath(QStringLiteral("TEST1_ZEL.log")), content);
        session.openStation();
    }
    QTemporaryDir dir, conf;
    Settings settings;
    LogSession session;
};

QList<int> markedSlots(const RegionTally &t)
{
    QList<int> regions;
    for (int s = 1; s <= RegionTable::SlotCount; ++s)
        if (t.marked(s))
            regions << s;
    return regions;
}

QList<int> slotsIn(const RegionTally &t, RegionStatus status)
{
    QList<int> regions;
    for (int s = 1; s <= RegionTable::SlotCount; ++s)
        if (t.status(s) == status)
            regions << s;
    return regions;
}

} // namespace

class RegionTallyTest : public QObject
{
    Q_OBJECT

private slots:
    void marks_data();
    void marks();
    void linesInSlotOrder();
    void cardsByBand_data();
    void cardsByBand();
    void readsTheSessionNotTheFile();
    void sharedShapeTakesTheBetterStatus();
};

void RegionTallyTest::marks_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QList<int>>("regions");

    QList<QByteArray> lz;
    for (int i = 0; i < 10; ++i)
        lz << on("LZ00" + QByteArray::number(10 + i), "14 Mhz").line();

    QTest::newRow("empty log") << QByteArray() << "Toutes" << "SSB" << QList<int>{};
    QTest::newRow("Toutes takes every band")
        << crlf({on("AZ0001", "3.5 Mhz").line(), on("SC0002", "432 Mhz").line(),
                 on("TC0003", "odd band").line()})
        << "Toutes" << "SSB" << QList<int>{1, 16, 17};
    QTest::newRow("another band marks nothing")
        << crlf({on("AZ0001", "3.5 Mhz").line(), on("KL0001", "3.5 Mhz").line()})
        << "7.0 Mhz" << "SSB" << QList<int>{};
    QTest::newRow("only the band chosen")
        << crlf({on("AZ0001", "3.5 Mhz").line(), on("KL0001", "7.0 Mhz").line()})
        << "7.0 Mhz" << "SSB" << QList<int>{3};
    QTest::newRow("ten in Latium and one in lower case")
        << crlf(lz + QList<QByteArray>{on("pm0001", "14 Mhz").line()}) << "14 Mhz" << "SSB"
        << QList<int>{7, 13};
    QTest::newRow("both Veneto codes")
        << crlf({on("VN0001", "14 Mhz").line(), on("VE0002", "14 Mhz").line()}) << "14 Mhz" << "SSB"
        << QList<int>{19};
    QTest::newRow("Veneto's older code alone")
        << crlf({on("VN0001", "14 Mhz").line()}) << "Toutes" << "SSB" << QList<int>{19};
    QTest::newRow("a code of no region")
        << crlf({on("XX0001", "14 Mhz").line(), on(" Z0001", "14 Mhz").line(), on("", "14 Mhz").line()})
        << "Toutes" << "SSB" << QList<int>{};
    QTest::newRow("band compared exactly")
        << crlf({on("AZ0001", "14 MHz").line(), on("BC0001", "14 Mhz").line()}) << "14 Mhz" << "SSB"
        << QList<int>{2};
    QTest::newRow("band filling its column")
        << crlf({on("AZ0001", "432 Mhz").line(), on("KL0001", "432").line()})
        << "432 Mhz" << "SSB" << QList<int>{1};
    QTest::newRow("band after a blank in its column")
        << crlf({on("AZ0001", " 14 Mhz").line(), on("BC0001", "  14").line()}) << "14 Mhz" << "SSB"
        << QList<int>{1};
    QTest::newRow("band chosen with blanks")
        << crlf({on("AZ0001", "14 Mhz").line()}) << " 14 Mhz" << "SSB" << QList<int>{};
    QTest::newRow("band typed that is no label")
        << crlf({on("AZ0001", "14 Mhz").line()}) << "14" << "SSB" << QList<int>{};
    QTest::newRow("band that the log cannot hold")
        << crlf({on("AZ0001", "14 Mhz").line()}) << QString::fromUtf8("14 Mhz\u2192") << "SSB"
        << QList<int>{};
    QTest::newRow("every mode counts")
        << crlf({on("AZ0001", "14 Mhz", "CW").line(), on("BC0001", "14 Mhz", "FM").line(),
                 on("KL0001", "14 Mhz", "SSB").line()})
        << "14 Mhz" << "CW" << QList<int>{1, 2, 3};
    QTest::newRow("short lines")
        << ("AZ0001\r\n" + on("BC0001", "14 Mhz").line().left(50) + "\r\nK\r\n\r\n"
            + on("CP0001", "14 Mhz").line().left(64) + "\r\n")
        << "Toutes" << "SSB" << QList<int>{2, 4};
    // A band cut short is no band; one that ends with its column still is.
    QTest::newRow("short lines on a band")
        << (on("BC0001", "14 Mhz").line().left(50) + "\r\n" + on("CP0001", "14 Mhz").line().left(64)
            + "\r\n" + on("KL0001", "14 Mhz").line().left(67) + "\r\n")
        << "14 Mhz" << "SSB" << QList<int>{3};
}

void RegionTallyTest::marks()
{
    QFETCH(QByteArray, log);
    QFETCH(QString, band);
    QFETCH(QString, mode);
    QFETCH(QList<int>, regions);

    LogOnDisk d(log);
    const RegionTally t = Compte_Regions(d.session, band, mode);
    QCOMPARE(markedSlots(t), regions);
    QCOMPARE(t.count, regions.size());
    QStringList lines;
    for (int s : regions)
        lines << RegionTable::listLine(s);
    QCOMPARE(t.lines, lines);
    QCOMPARE(t.countOf(RegionStatus::NotWorked), RegionTable::SlotCount - regions.size());
}

void RegionTallyTest::linesInSlotOrder()
{
    LogOnDisk d(crlf({on("BB0001", "14 Mhz").line(), on("VN0001", "14 Mhz").line(),
                      on("AE0001", "14 Mhz").line(), on("LZ0001", "14 Mhz").line(),
                      on("AZ0001", "14 Mhz").line()}));
    const RegionTally t = Compte_Regions(d.session, QStringLiteral("Toutes"), QStringLiteral("SSB"));
    QCOMPARE(t.count, 5);
    QCOMPARE(t.lines, QStringList({QStringLiteral("    AZ Region Abruzzes"),
                                   QStringLiteral("    LZ Region Latium"),
                                   QStringLiteral("    VE Region Venetie"),
                                   QStringLiteral("    AE Region Vallee d aoste"),
                                   QStringLiteral("    BB Region Bolzano P.A.")}));
}

void RegionTallyTest::cardsByBand_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QList<int>>("confirmed");
    QTest::addColumn<QList<int>>("worked");

    // Abruzzo: a card on 14, none on 7. Latium: two QSOs on 14, the later one with
    // its card. Sicily: no card anywhere.
    QTest::newRow("14 Mhz") << "14 Mhz" << QList<int>{1, 7} << QList<int>{16};
    QTest::newRow("7.0 Mhz") << "7.0 Mhz" << QList<int>{} << QList<int>{1};
    QTest::newRow("Toutes") << "Toutes" << QList<int>{1, 7} << QList<int>{16};
    QTest::newRow("no QSO there") << "50 Mhz" << QList<int>{} << QList<int>{};
}

void RegionTallyTest::cardsByBand()
{
    QFETCH(QString, band);
    QFETCH(QList<int>, confirmed);
    QFETCH(QList<int>, worked);

    LogOnDisk d(crlf({on("AZ0001", "14 Mhz", "SSB", true).line(), on("AZ0002", "7.0 Mhz").line(),
                      on("LZ0001", "14 Mhz").line(), on("LZ0002", "14 Mhz", "CW", true).line(),
                      on("SC0001", "14 Mhz").line()}));
    const RegionTally t = Compte_Regions(d.session, band, QStringLiteral("SSB"));
    QCOMPARE(slotsIn(t, RegionStatus::Confirmed), confirmed);
    QCOMPARE(slotsIn(t, RegionStatus::Worked), worked);
    QCOMPARE(t.count, confirmed.size() + worked.size());
    QCOMPARE(t.countOf(RegionStatus::Confirmed) + t.countOf(RegionStatus::Worked)
                 + t.countOf(RegionStatus::NotWorked),
             RegionTable::SlotCount);
}

void RegionTallyTest::readsTheSessionNotTheFile()
{
    // A missing log is an empty one; the tally never goes back to the disk.
    LogOnDisk d(crlf({on("AZ0001", "14 Mhz").line()}));
    QVERIFY(QFile::remove(d.session.logPath()));
    QCOMPARE(Compte_Regions(d.session, QStringLiteral("Toutes"), QStringLiteral("SSB")).count, 1);
    d.session.reload();
    QCOMPARE(Compte_Regions(d.session, QStringLiteral("Toutes"), QStringLiteral("SSB")).count, 0);
}

void RegionTallyTest::sharedShapeTakesTheBetterStatus()
{
    LogOnDisk d(crlf({on("TT0001", "14 Mhz").line(), on("BB0001", "14 Mhz", "SSB", true).line(),
                      on("VN0001", "14 Mhz").line()}));
    const RegionTally t = Compte_Regions(d.session, QStringLiteral("14 Mhz"), QStringLiteral("SSB"));
    const QHash<QString, QColor> fills = ItalyMap::fillsFor(t);
    QCOMPARE(fills.value(QStringLiteral("trentino-south-tyrol")),
             ItalyMap::statusColour(RegionStatus::Confirmed));
    QCOMPARE(fills.value(QStringLiteral("veneto")), ItalyMap::statusColour(RegionStatus::Worked));
    QCOMPARE(fills.value(QStringLiteral("sicily")), ItalyMap::statusColour(RegionStatus::NotWorked));
    QCOMPARE(fills.size(), 20);
}

QTEST_MAIN(RegionTallyTest)
#include "tst_regiontally.moc"
