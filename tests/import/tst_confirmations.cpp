// Confirmation reports (LoTW, eQSL) against a log: which log QSO each record
// confirms (base callsign, band, at most 30 minutes, the nearest), what stops it,
// and the import's one rewrite, compared byte for byte with the log before.

#include "common/AdifFields.h"
#include "common/IndexedLog.h"
#include "common/LogLines.h"

#include "import/ImportCommit.h"
#include "import/ImportPlan.h"
#include "logstore/Cp1252.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "logstore/Settings.h"

#include <QtTest>

using namespace zeltest;

namespace {

AbbeyTable abbeys()
{
    return AbbeyTable::fromBytes(crlf({abbeyLine("AZ0001", "Abbazia di San Clemente a Casauria", "JN62"),
                                         abbeyLine("MH0005", "Abbazia di Santa Maria a pi\xE8 di Chienti", "JN63"),
                                         abbeyLine("TC0007", "Abbazia di Sant'Antimo", "JN53"),
                                         abbeyLine("PL-004", "Opactwo Cystersow", "JO90")}));
}

constexpr auto f = &adifField;

// A LoTW "QSL only" report: its header, then one record per confirmation, a field a line.
QByteArray lotwRecord(const QByteArray &call, const QByteArray &band, const QByteArray &date, const QByteArray &time,
                      const QByteArray &station = "TEST1")
{
    return "\n" + f("APP_LoTW_OWNCALL", station) + "\n" + f("STATION_CALLSIGN", station) + "\n" + f("CALL", call)
        + "\n" + f("BAND", band) + "\n" + f("MODE", "SSB") + "\n" + f("APP_LoTW_MODEGROUP", "PHONE") + "\n"
        + f("QSO_DATE", date) + "\n" + f("TIME_ON", time) + "\n"
        + f("APP_LoTW_QSO_TIMESTAMP", date + "T" + time + "Z") + "\n" + f("QSL_RCVD", "Y") + "\n"
        + f("QSLRDATE", "20080201") + "\n<eor>\n";
}

const QByteArray LotwHeader = "ARRL Logbook of the World Status Report\nGenerated at 2008-02-01 10:00:00\n"
                              "for test1\nQuery:\n    QSL ONLY: YES\n\n"
    + f("PROGRAMID", "LoTW") + "\n" + f("APP_LoTW_LASTQSL", "2008-02-01 09:00:00") + "\n<eoh>\n";

std::unique_ptr<ImportPlan> planOf(const QByteArray &file, const QList<QByteArray> &log)
{
    auto plan = std::make_unique<ImportPlan>(file, QStringLiteral("lotwreport.adi"), abbeys());
    while (!plan->read(2)) {
    }
    plan->resolve(IndexedLog(log));
    return plan;
}

QByteArray logLine(const QByteArray &call, const QByteArray &ref, const QByteArray &date, const QByteArray &time,
                   const QByteArray &band = "14 Mhz", bool qsl = false)
{
    Qso q = qso(call, ref, date, time);
    q.band = band;
    q.qsl = qsl;
    return q.line();
}

// In time order; one band typed by hand ("7.05"), one QSO already confirmed, two
// QSOs of one station twenty minutes apart.
QList<QByteArray> sampleLog()
{
    return {logLine("F5XYZ", "TC0007", "10/01/07", "10:00", "14 Mhz", true),
            logLine("IW2AAA", "PL-004", "10/01/07", "11:00"),
            logLine("IW2AAA", "BN0002", "10/01/07", "11:20"),
            logLine("I8HHH", "LZ0001", "05/02/07", "12:00"),
            logLine("IK1ABC", "AZ0001", "14/03/07", "09:05"),
            logLine("I4DDD/P", "MH0005", "31/12/07", "23:50", "7.05")};
}

QStringList outcomes(const ImportPlan &plan)
{
    QStringList out;
    for (int row : plan.listedRows()) {
        const ImportPlan::Shown s = plan.shownRow(row);
        out << s.call + QLatin1Char(' ') + s.reference + QLatin1Char(' ') + s.outcome;
    }
    return out;
}

struct Station {
    QTemporaryDir temp;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<LogSession> session;
    std::unique_ptr<LogIndex> index;

