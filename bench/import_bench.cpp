// The ADIF import: a general logbook's file of 100,000 records read into the
// preview (every record mapped, the award's rules applied, the list ready), and
// 10,000 award QSOs written into a log, each next to reading the same file once
// (read + split into lines, as the export's baseline). The write is also shown next
// to the plain checked atomic write of the log it produces. bench/run.sh prints the ratios.

#include "common/IndexedLog.h"

#include "import/ImportCommit.h"
#include "import/ImportListModel.h"
#include "import/ImportPlan.h"
#include "logstore/AtomicFile.h"
#include "logstore/LogSession.h"
#include "logstore/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <random>

namespace {

constexpr int AbbeyCount = 10000;

QByteArray field(const char *name, const QByteArray &value)
{
    // Lengths in characters, as ADIF counts them.
    return '<' + QByteArray(name) + ':' + QByteArray::number(QString::fromUtf8(value).size()) + '>' + value;
}

QByteArray reference(int i) { return "AZ" + QByteArray::number(i).rightJustified(4, '0'); }

QByteArray abbeyList()
{
    QByteArray out;
    for (int i = 0; i < AbbeyCount; ++i)
        out += reference(i) + ' ' + QByteArray("Abbazia numero " + QByteArray::number(i)).leftJustified(60) + " JN62\r\n";
    return out;
}

struct ImportFile {
    QTemporaryDir dir;
    QString path;
    QByteArray abbeys;
};

// A general logbook's export: most QSOs are everyday traffic (FT8, RTTY, SSB) with
// the many fields such programs write; every tenth is an award QSO (SIG ZEL). With
// award = true, every record is an award QSO of its own abbey.
ImportFile &importFileOf(int count, bool award)
{
    static std::map<std::pair<int, bool>, std::unique_ptr<ImportFile>> files;
    std::unique_ptr<ImportFile> &file = files[{count, award}];
    if (file)
        return *file;
    file = std::make_unique<ImportFile>();
    file->path = file->dir.filePath(QStringLiteral("log.adi"));
    file->abbeys = abbeyList();
    std::mt19937 rng(count);
    static const char *const names[] = {"Jean", "Jos\xC3\xA9", "Marco", "\xC5\x81ukasz", "Anna", ""};
    static const char *const modes[] = {"FT8", "FT8", "SSB", "CW", "RTTY", "FM"};
    static const char *const bands[] = {"20m", "40m", "15m", "10m", "80m", "2m"};
    QByteArray out = "ADIF export\r\n<ADIF_VER:5>3.1.4 <PROGRAMID:7>SomeLog\r\n<EOH>\r\n";
    out.reserve(qsizetype(count) * 420);
    for (int i = 0; i < count; ++i) {
        const bool zel = award || i % 10 == 0;
        const int day = 1 + i % 28, month = 1 + (i / 28) % 12, year = 2000 + (i / 336) % 40;
        QByteArray r;
        r += field("CALL", "I" + QByteArray::number(rng() % 10) + "ABC" + QByteArray(1, char('A' + rng() % 26)));
        r += field("QSO_DATE", QByteArray::number(year * 10000 + month * 100 + day));
        r += field("TIME_ON", QByteArray::number(10000 + (i % 1440) / 60 * 100 + i % 60).mid(1) + "00");
        r += field("TIME_OFF", "235959");
        r += field("BAND", bands[rng() % 6]);
        r += field("FREQ", "14.074000");
        r += field("MODE", zel ? "SSB" : modes[rng() % 6]);
        r += field("RST_RCVD", "59") + field("RST_SENT", "57");
        r += field("NAME", names[rng() % 6]);
        r += field("GRIDSQUARE", "JN62ab") + field("MY_GRIDSQUARE", "JN18du");
        r += field("STATION_CALLSIGN", "F6ABC") + field("OPERATOR", "F6ABC");
        r += field("QSL_SENT", "N") + field("QSL_RCVD", rng() % 3 ? "N" : "Y");
        r += field("APP_SOMELOG_QSOID", QByteArray::number(i));
        if (zel)
            r += field("SIG", "ZEL") + field("SIG_INFO", reference(award ? i : int(rng() % AbbeyCount)));
        r += field("COMMENT", "tnx fer QSO, 73 es gl");
        out += r + "<EOR>\r\n";
    }
    QFile f(file->path);
    if (!f.open(QIODevice::WriteOnly) || f.write(out) != out.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file->path));
        std::abort();
    }
    return *file;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void BM_Baseline_ReadAdi(benchmark::State &state)
{
    const ImportFile &file = importFileOf(int(state.range(0)), state.range(0) <= AbbeyCount);
    for (auto _ : state) {
        const QList<QByteArray> lines = readFile(file.path).split('\n');
        benchmark::DoNotOptimize(lines.constData());
    }
}

