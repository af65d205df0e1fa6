// The ADIF export: a hand-written file compared byte for byte, the band, date and
// character conversions, every length read back by a reader of our own, and the
// menu item with its messages.

#include "app/Harness.h"
#include "common/PrefixTranslator.h"
#include "Revision.h"
#include "export/AdifExport.h"
#include "logstore/Cp1252.h"
#include "logstore/QsoLabels.h"

#include <QAction>
#include <QBuffer>
#include <QDir>

#include <sys/stat.h>

using namespace zeltest;

namespace {

const QString Station = QStringLiteral("F6ABC_P");

// The four QSOs of the hand-written export tests/fixtures/export/F6ABC_P_ZEL.adi.
QList<QByteArray> fixtureLog()
{
    Qso a = qso("F5ABC", "AZ0001", "05/03/08", "14:07");
    a.loc = "JN62";
    a.name = "JEAN";
    a.abbey = SanClemente;
    a.qsl = true;
    Qso b = qso("IK0AAA", "MR0005", "31/12/99", "23:59");
    b.mode = "CW";
    b.band = "10 Mhz";
    b.rstR = "599";
    b.rstE = "579";
    b.abbey = PieDiChienti;
    Qso c = qso("I1ZZZ", "TO0007", "01/01/50", "00:00");
    c.loc = "jn45";
    c.name = "J\xC9R\xD4ME";
    c.mode = "FM";
    c.band = "432 Mhz";
    c.abbey = "Ch\x9C" "ur de l'abbaye \x96 \xAB\xC9t\xE9\xBB";
    Qso d = qso("EA3/F5XX", "LZ0010", "31/12/49", "09:05");
    d.loc = "1234";
    d.band = "11 Mhz";
    d.qsl = true;
    return {a.line(), b.line(), c.line(), d.line()};
}

QList<QByteArrayView> views(const QList<QByteArray> &lines)
{
    return QList<QByteArrayView>(lines.cbegin(), lines.cend());
}

struct Field {
    QByteArray name, value;
};

// Reads an ADI file as an importer would: the header up to <eoh>, then fields
// "<name:length>value" up to each <eor>. Lengths are taken at their word; a wrong
// one shows as a value that eats the next tag or a stray character between tags.
bool readAdi(const QByteArray &file, QList<QList<Field>> *records, QString *problem)
{
    const qsizetype eoh = file.indexOf("<eoh>");
    if (file.startsWith('<') || eoh < 0) {
        *problem = QStringLiteral("no header");
        return false;
    }
    qsizetype at = eoh + 5;
    QList<Field> current;
    while (at < file.size()) {
        if (file.mid(at, 2) == "\r\n") {
            at += 2;
            continue;
        }
        if (file.at(at) != '<') {
            *problem = QStringLiteral("stray character at %1").arg(at);
            return false;
        }
        const qsizetype close = file.indexOf('>', at);
        const QByteArray tag = file.mid(at + 1, close - at - 1);
        at = close + 1;
        if (tag.compare("eor", Qt::CaseInsensitive) == 0) {
            records->append(current);
            current.clear();
            continue;
        }
        const QList<QByteArray> parts = tag.split(':');
        bool ok = false;
        const int length = parts.value(1).toInt(&ok);
        if (parts.size() != 2 || !ok || at + length > file.size()) {
            *problem = QStringLiteral("bad tag <%1>").arg(QString::fromLatin1(tag));
            return false;
        }
        current.append({parts.at(0), file.mid(at, length)});
        at += length;
    }
    if (!current.isEmpty()) {
        *problem = QStringLiteral("record without <eor>");
        return false;
    }
    return true;
}

QByteArray valueOf(const QList<Field> &record, const QByteArray &name)
{
    for (const Field &f : record) {
        if (f.name == name)
            return f.value;
    }
    return "<absent>";
}

} // namespace

class AdifExportTest : public QObject
{
    Q_OBJECT

private slots:
    void handWrittenFile();
    void emptyLogGivesTheHeaderOnly();
    void bands_data();
    void bands();
    void dates_data();
    void dates();
    void ascii_data();
    void ascii();
    void recordOfOneLine();
    void linesOfOtherLengths_data();
    void linesOfOtherLengths();
    void everyCharacterReadsBack();

