// The ADIF export of a log of 99,999 QSOs next to the plain reading of the same
// file (read + split into lines), and the export written to disk next to reading
// the log and writing the same number of bytes through the checked atomic writer.
// bench/run.sh prints the ratios.

#include "export/AdifExport.h"
#include "logstore/AtomicFile.h"
#include "logstore/Cp1252.h"
#include "logstore/QsoLabels.h"
#include "logstore/QsoRecord.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <random>

namespace {

struct ExportLog {
    QTemporaryDir dir;
    QString path;
    QString adiPath;
    qsizetype adiSize = 0;
};

QByteArray qsoLine(std::mt19937 &rng, const QDateTime &when)
{
    static const QString firstNames[] = {QString(), QStringLiteral("JEAN-FRANÇOIS"), QStringLiteral("HÉLÈNE"),
                                         QStringLiteral("MARCO"), QStringLiteral("NOËL"), QStringLiteral("ZOÉ")};
    static const QString abbeys[] = {
        QStringLiteral("Abbazia di San Clemente a Casauria"),
        QStringLiteral("Abbazia di Santa Maria a piè di Chienti"),
        QStringLiteral("Abbazia di Sant'Antimo"), QStringLiteral("Chœur de l'abbaye – « été »"),
        QStringLiteral("Abbazia di Montecassino")};
    static const QStringList bands = QsoLabels::bands();
    static const QStringList modes = QsoLabels::modes();
    std::uniform_int_distribution<int> letter('A', 'Z');
    QString call = QStringLiteral("I%1").arg(rng() % 10);
    for (int i = 0; i < 3; ++i)
        call += QChar(letter(rng));
    if (rng() % 15 == 0)
        call += QStringLiteral("/P");

    QsoRecord r;
    r.setField(QsoRecord::Indicatif, call);
    if (rng() % 2)
        r.setField(QsoRecord::Locator, QStringLiteral("JN%1").arg(40 + rng() % 30));
    r.setField(QsoRecord::Prenom, firstNames[rng() % std::size(firstNames)]);
    r.setField(QsoRecord::Reference, QStringLiteral("AZ%1").arg(rng() % 10000, 4, 10, QLatin1Char('0')));
    r.setField(QsoRecord::Date, when.toString(QStringLiteral("dd/MM/yy")));
    r.setField(QsoRecord::Heure, when.toString(QStringLiteral("HH:mm")));
    r.setField(QsoRecord::Mode, modes.at(int(rng() % modes.size())));
    r.setField(QsoRecord::Bande, bands.at(int(rng() % bands.size())));
    r.setField(QsoRecord::RstRecu, QStringLiteral("59"));
    r.setField(QsoRecord::RstEnvoye, QStringLiteral("57"));
    r.setField(QsoRecord::NomAbbaye, abbeys[rng() % std::size(abbeys)]);
    r.setField(QsoRecord::Qsl, rng() % 3 ? QStringLiteral("*") : QStringLiteral(" "));
    return Cp1252::encode(r.toLogLine());
}

ExportLog &exportLogOf(int count)
{
    static std::map<int, std::unique_ptr<ExportLog>> logs;
    std::unique_ptr<ExportLog> &log = logs[count];
    if (log)
        return *log;
    log = std::make_unique<ExportLog>();
    log->path = log->dir.filePath(QStringLiteral("I1ZEL_ZEL.log"));
    log->adiPath = log->dir.filePath(AdifExport::fileName(QStringLiteral("I1ZEL")));
    std::mt19937 rng(count);
    QDateTime when(QDate(1998, 5, 1), QTime(7, 0), Qt::UTC);
    QList<QByteArray> lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        lines.append(qsoLine(rng, when));
        when = when.addSecs(60 * (3 + rng() % 200));
    }
    const QByteArray content = Cp1252::joinLines(lines);
    if (!AtomicFile::write(log->path, content).ok) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(log->path));
        std::abort();
    }
    log->adiSize = AdifExport(QStringLiteral("I1ZEL")).document(Cp1252::lineViews(content)).size();
    return *log;
}

QByteArray readLog(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void BM_Baseline_ReadLog(benchmark::State &state)
{
    const ExportLog &log = exportLogOf(int(state.range(0)));
    for (auto _ : state) {
        const QList<QByteArray> lines = readLog(log.path).split('\n');
        benchmark::DoNotOptimize(lines.constData());
    }
}

// Read the log and turn it into the whole ADIF file, as the menu does before writing.
void BM_AdifExport(benchmark::State &state)
{
    const ExportLog &log = exportLogOf(int(state.range(0)));
    const AdifExport adif(QStringLiteral("I1ZEL"));
    for (auto _ : state) {
        const QByteArray content = readLog(log.path);
        const QByteArray bytes = adif.document(Cp1252::lineViews(content));
        if (bytes.size() != log.adiSize) {
            state.SkipWithError("the export is not the expected size");
            break;
        }
        benchmark::DoNotOptimize(bytes.constData());
    }
}

// The disk's part: read the log, then put as many bytes as the export makes on disk
// through the checked atomic writer (write, flush, fsync, rename).
void BM_Baseline_ReadAndWriteSynced(benchmark::State &state)
{
    const ExportLog &log = exportLogOf(int(state.range(0)));
    const QByteArray same(log.adiSize, 'x');
    for (auto _ : state) {
        benchmark::DoNotOptimize(readLog(log.path).constData());
        if (!AtomicFile::write(log.adiPath, same).ok) {
            state.SkipWithError("write failed");
            break;
        }
    }
}

// The records built in memory and written through the checked atomic writer. (The
// menu now streams the log and the records a block at a time; bench/windows.sh
// times it from the menu item to the synced file.)
void BM_AdifExportToFile(benchmark::State &state)
{
    const ExportLog &log = exportLogOf(int(state.range(0)));
    const AdifExport adif(QStringLiteral("I1ZEL"));
    for (auto _ : state) {
        const QByteArray content = readLog(log.path);
        if (!AtomicFile::write(log.adiPath, adif.document(Cp1252::lineViews(content))).ok) {
            state.SkipWithError("write failed");
            break;
        }
    }
}

#define ZEL_EXPORT_BENCH(fn) BENCHMARK(fn)->Arg(99999)->Unit(benchmark::kMillisecond)->UseRealTime()

ZEL_EXPORT_BENCH(BM_Baseline_ReadLog);
ZEL_EXPORT_BENCH(BM_AdifExport);
ZEL_EXPORT_BENCH(BM_Baseline_ReadAndWriteSynced);
ZEL_EXPORT_BENCH(BM_AdifExportToFile);

} // namespace
