// From ADIF records to log lines: the mapping and its reasons, the award's rules
// against the log and within the file, the one rewrite that adds the QSOs and
// teaches the first-name list, and the round trip through this program's export.

#include "common/AdifFields.h"
#include "common/IndexedLog.h"
#include "common/LogLines.h"
#include "logstore/Faults.h"

#include "export/AdifExport.h"
#include "import/ImportCommit.h"
#include "import/ImportLoader.h"
#include "import/ImportPlan.h"
#include "logstore/QsoRecord.h"
#include "logstore/Cp1252.h"
#include "logstore/FileLock.h"
#include "logstore/LogSession.h"
#include "logstore/Settings.h"

#include <QtTest>

using namespace zeltest;

namespace {

AbbeyTable abbeys()
{
    return AbbeyTable::fromBytes(crlf({abbeyLine("AZ0001", "Abbazia di San Clemente a Casauria", "JN62"),
                                         abbeyLine("MH0005", "Abbazia di Santa Maria a pi\xE8 di Chienti", "JN63"),
                                         // A line whose locator is two blanks gives no name.
                                         abbeyLine("TC0007", "Abbazia di Sant'Antimo", "  "),
                                         // A reference made of more than letters and digits.
                                         abbeyLine("PL-004", "Opactwo Cystersow", "JO90")}));
}

constexpr auto field = &adifField;

// A record of an award QSO with the usual fields, any of them replaced or removed (empty).
QByteArray record(const QList<QPair<const char *, QByteArray>> &changes)
{
    QList<QPair<const char *, QByteArray>> fields{{"CALL", "I1XYZ"}, {"QSO_DATE", "20070314"}, {"TIME_ON", "0905"},
                                                  {"BAND", "20m"},   {"MODE", "SSB"},          {"SIG", "ZEL"},
                                                  {"SIG_INFO", "AZ0001"}};
    for (const auto &c : changes) {
        bool found = false;
        for (auto &f : fields) {
            if (qstrcmp(f.first, c.first) == 0) {
                f.second = c.second;
                found = true;
            }
        }
        if (!found)
            fields.append(c);
    }
    QByteArray out;
    for (const auto &f : fields) {
        if (!f.second.isNull())
            out += field(f.first, f.second);
    }
    return out + "<eor>\r\n";
}

QList<QByteArrayView> views(const QList<QByteArray> &lines) { return {lines.cbegin(), lines.cend()}; }

std::unique_ptr<ImportPlan> planOf(const QByteArray &file, const QList<QByteArray> &log = {})
{
    auto plan = std::make_unique<ImportPlan>(file, QStringLiteral("test.adi"), abbeys());
    while (!plan->read(3)) {
    }
    plan->resolve(IndexedLog(log));
    return plan;
}

QByteArray line(const QByteArray &call, const QByteArray &ref, const QByteArray &date, const QByteArray &time,
                bool qsl = false, const QByteArray &name = {})
{
    Qso q = qso(call, ref, date, time);
    q.name = name;
    q.qsl = qsl;
    return q.line();
}

// A station TEST1 in a temporary program folder.
struct Station {
    QTemporaryDir temp;
    QString root; // the program folder
    std::unique_ptr<Settings> settings;
    std::unique_ptr<LogSession> session;

    Station(const QList<QByteArray> &log, const QList<QByteArray> &names, const QString &folder = {})
        : root(folder.isEmpty() ? temp.path() : folder)
    {
        writeBytes(path("TEST1_ZEL.log"), crlf(log));
        writeBytes(path("Liste_Prenom.txt"), crlf(names));
        open();
    }
    void open()
    {
        session.reset();
        settings = std::make_unique<Settings>(temp.filePath(QStringLiteral("zel.ini")));
        settings->write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1"));
        session = std::make_unique<LogSession>(*settings, root);
        session->setLockTimeout(100);
        session->openStation();
    }
    QString path(const char *name) const { return QDir(root).filePath(QLatin1String(name)); }
};

} // namespace

