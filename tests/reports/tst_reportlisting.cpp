// Report lists without windows: entries cut column for column from log lines,
// their order, the saved files byte for byte against files written by hand, and
// counts past 32,767.

#include "app/Harness.h"
#include "SampleLog.h"
#include "Revision.h"
#include "logstore/Cp1252.h"
#include "logstore/QsoRecord.h"
#include "reports/ListingModel.h"
#include "reports/ReportListing.h"
#include "reports/ReportText.h"
#include "logstore/LogChange.h"
#include "logstore/LogFile.h"
#include "logstore/LogSession.h"
#include "logstore/Settings.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using zeltest::Qso;
using Kind = ReportListing::Kind;

Q_DECLARE_METATYPE(ReportListing::Kind)

namespace {

const QDate Today(2007, 3, 14);

using reportstest::make;
using reportstest::sampleLog;

QList<QByteArrayView> views(const QList<QByteArray> &lines)
{
    QList<QByteArrayView> out;
    for (const QByteArray &l : lines)
        out.append(l);
    return out;
}

QList<int> sourceRows(const ReportListing &l)
{
    QList<int> rows;
    for (int i = 0; i < l.count(); ++i)
        rows.append(l.sourceRow(i));
    return rows;
}

} // namespace

class TestReportListing : public QObject
{
    Q_OBJECT
private slots:
    void entry_data();
    void entry();
    void order_data();
    void order();
    void orderMatchesPlainSort();
    void orderMatchesCaseBlindText();
    void savedFile_data();
    void savedFile();
    void emptyLog_data();
    void emptyLog();
    void fileName_data();
    void fileName();
    void printedLines();
    void beyond16Bits();
    void model();
    void followsEveryEditAsAFreshSort();
};

void TestReportListing::entry_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray full = make("IK0AAA", "TO0007", "02/01/08", "10:00", "Abbazia di Sant'Antimo", true).line();
    const QByteArray longCall = make("DL1ABCDEFGHI", "MR0005", "01/02/08", "23:59", zeltest::PieDiChienti, false).line();

    QTest::newRow("alphanumeric") << Kind::Alphanumeric << full
        << QByteArray("  TO0007  IK0AAA     02/01/08 10:00 Abbazia di Sant'Antimo                                        *");
    QTest::newRow("alphanumeric, callsign cut to 10, accent kept") << Kind::Alphanumeric << longCall
        << QByteArray("  MR0005  DL1ABCDEFG 01/02/08 23:59 Abbazia di Santa Maria a pi\xE8 di Chienti                        ");
    QTest::newRow("award, callsign whole") << Kind::AwardContacted << longCall
        << QByteArray(" MR0005 Abbazia di Santa Maria a pi\xE8 di Chienti                       01/02/08  DL1ABCDEFGHI   ");
    QTest::newRow("award confirmed") << Kind::AwardConfirmed << full
        << QByteArray(" TO0007 Abbazia di Sant'Antimo                                        02/01/08  IK0AAA        *");
    // A line cut short gives short or empty fields, never an error.
    QTest::newRow("short line, alphanumeric") << Kind::Alphanumeric << full.left(45)
        << QByteArray("  TO0007  IK0AAA     02/0    ");
    QTest::newRow("short line, award") << Kind::AwardContacted << full.left(38)
        << QByteArray(" TO00     IK0AAA        ");
    QTest::newRow("empty line") << Kind::AwardContacted << QByteArray()
        << QByteArray("        ");
}

void TestReportListing::entry()
{
    QFETCH(Kind, kind);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, expected);
    QCOMPARE(ReportListing::entry(kind, line), expected);
    if (line.size() == QsoRecord::LogLineLength)
        QCOMPARE(expected.size(), ReportListing::layout(kind).length);
    // The same entry once it has taken its place in a list.
    const ReportListing listing = ReportListing::fromLines(kind, {line});
    QCOMPARE(listing.count(), 1);
    QCOMPARE(listing.entry(0), expected);
}