    explicit Station(const QList<QByteArray> &log)
    {
        writeBytes(path("TEST1_ZEL.log"), crlf(log));
        writeBytes(path("Liste_Prenom.txt"), crlf({"F1ABC           JEAN"}));
        settings = std::make_unique<Settings>(temp.filePath(QStringLiteral("zel.ini")));
        settings->write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1"));
        session = std::make_unique<LogSession>(*settings, temp.path());
        session->setLockTimeout(100);
        session->openStation();
        index = std::make_unique<LogIndex>(*session);
    }
    QString path(const char *name) const { return temp.filePath(QLatin1String(name)); }
};

} // namespace

class TestConfirmations : public QObject
{
    Q_OBJECT
private slots:
    void lotwReportMatchesLogQsos();
    void eqslInboxAndReferences();
    void importMarksOnlyTheQslColumn();
    void changedLogMovesOrDropsTheMarks();
    void nearMissesAreSaid();
    void cutRecordConfirmsNothing();
    void eqslInboxRecordsAreConfirmations();
    void previewMemoryStaysNearTheFile();
    void baseCallsigns();
};

void TestConfirmations::lotwReportMatchesLogQsos()
{
    const QByteArray file = LotwHeader
        + lotwRecord("IK1ABC/P", "20M", "20070314", "091200") // 7 minutes after, portable
        + lotwRecord("IT9/I4DDD", "40m", "20080101", "0010")  // 20 minutes later, the next day and year
        + lotwRecord("F5XYZ", "20M", "20070110", "1003")      // already marked in the log
        + lotwRecord("IW2AAA", "20M", "20070110", "1110")     // as near to two QSOs
        + lotwRecord("IK1ABC", "20M", "20070314", "1000")     // 55 minutes off
        + lotwRecord("IK1ABC", "40M", "20070314", "0905")     // another band
        + lotwRecord("I8HHH", "20M", "20070205", "1230");     // exactly 30 minutes
    const auto plan = planOf(file, sampleLog());
    QCOMPARE(plan->recordCount(), 7);
    QCOMPARE(outcomes(*plan), (QStringList{"IK1ABC/P AZ0001 QSL à marquer", "IT9/I4DDD MH0005 QSL à marquer",
                                           "F5XYZ TC0007 QSL déjà marquée", "IW2AAA  plusieurs QSO possibles",
                                           "IK1ABC  QSL sans QSO correspondant (heure : 55 min d'écart)",
                                           "IK1ABC  QSL sans QSO correspondant (bande : 7.0 Mhz, log 14 Mhz)",
                                           "I8HHH LZ0001 QSL à marquer"}));
    QCOMPARE(plan->markRows(), QList<int>({3, 4, 5}));
    QCOMPARE(plan->qslToMark(), 3);
    QCOMPARE(plan->toImport(), 0);
    QCOMPARE(plan->alreadyInLog(), 1);
    QCOMPARE(plan->refused(), 1);
    // The two that match nothing are said, not hidden among a general log's QSOs.
    QCOMPARE(plan->withoutReference(), 0);
    QCOMPARE(plan->noMatchingQso(), 2);
    QCOMPARE(plan->callNotInLog(), 0);
    QCOMPARE(plan->allRows().size(), 7);
    QCOMPARE(plan->fileStations(), QStringList{"TEST1"});

    // Nearer than another: the nearest wins, whichever comes first in the log.
    const auto nearer = planOf(LotwHeader + lotwRecord("IW2AAA", "20m", "20070110", "1116"), sampleLog());
    QCOMPARE(outcomes(*nearer), QStringList{"IW2AAA BN0002 QSL à marquer"});
    QCOMPARE(nearer->markRows(), QList<int>{2});

    // The same report against a log where the QSO is marked since: the plan follows.
    QList<QByteArray> marked = sampleLog();
    marked[4][137] = '*';
    plan->resolve(IndexedLog(marked));
    QCOMPARE(plan->markRows(), QList<int>({3, 5}));
    QCOMPARE(plan->shownRow(plan->listedRows().first()).outcome, QStringLiteral("QSL déjà marquée"));
    // Each mark carries the line it was decided on.
    QCOMPARE(plan->marks().first().line, marked.at(3));
    // A record without a confirmation is not one, however close.
    const QByteArray plain = lotwRecord("IK1ABC", "20M", "20070314", "0905").replace("<QSL_RCVD:1>Y", "");
    QCOMPARE(planOf(LotwHeader + plain, sampleLog())->qslToMark(), 0);
}