class TestImportPlan : public QObject
{
    Q_OBJECT
private slots:
    void mapping_data();
    void mapping();
    void awardRules();
    void importWritesOnceAndLearnsNames();
    void failedWriteChangesNothing_data();
    void failedWriteChangesNothing();
    void killedBetweenTheTwoWrites();
    void listsStayBounded();
    void loadingStopsInEveryPhase();
    void roundTripThroughTheExport();
    void reportLists();
};

void TestImportPlan::mapping_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QByteArray>("line");

    Qso full = qso("F6ABC", "AZ0001", "14/03/07", "09:05");
    full.loc = "JN62";
    full.name = "JEAN";
    full.rstR = "57";
    full.rstE = "599";
    full.abbey = "ABBAZIA DI SAN CLEMENTE A CASAURIA";
    full.qsl = true;
    QTest::newRow("every column, lower case, seconds in the time")
        << record({{"CALL", "f6abc"}, {"TIME_ON", "090512"}, {"RST_RCVD", "57"}, {"RST_SENT", "599"},
                   {"NAME", "jean Dupont"}, {"GRIDSQUARE", "jn62ab"}, {"SIG", "zel"}, {"SIG_INFO", "az0001"},
                   {"QSL_RCVD", "Y"}, {"BAND", "20M"}})
        << "à importer" << full.line();

    Qso fromComment = qso("I1XYZ", "MH0005", "05/03/99", "23:59");
    fromComment.band = "7.0 Mhz";
    fromComment.loc = "JN63"; // the abbey list's, the file giving none
    fromComment.abbey = "ABBAZIA DI SANTA MARIA A PI\xC8 DI CHIENTI";
    QTest::newRow("reference in the comment, FREQ without BAND, SUBMODE")
        << record({{"SIG", {}}, {"SIG_INFO", {}}, {"BAND", {}}, {"FREQ", "7.05500"}, {"SUBMODE", "USB"},
                   {"QSO_DATE", "19990305"}, {"TIME_ON", "2359"}, {"COMMENT", "worked mh0005, ok"}})
        << "à importer" << fromComment.line();

    Qso ownExport = qso("I1XYZ", "TC0007", "14/03/07", "09:05");
    ownExport.abbey = "Abbaye tapee a la main";
    ownExport.mode = "CW";
    ownExport.rstR = ownExport.rstE = "599"; // the reports proposed for CW
    ownExport.band = "432 Mhz";
    QTest::newRow("this program's own comment gives the abbey name")
        << record({{"SIG_INFO", "TC0007"}, {"MODE", "cw"}, {"BAND", "70CM"},
                   {"COMMENT", "TC0007 Abbaye tapee a la main"}})
        << "à importer" << ownExport.line();

    Qso cut = qso("I1XYZ", "AZ0001", "14/03/07", "09:05");
    cut.name = "LUKASZ-CHRISTOP";
    cut.loc = "JN62";
    cut.abbey = "ABBAZIA DI SAN CLEMENTE A CASAURIA";
    QTest::newRow("name cut and letters replaced, in UTF-8")
        << record({{"NAME", "\xC5\x81ukasz-Christophe"}})
        << "à importer (prénom coupé à 15 caractères, caractères remplacés par les lettres les plus proches)"
        << cut.line();

    QTest::newRow("no reference: a QSO of the general log")
        << record({{"SIG", "POTA"}, {"SIG_INFO", "K-0001"}, {"MODE", "FT8"}, {"COMMENT", "AZ0002 tnx"}})
        << "pas de référence d'abbaye" << QByteArray();
    QTest::newRow("mode") << record({{"MODE", "FT8"}}) << "mode non prévu (FT8)" << QByteArray();
    QTest::newRow("mode with submode") << record({{"MODE", "MFSK"}, {"SUBMODE", "FT4"}})
                                       << "mode non prévu (MFSK/FT4)" << QByteArray();
    QTest::newRow("band") << record({{"BAND", "23cm"}}) << "bande non prévue (23cm)" << QByteArray();
    QTest::newRow("frequency") << record({{"BAND", {}}, {"FREQ", "5.3585"}}) << "bande non prévue (5.3585 MHz)"
                               << QByteArray();
    QTest::newRow("before 1950") << record({{"QSO_DATE", "19491231"}})
                                 << "date hors de 1950 à 2049, que l'année sur deux chiffres du log ne peut pas "
                                    "écrire (1949)"
                                 << QByteArray();
    QTest::newRow("impossible date") << record({{"QSO_DATE", "20070230"}}) << "date absente ou illisible (20070230)"
                                     << QByteArray();
    QTest::newRow("time") << record({{"TIME_ON", "2460"}}) << "heure absente ou illisible (2460)" << QByteArray();
    QTest::newRow("long callsign") << record({{"CALL", "IZ0ABC/MM/QRP"}})
                                   << "indicatif de plus de 12 caractères (IZ0ABC/MM/QRP)" << QByteArray();
    QTest::newRow("long report") << record({{"RST_SENT", "5999"}}) << "report de plus de 3 caractères (5999)"
                                 << QByteArray();
    QTest::newRow("bad reference") << record({{"SIG_INFO", "AZ01"}}) << "référence d'abbaye invalide (AZ01)"
                                   << QByteArray();

    // Hostile values: what is empty once cleaned is absent, never a blank column.
    QTest::newRow("callsign of control characters and blanks")
        << record({{"CALL", "\x01\x02 \x1F\x7F"}}) << "pas d'indicatif" << QByteArray();
    QTest::newRow("reference of control characters")
        << record({{"SIG_INFO", "\x01 \x02"}}) << "référence d'abbaye vide" << QByteArray();
    QTest::newRow("a reference of six signs the list never uses")
        << record({{"SIG_INFO", "(-_-)!"}}) << "référence d'abbaye invalide ((-_-)!)" << QByteArray();
    Qso blanks = qso("I1XYZ", "AZ0001", "14/03/07", "09:05");
    blanks.loc = "JN62";
    blanks.abbey = "ABBAZIA DI SAN CLEMENTE A CASAURIA";
    QTest::newRow("name and report of control characters: no name, the default report")
        << record({{"NAME", "\x01\x02"}, {"RST_RCVD", " \x03"}, {"GRIDSQUARE", "\x01\x01\x01\x01"}})
        << "à importer" << blanks.line();

    Qso unlisted = qso("I1XYZ", "ZZ9999", "14/03/07", "09:05");
    QTest::newRow("a well-formed reference the list lacks: imported, and said")
        << record({{"SIG_INFO", "zz9999"}}) << "à importer (référence absente de la liste des abbayes)"
        << unlisted.line();

    Qso punctuated = qso("I1XYZ", "PL-004", "14/03/07", "09:05");
    punctuated.loc = "JO90";
    punctuated.name = "JEAN";
    punctuated.mode = "CW";
    punctuated.rstR = punctuated.rstE = "599";
    punctuated.abbey = "OPACTWO CYSTERSOW";
    QTest::newRow("reference with punctuation in a comment, first word of the name, CW reports")
        << record({{"SIG", {}}, {"SIG_INFO", {}}, {"MODE", "CW"}, {"NAME", " jean  pierre"},
                   {"COMMENT", "QSO with PL-004, abbazia"}})
        << "à importer" << punctuated.line();

    Qso fromQslMsg = qso("I1XYZ", "AZ0001", "14/03/07", "09:05");
    fromQslMsg.loc = "JN62";
    fromQslMsg.band = "432 Mhz";
    fromQslMsg.mode = "FM";
    fromQslMsg.abbey = "ABBAZIA DI SAN CLEMENTE A CASAURIA";
    QTest::newRow("reference in the QSL message, 70 cm by its ADIF edges, FM")
        << record({{"SIG", {}}, {"SIG_INFO", {}}, {"BAND", {}}, {"FREQ", "425.5"}, {"MODE", "FM"},
                   {"QSLMSG", "tnx (az0001)."}})
        << "à importer" << fromQslMsg.line();
}