// What the operator waits for between choosing the file and seeing the preview.
void BM_ImportPreview(benchmark::State &state)
{
    const ImportFile &file = importFileOf(int(state.range(0)), false);
    const AbbeyTable abbeys = AbbeyTable::fromBytes(file.abbeys);
    const zeltest::IndexedLog log; // an empty log: every record is new
    for (auto _ : state) {
        ImportPlan plan(readFile(file.path), QStringLiteral("log.adi"), abbeys);
        while (!plan.read(2000)) {
        }
        plan.resolve(log);
        const ImportListModel model(plan);
        if (plan.recordCount() != state.range(0) || model.rowCount() == 0) {
            state.SkipWithError("the preview does not list the file");
            break;
        }
        benchmark::DoNotOptimize(model.rowCount());
    }
}

struct WriteStation {
    QTemporaryDir dir;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<LogSession> session;
    QList<QByteArray> lines;
    QByteArray written; // the log the import gives

    WriteStation()
    {
        settings = std::make_unique<Settings>(dir.filePath(QStringLiteral("zel.ini")));
        settings->write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("F6ABC"));
        session = std::make_unique<LogSession>(*settings, dir.path());
    }
    bool reset()
    {
        const bool ok = AtomicFile::write(dir.filePath(QStringLiteral("F6ABC_ZEL.log")), QByteArray()).ok
            && AtomicFile::write(dir.filePath(QStringLiteral("Liste_Prenom.txt")), QByteArray()).ok;
        session->openStation();
        return ok;
    }
};

WriteStation &writeStationOf(int count)
{
    static std::map<int, std::unique_ptr<WriteStation>> stations;
    std::unique_ptr<WriteStation> &s = stations[count];
    if (s)
        return *s;
    s = std::make_unique<WriteStation>();
    const ImportFile &file = importFileOf(count, true);
    ImportPlan plan(readFile(file.path), QStringLiteral("log.adi"), AbbeyTable::fromBytes(file.abbeys));
    while (!plan.read(count)) {
    }
    plan.resolve(zeltest::IndexedLog());
    s->lines = plan.acceptedLines();
    s->reset();
    ImportCommit::run(*s->session, s->lines);
    s->written = readFile(s->dir.filePath(QStringLiteral("F6ABC_ZEL.log")));
    return *s;
}

// "Importer": the first-name list and the log, each locked, rewritten and synced.
void BM_ImportWrite(benchmark::State &state)
{
    WriteStation &s = writeStationOf(int(state.range(0)));
    if (s.lines.size() != state.range(0)) {
        state.SkipWithError("not every QSO is accepted");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        const bool reset = s.reset();
        state.ResumeTiming();
        const ImportCommit::Result r = ImportCommit::run(*s.session, s.lines);
        if (!reset || !r.ok || r.added != state.range(0)) {
            state.SkipWithError("the import failed");
            break;
        }
    }
}

// The same log written once through the checked atomic writer.
void BM_Baseline_WriteLog(benchmark::State &state)
{
    WriteStation &s = writeStationOf(int(state.range(0)));
    const QString path = s.dir.filePath(QStringLiteral("copy.log"));
    for (auto _ : state) {
        if (!AtomicFile::write(path, s.written).ok) {
            state.SkipWithError("write failed");
            break;
        }
    }
}

BENCHMARK(BM_Baseline_ReadAdi)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportPreview)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportWrite)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Baseline_WriteLog)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
