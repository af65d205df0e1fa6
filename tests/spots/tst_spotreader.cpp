// The node's lines as they come: the spots of the common node programs, live and
// listed, among junk, broken bytes and lines of any length; and which abbey, band
// and mode a spot is taken for.

#include "common/LogLines.h"

#include "refdata/AbbeyTable.h"
#include "spots/LineBuffer.h"
#include "spots/SpotReader.h"

#include <QtTest>

using namespace zeltest;

namespace {

AbbeyTable abbeys()
{
    return AbbeyTable::fromBytes(crlf({abbeyLine("AZ0001", "Abbazia di San Clemente a Casauria", "JN62"),
                                       abbeyLine("LZ0012", "Abbazia di Montecassino", "JN61"),
                                       abbeyLine("PL-004", "Abbazia di Santa Maria di Pulsano", "JN71")}));
}

} // namespace

class SpotReaderTest : public QObject
{
    Q_OBJECT
private slots:
    void spotLines_data();
    void spotLines();
    void otherLines_data();
    void otherLines();
    void abbeyInComment_data();
    void abbeyInComment();
    void bandAndMode();
    void linesCut();
};

void SpotReaderTest::spotLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("spotter");
    QTest::addColumn<double>("kHz");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("time");
    QTest::addColumn<bool>("listed");

    QTest::newRow("DXSpider live")
        << QByteArray("DX de F5XYZ:     14025.0  IK1ABC/P     ZEL AZ0001 CW                  1234Z JN33")
        << "F5XYZ" << 14025.0 << "IK1ABC/P" << "ZEL AZ0001 CW" << "12:34" << false;
    QTest::newRow("AR-Cluster live, no locator")
        << QByteArray("DX de W3LPL:      7012.5  I0ABC        LZ0012 up 1                    0905Z")
        << "W3LPL" << 7012.5 << "I0ABC" << "LZ0012 up 1" << "09:05" << false;
    QTest::newRow("CC Cluster live, skimmer spotter, state after time")
        << QByteArray("DX de K1TTT-#:   14020.0  IZ5XYZ       CW 22 dB 25 WPM ZEL TC0003     2359Z MA")
        << "K1TTT-#" << 14020.0 << "IZ5XYZ" << "CW 22 dB 25 WPM ZEL TC0003" << "23:59" << false;
    QTest::newRow("empty comment")
        << QByteArray("DX de F5XYZ:     3650.0  IK1ABC                                      0001Z")
        << "F5XYZ" << 3650.0 << "IK1ABC" << "" << "00:01" << false;
    QTest::newRow("CR LF and lower case call")
        << QByteArray("DX de f5xyz:  14025.0  ik1abc  zel az0001  1234Z\r")
        << "F5XYZ" << 14025.0 << "IK1ABC" << "zel az0001" << "12:34" << false;
    QTest::newRow("a comment holding a time-like word")
        << QByteArray("DX de F5XYZ:  14025.0  IK1ABC  QRT 1300Z AZ0001  1234Z")
        << "F5XYZ" << 14025.0 << "IK1ABC" << "QRT 1300Z AZ0001" << "12:34" << false;
    QTest::newRow("DXSpider sh/dx")
        << QByteArray("  14025.0  IK1ABC/P     7-Dec-2026 1234Z  ZEL AZ0001 CW               <F5XYZ>")
        << "F5XYZ" << 14025.0 << "IK1ABC/P" << "ZEL AZ0001 CW" << "12:34" << true;
    QTest::newRow("AR-Cluster sh/dx")
        << QByteArray("7012.5 I0ABC 07-Dec-2026 0905Z LZ0012 <W3LPL>")
        << "W3LPL" << 7012.5 << "I0ABC" << "LZ0012" << "09:05" << true;
    QTest::newRow("sh/dx without comment")
        << QByteArray(" 144300.0  IW0ABC      7-Dec-2026 1100Z   <IK0XX-2>")
        << "IK0XX-2" << 144300.0 << "IW0ABC" << "" << "11:00" << true;
    QTest::newRow("Latin-1 comment")
        << QByteArray("DX de F5XYZ:  14025.0  IK1ABC  abbaz\xEC" "a AZ0001  1234Z")
        << "F5XYZ" << 14025.0 << "IK1ABC" << QString::fromUtf8("abbazìa AZ0001") << "12:34" << false;
}

