// The region tally of a whole log, next to reading the same log file: the tally
// works on the lines the session already holds, so it should cost no more than
// one plain read of the file. bench/run.sh prints the ratio.

#include "logstore/Cp1252.h"
#include "logstore/LogFile.h"
#include "logstore/LogSession.h"
#include "logstore/QsoLabels.h"
#include "logstore/QsoRecord.h"
#include "logstore/Settings.h"
#include "regions/RegionTally.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>

namespace {

const QString Station = QStringLiteral("F4REG");

struct RegionLog {
    QTemporaryDir dir;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<LogSession> session;
    QString path;
};

// A log of `count` QSOs spread over every region code (and a few that are none),
// every band and the three modes, a third of them confirmed.
RegionLog &regionLogOf(int count)
{
    static std::map<int, std::unique_ptr<RegionLog>> logs;
    std::unique_ptr<RegionLog> &log = logs[count];
    if (log)
        return *log;
    log = std::make_unique<RegionLog>();
    static const char *const codes[] = {"AZ", "BC", "KL", "CP", "EM", "FL", "LZ", "LG", "LB",
                                        "MH", "ML", "UM", "PM", "PL", "SD", "SC", "TC", "TT",
                                        "VN", "VE", "AE", "BB", "XX", "lz", "  "};
    const QStringList bands = QsoLabels::bands();
    const QStringList modes = QsoLabels::modes();
    std::mt19937 rng(count);
    QList<QByteArray> lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        QsoRecord r;
        r.setField(QsoRecord::Indicatif, QStringLiteral("IK%1ABC").arg(i % 10));
        r.setField(QsoRecord::Reference,
                   QString::fromLatin1(codes[rng() % std::size(codes)]) + QStringLiteral("%1").arg(i % 9999, 4, 10, QLatin1Char('0')));
        r.setField(QsoRecord::Date, QStringLiteral("05/01/07"));
        r.setField(QsoRecord::Heure, QStringLiteral("10:00"));
        r.setField(QsoRecord::Mode, modes.at(int(rng() % modes.size())));
        r.setField(QsoRecord::Bande, bands.at(int(rng() % bands.size())));
        r.setField(QsoRecord::RstRecu, QStringLiteral("59"));
        r.setField(QsoRecord::RstEnvoye, QStringLiteral("59"));
        r.setField(QsoRecord::NomAbbaye, QStringLiteral("Abbazia di San Nicolò"));
        r.setField(QsoRecord::Qsl, QString::fromLatin1(rng() % 3 ? " " : "*"));
        lines.append(Cp1252::encode(r.toLogLine()));
    }
    log->path = log->dir.filePath(LogFile::fileName(Station));
    QFile f(log->path);
    if (!f.open(QIODevice::WriteOnly) || f.write(Cp1252::joinLines(lines)) < 0 || !f.flush())
        std::abort();
    f.close();
    log->settings = std::make_unique<Settings>(log->dir.filePath(QStringLiteral("zel.ini")));
    log->settings->write(Settings::CommonSection, Settings::KeyCallsign, Station);
    log->session = std::make_unique<LogSession>(*log->settings, log->dir.path());
    log->session->openStation();
    if (log->session->lineCount() != count)
        std::abort();
    return *log;
}

void BM_Baseline_ReadTallyLog(benchmark::State &state)
{
    const RegionLog &log = regionLogOf(int(state.range(0)));
    for (auto _ : state) {
        QFile f(log.path);
        if (!f.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot read the log");
            break;
        }
        const QByteArray content = f.readAll();
        benchmark::DoNotOptimize(content.constData());
    }
}

void BM_RegionTally(benchmark::State &state)
{
    const RegionLog &log = regionLogOf(int(state.range(0)));
    for (auto _ : state) {
        const RegionTally t = Compte_Regions(*log.session, QStringLiteral("14 Mhz"), QStringLiteral("SSB"));
        benchmark::DoNotOptimize(t.count);
        if (t.count != RegionTable::SlotCount) {
            state.SkipWithError("the tally missed regions of the generated log");
            break;
        }
    }
}

#define ZEL_REGIONS_BENCH(fn) \
    BENCHMARK(fn)->Arg(9999)->Arg(99999)->Unit(benchmark::kMillisecond)->UseRealTime()

ZEL_REGIONS_BENCH(BM_Baseline_ReadTallyLog);
ZEL_REGIONS_BENCH(BM_RegionTally);

} // namespace