void TestConfirmations::eqslInboxAndReferences()
{
    const auto eqsl = [](const QByteArray &call, const QByteArray &date, const QByteArray &time,
                         const QByteArray &extra) {
        return f("CALL", call) + f("QSO_DATE", date) + f("TIME_ON", time) + f("BAND", "20M") + f("MODE", "SSB")
            + f("RST_SENT", "59") + f("EQSL_QSL_RCVD", "y") + extra + "<EOR>\r\n";
    };
    const QByteArray file = "Received eQSLs for TEST1\r\n<PROGRAMID:4>eQSL<ADIF_VER:5>1.0.0<EOH>\r\n"
        // Names another abbey than the logged QSO's: nothing marked.
        + eqsl("I8HHH", "20070205", "1205", f("QSLMSG", "73 from MH0005, tnx"))
        // Names the same abbey, with punctuation around it.
        + eqsl("IW2AAA", "20070110", "1058", f("QSLMSG", "Abbazia (PL-004)!"))
        // A QSO the log lacks, with a reference the list does not hold: imported, confirmed.
        + eqsl("IZ3NEW", "20080115", "1500", f("SIG", "ZEL") + f("SIG_INFO", "PM0001"));
    const auto plan = planOf(file, sampleLog());
    QCOMPARE(outcomes(*plan),
             (QStringList{"I8HHH MH0005 référence différente (LZ0001 dans le log)", "IW2AAA PL-004 QSL à marquer",
                          "IZ3NEW PM0001 à importer (référence absente de la liste des abbayes)"}));
    QCOMPARE(plan->markRows(), QList<int>{1});
    QCOMPARE(plan->toImport(), 1);
    QCOMPARE(plan->notInAbbeyList(), 1);
    QVERIFY(QsoRecord::isConfirmedLine(plan->acceptedLines().value(0)));
    QVERIFY(plan->fileStations().isEmpty());

    // Another station's file says so, STATION_CALLSIGN before OPERATOR.
    const auto other = planOf(LotwHeader + lotwRecord("IK1ABC", "20M", "20070314", "0905", "IK2OTH/P")
                                  + f("OPERATOR", "F9OP") + f("CALL", "I1X") + "<eor>",
                              sampleLog());
    QCOMPARE(other->fileStations(), QStringList{"IK2OTH/P"});
    const auto byOperator = planOf(f("OPERATOR", "f9op") + f("CALL", "I1X") + "<eor>", sampleLog());
    QCOMPARE(byOperator->fileStations(), QStringList{"F9OP"});

    // Counted in the saved report.
    const QString report = Cp1252::decode(plan->report(QStringLiteral("TEST1"), QDate(2008, 2, 1), false));
    QVERIFY2(report.contains(QStringLiteral("QSL à marquer : 1\r\n")), qPrintable(report));
}

