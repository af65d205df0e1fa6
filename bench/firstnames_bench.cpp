// The first-name look-up made at each Enter in the callsign field, on a list of
// 2,000,000 stations (some 50 MB): the look-up once the list is indexed, the first
// look-up (which reads and indexes the list), beside reading the list once.

#include "refdata/FirstNameList.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Stations = 2000000;

QByteArray callOf(int i) { return QByteArray("S") + QByteArray::number(i, 36).toUpper(); }

struct NamesFile
{
    QTemporaryDir dir;
    QString path;
};

const NamesFile &namesFile()
{
    static std::unique_ptr<NamesFile> file;
    if (!file) {
        file = std::make_unique<NamesFile>();
        file->path = file->dir.filePath(QStringLiteral("Liste_Prenom.txt"));
        QByteArray bytes;
        bytes.reserve(qsizetype(Stations) * 28);
        for (int i = 0; i < Stations; ++i)
            bytes += callOf(i).leftJustified(12, ' ') + "    NAME" + QByteArray::number(i) + "\r\n";
        QFile f(file->path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
    return *file;
}

void BM_FirstNameLookupIndexed(benchmark::State &state)
{
    FirstNameList list(namesFile().path);
    list.Cherche_Prenom(QStringLiteral("F6ABC"));
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(list.Cherche_Prenom(QString::fromLatin1(callOf(i))));
        i = (i + 7919) % Stations;
    }
    state.counters["reads"] = list.readsOfTheList();
}
BENCHMARK(BM_FirstNameLookupIndexed)->Unit(benchmark::kMicrosecond);

void BM_FirstNameLookupFirst(benchmark::State &state)
{
    for (auto _ : state) {
        FirstNameList list(namesFile().path);
        benchmark::DoNotOptimize(list.Cherche_Prenom(QStringLiteral("S1234")));
    }
}
BENCHMARK(BM_FirstNameLookupFirst)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Baseline_ReadFirstNameList(benchmark::State &state)
{
    for (auto _ : state) {
        QFile f(namesFile().path);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll().size());
    }
}
BENCHMARK(BM_Baseline_ReadFirstNameList)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