void TestReportListing::order_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QList<QByteArray>>("log");
    QTest::addColumn<QList<int>>("rows"); // log rows in list order

    QTest::newRow("sample, alphanumeric") << Kind::Alphanumeric << sampleLog() << QList<int>{3, 1, 2, 0};
    QTest::newRow("sample, award") << Kind::AwardContacted << sampleLog() << QList<int>{3, 1, 2, 0};
    QTest::newRow("sample, confirmed only") << Kind::AwardConfirmed << sampleLog() << QList<int>{3, 2, 0};

    // One abbey three times: by callsign, then by the date as text (day first).
    const QList<QByteArray> three{make("F5XYZ", "TO0007", "01/01/09", "00:00", "A", false).line(),
                                  make("F1ABC", "TO0007", "15/12/07", "12:00", "A", false).line(),
                                  make("F1ABC", "TO0007", "02/01/08", "12:00", "A", false).line(),
                                  make("F1ABC", "TO0007", "02/01/08", "11:59", "A", false).line()};
    QTest::newRow("same abbey, alphanumeric") << Kind::Alphanumeric << three << QList<int>{3, 2, 1, 0};
    // The award list puts the date before the callsign.
    QTest::newRow("same abbey, award") << Kind::AwardContacted << three << QList<int>{0, 2, 3, 1};

    // Letters weigh the same in either case; entries equal but for case keep log order.
    const QList<QByteArray> cases{make("F1ABC", "AZ0003", "01/01/08", "10:00", "x", false).line(),
                                  make("F1ABC", "az0002", "01/01/08", "10:00", "x", false).line(),
                                  make("F1ABC", "AZ0001", "01/01/08", "10:00", "x", false).line(),
                                  make("F1ABC", "AZ0002", "01/01/08", "10:00", "x", false).line()};
    QTest::newRow("case ignored") << Kind::Alphanumeric << cases << QList<int>{2, 1, 3, 0};

    // Accented capitals and small letters weigh the same too.
    const QList<QByteArray> accents{make("F1ABC", "AZ0001", "01/01/08", "10:00", "Abbazia \xC9", false).line(),
                                    make("F1ABC", "AZ0001", "01/01/08", "10:00", "Abbazia F", false).line(),
                                    make("F1ABC", "AZ0001", "01/01/08", "10:00", "Abbazia \xE9", false).line()};
    QTest::newRow("accents, case ignored") << Kind::AwardContacted << accents << QList<int>{1, 0, 2};

    // A line cut short sorts before the longer lines it begins.
    const QByteArray whole = make("F1ABC", "AZ0001", "01/01/08", "10:00", "x", false).line();
    QTest::newRow("short before long") << Kind::AwardContacted
                                       << QList<QByteArray>{whole, whole.left(40)} << QList<int>{1, 0};
    QTest::newRow("no star") << Kind::AwardConfirmed << QList<QByteArray>{whole, whole} << QList<int>{};
}

void TestReportListing::order()
{
    QFETCH(Kind, kind);
    QFETCH(QList<QByteArray>, log);
    QFETCH(QList<int>, rows);
    QCOMPARE(sourceRows(ReportListing::fromLines(kind, views(log))), rows);
}

void TestReportListing::orderMatchesPlainSort()
{
    // Many QSOs of few abbeys and callsigns, some lines cut short, letters of both
    // cases: the list order is the plain case-blind order of the entries, ties in
    // log order.
    QRandomGenerator rng(1234);
    auto pick = [&rng](const char *letters) { return letters[rng.bounded(int(qstrlen(letters)))]; };
    QList<QByteArray> log;
    for (int i = 0; i < 3000; ++i) {
        QByteArray ref = QByteArray("Az") + pick("01") + pick("0aA") + "0" + pick("12");
        QByteArray call = QByteArray("F") + pick("15") + pick("aAbB") + pick("cC");
        QByteArray line = make(call, ref, QByteArray("0") + pick("12") + "/01/0" + pick("78"), "10:00",
                               QByteArray("Abbazia ") + pick("xXyY"), rng.bounded(2) == 0).line();
        if (rng.bounded(10) == 0)
            line.truncate(rng.bounded(int(line.size())));
        log << line;
    }
    for (Kind kind : {Kind::Alphanumeric, Kind::AwardContacted, Kind::AwardConfirmed}) {
        QList<int> expected;
        for (int row = 0; row < log.size(); ++row) {
            if (ReportListing::isListed(kind, log.at(row)))
                expected << row;
        }
        std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
            return ReportListing::entry(kind, log.at(a)).toLower() < ReportListing::entry(kind, log.at(b)).toLower();
        });
        QCOMPARE(sourceRows(ReportListing::fromLines(kind, views(log))), expected);
    }
}