void TestConfirmations::importMarksOnlyTheQslColumn()
{
    const QList<QByteArray> log = sampleLog();
    Station station(log);
    const QByteArray file = LotwHeader + lotwRecord("IK1ABC/P", "20M", "20070314", "091200")
        + lotwRecord("IT9/I4DDD", "40m", "20080101", "0010") + f("CALL", "IZ3NEW") + f("QSO_DATE", "20080115")
        + f("TIME_ON", "1500") + f("BAND", "20M") + f("MODE", "SSB") + f("SIG", "ZEL") + f("SIG_INFO", "AZ0001")
        + f("LOTW_QSL_RCVD", "V") + f("NAME", "Marco") + "<eor>\n";
    auto plan = std::make_unique<ImportPlan>(file, QStringLiteral("lotw.adi"), abbeys());
    while (!plan->read(100)) {
    }
    plan->resolve(*station.index);
    // AZ0001 is in the log already: only the two confirmations are left.
    QCOMPARE(plan->toImport(), 0);
    QCOMPARE(plan->markRows(), QList<int>({4, 5}));

    const ImportCommit::Result r = ImportCommit::run(*station.session, plan->acceptedLines(), 100, {}, plan->marks());
    QVERIFY2(r.ok, qPrintable(r.message));
    QCOMPARE(r.marked, 2);
    QCOMPARE(r.message, QStringLiteral("2 QSL ont été marquées reçues dans le log TEST1_ZEL.log."));
    QList<QByteArray> after = log;
    after[4][137] = '*';
    after[5][137] = '*';
    QCOMPARE(readBytes(station.path("TEST1_ZEL.log")), crlf(after));
    // Nothing to learn: the first-name list is left alone.
    QCOMPARE(readBytes(station.path("Liste_Prenom.txt")), crlf({"F1ABC           JEAN"}));

    // QSOs added and QSL marked in one rewrite: the marks land on the lines the plan saw.
    Station both(log);
    const QByteArray added = logLine("IZ3NEW", "PM0001", "15/01/07", "15:00", "14 Mhz", true);
    const ImportCommit::Result r2 =
        ImportCommit::run(*both.session, {added}, 100, {}, {{1, log.at(1)}, {3, log.at(3)}});
    QVERIFY2(r2.ok, qPrintable(r2.message));
    QCOMPARE(r2.message, QStringLiteral("1 QSO a été ajouté au log TEST1_ZEL.log.\r\n"
                                        "2 QSL ont été marquées reçues dans le log TEST1_ZEL.log."));
    QList<QByteArray> merged = log;
    merged[1][137] = '*';
    merged[3][137] = '*';
    merged.insert(3, added);
    QCOMPARE(readBytes(both.path("TEST1_ZEL.log")), crlf(merged));
    QVERIFY(readBytes(both.path("Liste_Prenom.txt")).endsWith("IZ3NEW          \r\n"));
}

void TestConfirmations::changedLogMovesOrDropsTheMarks()
{
    const QList<QByteArray> log = sampleLog();
    Station station(log);
    // Behind the session's back: the QSO of row 4 changed, an earlier one came in
    // (the rows after it move down), and the QSO of row 3 was marked by another copy.
    QList<QByteArray> edited = log;
    edited[4].replace(34, 6, "AZ0002");
    edited[3][137] = '*';
    edited.insert(1, logLine("I9EEE", "TC0007", "10/01/07", "10:30"));
    QVERIFY(writeBytes(station.path("TEST1_ZEL.log"), crlf(edited)));
    const QByteArray added = logLine("IZ3NEW", "PM0001", "15/01/08", "15:00");
    const ImportCommit::Result r = ImportCommit::run(*station.session, {added}, 100, {},
                                                     {{1, log.at(1)}, {3, log.at(3)}, {4, log.at(4)}});
    QVERIFY2(r.ok, qPrintable(r.message));
    QCOMPARE(r.marked, 1);
    QCOMPARE(r.alreadyMarked, 1);
    QCOMPARE(r.notMarked, 1);
    QCOMPARE(r.message, QStringLiteral("1 QSO a été ajouté au log TEST1_ZEL.log.\r\n"
                                       "1 QSL a été marquée reçue dans le log TEST1_ZEL.log.\r\n"
                                       "QSL déjà marquée : 1\r\n"
                                       "1 QSL n'ont pas été marquées : leur QSO a changé dans le log depuis l'aperçu."));
    // The rest goes in: the moved QSO marked where it now stands, the new QSO added.
    QList<QByteArray> after = edited;
    after[2][137] = '*';
    after.insert(7, added);
    QCOMPARE(readBytes(station.path("TEST1_ZEL.log")), crlf(after));

    // Two identical lines: each mark takes its own, the row seen first.
    QList<QByteArray> twins = {log.at(1), log.at(1), log.at(2)};
    Station same(twins);
    QList<QByteArray> shifted = twins;
    shifted.prepend(logLine("I9EEE", "TC0007", "01/01/07", "10:30"));
    QVERIFY(writeBytes(same.path("TEST1_ZEL.log"), crlf(shifted)));
    const ImportCommit::Result t = ImportCommit::run(*same.session, {}, 100, {}, {{0, twins.at(0)}, {1, twins.at(1)}});
    QVERIFY2(t.ok, qPrintable(t.message));
    QCOMPARE(t.marked, 2);
    shifted[1][137] = '*';
    shifted[2][137] = '*';
    QCOMPARE(readBytes(same.path("TEST1_ZEL.log")), crlf(shifted));
    QCOMPARE(readBytes(same.path("Liste_Prenom.txt")), crlf({"F1ABC           JEAN"}));
}