void SpotReaderTest::spotLines()
{
    QFETCH(QByteArray, line);
    const std::optional<Spot> s = SpotReader::parse(line);
    QVERIFY(s.has_value());
    QTEST(s->spotter, "spotter");
    QTEST(s->kHz, "kHz");
    QTEST(s->call, "call");
    QTEST(s->comment, "comment");
    QTEST(s->time, "time");
    QTEST(s->listed, "listed");
}

void SpotReaderTest::otherLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("login prompt") << QByteArray("login: ");
    QTest::newRow("greeting") << QByteArray("Hello Jean, this is F5XYZ-2 in Paris running DXSpider V1.57");
    QTest::newRow("prompt") << QByteArray("F6ABC de F5XYZ-2  7-Dec-2026 1234Z dxspider >");
    QTest::newRow("announcement") << QByteArray("To ALL de F5XYZ: ZEL AZ0001 on 14025 at 1234Z");
    QTest::newRow("WWV") << QByteArray("WWV de W0MU <18>:   SFI=140, A=5, K=1, No Storms -> No Storms");
    QTest::newRow("no time") << QByteArray("DX de F5XYZ:  14025.0  IK1ABC  ZEL AZ0001");
    QTest::newRow("hour 25") << QByteArray("DX de F5XYZ:  14025.0  IK1ABC  ZEL AZ0001  2534Z");
    QTest::newRow("no frequency") << QByteArray("DX de F5XYZ:  abc  IK1ABC  ZEL AZ0001  1234Z");
    QTest::newRow("call without digit") << QByteArray("DX de F5XYZ:  14025.0  HELLO  ZEL AZ0001  1234Z");
    QTest::newRow("call with junk") << QByteArray("DX de F5XYZ:  14025.0  IK1\x01" "ABC  ZEL AZ0001  1234Z");
    QTest::newRow("listing without spotter") << QByteArray("14025.0  IK1ABC  7-Dec-2026 1234Z  ZEL AZ0001");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("binary") << QByteArray("\xFF\xFE\x00\x01 DX de", 10);
}

void SpotReaderTest::otherLines()
{
    QFETCH(QByteArray, line);
    QVERIFY(!SpotReader::parse(line).has_value());
}

void SpotReaderTest::abbeyInComment_data()
{
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("reference");
    QTest::newRow("word of the list") << "LZ0012 up 2" << "LZ0012";
    QTest::newRow("punctuation around") << "(az0001), CW" << "AZ0001";
    QTest::newRow("list reference with a dash") << "Pulsano PL-004, abbazia" << "PL-004";
    QTest::newRow("ZEL then an unlisted reference") << "ZEL TC0003 tnx" << "TC0003";
    QTest::newRow("ZEL in one word") << "ZEL-SC0101" << "SC0101";
    QTest::newRow("ZEL with a colon") << "zel:lb0007 cq" << "LB0007";
    QTest::newRow("listed word wins over ZEL") << "ZEL TC0003 AZ0001" << "AZ0001";
    QTest::newRow("unlisted without ZEL") << "TC0003 up 2" << "";
    QTest::newRow("ZEL alone") << "ZEL award" << "";
    QTest::newRow("ZEL at the end") << "cq ZEL" << "";
    QTest::newRow("part of a word") << "XAZ0001 up" << "";
    QTest::newRow("nothing") << "" << "";
}

void SpotReaderTest::abbeyInComment()
{
    QFETCH(QString, comment);
    QTEST(SpotReader::referenceIn(comment, abbeys()), "reference");
}

