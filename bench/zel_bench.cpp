// Timings of what the operator waits for on a log of 1,000 to 1,000,000 QSOs,
// each next to the plain file operation it is built on: opening the log (against
// a read and a memchr line scan), each rewrite and a whole commit (against copy +
// fsync + rename of the same file), and the look-ups Enter runs on a reference.
// bench/run.sh prints the ratios.

#include "BenchLog.h"

#include "kit/Clock.h"
#include "kit/Messages.h"
#include "entry/QsoEntry.h"
#include "logstore/Cp1252.h"
#include "logstore/LogFile.h"
#include "logstore/LogRewriter.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "logstore/Settings.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

constexpr int VisibleRows = 40;
constexpr qsizetype LineBytes = QsoRecord::LogLineLength + 2; // CR LF

// Puts the log back as generated (outside the timed part) and checks that the
// change just timed left the expected number of lines.
bool restore(benchmark::State &state, const BenchLog &log, int linesAdded)
{
    state.PauseTiming();
    const bool sizeOk = QFileInfo(log.path).size() == log.content.size() + linesAdded * LineBytes;
    const bool restored = writeSynced(log.path, log.content);
    state.ResumeTiming();
    if (!sizeOk)
        state.SkipWithError("the rewrite left a log of the wrong size");
    else if (!restored)
        state.SkipWithError("cannot restore the log");
    return sizeOk && restored;
}

void checkUnchanged(benchmark::State &state, const BenchLog &log)
{
    if (readAll(log.path) != log.content)
        state.SkipWithError("the log was not left as generated");
}

// The least a load can do: read the file and find its line ends.
void BM_Baseline_ReadScan(benchmark::State &state)
{
    const BenchLog &log = benchLog(int(state.range(0)));
    for (auto _ : state) {
        const QByteArray bytes = readAll(log.path);
        qsizetype lines = 0;
        for (const char *p = bytes.constData(), *end = p + bytes.size();
             (p = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)))) != nullptr; ++p)
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
}

// A station's settings and the reference lists beside the log.
struct Station {
    explicit Station(const BenchLog &log)
        : settings(QFileInfo(log.path).absolutePath() + QStringLiteral("/zel.ini"))
    {
        settings.write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("F4ZEL"));
        const QString dir = QFileInfo(log.path).absolutePath();
        QFile names(dir + QStringLiteral("/Liste_Prenom.txt"));
        if (names.open(QIODevice::WriteOnly))
            names.write("IK0AAA          MARCO\r\n");
        QFile abbeys(dir + QStringLiteral("/Liste_Abbayes.txt"));
        if (abbeys.open(QIODevice::WriteOnly))
            abbeys.write("LZ0001 Abbazia di Montecassino                                       JN61\r\n");
    }
    Settings settings;
};

// Opening the log as the main window does: the session reads and checks it, and
// the rows in sight are cut out of their lines.
void BM_Load(benchmark::State &state)
{
    const BenchLog &log = benchLog(int(state.range(0)));
    Station station(log);
    for (auto _ : state) {
        LogSession session(station.settings, QFileInfo(log.path).absolutePath());
        session.openStation();
        const int n = session.lineCount();
        for (int i = qMax(0, n - VisibleRows); i < n; ++i) {
            const QString row = session.listLine(i);
            benchmark::DoNotOptimize(row.constData());
        }
        if (n != log.count || !session.malformedLines().isEmpty()) {
            state.SkipWithError("the generated log did not load as written");
            break;
        }
    }
}

class YesMessages : public Messages
{
public:
    void notice(const QString &) override { ++notices; }
    bool question(const QString &) override { return true; }
    int notices = 0;
};

class FixedClock : public Clock
{
public:
    QDateTime utcNow() const override { return QDateTime(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC); }
    QDateTime localNow() const override { return utcNow(); }
};

// The station's log open in a session, with the QSO entry on it.
struct OpenLog {
    explicit OpenLog(const BenchLog &log)
        : station(log), session(station.settings, QFileInfo(log.path).absolutePath()),
          entry(session, station.settings, messages, clock)
    {
        session.openStation();
    }
    Station station;
    YesMessages messages;
    FixedClock clock;
    LogSession session;
    QsoEntry entry;
};