    void menuExportsAndSays();
    void qsosWithoutBandCounted();
    void exportAgainOverwrites();
    void failedWriteClaimsNothing();
    void longLogStreamsTheSameBytes();
    void pipeNamedLikeTheLogIsNotRead();
    void noStationNoExport();
    void interfaceLanguageLeavesTheFileAlone();
};

void AdifExportTest::handWrittenFile()
{
    const QByteArray expected = zeltest::goldenBytes(QStringLiteral(ZEL_FIXTURES "/export/F6ABC_P_ZEL.adi"), Revision::text());
    QVERIFY(!expected.isEmpty());
    const QList<QByteArray> log = fixtureLog();
    QByteArray written;
    QBuffer out(&written);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QVERIFY(AdifExport(QStringLiteral("F6ABC/P")).write(out, views(log)));
    QCOMPARE(written, expected);
}

void AdifExportTest::emptyLogGivesTheHeaderOnly()
{
    const QByteArray doc = AdifExport(QStringLiteral("F4ZEL")).document({});
    const QList<QByteArray> lines = doc.split('\n');
    QCOMPARE(lines.size(), 7); // six lines, each ended, nothing after
    QCOMPARE(lines.at(0), QByteArray("Exportation du log de la station F4ZEL au format ADIF\r"));
    QCOMPARE(lines.at(5), QByteArray("<eoh>\r"));
    QVERIFY(lines.at(6).isEmpty());
    QVERIFY(lines.at(2).contains("<PROGRAMID:7>KVR_ZEL"));
}

void AdifExportTest::bands_data()
{
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<QByteArray>("band");
    const char *const adif[] = {"160m", "80m", "40m", "30m", "20m", "17m",
                                "15m",  "12m", "10m", "6m",  "2m",  "70cm"};
    const QStringList labels = QsoLabels::bands();
    QCOMPARE(labels.size(), 12);
    for (int i = 0; i < labels.size(); ++i)
        QTest::newRow(qPrintable(labels.at(i))) << labels.at(i).toLatin1() << QByteArray(adif[i]);
    QTest::newRow("unknown label") << QByteArray("11 Mhz") << QByteArray();
    QTest::newRow("empty") << QByteArray() << QByteArray();
    // Bands typed by hand: case, blanks and the unit put aside, then the ADIF band plan.
    QTest::newRow("other case") << QByteArray("14 MHZ") << QByteArray("20m");
    QTest::newRow("number alone") << QByteArray("14") << QByteArray("20m");
    QTest::newRow("1296 Mhz") << QByteArray("1296 Mhz") << QByteArray("23cm");
    QTest::newRow("cut by the columns") << QByteArray("1296 MH") << QByteArray("23cm");
    QTest::newRow("5 Mhz") << QByteArray("5 Mhz") << QByteArray("60m");
    QTest::newRow("5.3 Mhz") << QByteArray("5.3 Mhz") << QByteArray("60m");
    QTest::newRow("70 Mhz") << QByteArray("70 Mhz") << QByteArray("4m");
    QTest::newRow("frequency") << QByteArray("145.500") << QByteArray("2m");
    QTest::newRow("decimal comma") << QByteArray("3,65") << QByteArray("80m");
    QTest::newRow("GHz") << QByteArray("10 GHz") << QByteArray("3cm");
    QTest::newRow("kHz") << QByteArray("136 kHz") << QByteArray("2190m");
    QTest::newRow("band name") << QByteArray("70 CM") << QByteArray("70cm");
    QTest::newRow("metres, not MHz") << QByteArray("6 M") << QByteArray("6m");
    QTest::newRow("off the bands") << QByteArray("27 Mhz") << QByteArray();
    QTest::newRow("not a round name") << QByteArray("24.5") << QByteArray();
    QTest::newRow("words") << QByteArray("HF") << QByteArray();
}

void AdifExportTest::bands()
{
    QFETCH(QByteArray, label);
    QFETCH(QByteArray, band);
    QCOMPARE(AdifExport::band(label), band);
}