void TestImportPlan::mapping()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, outcome);
    QFETCH(QByteArray, line);
    const auto plan = planOf(file);
    QCOMPARE(plan->recordCount(), 1);
    QCOMPARE(plan->allRows().size(), 1);
    QCOMPARE(plan->shownRow(plan->allRows().first()).outcome, outcome);
    if (!line.isEmpty())
        QCOMPARE(plan->entries().first().line, line);
}

void TestImportPlan::awardRules()
{
    const QList<QByteArray> log{line("I1AAA", "AZ0001", "10/01/07", "10:00")};
    const QByteArray file = record({{"CALL", "I1AAA"}, {"QSO_DATE", "20070110"}, {"TIME_ON", "1000"}})
        + record({{"CALL", "I2BBB"}})
        + record({{"CALL", "I3CCC"}, {"SIG_INFO", "MH0005"}, {"QSO_DATE", "20070301"}})
        + record({{"CALL", "I4DDD"}, {"SIG_INFO", "MH0005"}, {"QSO_DATE", "20070302"}, {"QSL_RCVD", "Y"}})
        + record({{"CALL", "I5EEE"}, {"SIG_INFO", "MH0005"}, {"QSO_DATE", "20070201"}})
        + record({{"CALL", "I6FFF"}, {"SIG_INFO", "TC0007"}, {"QSO_DATE", "20070305"}})
        + record({{"CALL", "I7GGG"}, {"SIG_INFO", "TC0007"}, {"QSO_DATE", "20070304"}})
        + record({{"CALL", "I8HHH"}, {"MODE", "RTTY"}})
        + record({{"CALL", "I9III"}, {"SIG_INFO", {}}, {"SIG", {}}});
    const auto plan = planOf(file, log);
    QStringList outcomes;
    for (const int row : plan->allRows())
        outcomes << plan->shownRow(row).outcome;
    const QString dup = QStringLiteral("abbaye en double dans le fichier, n° %1 importé");
    QCOMPARE(outcomes, (QStringList{"déjà dans le log", "déjà contactée le 10/01/07", dup.arg(4), "à importer",
                                    dup.arg(4), dup.arg(7), "à importer", "mode non prévu (RTTY)",
                                    "pas de référence d'abbaye"}));
    QCOMPARE(plan->toImport(), 2);
    QCOMPARE(plan->alreadyInLog(), 1);
    QCOMPARE(plan->refused(), 5);
    QCOMPARE(plan->withoutReference(), 1);

    // Once the kept QSO of MH0005 is logged by other means, the file's others are
    // "already contacted" and the counts follow.
    plan->resolve(IndexedLog(log + QList<QByteArray>{plan->entries().at(3).line}));
    QCOMPARE(plan->outcome(plan->entries().at(2)), QStringLiteral("déjà contactée le 02/03/07"));
    // That record carries a confirmation: it now confirms the logged QSO, already marked.
    QCOMPARE(plan->outcome(plan->entries().at(3)), QStringLiteral("QSL déjà marquée"));
    QCOMPARE(plan->toImport(), 1);
    QCOMPARE(plan->alreadyInLog(), 2);

    // An abbey edited by hand into small letters in the log is still the same abbey, and
    // a reference given in small letters by the file goes into the log in capitals.
    const auto lower = planOf(record({{"CALL", "I3CCC"}, {"SIG_INFO", "mh0005"}, {"QSO_DATE", "20070301"}}),
                              {line("I1AAA", "mh0005", "10/01/07", "10:00")});
    QCOMPARE(lower->outcome(lower->entries().at(0)), QStringLiteral("déjà contactée le 10/01/07"));
    const auto capitals = planOf(record({{"CALL", "I3CCC"}, {"SIG_INFO", "mh0005"}, {"QSO_DATE", "20070301"}}));
    QCOMPARE(QsoRecord::fieldOf(capitals->entries().at(0).line, QsoRecord::Reference), QByteArrayView("MH0005"));
}

