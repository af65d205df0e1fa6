// Timings of what the report windows do when they open or follow a change: the
// entries of every QSO in their sorted order (three lists) and the score count,
// on logs of 9,999 and 99,999 QSOs held in memory as the log session holds them,
// next to reading and splitting the same file. bench/run.sh prints the ratios.

#include "logstore/Cp1252.h"
#include "logstore/QsoRecord.h"
#include "reports/AwardScore.h"
#include "reports/ReportListing.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <random>

namespace {

struct ReportLog {
    QTemporaryDir dir;
    QString path;
    QByteArray content;
    QList<QByteArrayView> lines; // into content, as the session keeps them
};

// A log in time order: 600 abbeys of 20 regions, each contacted many times by
// callsigns that repeat, a third of the QSOs confirmed, accented abbey names.
ReportLog &reportLog(int count)
{
    static std::map<int, std::unique_ptr<ReportLog>> logs;
    std::unique_ptr<ReportLog> &log = logs[count];
    if (log)
        return *log;
    log = std::make_unique<ReportLog>();
    log->path = log->dir.filePath(QStringLiteral("F4ZEL_ZEL.log"));

    static const char *const regions[] = {"AB", "BA", "BZ", "CA", "CM", "ER", "FV", "LA", "LI", "LO",
                                          "MR", "MO", "PI", "PU", "SA", "SI", "TO", "UM", "VA", "VE"};
    static const QString names[] = {QStringLiteral("Abbazia di San Clemente a Casauria"),
                                    QStringLiteral("Abbazia di Santa Maria a piè di Chienti"),
                                    QStringLiteral("Abbazia di Sant'Antimo"),
                                    QStringLiteral("Certosa di San Lorenzo a Padula, Salerno"),
                                    QStringLiteral("Abbazia di Santa Maria di Pomposa")};
    std::mt19937 rng(count);
    std::uniform_int_distribution<int> letter('A', 'Z');
    QDateTime when(QDate(2007, 1, 1), QTime(8, 0), Qt::UTC);
    QList<QByteArray> lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int abbey = int(rng() % 600);
        QString call = QStringLiteral("F%1").arg(rng() % 10);
        for (int k = 0; k < 3; ++k)
            call += QChar(letter(rng));
        QsoRecord r;
        r.setField(QsoRecord::Indicatif, call);
        r.setField(QsoRecord::Reference, QString::fromLatin1(regions[abbey % 20])
                                             + QString::number(abbey).rightJustified(4, QLatin1Char('0')));
        r.setField(QsoRecord::Date, when.toString(QStringLiteral("dd/MM/yy")));
        r.setField(QsoRecord::Heure, when.toString(QStringLiteral("HH:mm")));
        r.setField(QsoRecord::Mode, QStringLiteral("SSB"));
        r.setField(QsoRecord::Bande, QStringLiteral("14 Mhz"));
        r.setField(QsoRecord::RstRecu, QStringLiteral("59"));
        r.setField(QsoRecord::RstEnvoye, QStringLiteral("59"));
        r.setField(QsoRecord::NomAbbaye, names[abbey % std::size(names)]);
        r.setField(QsoRecord::Qsl, rng() % 3 ? QStringLiteral(" ") : QStringLiteral("*"));
        lines.append(Cp1252::encode(r.toLogLine()));
        when = when.addSecs(60 * (3 + rng() % 200));
    }
    log->content = Cp1252::joinLines(lines);
    QFile f(log->path);
    if (!f.open(QIODevice::WriteOnly) || f.write(log->content) != log->content.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(log->path));
        std::abort();
    }
    f.close();
    log->lines = Cp1252::lineViews(log->content);
    return *log;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void BM_Baseline_ReportsReadSplit(benchmark::State &state)
{
    const ReportLog &log = reportLog(int(state.range(0)));
    for (auto _ : state) {
        const QList<QByteArray> lines = readAll(log.path).split('\n');
        benchmark::DoNotOptimize(lines.constData());
    }
}

void listing(benchmark::State &state, ReportListing::Kind kind)
{
    const ReportLog &log = reportLog(int(state.range(0)));
    for (auto _ : state) {
        const ReportListing l = ReportListing::fromLines(kind, log.lines);
        benchmark::DoNotOptimize(l.count());
        if (kind != ReportListing::Kind::AwardConfirmed && l.count() != log.lines.size()) {
            state.SkipWithError("a QSO is missing from the list");
            break;
        }
    }
}

void BM_ListeContactees(benchmark::State &state) { listing(state, ReportListing::Kind::Alphanumeric); }
void BM_ListeZel(benchmark::State &state) { listing(state, ReportListing::Kind::AwardContacted); }
void BM_ListeZelConfirmees(benchmark::State &state) { listing(state, ReportListing::Kind::AwardConfirmed); }

void BM_Scores(benchmark::State &state)
{
    const ReportLog &log = reportLog(int(state.range(0)));
    for (auto _ : state) {
        const AwardScore s = AwardScore::fromLines(log.lines);
        benchmark::DoNotOptimize(s.confirmed());
    }
}

#define ZEL_REPORTS_BENCH(fn) \
    BENCHMARK(fn)->Arg(9999)->Arg(99999)->Unit(benchmark::kMillisecond)->UseRealTime()

ZEL_REPORTS_BENCH(BM_Baseline_ReportsReadSplit);
ZEL_REPORTS_BENCH(BM_ListeContactees);
ZEL_REPORTS_BENCH(BM_ListeZel);
ZEL_REPORTS_BENCH(BM_ListeZelConfirmees);
ZEL_REPORTS_BENCH(BM_Scores);

} // namespace