void AdifExportTest::dates_data()
{
    QTest::addColumn<QByteArray>("date");
    QTest::addColumn<QByteArray>("adif");
    QTest::newRow("2008") << QByteArray("05/03/08") << QByteArray("20080305");
    QTest::newRow("1999") << QByteArray("31/12/99") << QByteArray("19991231");
    QTest::newRow("first of the pivot") << QByteArray("01/01/50") << QByteArray("19500101");
    QTest::newRow("last of the pivot") << QByteArray("31/12/49") << QByteArray("20491231");
    QTest::newRow("2000") << QByteArray("29/02/00") << QByteArray("20000229");
    QTest::newRow("unreadable") << QByteArray("1/3/08") << QByteArray();
    QTest::newRow("letters") << QByteArray("AB/CD/EF") << QByteArray();
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void AdifExportTest::dates()
{
    QFETCH(QByteArray, date);
    QFETCH(QByteArray, adif);
    QCOMPARE(AdifExport::date(date), adif);
}

void AdifExportTest::ascii_data()
{
    QTest::addColumn<QByteArray>("cp1252");
    QTest::addColumn<QByteArray>("ascii");
    QTest::newRow("plain") << QByteArray("Sant'Antimo <1>") << QByteArray("Sant'Antimo <1>");
    QTest::newRow("French accents") << QByteArray("\xE9\xE8\xEA\xEB\xE0\xE2\xE7\xF4\xF9\xEE\xEF")
                                    << QByteArray("eeeeaacouii");
    QTest::newRow("capitals") << QByteArray("\xC9\xC8\xC0\xC7\xD4") << QByteArray("EEACO");
    QTest::newRow("ligatures") << QByteArray("\x9C\x8C\xE6\xC6\xDF") << QByteArray("oeOEaeAEss");
    QTest::newRow("euro and quotes") << QByteArray("\x80 \x93x\x94 \x92") << QByteArray("EUR \"x\" '");
    QTest::newRow("undefined byte") << QByteArray("a\x81z") << QByteArray("a?z");
    QTest::newRow("tab and control") << QByteArray("a\tb\x01") << QByteArray("a b?");
}

void AdifExportTest::ascii()
{
    QFETCH(QByteArray, cp1252);
    QFETCH(QByteArray, ascii);
    QCOMPARE(AdifExport::ascii(cp1252), ascii);
}

void AdifExportTest::recordOfOneLine()
{
    // The operation on one line of text: a QSO on 10 Mhz keeps its band.
    Qso q = qso("F1ABC", "AZ0001", "05/03/08", "14:07");
    q.band = "10 Mhz";
    const QString record = AdifExport(QStringLiteral("F6ABC")).ADIF_SP(Cp1252::decode(q.line()));
    QVERIFY(record.startsWith(QStringLiteral("<call:5>F1ABC<name:0><band:3>30m<mode:3>SSB<qso_date:8>20080305"
                                             "<time_on:4>1407<rst_rcvd:2>59<rst_sent:2>59<comment:7>AZ0001 ")));
    QVERIFY(record.endsWith(QStringLiteral("<eor>")));

    // Control codes typed into a name by hand: a tab reads as a blank, the rest as "?".
    q.name = "\tA\tB\x01\x7F\t";
    const QString controls = AdifExport(QStringLiteral("F6ABC")).ADIF_SP(Cp1252::decode(q.line()));
    QVERIFY2(controls.contains(QStringLiteral("<name:5>A B?" "?<band:")), qPrintable(controls));

    // A short line edited by hand: the missing fields are empty.
    const QString shortLine = AdifExport(QStringLiteral("F6ABC")).ADIF_SP(QStringLiteral("F1ABC        JN18"));
    QVERIFY(shortLine.startsWith(QStringLiteral("<call:5>F1ABC<name:0><band:0><mode:0><qso_date:0><time_on:0>")));
}

void AdifExportTest::linesOfOtherLengths_data()
{
    // Lines edited by hand: cut short, or longer than the 138 columns.
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("junk");
    QTest::addColumn<QByteArray>("comment");
    QTest::addColumn<QByteArray>("qsl");
    const QByteArray full = "<comment:41>AZ0001 Abbazia di San Clemente a Casauria";
    QTest::newRow("whole") << 138 << QByteArray() << full << QByteArray("Y");
    QTest::newRow("no QSL column") << 137 << QByteArray() << full << QByteArray("N");
    QTest::newRow("cut after the name") << 130 << QByteArray() << full << QByteArray("N");
    QTest::newRow("cut inside the name") << 100 << QByteArray() << QByteArray("<comment:30>AZ0001 Abbazia di San Clemente")
                                         << QByteArray("N");
    QTest::newRow("cut after the reference") << 40 << QByteArray() << QByteArray("<comment:7>AZ0001 ")
                                             << QByteArray("N");
    QTest::newRow("more after the QSL column") << 138 << QByteArray("  NOTE \xE9 <call:3>XYZ") << full
                                               << QByteArray("Y");
}

void AdifExportTest::linesOfOtherLengths()
{
    QFETCH(int, length);
    QFETCH(QByteArray, junk);
    QFETCH(QByteArray, comment);
    QFETCH(QByteArray, qsl);
    const QByteArray line = fixtureLog().first().left(length) + junk;
    QByteArray record;
    AdifExport(QStringLiteral("F6ABC/P")).appendRecord(record, line);
    const QByteArray before = length > 69 ? QByteArray("<call:5>F5ABC<name:4>JEAN<band:3>20m<mode:3>SSB<qso_date:8>20080305"
                                                       "<time_on:4>1407<rst_rcvd:2>59<rst_sent:2>59")
                                          : QByteArray("<call:5>F5ABC<name:4>JEAN<band:0><mode:0><qso_date:0>"
                                                       "<time_on:0><rst_rcvd:0><rst_sent:0>");
    QCOMPARE(record, before + comment + "<station_callsign:7>F6ABC/P<gridsquare:4>JN62<qsl_rcvd:1>" + qsl
                         + "<sig:3>ZEL<sig_info:6>AZ0001<eor>");
}

void AdifExportTest::everyCharacterReadsBack()
{
    // Every byte of the code page in first names and abbey names.
    QList<QByteArray> log;
    for (int start = 0x20; start < 0x100; start += 15) {
        QByteArray name, abbey;
        for (int c = start; c < start + 15 && c < 0x100; ++c)
            name.append(char(c));
        for (int c = 0x100 - 1; c >= 0x20 && abbey.size() < 60; c -= 3)
            abbey.append(char((c + start) % 0xE0 + 0x20));
        Qso q = qso("I" + QByteArray::number(start), "AZ" + QByteArray::number(1000 + start), "02/03/04", "05:06");
        q.name = name;
        q.abbey = abbey;
        log << q.line();
    }
    const QByteArray file = AdifExport(QStringLiteral("F6ABC/P")).document(views(log));
    for (const char c : file)
        QVERIFY2(c == '\r' || c == '\n' || (c >= 0x20 && c <= 0x7E), "only printable ASCII");

    QList<QList<Field>> records;
    QString problem;
    QVERIFY2(readAdi(file, &records, &problem), qPrintable(problem));
    QCOMPARE(records.size(), log.size());
    const QList<QByteArray> nine{"call", "name", "band", "mode", "qso_date", "time_on",
                                 "rst_rcvd", "rst_sent", "comment"};
    for (int i = 0; i < records.size(); ++i) {
        const QList<Field> &r = records.at(i);
        for (int f = 0; f < nine.size(); ++f)
            QCOMPARE(r.value(f).name, nine.at(f));
        QCOMPARE(valueOf(r, "call"), "I" + QByteArray::number(0x20 + 15 * i));
        QCOMPARE(valueOf(r, "qso_date"), QByteArray("20040302"));
        QCOMPARE(valueOf(r, "station_callsign"), QByteArray("F6ABC/P"));
        QCOMPARE(valueOf(r, "sig"), QByteArray("ZEL"));
        QCOMPARE(valueOf(r, "sig_info"), "AZ" + QByteArray::number(1000 + 0x20 + 15 * i));
        QCOMPARE(valueOf(r, "qsl_rcvd"), QByteArray("N"));
        QCOMPARE(valueOf(r, "gridsquare"), QByteArray("<absent>"));
    }
}

// ------------------------------------------------------------------ the menu

void AdifExportTest::menuExportsAndSays()
{
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog(), Station));
    QVERIFY(h.start());
    h.messages.clear();
    h.window->findChild<QAction *>(QStringLiteral("Mnu_ADIF"))->trigger();
    // The QSO on "11 Mhz" went out without a band: said with its label.
    QCOMPARE(h.messages.notices,
             QStringList{QStringLiteral("Le fichier a été enregistré sous le nom : F6ABC_P_ZEL.adi\r\n\r\n"
                                        "1 QSO a été exporté sans bande : sa bande n'est pas une bande "
                                        "ADIF reconnue (« 11 Mhz »).")});
    QCOMPARE(readBytes(h.path(QStringLiteral("F6ABC_P_ZEL.adi"))),
             zeltest::goldenBytes(QStringLiteral(ZEL_FIXTURES "/export/F6ABC_P_ZEL.adi"), Revision::text()));
    QCOMPARE(h.log(Station), crlf(fixtureLog())); // the log itself is untouched
}