void TestImportPlan::importWritesOnceAndLearnsNames()
{
    const QByteArray a = line("I1AAA", "AZ0001", "10/01/07", "10:00");
    const QByteArray c = line("I3CCC", "PM0001", "20/01/07", "08:00");
    Station station({a, c}, {"F1ABC           JEAN", "I4DDD           ", "I6FFF           MARIO"});
    // Out of order in the file, and one at the very time of a logged QSO.
    const QByteArray file = record({{"CALL", "I6FFF"}, {"SIG_INFO", "TC0007"}, {"QSO_DATE", "20070120"},
                                    {"TIME_ON", "0800"}})
        + record({{"CALL", "I4DDD"}, {"NAME", "Paul"}, {"SIG_INFO", "MH0005"}, {"QSO_DATE", "20070115"}})
        + record({{"CALL", "I7GGG"}, {"SIG_INFO", "LZ0001"}, {"QSO_DATE", "20061231"}})
        + record({{"CALL", "I8HHH"}, {"NAME", "Anna"}, {"SIG_INFO", "LZ0002"}, {"QSO_DATE", "20070301"}});
    const auto plan = planOf(file, {a, c});
    QCOMPARE(plan->toImport(), 4);
    const QList<QByteArray> lines = plan->acceptedLines();

    QSignalSpy changed(station.session.get(), &LogSession::logChanged);
    const ImportCommit::Result r = ImportCommit::run(*station.session, lines);
    QVERIFY2(r.ok, qPrintable(r.message));
    QCOMPARE(r.message, QStringLiteral("4 QSO ont été ajoutés au log TEST1_ZEL.log."));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(readBytes(station.path("TEST1_ZEL.log")), crlf({lines[2], a, lines[1], lines[0], c, lines[3]}));
    QCOMPARE(station.session->lineCount(), 6);
    // A name replaces the stored one; a QSO without one never blanks it; a new station is added.
    QCOMPARE(readBytes(station.path("Liste_Prenom.txt")),
             crlf({"F1ABC           JEAN", "I4DDD           PAUL", "I6FFF           MARIO",
                   "I7GGG           ", "I8HHH           ANNA"}));

    // The same file again: everything is already there, and nothing more is written.
    const auto again = planOf(file, Cp1252::splitLines(readBytes(station.path("TEST1_ZEL.log"))));
    QCOMPARE(again->toImport(), 0);
    QCOMPARE(again->alreadyInLog(), 4);
    // An abbey that reached the log behind the plan's back is refused by the rewrite itself.
    const ImportCommit::Result twice = ImportCommit::run(*station.session, {lines[0]});
    QVERIFY(!twice.ok);
    QVERIFY2(twice.message.contains(QStringLiteral("TC0007 est déjà dans le journal")), qPrintable(twice.message));
}