void TestReportListing::orderMatchesCaseBlindText()
{
    // Accented capitals and small letters (É/é, Œ/œ, Š/š, Ÿ/ÿ) and signs without a
    // case, in references, names and callsigns that share long beginnings, lines cut
    // at any length: the list order is that of the entries read as text and put in
    // small letters, ties in log order.
    QRandomGenerator rng(77);
    const QByteArray letters("aAzZ\xC9\xE9\x8C\x9C\x8A\x9A\x9F\xFF\xDF\xD7\xF7\xB5' 0");
    auto some = [&](int count) {
        QByteArray out;
        for (int k = 0; k < count; ++k)
            out += letters.at(rng.bounded(int(letters.size())));
        return out;
    };
    QList<QByteArray> log;
    for (int i = 0; i < 4000; ++i) {
        // Callsigns alike in their first four characters, so that entries of one
        // abbey and one date are told apart only further on.
        QByteArray line = make("F1AB" + some(rng.bounded(1, 9)), "A" + some(2) + "00" + some(1),
                               "0" + some(1) + "/01/0" + some(1), "1" + some(1) + ":00",
                               "Abbazia " + some(rng.bounded(0, 3)), rng.bounded(2) == 0).line();
        if (rng.bounded(6) == 0)
            line.truncate(rng.bounded(int(line.size()) + 1));
        log << line;
    }
    for (Kind kind : {Kind::Alphanumeric, Kind::AwardContacted, Kind::AwardConfirmed}) {
        QList<int> expected;
        QList<QString> folded(log.size());
        for (int row = 0; row < log.size(); ++row) {
            folded[row] = Cp1252::decode(ReportListing::entry(kind, log.at(row))).toLower();
            if (ReportListing::isListed(kind, log.at(row)))
                expected << row;
        }
        std::stable_sort(expected.begin(), expected.end(),
                         [&](int a, int b) { return folded.at(a) < folded.at(b); });
        QCOMPARE(sourceRows(ReportListing::fromLines(kind, views(log))), expected);
    }
}

void TestReportListing::savedFile_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("golden");
    QTest::newRow("alphanumeric") << Kind::Alphanumeric
                                  << QStringLiteral("TEST1_Liste_alaphanumerique_Abbayes_14_03_07.txt");
    QTest::newRow("contacted") << Kind::AwardContacted << QStringLiteral("TEST1_Abbayes_contactees_au 14_03_07.txt");
    QTest::newRow("confirmed") << Kind::AwardConfirmed << QStringLiteral("TEST1_Abbayes_confirmees_au 14_03_07.txt");
}

void TestReportListing::savedFile()
{
    QFETCH(Kind, kind);
    QFETCH(QString, golden);
    const QList<QByteArray> log = sampleLog();
    const ReportListing listing = ReportListing::fromLines(kind, views(log));
    QCOMPARE(ReportText::fileName(kind, QStringLiteral("TEST1"), Today), golden);
    const QByteArray expected = zeltest::goldenBytes(QStringLiteral(ZEL_FIXTURES "/reports/") + golden, Revision::text());
    QVERIFY(!expected.isEmpty());
    QCOMPARE(ReportText::savedFile(listing, QStringLiteral("TEST1"), Today), expected);
}