void AdifExportTest::qsosWithoutBandCounted()
{
    QList<QByteArray> log;
    for (const char *band : {"14 Mhz", "27 Mhz", "", "27 Mhz", "1296MH", "HF"}) {
        Qso q = qso("F5ABC", "AZ0001", "05/03/08", "14:07");
        q.band = band;
        log << q.line();
    }
    AdifExport::Unbanded unbanded;
    const QByteArray doc = AdifExport(QStringLiteral("F4ZEL")).document(views(log), &unbanded);
    QCOMPARE(doc.count("<band:0>"), 4);
    QCOMPARE(unbanded.count, 4);
    QCOMPARE(unbanded.labels, (QStringList{QStringLiteral("27 Mhz"), QStringLiteral("HF")}));
    QCOMPARE(AdifExport::unbandedNotice(unbanded),
             QStringLiteral("4 QSO ont été exportés sans bande : leur bande n'est pas une bande ADIF "
                            "reconnue (« 27 Mhz », « HF »)."));
    QCOMPARE(AdifExport::unbandedNotice({}), QString());
}

void AdifExportTest::exportAgainOverwrites()
{
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog(), Station));
    QVERIFY(h.start());
    QAction *menu = h.window->findChild<QAction *>(QStringLiteral("Mnu_ADIF"));
    menu->trigger();
    const QList<QByteArray> shorter = fixtureLog().mid(0, 1);
    QVERIFY(writeBytes(h.logPath(Station), crlf(shorter)));
    h.messages.clear();
    menu->trigger();
    // Every QSO with its band: the message is the usual one alone.
    QCOMPARE(h.messages.notices,
             QStringList{QStringLiteral("Le fichier a été enregistré sous le nom : F6ABC_P_ZEL.adi")});
    QCOMPARE(readBytes(h.path(QStringLiteral("F6ABC_P_ZEL.adi"))),
             AdifExport(QStringLiteral("F6ABC/P")).document(views(shorter)));
}