void TestImportPlan::failedWriteChangesNothing_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("said");
    QTest::newRow("log locked by another copy") << "lock" << "autre copie de KVR_ZEL";
    QTest::newRow("no room for the log") << "limit" << "le disque est plein";
    QTest::newRow("disk full") << "tmpfs" << "le disque est plein";
}

void TestImportPlan::failedWriteChangesNothing()
{
    QFETCH(QString, fault);
    QFETCH(QString, said);
    const QList<QByteArray> log{line("I1AAA", "AZ0001", "10/01/07", "10:00")};
    const QList<QByteArray> names{"F1ABC           JEAN"};
    QTemporaryDir base;
    SmallTmpfs tmpfs(base.filePath(QStringLiteral("disk")));
    if (fault == QLatin1String("tmpfs") && !tmpfs.isMounted())
        QSKIP("a small tmpfs cannot be mounted here");
    Station station(log, names, fault == QLatin1String("tmpfs") ? base.filePath(QStringLiteral("disk")) : QString());
    const QByteArray file = record({{"CALL", "I4DDD"}, {"NAME", "Paul"}, {"SIG_INFO", "MH0005"}})
        + record({{"CALL", "I5EEE"}, {"SIG_INFO", "TC0007"}});
    const QList<QByteArray> lines = planOf(file, log)->acceptedLines();
    QCOMPARE(lines.size(), 2);
    if (fault == QLatin1String("tmpfs"))
        tmpfs.fill();
    const QStringList before = QDir(station.root).entryList(QDir::Files | QDir::Hidden);

    QString message;
    if (fault == QLatin1String("lock")) {
        FileLock other(FileLock::lockPathFor(station.path("TEST1_ZEL.log")));
        QCOMPARE(other.lock(0), FileLock::Status::Locked);
        message = ImportCommit::run(*station.session, lines).message;
    } else if (fault == QLatin1String("tmpfs")) {
        message = ImportCommit::run(*station.session, lines).message;
    } else {
        // Room for the new first-name list, not for the new log.
        message = QString::fromUtf8(inChild(fileSizeLimit(300), [&] {
            return ImportCommit::run(*station.session, lines).message.toUtf8();
        }));
    }
    QVERIFY2(message.contains(said), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("ont pas été modifiés")) || message.contains(QStringLiteral("Aucun QSO n'a été importé")),
             qPrintable(message));
    QCOMPARE(readBytes(station.path("TEST1_ZEL.log")), crlf(log));
    QCOMPARE(readBytes(station.path("Liste_Prenom.txt")), crlf(names));
    QCOMPARE(QDir(station.root).entryList(QDir::Files | QDir::Hidden), before);
    QCOMPARE(station.session->lineCount(), 1);
}