void TestReportListing::emptyLog_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QList<QByteArray>>("log");
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QByteArray>("header");
    const QByteArray alphaHeader("   N\xB0    Ref    Indicatif    Date   Heure       Nom de l'Abbaye"
                                 "                                        QSL");
    const QByteArray awardHeader("   N\xB0   Ref        Nom de l'Abbaye                                      "
                                 "       Date   Indicatif    QSL");
    const QByteArray unconfirmed = make("F1ABC", "AZ0001", "01/01/08", "10:00", "x", false).line();
    QTest::newRow("alphanumeric, empty log") << Kind::Alphanumeric << QList<QByteArray>{}
        << QByteArray("              F4ZEL Liste alphanumerique des Abbayes contact\xE9" "es au 14/03/2007")
        << alphaHeader;
    QTest::newRow("contacted, empty log") << Kind::AwardContacted << QList<QByteArray>{}
        << QByteArray("              F4ZEL Liste des Abbayes contact\xE9" "es au 14/03/2007") << awardHeader;
    QTest::newRow("confirmed, no star") << Kind::AwardConfirmed << QList<QByteArray>{unconfirmed, unconfirmed}
        << QByteArray("              F4ZEL Liste des Abbayes confirm\xE9s au 14/03/2007") << awardHeader;
}

void TestReportListing::emptyLog()
{
    QFETCH(Kind, kind);
    QFETCH(QList<QByteArray>, log);
    QFETCH(QByteArray, title);
    QFETCH(QByteArray, header);
    const ReportListing listing = ReportListing::fromLines(kind, views(log));
    QCOMPARE(listing.count(), 0);
    const QByteArray credit("                        Liste \xE9tablie avec KVR_ZEL Revision" + Revision::text().toLatin1());
    QCOMPARE(ReportText::savedFile(listing, QStringLiteral("F4ZEL"), Today),
             zeltest::crlf({title, "", header, "", "", credit}));
}

void TestReportListing::fileName_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("name");
    QTest::newRow("alphanumeric") << Kind::Alphanumeric << QDate(2008, 11, 30)
                                  << QStringLiteral("F6ABC_P_Liste_alaphanumerique_Abbayes_30_11_08.txt");
    QTest::newRow("contacted, blank before the date") << Kind::AwardContacted << QDate(2010, 1, 5)
                                                      << QStringLiteral("F6ABC_P_Abbayes_contactees_au 05_01_10.txt");
    QTest::newRow("confirmed, blank before the date") << Kind::AwardConfirmed << QDate(1999, 12, 31)
                                                      << QStringLiteral("F6ABC_P_Abbayes_confirmees_au 31_12_99.txt");
}

void TestReportListing::fileName()
{
    QFETCH(Kind, kind);
    QFETCH(QDate, date);
    QFETCH(QString, name);
    QCOMPARE(ReportText::fileName(kind, QStringLiteral("F6ABC_P"), date), name);
}

void TestReportListing::printedLines()
{
    // The printed titles and headers are not the saved ones; the rows are laid out
    // on their own too: the alphanumeric entry loses its two leading blanks, the
    // award entry is indented by four.
    const QList<QByteArray> log = sampleLog();
    const QString credit = QStringLiteral("                     Liste établie avec KVR_ZEL Revision") + Revision::text();
    const QStringList alpha =
        ReportText::printedLines(ReportListing::fromLines(Kind::Alphanumeric, views(log)), QStringLiteral("TEST1"), Today);
    QCOMPARE(alpha, QStringList({
        QStringLiteral("                  TEST1 Liste alphanumerique des Abbayes contactés au 14/03/2007"),
        QString(),
        QStringLiteral("   N°  Ref    Indicatif    Date   Heure         Nom de L'Abbaye                                      QSL"),
        QString(),
        QStringLiteral("    1 AZ0001  F1ABC      02/01/08 08:00 Abbazia di San Clemente a Casauria                            *"),
        QStringLiteral("    2 AZ0001  F1ABC      15/12/07 09:05 Abbazia di San Clemente a Casauria                             "),
        QStringLiteral("    3 MR0005  DL1ABCDEFG 01/02/08 23:59 Abbazia di Santa Maria a piè di Chienti                       *"),
        QStringLiteral("    4 TO0007  IK0AAA     02/01/08 10:00 Abbazia di Sant'Antimo                                        *"),
        QString(), QString(), credit}));

    const QStringList confirmed =
        ReportText::printedLines(ReportListing::fromLines(Kind::AwardConfirmed, views(log)), QStringLiteral("TEST1"), Today);
    QCOMPARE(confirmed, QStringList({
        QStringLiteral("              TEST1 Liste alphanumerique des Abbayes confirmées au 14/03/2007"),
        QString(),
        QStringLiteral("        N°  Ref          Nom de l'Abbaye                                          Date    Indicatif    QSL"),
        QString(),
        QStringLiteral("        1  AZ0001 Abbazia di San Clemente a Casauria                            02/01/08  F1ABC         *"),
        QStringLiteral("        2  MR0005 Abbazia di Santa Maria a piè di Chienti                       01/02/08  DL1ABCDEFGHI  *"),
        QStringLiteral("        3  TO0007 Abbazia di Sant'Antimo                                        02/01/08  IK0AAA        *"),
        QString(), QString(), credit}));
    const QStringList contacted =
        ReportText::printedLines(ReportListing::fromLines(Kind::AwardContacted, views(log)), QStringLiteral("TEST1"), Today);
    QCOMPARE(contacted.first(),
             QStringLiteral("              TEST1 Liste alphanumerique des Abbayes contactées au 14/03/2007"));
    QCOMPARE(contacted.size(), 4 + 4 + 3);
}