// A whole commit as the operator does it after "Oui": the checks, the log
// rewritten, the first-name list (unchanged: the station is already listed) and
// the session holding the new log, ready for the list to show it.
void BM_Commit(benchmark::State &state)
{
    const BenchLog &log = benchLog(int(state.range(0)));
    OpenLog open(log);
    QsoEntry &entry = open.entry;
    LogSession &session = open.session;
    QsoEntry::Values v;
    v[QsoEntry::Ind] = QStringLiteral("IK0AAA");
    v[QsoEntry::Prenom] = QStringLiteral("MARCO");
    v[QsoEntry::Ref] = QStringLiteral("LZ0001");
    v[QsoEntry::Loc] = QStringLiteral("JN61");
    v[QsoEntry::Date] = QStringLiteral("07/12/26");
    v[QsoEntry::Heure] = QStringLiteral("09:00");
    v[QsoEntry::Mode] = QStringLiteral("SSB");
    v[QsoEntry::Bande] = QStringLiteral("14 Mhz");
    v[QsoEntry::RstR] = QStringLiteral("59");
    v[QsoEntry::RstE] = QStringLiteral("59");
    v[QsoEntry::Nom] = QStringLiteral("ABBAZIA DI MONTECASSINO");
    for (auto _ : state) {
        QsoEntry::Field failing;
        if (!entry.commit(v, &failing).accepted || open.messages.notices) {
            state.SkipWithError("commit failed");
            break;
        }
        entry.endCommit();
        if (session.lineCount() != log.count + 1) {
            state.SkipWithError("the session does not hold the new QSO");
            break;
        }
        if (!restore(state, log, +1))
            break;
        state.PauseTiming();
        session.reload();
        state.ResumeTiming();
    }
}

// Enter on a reference: already contacted, new region and the abbey list, on the
// log held in memory. Measured in absolute time (no baseline).
void BM_ReferenceLookups(benchmark::State &state)
{
    OpenLog open(benchLog(int(state.range(0))));
    QsoEntry &entry = open.entry;
    QsoEntry::Values v;
    // Not in the log: every line is looked at.
    v[QsoEntry::Ref] = QStringLiteral("LZ0001");
    for (auto _ : state) {
        const QsoEntry::Answer a = entry.enter(QsoEntry::Ref, v);
        if (!a.accepted) {
            state.SkipWithError("the reference was refused");
            break;
        }
    }
}

void BM_Baseline_CopyFsyncRename(benchmark::State &state)
{
    const BenchLog &log = benchLog(int(state.range(0)));
    for (auto _ : state) {
        if (!writeSynced(log.path, readAll(log.path))) {
            state.SkipWithError("copy failed");
            break;
        }
    }
    checkUnchanged(state, log);
}

void BM_Append(benchmark::State &state)
{
    const BenchLog &log = benchLog(int(state.range(0)));
    LogRewriter rw(log.path);
    for (auto _ : state) {
        if (!rw.Ajoute_QSO_Log(log.between).ok) {
            state.SkipWithError("append failed");
            break;
        }
        if (!restore(state, log, +1))
            break;
    }
}

void BM_Replace(benchmark::State &state)
{
    const BenchLog &log = benchLog(int(state.range(0)));
    LogRewriter rw(log.path);
    bool isEdited = false; // edit the middle QSO, then put it back, and so on
    for (auto _ : state) {
        const LogRewriter::Result r = isEdited ? rw.Remplace_QSO_Log(log.middle, log.edited)
                                               : rw.Remplace_QSO_Log(log.edited, log.middle);
        if (!r.ok) {
            state.SkipWithError("replace failed");
            break;
        }
        isEdited = !isEdited;
    }
    if (isEdited)
        rw.Remplace_QSO_Log(log.middle, log.edited);
    checkUnchanged(state, log);
}

void BM_Delete(benchmark::State &state)
{
    const BenchLog &log = benchLog(int(state.range(0)));
    LogRewriter rw(log.path);
    for (auto _ : state) {
        if (!rw.Supprime_QSO_Log(log.middle).ok) {
            state.SkipWithError("delete failed");
            break;
        }
        if (!restore(state, log, -1))
            break;
    }
}

void BM_Insert(benchmark::State &state)
{
    const BenchLog &log = benchLog(int(state.range(0)));
    LogRewriter rw(log.path);
    for (auto _ : state) {
        if (!rw.Insere_QSO_Log(log.between).ok) {
            state.SkipWithError("insert failed");
            break;
        }
        if (!restore(state, log, +1))
            break;
    }
    // The new QSO must have gone right after the middle one, not to the end.
    LogRewriter(log.path).Insere_QSO_Log(log.between);
    if (!readAll(log.path).contains(log.middle + "\r\n" + log.between + "\r\n"))
        state.SkipWithError("the QSO was not inserted in time order");
    writeSynced(log.path, log.content);
}

#define ZEL_BENCH(fn) \
    BENCHMARK(fn)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()
#define ZEL_BENCH_1M(fn) ZEL_BENCH(fn)->Arg(1000000)

ZEL_BENCH_1M(BM_Baseline_ReadScan);
ZEL_BENCH_1M(BM_Load);
ZEL_BENCH_1M(BM_Commit);
ZEL_BENCH_1M(BM_ReferenceLookups);
ZEL_BENCH_1M(BM_Baseline_CopyFsyncRename);
ZEL_BENCH(BM_Append);
ZEL_BENCH(BM_Replace);
ZEL_BENCH(BM_Delete);
ZEL_BENCH(BM_Insert);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // The award windows are built and drawn offscreen (bench/award_bench.cpp).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
