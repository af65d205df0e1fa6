// The windows that lead from the award to its QSOs, each built from the session's
// lines and drawn once (offscreen): "QSL à recevoir", the score window with its
// monthly chart and table, and "QSO de la région" for the busiest region; next to
// reading the same log once (the file read and cut into lines). bench/run.sh
// prints the ratios.

#include "kit/Clock.h"
#include "kit/Messages.h"
#include "entry/QsoEntry.h"
#include "kit/ui/AppContext.h"
#include "kit/ui/SharedPrinter.h"
#include "logstore/Cp1252.h"
#include "logstore/LogFile.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "logstore/Settings.h"
#include "refdata/LogIndex.h"
#include "qsl/ui/PendingQslWindow.h"
#include "regions/ui/RegionQsoWindow.h"
#include "reports/AwardHistory.h"
#include "reports/ui/ScoreWindow.h"

#include <QAbstractItemView>
#include <QDateTime>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>

namespace {

const QString Station = QStringLiteral("F4AWD");

class QuietMessages : public Messages
{
public:
    void notice(const QString &) override {}
    bool question(const QString &) override { return true; }
};

class FixedClock : public Clock
{
public:
    QDateTime utcNow() const override { return {QDate(2026, 12, 7), QTime(12, 0), Qt::UTC}; }
    QDateTime localNow() const override { return utcNow(); }
};

struct AwardLog {
    QTemporaryDir dir;
    QString path;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<LogSession> session;
    std::unique_ptr<LogIndex> index;
    QuietMessages messages;
    FixedClock clock;
    SharedPrinter printer;
    std::unique_ptr<QsoEntry> entry;
    std::unique_ptr<AppContext> context;
};

// Nineteen years of QSOs in time order over the 21 regions' codes, a third confirmed.
AwardLog &awardLog(int count)
{
    static std::map<int, std::unique_ptr<AwardLog>> logs;
    std::unique_ptr<AwardLog> &log = logs[count];
    if (log)
        return *log;
    log = std::make_unique<AwardLog>();
    // The offscreen platform says at every showing that it cannot raise a window.
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.startsWith(QStringLiteral("This plugin does not support")))
                previous(type, context, text);
        });
    static const char *const codes[] = {"AZ", "BC", "KL", "CP", "EM", "FL", "LZ", "LG", "LB", "MH", "ML",
                                        "UM", "PM", "PL", "SD", "SC", "TC", "TT", "VN", "AE", "BB"};
    std::mt19937 rng(count);
    std::uniform_int_distribution<int> letter('A', 'Z');
    QDateTime when(QDate(2007, 1, 1), QTime(8, 0), Qt::UTC);
    const qint64 step = qint64(19) * 365 * 24 * 3600 / count;
    QList<QByteArray> lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        QString call = QStringLiteral("I%1").arg(rng() % 10);
        for (int k = 0; k < 3; ++k)
            call += QChar(letter(rng));
        QsoRecord r;
        r.setField(QsoRecord::Indicatif, call);
        r.setField(QsoRecord::Reference,
                   QString::fromLatin1(codes[rng() % std::size(codes)]) + QStringLiteral("%1").arg(rng() % 9999, 4, 10, QLatin1Char('0')));
        r.setField(QsoRecord::Date, when.toString(QStringLiteral("dd/MM/yy")));
        r.setField(QsoRecord::Heure, when.toString(QStringLiteral("HH:mm")));
        r.setField(QsoRecord::Mode, QStringLiteral("SSB"));
        r.setField(QsoRecord::Bande, QStringLiteral("14 Mhz"));
        r.setField(QsoRecord::RstRecu, QStringLiteral("59"));
        r.setField(QsoRecord::RstEnvoye, QStringLiteral("59"));
        r.setField(QsoRecord::NomAbbaye, QStringLiteral("Abbazia di Santa Maria a piè di Chienti"));
        r.setField(QsoRecord::Qsl, QString::fromLatin1(rng() % 3 ? " " : "*"));
        lines.append(Cp1252::encode(r.toLogLine()));
        when = when.addSecs(step);
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
    log->index = std::make_unique<LogIndex>(*log->session);
    if (log->session->lineCount() != count)
        std::abort();
    log->entry = std::make_unique<QsoEntry>(*log->session, *log->settings, log->messages, log->clock);
    log->entry->useIndex(*log->index);
    log->context = std::make_unique<AppContext>(AppContext{*log->session, *log->index, log->messages, log->clock,
                                                           *log->settings, log->printer, nullptr, {}});
    return *log;
}

void BM_Baseline_AwardReadLog(benchmark::State &state)
{
    const AwardLog &log = awardLog(int(state.range(0)));
    for (auto _ : state) {
        QFile f(log.path);
        if (!f.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot read the log");
            break;
        }
        const QList<QByteArray> lines = f.readAll().split('\n');
        benchmark::DoNotOptimize(lines.constData());
    }
}

// Builds the window, draws it whole once, then drops it.
template <typename Make> void drawWindow(benchmark::State &state, Make make)
{
    AwardLog &log = awardLog(int(state.range(0)));
    for (auto _ : state) {
        std::unique_ptr<QWidget> w(make(log));
        w->resize(1000, 700);
        const QPixmap drawn = w->grab();
        benchmark::DoNotOptimize(drawn.cacheKey());
    }
}

void BM_QslARecevoirWindow(benchmark::State &state)
{
    drawWindow(state, [](AwardLog &log) { return new PendingQslWindow(*log.context); });
}

void BM_ScoreChartWindow(benchmark::State &state)
{
    drawWindow(state, [](AwardLog &log) { return new ScoreWindow(*log.context); });
}

void BM_RegionQsoWindow(benchmark::State &state)
{
    drawWindow(state, [](AwardLog &log) {
        auto *w = new RegionQsoWindow(*log.session, *log.index, nullptr);
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->showRegion(7, QStringLiteral("Toutes"));
        return w;
    });
}

// The chart's figures alone: one pass over the lines.
void BM_AwardHistory(benchmark::State &state)
{
    const AwardLog &log = awardLog(int(state.range(0)));
    for (auto _ : state) {
        const QList<AwardHistory::Month> months = AwardHistory::fromSession(*log.session, QDate(2026, 12, 7));
        benchmark::DoNotOptimize(months.constData());
    }
}

#define ZEL_AWARD_BENCH(fn) BENCHMARK(fn)->Arg(99999)->Unit(benchmark::kMillisecond)->UseRealTime()

ZEL_AWARD_BENCH(BM_Baseline_AwardReadLog);
ZEL_AWARD_BENCH(BM_QslARecevoirWindow);
ZEL_AWARD_BENCH(BM_ScoreChartWindow);
ZEL_AWARD_BENCH(BM_RegionQsoWindow);
ZEL_AWARD_BENCH(BM_AwardHistory);

} // namespace
