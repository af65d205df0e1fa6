// The abbey list update: a new list of 5,000 abbeys (names and locators corrected,
// abbeys added and withdrawn, a few malformed and doubled lines) compared with the
// list in use and a 100,000-QSO log, next to reading the three files once.
// bench/run.sh prints the ratio.

#include "BenchLog.h"

#include "logstore/Cp1252.h"
#include "logstore/QsoRecord.h"
#include "refdata/AbbeyListFile.h"
#include "refdata/AbbeyListUpdate.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

constexpr int AbbeyCount = 5000;

QByteArray reference(int i) { return "AB" + QByteArray::number(i).rightJustified(4, '0'); }

QByteArray abbey(int i, const QByteArray &name, const QByteArray &locator)
{
    return reference(i) + ' ' + name.leftJustified(60) + ' ' + locator + "\r\n";
}

QByteArray nameOf(int i) { return "Abbazia di Santa Maria numero " + QByteArray::number(i); }

struct Files
{
    QTemporaryDir dir;
    QString current, chosen, log;
};

Files &filesOf(int qsos)
{
    static std::map<int, std::unique_ptr<Files>> made;
    std::unique_ptr<Files> &f = made[qsos];
    if (f)
        return *f;
    f = std::make_unique<Files>();
    f->current = f->dir.filePath(QStringLiteral("Liste_Abbayes.txt"));
    f->chosen = f->dir.filePath(QStringLiteral("nouvelle.txt"));
    f->log = f->dir.filePath(QStringLiteral("F4ZEL_ZEL.log"));
    QByteArray current, chosen;
    for (int i = 0; i < AbbeyCount; ++i) {
        current += abbey(i, nameOf(i), "JN62");
        if (i % 100 == 7)
            continue; // withdrawn
        if (i % 50 == 3)
            chosen += abbey(i, nameOf(i) + " (corretto)", "JN62");
        else if (i % 100 == 11)
            chosen += abbey(i, nameOf(i), "JN63");
        else
            chosen += abbey(i, nameOf(i), "JN62");
        if (i % 500 == 0)
            chosen += "riga illeggibile " + QByteArray::number(i) + "\r\n";
        if (i % 1000 == 1)
            chosen += abbey(i, nameOf(i), "JN62");
    }
    for (int i = AbbeyCount; i < AbbeyCount + 100; ++i)
        chosen += abbey(i, nameOf(i), "JN45");
    // The benchmark log with its QSOs spread over the list's abbeys, two in three
    // carrying the list's name as the main window fills it.
    const QByteArray &log = benchLog(qsos).content;
    QByteArray patched;
    patched.reserve(log.size());
    const QsoRecord::Column ref = QsoRecord::logLayout()[QsoRecord::Reference];
    const QsoRecord::Column name = QsoRecord::logLayout()[QsoRecord::NomAbbaye];
    int n = 0;
    for (const QByteArrayView line : Cp1252::lineViews(log)) {
        QByteArray l = line.toByteArray();
        const int i = (n * 7919) % AbbeyCount;
        l.replace(ref.start - 1, ref.width, reference(i));
        if (n % 3 != 0)
            l.replace(name.start - 1, name.width, nameOf(i).toUpper().leftJustified(name.width));
        patched += l + "\r\n";
        ++n;
    }
    writeSynced(f->current, current);
    writeSynced(f->chosen, chosen);
    writeSynced(f->log, patched);
    return *f;
}

// Reading the three files once: the list in use, the new list and the log.
void BM_Baseline_ReadAbbeyLists(benchmark::State &state)
{
    Files &f = filesOf(int(state.range(0)));
    for (auto _ : state) {
        const QByteArray a = readAll(f.current), b = readAll(f.chosen), c = readAll(f.log);
        benchmark::DoNotOptimize(a.size() + b.size() + c.size());
    }
}

// What opening "Nouvelle liste des abbayes" costs: the files read, both lists cut
// line by line, the log's lines found and every change counted.
void BM_AbbeyListCompare(benchmark::State &state)
{
    Files &f = filesOf(int(state.range(0)));
    for (auto _ : state) {
        const QByteArray a = readAll(f.current), b = readAll(f.chosen), c = readAll(f.log);
        const AbbeyListFile current = AbbeyListFile::fromBytes(a);
        const AbbeyListFile chosen = AbbeyListFile::fromBytes(b);
        const AbbeyListUpdate update(current, chosen, c);
        if (update.added().size() != 100 || update.withdrawn().size() != AbbeyCount / 100
            || chosen.unreadable().size() != AbbeyCount / 500 || update.renames().isEmpty()) {
            state.SkipWithError("unexpected comparison");
            break;
        }
        benchmark::DoNotOptimize(update.qsosWithdrawn());
    }
}

BENCHMARK(BM_Baseline_ReadAbbeyLists)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AbbeyListCompare)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