void TestReportListing::beyond16Bits()
{
    // 40,000 QSOs: every one is counted and numbered (a 16-bit count stops at 32,767).
    QList<QByteArray> log;
    for (int i = 0; i < 40000; ++i) {
        const QByteArray ref = "AZ" + QByteArray::number(i % 10000).rightJustified(4, '0');
        log.append(make("F1ABC", ref, "01/01/08", "10:00", "x", i % 2 == 0).line());
    }
    const ReportListing all = ReportListing::fromLines(Kind::AwardContacted, views(log));
    QCOMPARE(all.count(), 40000);
    QCOMPARE(ReportListing::fromLines(Kind::AwardConfirmed, views(log)).count(), 20000);

    const QList<QByteArray> saved = Cp1252::splitLines(ReportText::savedFile(all, QStringLiteral("TEST1"), Today));
    QCOMPARE(saved.size(), 4 + 40000 + 2);
    QVERIFY(saved.at(4).startsWith("    1  AZ0000 "));
    QVERIFY(saved.at(4 + 99).startsWith("  100  AZ0024 "));
    QVERIFY(saved.at(4 + 9999).startsWith("10000  AZ2499 "));
    QVERIFY(saved.at(4 + 39999).startsWith("40000  AZ9999 "));
    QVERIFY(saved.at(4 + 40000).isEmpty());

    ListingModel model(Kind::Alphanumeric);
    model.setListing(ReportListing::fromLines(Kind::Alphanumeric, views(log)));
    QCOMPARE(model.rowCount(), 40001);
}

void TestReportListing::model()
{
    const QList<QByteArray> log = sampleLog();
    ListingModel model(Kind::Alphanumeric);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setListing(ReportListing::fromLines(Kind::Alphanumeric, views(log)));

    // The empty entry comes first and shows nothing.
    QCOMPARE(model.rowCount(), 5);
    for (int c = 0; c < model.columnCount(); ++c)
        QCOMPARE(model.index(0, c).data().toString(), QString());
    QCOMPARE(model.index(0, 0).data(ListingModel::EntryRole).toString(), QString());

    QStringList titles;
    for (int c = 0; c < model.columnCount(); ++c)
        titles << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    QCOMPARE(titles, QStringList({"REF", "Indicatif", "Date", "Heure", "Nom de l'Abbaye", "QSL"}));

    QStringList row3;
    for (int c = 0; c < model.columnCount(); ++c)
        row3 << model.index(3, c).data().toString();
    QCOMPARE(row3, QStringList({"MR0005", "DL1ABCDEFG", "01/02/08", "23:59",
                                QStringLiteral("Abbazia di Santa Maria a piè di Chienti"), "*"}));
    QCOMPARE(model.index(3, 0).data(ListingModel::EntryRole).toString(),
             Cp1252::decode(ReportListing::entry(Kind::Alphanumeric, log.at(2))));

    ListingModel award(Kind::AwardConfirmed);
    award.setListing(ReportListing::fromLines(Kind::AwardConfirmed, views(log)));
    QCOMPARE(award.rowCount(), 4);
    QCOMPARE(award.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("nom de l'Abbaye"));
    QCOMPARE(award.index(2, 3).data().toString(), QStringLiteral("DL1ABCDEFGHI"));
    QCOMPARE(award.index(2, 4).data().toString(), QStringLiteral("*"));
}