void AdifExportTest::failedWriteClaimsNothing()
{
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog(), Station));
    QVERIFY(h.start());
    // A folder stands where the export would go: it cannot be replaced by a file.
    QVERIFY(QDir(h.dir.path()).mkdir(QStringLiteral("F6ABC_P_ZEL.adi")));
    h.messages.clear();
    h.window->findChild<QAction *>(QStringLiteral("Mnu_ADIF"))->trigger();
    QCOMPARE(h.messages.notices.size(), 1);
    QVERIFY2(h.messages.notices.first().startsWith(
                 QStringLiteral("Le fichier F6ABC_P_ZEL.adi n'a pas pu être enregistré")),
             qPrintable(h.messages.notices.first()));
    QVERIFY(QFileInfo(h.path(QStringLiteral("F6ABC_P_ZEL.adi"))).isDir());
}

void AdifExportTest::pipeNamedLikeTheLogIsNotRead()
{
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog(), Station));
    QVERIFY(h.start());
    // Opened for reading, a pipe with no writer would hold the export forever.
    QVERIFY(QFile::remove(h.logPath(Station)));
    QVERIFY(::mkfifo(QFile::encodeName(h.logPath(Station)).constData(), 0644) == 0);
    h.messages.clear();
    h.window->findChild<QAction *>(QStringLiteral("Mnu_ADIF"))->trigger();
    QCOMPARE(h.messages.notices.size(), 1);
    QVERIFY2(h.messages.notices.first().contains(QStringLiteral("pas un fichier ordinaire")),
             qPrintable(h.messages.notices.first()));
    QVERIFY(!QFile::exists(h.path(QStringLiteral("F6ABC_P_ZEL.adi"))));
}

