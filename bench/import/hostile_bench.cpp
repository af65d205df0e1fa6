// The import against hostile files, in figures (bench/import_hostile.sh):
// - a UTF-8 file of 2 MB whose declared lengths run past the end of the file or past
//   their record, read into the preview, beside a well-formed file of the same size
//   (target: under 3 times as long);
// - a general log of 200 MB (1.3 million short records, one in a thousand for the
//   award), loaded as the import window loads it: the delay before the first look at
//   "Annuler" and the longest step between two looks (target: half a second each),
//   the whole load, and what it adds to the program's peak memory (target: at most
//   the file's size).
// The files are made in a temporary folder, never kept.

#include "common/IndexedLog.h"

#include "import/AdifReader.h"
#include "import/ImportLoader.h"
#include "import/ImportPlan.h"
#include "refdata/AbbeyTable.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QByteArray field(const char *name, const QByteArray &value)
{
    return '<' + QByteArray(name) + ':' + QByteArray::number(QString::fromUtf8(value).size()) + '>' + value;
}

// The real list holds under a hundred abbeys; a thousand leaves room.
QByteArray abbeyList()
{
    QByteArray out;
    for (int i = 0; i < 1000; ++i)
        out += "AZ" + QByteArray::number(i).rightJustified(4, '0') + ' '
            + QByteArray("Abbazia numero " + QByteArray::number(i)).leftJustified(60) + " JN62\r\n";
    return out;
}

// Short records as a contest or digital-mode logger writes them, about 150 bytes.
QByteArray generalLog(qsizetype size, int awardEvery)
{
    QByteArray out = "<ADIF_VER:5>3.1.4 <EOH>\r\n";
    out.reserve(size + 256);
    for (int i = 0; out.size() < size; ++i) {
        out += field("CALL", "I" + QByteArray::number(i % 10) + "ABC" + QByteArray(1, char('A' + i % 26)));
        out += field("QSO_DATE", QByteArray::number(20000101 + (i % 28)));
        out += field("TIME_ON", "1205") + field("BAND", "20m") + field("MODE", i % 3 ? "FT8" : "SSB");
        out += field("RST_RCVD", "-10") + field("RST_SENT", "-12") + field("NAME", i % 7 ? "Jos\xC3\xA9" : "Jean");
        if (i % awardEvery == 0)
            out += field("SIG", "ZEL") + field("SIG_INFO", "AZ" + QByteArray::number(i % 1000).rightJustified(4, '0'));
        out += "<EOR>\r\n";
    }
    return out;
}

// Damaged lengths: past the end of the file, and past the record's end into text
// with letters above ASCII.
QByteArray hostile(qsizetype size)
{
    QByteArray out;
    out.reserve(size + 256);
    for (int i = 0; out.size() < size; ++i) {
        if (i % 2)
            out += "<CALL:999999999>I1\xC3\xA9XYZ <QSO_DATE:8>20070101<EOR>\r\n";
        else
            out += "<NAME:900000>Jos\xC3\xA9 <CALL:5>I1ABC<EOR>\r\n";
    }
    return out;
}

double millisecondsToRead(const QByteArray &bytes, const AbbeyTable &abbeys)
{
    std::vector<double> times;
    const zeltest::IndexedLog log; // an empty log: every record is new
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer t;
        t.start();
        ImportPlan plan(bytes, QStringLiteral("f.adi"), abbeys);
        while (!plan.read(ImportLoader::BatchRecords, ImportLoader::BatchBytes)) {
        }
        plan.resolve(log);
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The program's peak resident memory in kB (VmHWM), which clearPeak starts again.
qint64 peakKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}
qint64 currentKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}
void clearPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const qsizetype bigSize = argc > 1 ? QByteArray(argv[1]).toLongLong() << 20 : qsizetype(200) << 20;
    const AbbeyTable abbeys = AbbeyTable::fromBytes(abbeyList());

    const qsizetype small = 2 << 20;
    const double wellFormed = millisecondsToRead(generalLog(small, 10), abbeys);
    const double damaged = millisecondsToRead(hostile(small), abbeys);
    std::printf("Fichier de 2 Mo aux longueurs fausses : %.1f ms, bien formé : %.1f ms, rapport %.2f (cible < 3)\n",
                damaged, wellFormed, damaged / wellFormed);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("general.adi"));
    const QString listPath = dir.filePath(QStringLiteral("Liste_Abbayes.txt"));
    {
        QFile f(path);
        const QByteArray bytes = generalLog(bigSize, 1000);
        QFile l(listPath);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !l.open(QIODevice::WriteOnly)
            || l.write(abbeyList()) < 0) {
            std::fprintf(stderr, "cannot write the files\n");
            return 1;
        }
    }
    {
        // The reader alone on the general log (the figure its byte-level code is held to):
        // the encoding found, then every record's fields.
        QFile f(path);
        const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        std::vector<double> detect, records;
        int count = 0;
        for (int round = 0; round < 5; ++round) {
            QElapsedTimer t;
            t.start();
            const AdifReader::Encoding e = AdifReader::detect(bytes);
            detect.push_back(double(t.nsecsElapsed()) / 1e6);
            t.start();
            AdifReader reader(bytes);
            AdifReader::Record r;
            count = 0;
            while (reader.next(&r))
                count += int(e == AdifReader::Encoding::Utf8);
            records.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        std::sort(detect.begin(), detect.end());
        std::sort(records.begin(), records.end());
        std::printf("Lecteur seul sur le journal général (%d enregistrements) : encodage %.1f ms, "
                    "enregistrements %.1f ms (médianes de 5)\n",
                    count, detect[2], records[2]);
    }
    const qint64 fileKb = QFile(path).size() / 1024;
    const zeltest::IndexedLog log; // an empty log: every record is new
    clearPeak();
    const qint64 before = currentKb();
    QElapsedTimer total;
    total.start();
    qint64 last = 0, first = -1, longest = 0;
    ImportLoader::Phase longestPhase = ImportLoader::Phase::ReadingFile;
    const auto step = [&](int, ImportLoader::Phase phase) {
        const qint64 now = total.nsecsElapsed();
        if (first < 0)
            first = now;
        if (now - last > longest) {
            longest = now - last;
            longestPhase = phase;
        }
        last = now;
        return true;
    };
    ImportLoader::Loaded loaded = ImportLoader::load(path, listPath, log, step);
    const double whole = double(total.nsecsElapsed()) / 1e6;
    const qint64 added = peakKb() - before;
    if (!loaded.plan) {
        std::fprintf(stderr, "not loaded: %s\n", qPrintable(loaded.message));
        return 1;
    }
    static const char *const phases[] = {"lecture du fichier", "lecture des enregistrements", "comparaison avec le log"};
    std::printf("Journal général de %lld Mo (%d enregistrements, %d du diplôme) :\n", fileKb / 1024,
                loaded.plan->recordCount(), loaded.plan->toImport());
    std::printf("  avant la première étape (fenêtre de progression) : %.1f ms (cible 500)\n", double(first) / 1e6);
    std::printf("  plus long pas entre deux regards sur Annuler : %.1f ms, %s (cible 500)\n", double(longest) / 1e6,
                phases[int(longestPhase)]);
    std::printf("  chargement entier : %.0f ms ; pic de mémoire ajouté : %lld ko pour un fichier de %lld ko\n", whole,
                added, fileKb);
    return 0;
}