void TestImportPlan::killedBetweenTheTwoWrites()
{
    const QList<QByteArray> log{line("I1AAA", "AZ0001", "10/01/07", "10:00")};
    const QList<QByteArray> names{"F1ABC           JEAN"};
    Station station(log, names);
    const QByteArray file = record({{"CALL", "I4DDD"}, {"NAME", "Paul"}, {"SIG_INFO", "MH0005"}})
        + record({{"CALL", "I5EEE"}, {"NAME", "Anna"}, {"SIG_INFO", "TC0007"}});
    const QList<QByteArray> lines = planOf(file, log)->acceptedLines();
    QCOMPARE(lines.size(), 2);

    // Killed once the log is written, before the list is: the log holds the import,
    // the list its old names, never names of QSOs the log lacks.
    int status = 0;
    inChild([] {}, [&] {
        ImportCommit::run(*station.session, lines, 5000, [] { ::raise(SIGKILL); });
        return QByteArray("not killed");
    }, &status);
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    QCOMPARE(Cp1252::splitLines(readBytes(station.path("TEST1_ZEL.log"))), (QList<QByteArray>{log[0], lines[0], lines[1]}));
    QCOMPARE(readBytes(station.path("Liste_Prenom.txt")), crlf(names));

    // Not killed: both files, the list learning the names.
    Station second(log, names);
    QVERIFY(ImportCommit::run(*second.session, lines).ok);
    QCOMPARE(readBytes(second.path("Liste_Prenom.txt")),
             crlf({"F1ABC           JEAN", "I4DDD           PAUL", "I5EEE           ANNA"}));
}