void TestConfirmations::nearMissesAreSaid()
{
    QList<QByteArray> log = sampleLog();
    log.append(logLine("IK1ABC", "AZ0003", "16/03/07", "21:00", "7.0 Mhz"));
    const QByteArray file = LotwHeader
        + lotwRecord("IK1ABC", "20M", "20070314", "1013")     // 68 minutes after the 14 Mhz QSO
        + lotwRecord("IK1ABC", "40M", "20070318", "2100")     // two days after the 7 Mhz one
        + lotwRecord("IK1ABC", "15M", "20070314", "0905")     // the time of one, another band
        + lotwRecord("IK1ABC", "15m", "20070314", "1105")     // another band, two hours off
        + lotwRecord("IK1ABC", "20M", "20070314", "0930")     // a match among them: marked
        + lotwRecord("W1AW", "15M", "20070314", "0905");      // a callsign the log does not hold
    const auto plan = planOf(file, log);
    QCOMPARE(outcomes(*plan),
             (QStringList{"IK1ABC  QSL sans QSO correspondant (heure : 68 min d'écart)",
                          "IK1ABC  QSL sans QSO correspondant (autre jour : 16/03/07)",
                          "IK1ABC  QSL sans QSO correspondant (bande : 21 Mhz, log 14 Mhz)",
                          "IK1ABC  QSL sans QSO correspondant (bande : 21 Mhz, log 14 Mhz, heure : 120 min d'écart)",
                          "IK1ABC AZ0001 QSL à marquer"}));
    QCOMPARE(plan->noMatchingQso(), 4);
    QCOMPARE(plan->callNotInLog(), 1);
    QCOMPARE(plan->withoutReference(), 0);
    QCOMPARE(plan->markRows(), QList<int>{4});
    // Every row, the absent callsign's included, says its band as the log does.
    QStringList bands;
    for (const int row : plan->allRows())
        bands << plan->shownRow(row).band;
    QCOMPARE(bands, (QStringList{"14 Mhz", "7.0 Mhz", "21 Mhz", "21 Mhz", "14 Mhz", "21 Mhz"}));
    QCOMPARE(plan->shownRow(plan->allRows().last()).outcome, QStringLiteral("QSL d'un indicatif absent du log"));

    // The saved report has the same rows and lines, never ADIF's band names.
    const QString report = Cp1252::decode(plan->report(QStringLiteral("TEST1"), QDate(2008, 2, 1), false));
    QVERIFY2(report.contains(QStringLiteral("QSL sans QSO correspondant : 4\r\n")), qPrintable(report));
    QVERIFY2(report.contains(QStringLiteral("QSL d'un indicatif absent du log : 1 (non listés)\r\n")),
             qPrintable(report));
    QVERIFY(report.contains(QStringLiteral("QSL sans QSO correspondant (autre jour : 16/03/07)\r\n")));
    QVERIFY(report.contains(QStringLiteral(" 21 Mhz ")));
    QVERIFY(!report.contains(QStringLiteral("15M"), Qt::CaseInsensitive));
    QVERIFY(!report.contains(QStringLiteral("W1AW")));
    const QString all = Cp1252::decode(plan->report(QStringLiteral("TEST1"), QDate(2008, 2, 1), true));
    QVERIFY(all.contains(QStringLiteral("QSL d'un indicatif absent du log\r\n")));
    QVERIFY(!all.contains(QStringLiteral("15M"), Qt::CaseInsensitive));

    // A general log's QSO records keep their own line; no confirmation lines then.
    const auto general = planOf(f("CALL", "I1X") + f("QSO_DATE", "20070314") + f("TIME_ON", "0905") + f("BAND", "15M")
                                    + f("MODE", "SSB") + "<eor>",
                                log);
    QCOMPARE(general->withoutReference(), 1);
    QCOMPARE(general->shownRow(general->allRows().first()).band, QStringLiteral("21 Mhz"));
    QVERIFY(!Cp1252::decode(general->report(QStringLiteral("TEST1"), QDate(2008, 2, 1), true))
                 .contains(QStringLiteral("QSL sans QSO")));
}