void AdifExportTest::longLogStreamsTheSameBytes()
{
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog(), Station));
    QVERIFY(h.start());
    // Several blocks of the export's reading and writing, lines across their edges:
    // an LF alone, a blank line, a CR without LF, a last line without its end.
    QByteArray log;
    const QList<QByteArray> four = fixtureLog();
    for (int i = 0; i < 4000; ++i) {
        log += four.at(i % 4);
        log += i == 1000 ? "\n" : "\r\n";
        if (i == 1500)
            log += "   \r\n";
    }
    log += four.at(0) + "\r" + four.at(1);
    QVERIFY(log.size() > 2 * 256 * 1024);
    QVERIFY(writeBytes(h.logPath(Station), log));
    h.messages.clear();
    h.window->findChild<QAction *>(QStringLiteral("Mnu_ADIF"))->trigger();
    // The streamed export counts the QSOs left without a band as the whole document does.
    AdifExport::Unbanded unbanded;
    const QByteArray expected = AdifExport(QStringLiteral("F6ABC/P")).document(Cp1252::lineViews(log), &unbanded);
    QVERIFY(unbanded.count > 0);
    QCOMPARE(h.messages.notices,
             QStringList{QStringLiteral("Le fichier a été enregistré sous le nom : F6ABC_P_ZEL.adi\r\n\r\n")
                         + AdifExport::unbandedNotice(unbanded)});
    QCOMPARE(readBytes(h.path(QStringLiteral("F6ABC_P_ZEL.adi"))), expected);
}

void AdifExportTest::noStationNoExport()
{
    MainHarness h;
    QVERIFY(h.start()); // first installation: no station yet
    h.messages.clear();
    h.window->findChild<QAction *>(QStringLiteral("Mnu_ADIF"))->trigger();
    QCOMPARE(h.messages.notices.size(), 1);
    QVERIFY(!h.messages.notices.first().contains(QStringLiteral("a été enregistré")));
    QVERIFY(QDir(h.dir.path()).entryList({QStringLiteral("*.adi")}, QDir::AllEntries).isEmpty());
}

void AdifExportTest::interfaceLanguageLeavesTheFileAlone()
{
    const PrefixTranslator translation;
    MainHarness h;
    QVERIFY(h.prepare(fixtureLog(), Station));
    QVERIFY(h.start());
    h.messages.clear();
    h.window->findChild<QAction *>(QStringLiteral("Mnu_ADIF"))->trigger();
    // The message is the operator's, in the interface's language, with the file's
    // name and the band label as they are.
    const QString t = PrefixTranslator::mark();
    QCOMPARE(h.messages.notices,
             QStringList{t + QStringLiteral("Le fichier a été enregistré sous le nom : F6ABC_P_ZEL.adi\r\n\r\n") + t
                         + QStringLiteral("1 QSO a été exporté sans bande : sa bande n'est pas une bande "
                                          "ADIF reconnue (")
                         + t + QStringLiteral("« 11 Mhz »).")});
    // The file is the same whatever the language.
    QCOMPARE(readBytes(h.path(QStringLiteral("F6ABC_P_ZEL.adi"))),
             zeltest::goldenBytes(QStringLiteral(ZEL_FIXTURES "/export/F6ABC_P_ZEL.adi"), Revision::text()));

    // Several: the count reaches the translation, which may vary with it.
    AdifExport::Unbanded unbanded;
    unbanded.count = 3;
    QCOMPARE(AdifExport::unbandedNotice(unbanded),
             t + QStringLiteral("3 QSO ont été exportés sans bande : leur bande n'est pas une bande ADIF reconnue."));
}

QTEST_MAIN(AdifExportTest)
#include "tst_adifexport.moc"