void TestImportPlan::listsStayBounded()
{
    // A general log: a few refused award QSOs too many to list, a few more QSOs
    // outside the award than are kept for "Tout afficher", one QSO to import.
    const int refused = ImportPlan::MaxRefusedListed + 2;
    const int outside = ImportPlan::MaxOutsideListed + 3;
    QByteArray file;
    file.reserve(qsizetype(refused + outside) * 120);
    const QByteArray bad = record({{"MODE", "FT8"}});
    const QByteArray plain = record({{"SIG", {}}, {"SIG_INFO", {}}, {"MODE", "FT8"}});
    for (int i = 0; i < refused; ++i)
        file += bad;
    for (int i = 0; i < outside; ++i)
        file += plain;
    file += record({{"SIG_INFO", "MH0005"}});
    const auto plan = planOf(file);
    QCOMPARE(plan->recordCount(), refused + outside + 1);
    QCOMPARE(plan->toImport(), 1);
    QCOMPARE(plan->refused(), refused);
    QCOMPARE(plan->refusedNotListed(), 2);
    QCOMPARE(plan->withoutReference(), outside);
    QCOMPARE(plan->entries().size(), ImportPlan::MaxRefusedListed + 1);
    QCOMPARE(plan->allRows().size(), ImportPlan::MaxRefusedListed + 1 + ImportPlan::MaxOutsideListed);
    QCOMPARE(plan->entries().last().status, AdifMapping::Imported);
    QVERIFY(plan->report(QStringLiteral("TEST1"), QDate(2026, 12, 7), false)
                .contains(QByteArray("refus\xE9s : ") + QByteArray::number(refused) + " (2 non list\xE9s)\r\n"));
}

void TestImportPlan::loadingStopsInEveryPhase()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.adi"));
    const QString list = dir.filePath(QStringLiteral("Liste_Abbayes.txt"));
    QByteArray file;
    for (int i = 0; i < 3 * ImportLoader::BatchRecords; ++i)
        file += record({{"SIG_INFO", "MH0005"}});
    QVERIFY(writeBytes(path, file));
    QVERIFY(writeBytes(list, crlf({abbeyLine("MH0005", "Abbazia", "JN63")})));
    IndexedLog log(QList<QByteArray>(ImportLoader::LinesPerStep, line("I1AAA", "AZ0001", "10/01/07", "10:00")));
    using Phase = ImportLoader::Phase;
    for (const Phase stopAt : {Phase::ReadingFile, Phase::ReadingRecords, Phase::Matching}) {
        QList<Phase> seen;
        const ImportLoader::Loaded l = ImportLoader::load(path, list, log, [&](int, Phase p) {
            seen << p;
            return p != stopAt;
        });
        QVERIFY(l.cancelled);
        QVERIFY(!l.plan);
        QCOMPARE(seen.last(), stopAt);
    }
    // Not stopped: every batch of records is a step of its own, and the matching
    // against a long log is asked about on the way too.
    int steps[3] = {};
    const ImportLoader::Loaded l = ImportLoader::load(path, list, log, [&](int, Phase p) {
        ++steps[int(p)];
        return true;
    });
    QVERIFY(l.plan && !l.cancelled);
    QCOMPARE(l.plan->recordCount(), 3 * ImportLoader::BatchRecords);
    QVERIFY(steps[int(Phase::ReadingRecords)] >= 3);
    QVERIFY(steps[int(Phase::Matching)] >= 3);
    QCOMPARE(readBytes(path), file);

    // The log read again while the matching lets events through: the matching starts
    // again on the log as it now stands.
    int matching = 0;
    bool changed = false;
    const ImportLoader::Loaded again = ImportLoader::load(
        path, list, log,
        [&](int, Phase p) {
            if (p == Phase::Matching && ++matching == 2) {
                log.rewrite({line("I9ZZZ", "MH0005", "01/01/07", "08:00")});
                changed = true;
            }
            return true;
        },
        [&] { return std::exchange(changed, false); });
    QVERIFY(again.plan);
    QCOMPARE(again.plan->toImport(), 0);
    QCOMPARE(again.plan->outcome(again.plan->entries().first()), QStringLiteral("déjà contactée le 01/01/07"));
}