void TestConfirmations::cutRecordConfirmsNothing()
{
    // Its first fields name AZ0002 and carry a confirmation; a later field's declared
    // length runs past the record's end.
    const QByteArray head = f("CALL", "IK1ABC") + f("QSO_DATE", "20070314") + f("TIME_ON", "0910") + f("BAND", "20M")
        + f("MODE", "SSB") + f("SIG", "ZEL") + f("SIG_INFO", "AZ0002") + f("QSL_RCVD", "Y");
    const QByteArray next = lotwRecord("I8HHH", "20M", "20070205", "1200");
    // Readable, it names another abbey than the log's QSO.
    const auto whole = planOf(head + f("COMMENT", "tnx") + "<eor>\n" + next, sampleLog());
    QCOMPARE(outcomes(*whole).first(), QStringLiteral("IK1ABC AZ0002 référence différente (AZ0001 dans le log)"));
    // Cut, inside the file or at its end: nothing of it is a confirmation, and the
    // next record is read as it stands.
    for (const QByteArray &cut : {head + "<COMMENT:500>tnx<eor>\n" + next, next + head + "<COMMENT:500>tnx"}) {
        const auto plan = planOf(cut, sampleLog());
        QCOMPARE(plan->recordCount(), 2);
        QCOMPARE(plan->markRows(), QList<int>{3});
        QCOMPARE(plan->refused(), 1);
        for (const int row : plan->allRows()) {
            const ImportPlan::Shown s = plan->shownRow(row);
            if (s.call == QLatin1String("IK1ABC"))
                QVERIFY2(s.outcome.startsWith(QStringLiteral("illisible")), qPrintable(s.outcome));
        }
    }
}

void TestConfirmations::eqslInboxRecordsAreConfirmations()
{
    // An eQSL inbox says "sent" from the other station's side, never "received".
    const auto inbox = [](const QByteArray &call, const QByteArray &time, const QByteArray &extra = {}) {
        return f("CALL", call) + f("QSO_DATE", "20070314") + f("TIME_ON", time) + f("BAND", "20M") + f("MODE", "SSB")
            + f("QSL_SENT", "Y") + f("QSL_SENT_VIA", "E") + extra + "<EOR>\r\n";
    };
    const QByteArray records = inbox("IK1ABC", "0915") + inbox("I8HHH", "1200", f("APP_EQSL_SWL", "Y"));
    const QByteArray byHeader = "Received eQSLs for TEST1 for QSOs between 01-Jan-2007 and 14-Mar-2007\r\n"
                                "<ADIF_VER:5>1.0.0<EOH>\r\n";
    const QByteArray byProgram = "<PROGRAMID:21>eQSL.cc DownloadInBox<ADIF_VER:5>1.0.0<EOH>\r\n";
    for (const QByteArray &header : {byHeader, byProgram}) {
        const auto plan = planOf(header + records, sampleLog());
        QCOMPARE(outcomes(*plan), QStringList{"IK1ABC AZ0001 QSL à marquer"});
        QCOMPARE(plan->markRows(), QList<int>{4});
        // The listener's card is no confirmation: a general log's record.
        QCOMPARE(plan->withoutReference(), 1);
    }
    // The same records in another program's file confirm nothing.
    const auto plain = planOf("Exported\r\n<PROGRAMID:6>Logger<EOH>\r\n" + records, sampleLog());
    QCOMPARE(plain->qslToMark(), 0);
    QCOMPARE(plain->withoutReference(), 2);
}

