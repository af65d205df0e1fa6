// The cluster's spots: 10,000 lines arriving at once, read, matched against the abbey
// list and shown (the list model behind its filter and table), next to reading the
// same lines from a file and matching their words against the abbey list alone; and
// the award status of a spot against logs of 10,000 and 100,000 QSOs, next to a
// plain hash look-up: the status is one look-up, not a scan of the log.
// bench/run.sh prints the ratios.

#include "logstore/Cp1252.h"
#include "logstore/LogFile.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "logstore/Settings.h"
#include "refdata/AbbeyTable.h"
#include "refdata/LogIndex.h"
#include "spots/SpotStanding.h"
#include "spots/LineBuffer.h"
#include "spots/SpotFeed.h"
#include "spots/SpotModel.h"

#include <QFile>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>

namespace {

const QString Station = QStringLiteral("F4SPT");
const char *const Codes[] = {"AZ", "BC", "KL", "CP", "EM", "FL", "LZ", "LG", "LB", "MH", "ML",
                             "UM", "PM", "PL", "SD", "SC", "TC", "TT", "VN", "AE", "BB"};

QString reference(std::mt19937 &rng)
{
    return QString::fromLatin1(Codes[rng() % std::size(Codes)]) + QStringLiteral("%1").arg(rng() % 150, 4, 10, QLatin1Char('0'));
}

// A folder with an abbey list of 3,150 abbeys, a log of `qsos` QSOs among them, and
// a file of 10,000 node lines: live spots of the three programs' spacings and
// listed ones, a third naming an abbey, the rest other DX and the node's talk.
struct SpotSetup {
    QTemporaryDir dir;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<LogSession> session;
    QString linesPath;
    QByteArray lines;
    QStringList references;
};

SpotSetup &setupOf(int qsos)
{
    static std::map<int, std::unique_ptr<SpotSetup>> setups;
    std::unique_ptr<SpotSetup> &s = setups[qsos];
    if (s)
        return *s;
    s = std::make_unique<SpotSetup>();
    std::mt19937 rng(qsos);
    QList<QByteArray> abbeys;
    for (const char *code : Codes) {
        for (int n = 0; n < 150; ++n) {
            const QString ref = QString::fromLatin1(code) + QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
            s->references << ref;
            abbeys << (ref.toLatin1() + ' ' + QByteArray("Abbazia di San Benedetto").leftJustified(60, ' ') + " JN62");
        }
    }
    QFile list(s->dir.filePath(QStringLiteral("Liste_Abbayes.txt")));
    if (!list.open(QIODevice::WriteOnly) || list.write(Cp1252::joinLines(abbeys)) < 0)
        std::abort();
    list.close();

    QList<QByteArray> log;
    for (int i = 0; i < qsos; ++i) {
        QsoRecord r;
        r.setField(QsoRecord::Indicatif, QStringLiteral("I%1ABC").arg(i % 10));
        r.setField(QsoRecord::Reference, reference(rng));
        r.setField(QsoRecord::Date, QStringLiteral("05/01/07"));
        r.setField(QsoRecord::Heure, QStringLiteral("10:00"));
        r.setField(QsoRecord::Mode, QStringLiteral("SSB"));
        r.setField(QsoRecord::Bande, QStringLiteral("14 Mhz"));
        r.setField(QsoRecord::RstRecu, QStringLiteral("59"));
        r.setField(QsoRecord::RstEnvoye, QStringLiteral("59"));
        r.setField(QsoRecord::NomAbbaye, QStringLiteral("Abbazia di San Benedetto"));
        r.setField(QsoRecord::Qsl, QString::fromLatin1(rng() % 3 ? " " : "*"));
        log.append(Cp1252::encode(r.toLogLine()));
    }
    QFile f(s->dir.filePath(LogFile::fileName(Station)));
    if (!f.open(QIODevice::WriteOnly) || f.write(Cp1252::joinLines(log)) < 0)
        std::abort();
    f.close();
    s->settings = std::make_unique<Settings>(s->dir.filePath(QStringLiteral("zel.ini")));
    s->settings->write(Settings::CommonSection, Settings::KeyCallsign, Station);
    s->session = std::make_unique<LogSession>(*s->settings, s->dir.path());
    s->session->openStation();
    if (s->session->lineCount() != qsos)
        std::abort();

    static const char *const kHz[] = {"3650.0", "7025.0", "7150.0", "10120.0", "14025.0", "14250.0",
                                      "18080.0", "21200.0", "24950.0", "28500.0", "145500.0", "5354.0"};
    for (int i = 0; i < 10000; ++i) {
        const QByteArray call = "I" + QByteArray::number(rng() % 10) + "A" + QByteArray::number(rng() % 500);
        const QByteArray freq = kHz[rng() % std::size(kHz)];
        const QByteArray comment = i % 3 == 0 ? "ZEL " + reference(rng).toLatin1() + " CW up 1" : "cq dx tnx qso 73";
        QByteArray line;
        switch (i % 5) {
        case 0:
            line = "DX de F5XYZ:     " + freq + "  " + call.leftJustified(12, ' ') + ' ' + comment.leftJustified(30, ' ')
                + " 1234Z JN33";
            break;
        case 1:
            line = "DX de W3LPL:     " + freq + "  " + call + "  " + comment + "   1235Z";
            break;
        case 2:
            line = "  " + freq + "  " + call + "  7-Dec-2026 1200Z  " + comment + "  <F5XYZ>";
            break;
        case 3:
            line = "F4SPT de TEST-1  7-Dec-2026 1234Z dxspider >";
            break;
        default:
            line = "DX de K1TTT-#:   " + freq + "  " + call.leftJustified(12, ' ') + ' ' + comment + "  1236Z MA";
        }
        s->lines += line + "\r\n";
    }
    s->linesPath = s->dir.filePath(QStringLiteral("spots.txt"));
    QFile out(s->linesPath);
    if (!out.open(QIODevice::WriteOnly) || out.write(s->lines) < 0)
        std::abort();
    return *s;
}

// The floor: the lines read from a file, cut, and each word looked up in the abbey list.
void BM_Baseline_SpotFileMatch(benchmark::State &state)
{
    SpotSetup &s = setupOf(10000);
    const AbbeyTable abbeys = AbbeyTable::read(s.dir.filePath(QStringLiteral("Liste_Abbayes.txt")));
    for (auto _ : state) {
        QFile f(s.linesPath);
        if (!f.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot read the lines");
            break;
        }
        const QByteArray content = f.readAll();
        int found = 0;
        qsizetype from = 0;
        while (from < content.size()) {
            qsizetype end = content.indexOf('\n', from);
            if (end < 0)
                end = content.size();
            const QString text = QString::fromLatin1(QByteArrayView(content).sliced(from, end - from));
            from = end + 1;
            for (QStringView word : QStringView(text).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                found += abbeys.contains(word) ? 1 : 0;
        }
        benchmark::DoNotOptimize(found);
    }
}

// The same lines as they come from the node, all at once: cut a socket's slice at a
// time, read, matched, put on the list, and the table drawn.
void BM_SpotsShown(benchmark::State &state)
{
    SpotSetup &s = setupOf(10000);
    LogIndex logIndex(*s.session);
    SpotFeed feed(*s.session, logIndex);
    QSortFilterProxyModel filter;
    filter.setSourceModel(&feed.model());
    filter.setFilterRole(SpotModel::NeededRole);
    QTableView view;
    view.setModel(&filter);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.resize(1000, 400);
    view.show();
    constexpr int Slice = 64 * 1024;
    for (auto _ : state) {
        LineBuffer buffer;
        for (qsizetype at = 0; at < s.lines.size(); at += Slice)
            feed.read(buffer.feed(s.lines.mid(at, Slice)));
        view.viewport()->repaint();
        if (feed.model().rowCount() != SpotModel::Capacity) {
            state.SkipWithError("the list does not hold its 500 spots");
            break;
        }
    }
}

// 10,000 spots' status against the log: one look-up each.
void BM_SpotStatus(benchmark::State &state)
{
    SpotSetup &s = setupOf(int(state.range(0)));
    LogIndex logIndex(*s.session);
    SpotStanding index(logIndex);
    for (auto _ : state) {
        int needed = 0;
        for (int i = 0; i < 10000; ++i)
            needed += SpotStanding::needed(index.status(s.references.at(i % s.references.size()))) ? 1 : 0;
        benchmark::DoNotOptimize(needed);
    }
}

// The floor: 10,000 look-ups in a hash of the same references.
void BM_Baseline_SpotHashLookup(benchmark::State &state)
{
    SpotSetup &s = setupOf(int(state.range(0)));
    QHash<QString, bool> hash;
    for (int i = 0; i < s.references.size(); i += 2)
        hash.insert(s.references.at(i), i % 3 == 0);
    for (auto _ : state) {
        int found = 0;
        for (int i = 0; i < 10000; ++i)
            found += hash.contains(s.references.at(i % s.references.size())) ? 1 : 0;
        benchmark::DoNotOptimize(found);
    }
}

// Building the index again once the log has changed: one pass over the lines held.
void BM_SpotIndexBuild(benchmark::State &state)
{
    SpotSetup &s = setupOf(int(state.range(0)));
    LogIndex index(*s.session);
    for (auto _ : state) {
        index.invalidate();
        benchmark::DoNotOptimize(index.contacted(QStringLiteral("AZ0001")));
    }
}

void BM_Baseline_SpotReadLog(benchmark::State &state)
{
    SpotSetup &s = setupOf(int(state.range(0)));
    for (auto _ : state) {
        QFile f(s.dir.filePath(LogFile::fileName(Station)));
        if (!f.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot read the log");
            break;
        }
        const QByteArray content = f.readAll();
        benchmark::DoNotOptimize(content.constData());
    }
}

BENCHMARK(BM_Baseline_SpotFileMatch)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SpotsShown)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SpotStatus)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Baseline_SpotHashLookup)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SpotIndexBuild)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Baseline_SpotReadLog)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