void TestImportPlan::roundTripThroughTheExport()
{
    // A log as the program writes it, with every band and mode, dates on both sides
    // of the year pivot, two QSOs at the same minute, and abbey names in ASCII.
    QList<QByteArray> log;
    const QStringList bands{"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz",
                            "21 Mhz",  "24 Mhz",  "28 Mhz",  "50 Mhz", "144 Mhz", "432 Mhz"};
    const char *modes[] = {"SSB", "CW", "FM"};
    const char *dates[] = {"05/03/99", "31/12/99", "01/01/00", "14/03/07", "15/03/07", "28/02/49"};
    const char *times[] = {"10:05", "11:00", "12:05", "12:05"};
    for (int i = 0; i < 24; ++i) {
        Qso q = qso("I" + QByteArray::number(i % 10) + "Z" + QByteArray(1, char('A' + i)) + (i % 7 ? "" : "/P"),
                    "AZ" + QByteArray::number(1000 + i), dates[i / 4], times[i % 4]);
        q.band = bands.at(i % 12).toLatin1();
        q.mode = modes[i % 3];
        q.name = i % 3 ? "MARIE-CHANTAL" : "";
        q.loc = i % 2 ? "JN" + QByteArray::number(40 + i) : "";
        q.rstR = i % 5 ? "59" : "599";
        q.rstE = i % 4 ? "57" : "5";
        q.abbey = i % 6 ? "Abbazia di San Clemente n. " + QByteArray::number(i) : "";
        q.qsl = i % 2;
        log << q.line();
    }
    const QByteArray adi = AdifExport(QStringLiteral("TEST1")).document(views(log));

    Station station({}, {});
    const auto plan = planOf(adi);
    QCOMPARE(plan->toImport(), log.size());
    const ImportCommit::Result r = ImportCommit::run(*station.session, plan->acceptedLines());
    QVERIFY2(r.ok, qPrintable(r.message));
    QCOMPARE(readBytes(station.path("TEST1_ZEL.log")), crlf(log));
}

void TestImportPlan::reportLists()
{
    const QByteArray file = record({{"CALL", "I2BBB"}}) + record({{"MODE", "FT8"}, {"SIG", {}}, {"SIG_INFO", {}}})
        + record({{"CALL", "SP9\xC5\x81X"}, {"MODE", "RTTY"}});
    const auto plan = planOf(file);
    QCOMPARE(ImportPlan::reportFileName(QStringLiteral("F6ABC_P"), QDate(2026, 12, 7)),
             QStringLiteral("F6ABC_P_Import_ADIF_07_12_26.txt"));
    const QByteArray shortReport = plan->report(QStringLiteral("F6ABC/P"), QDate(2026, 12, 7), false);
    const QByteArray full = plan->report(QStringLiteral("F6ABC/P"), QDate(2026, 12, 7), true);
    // Windows-1252 and CR LF: "à" is one byte, every line ends with CR LF.
    QVERIFY(shortReport.contains("QSO \xE0 importer : 1\r\n"));
    QVERIFY(shortReport.contains("pas de r\xE9" "f\xE9rence d'abbaye : 1 (non list\xE9s)\r\n"));
    QVERIFY(shortReport.contains("     3 SP9LX "));
    QVERIFY(shortReport.contains("mode non pr\xE9vu (RTTY)\r\n"));
    QVERIFY(!shortReport.contains("FT8"));
    // Bands as the log labels them, never ADIF's names.
    QVERIFY(full.contains("     2 I1XYZ        14/03/07 09:05 14 Mhz  FT8"));
    QCOMPARE(full.count("\r\n"), full.count('\n'));
}

QTEST_GUILESS_MAIN(TestImportPlan)
#include "tst_importplan.moc"