// The process's peak resident memory in kB, and a fresh start for it.
long peakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &l : status.readAll().split('\n')) {
        if (l.startsWith("VmHWM:"))
            return l.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void TestConfirmations::previewMemoryStaysNearTheFile()
{
    // 40 MB of records carrying a confirmation, each cut or readable, none of a
    // callsign the log holds: what the preview keeps of them is small beside the file.
    const QByteArray cut = f("CALL", "W1AW") + f("QSO_DATE", "20070314") + f("TIME_ON", "0910") + f("BAND", "20M")
        + f("LOTW_QSL_RCVD", "Y") + "<COMMENT:500>x<eor>\n";
    const QByteArray readable = f("CALL", "W1AW") + f("QSO_DATE", "20070314") + f("TIME_ON", "0910")
        + f("BAND", "20M") + f("LOTW_QSL_RCVD", "Y") + "<eor>\n";
    const IndexedLog log(sampleLog());
    for (const bool isCut : {true, false}) {
        const QByteArray &record = isCut ? cut : readable;
        QByteArray file = "Generated\n<eoh>\n" + record.repeated(40 * 1024 * 1024 / record.size());
        const qsizetype records = file.count("<eor>");
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1)
            QSKIP("the peak memory cannot be reset here");
        clear.close();
        const long before = peakKb();
        auto plan = std::make_unique<ImportPlan>(std::move(file), QStringLiteral("big.adi"), abbeys());
        while (!plan->read(2000, 4 << 20)) {
        }
        plan->resolve(log);
        const long grown = peakKb() - before;
        QCOMPARE(plan->recordCount(), int(records));
        QCOMPARE(plan->qslToMark(), 0);
        if (isCut)
            QCOMPARE(plan->refusedNotListed(), int(records) - ImportPlan::MaxRefusedListed);
        else
            QCOMPARE(plan->callNotInLog(), int(records));
        // The file is in memory already; what is kept beside it stays within 50 MB.
        QVERIFY2(grown < 50 * 1024, qPrintable(QStringLiteral("%1 kB more").arg(grown)));
    }
}

void TestConfirmations::baseCallsigns()
{
    QCOMPARE(AdifMapping::baseCallsign("ik1abc/p"), QByteArray("IK1ABC"));
    QCOMPARE(AdifMapping::baseCallsign("IT9/IK1ABC"), QByteArray("IK1ABC"));
    QCOMPARE(AdifMapping::baseCallsign("IT9/IK1ABC/QRP"), QByteArray("IK1ABC"));
    QCOMPARE(AdifMapping::baseCallsign(" IK1ABC "), QByteArray("IK1ABC"));
    QCOMPARE(AdifMapping::baseCallsign("/"), QByteArray());
    // Hand-typed band labels of the log and the report's bands meet in the band plan.
    QCOMPARE(AdifMapping::bandOfLabel("7.05"), AdifMapping::bandOfLabel("40m"));
    QCOMPARE(AdifMapping::bandOfLabel("14 Mhz"), AdifMapping::bandOfLabel("20 M"));
    QVERIFY(AdifMapping::bandOfLabel("14 Mhz") >= 0);
    QCOMPARE(AdifMapping::bandOfLabel("soon"), -1);
}

QTEST_GUILESS_MAIN(TestConfirmations)
#include "tst_confirmations.moc"