void SpotReaderTest::bandAndMode()
{
    const AbbeyTable table = abbeys();
    // The comment's mode first, then the band plan's at the frequency.
    std::optional<Spot> s = SpotReader::abbeySpot("DX de F5XYZ:  14025.0  IK1ABC  AZ0001 ssb  1234Z", table);
    QVERIFY(s);
    QCOMPARE(s->band, QStringLiteral("14 Mhz"));
    QCOMPARE(s->mode, QStringLiteral("SSB"));
    QCOMPARE(s->abbey, QStringLiteral("ABBAZIA DI SAN CLEMENTE A CASAURIA"));
    QCOMPARE(s->region, QStringLiteral("Abruzzes"));
    QCOMPARE(s->key(), QStringLiteral("IK1ABC|AZ0001|14 Mhz"));
    s = SpotReader::abbeySpot("DX de F5XYZ:  14025.0  IK1ABC  AZ0001  1234Z", table);
    QCOMPARE(s->mode, QStringLiteral("CW"));
    s = SpotReader::abbeySpot("DX de F5XYZ:  7150.0  IK1ABC  AZ0001  1234Z", table);
    QCOMPARE(s->band, QStringLiteral("7.0 Mhz"));
    QCOMPARE(s->mode, QStringLiteral("SSB"));
    s = SpotReader::abbeySpot("DX de F5XYZ:  145500.0  IK1ABC  AZ0001  1234Z", table);
    QCOMPARE(s->mode, QStringLiteral("FM"));
    // 60 m is none of the log's bands: the spot stays, without a band.
    s = SpotReader::abbeySpot("DX de F5XYZ:  5354.0  IK1ABC  AZ0001 USB  1234Z", table);
    QVERIFY(s);
    QVERIFY(s->band.isEmpty());
    QCOMPARE(s->mode, QStringLiteral("SSB"));
    QCOMPARE(s->kHzText(), QStringLiteral("5354,0"));
    // An unlisted reference after ZEL: no name, the region from its code.
    s = SpotReader::abbeySpot("DX de F5XYZ:  14025.0  IK1ABC  ZEL TC0003  1234Z", table);
    QVERIFY(s->abbey.isEmpty());
    QCOMPARE(s->region, QStringLiteral("Toscane"));
    QVERIFY(!SpotReader::abbeySpot("DX de F5XYZ:  14025.0  IK1ABC  CQ DX  1234Z", table));
}

void SpotReaderTest::linesCut()
{
    LineBuffer b;
    // Line ends of both kinds, a line split across reads, NUL bytes dropped.
    QCOMPARE(b.feed("one\r\ntw"), QList<QByteArray>{"one"});
    QCOMPARE(b.pending(), QByteArray("tw"));
    QCOMPARE(b.feed(QByteArray("o\0\n\nthree\n", 10)), (QList<QByteArray>{"two", "", "three"}));
    // A prompt ends no line.
    QVERIFY(b.feed("login: ").isEmpty());
    QCOMPARE(b.pending(), QByteArray("login: "));
    b.clear();

    // A line over 4 KB, given in pieces, goes whole; the next one is read.
    const QByteArray piece(3000, 'x');
    QVERIFY(b.feed(piece).isEmpty());
    QVERIFY(b.feed(piece).isEmpty());
    QVERIFY(b.pending().isEmpty());
    QVERIFY(b.feed(piece).isEmpty());
    QCOMPARE(b.feed("tail\nnext\n"), QList<QByteArray>{"next"});
    // Exactly the longest line kept.
    const QByteArray longest(LineBuffer::MaxLine, 'y');
    QCOMPARE(b.feed(longest + "\n"), QList<QByteArray>{longest});
    QCOMPARE(b.feed(longest + "y\nz\n"), QList<QByteArray>{"z"});
}

QTEST_GUILESS_MAIN(SpotReaderTest)
#include "tst_spotreader.moc"