// A listing kept beside a session follows each edit (a QSO added at the end or
// inserted, removed, changed, confirmed) to the order a fresh sort of the log gives:
// entries that tie on every character, small letters and lines cut short (by hand) included.
void TestReportListing::followsEveryEditAsAFreshSort()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString station = QStringLiteral("F6IDX");
    Settings settings(dir.filePath(QStringLiteral("zel.ini")));
    settings.write(Settings::CommonSection, Settings::KeyCallsign, station);
    QRandomGenerator rng(2024);
    // Lines cut short stand only in the file as edited by hand: the program writes whole lines.
    const auto someLine = [&](bool cut = false) {
        static const char *const refs[] = {"AZ0001", "az0001", "LZ0002", "TO0007", "MR0005"};
        static const char *const calls[] = {"F1ABC", "f1abc", "IK0AAA", "DL1ABCDEFGHI", "F1ABD"};
        QByteArray line = make(calls[rng.bounded(5)], refs[rng.bounded(5)],
                               QByteArray::number(10 + rng.bounded(3)) + "/03/07",
                               "1" + QByteArray::number(rng.bounded(3)) + ":00",
                               rng.bounded(2) ? zeltest::SanClemente : QByteArray("Abbazia di Sant'Antimo"),
                               rng.bounded(3) == 0)
                              .line();
        if (cut && rng.bounded(8) == 0)
            line.truncate(20 + rng.bounded(int(line.size()) - 20));
        return line;
    };
    QList<QByteArray> start;
    for (int i = 0; i < 60; ++i)
        start << someLine(true);
    QVERIFY(zeltest::writeBytes(dir.filePath(LogFile::fileName(station)), zeltest::crlf(start)));
    LogSession session(settings, dir.path());
    session.openStation();
    QCOMPARE(session.lineCount(), 60);

    const QList<Kind> kinds = {Kind::Alphanumeric, Kind::AwardContacted, Kind::AwardConfirmed};
    QList<ReportListing> listings;
    for (Kind kind : kinds)
        listings << ReportListing::fromSession(kind, session);
    QSignalSpy changes(&session, &LogSession::logChanged);
    for (int step = 0; step < 120; ++step) {
        const int rows = session.lineCount();
        const QByteArray some = rows ? session.line(rng.bounded(rows)).toByteArray() : QByteArray();
        AtomicFile::Result done;
        switch (rows ? rng.bounded(5) : 0) {
        case 0: done = session.append(someLine()); break;
        case 1: done = session.insert(someLine()); break;
        case 2: done = session.remove(some); break;
        case 3: done = session.replace(someLine(), some); break;
        default: done = session.markConfirmed({rng.bounded(rows)}); break;
        }
        QVERIFY2(done.ok, qPrintable(QString(done.error).replace(QLatin1String("\r\n"), QLatin1String(" | "))));
        QCOMPARE(changes.size(), 1);
        const LogChange change = changes.takeFirst().at(0).value<LogChange>();
        QVERIFY(change.isEdit());
        for (int k = 0; k < kinds.size(); ++k) {
            QVERIFY(listings[k].follow(change));
            QCOMPARE(sourceRows(listings[k]), sourceRows(ReportListing::fromSession(kinds[k], session)));
        }
    }
    // A log read anew is not followed: the listing is made again.
    session.openStation();
    QVERIFY(!listings[0].follow(changes.takeLast().at(0).value<LogChange>()));
}

QTEST_GUILESS_MAIN(TestReportListing)
#include "tst_reportlisting.moc"
