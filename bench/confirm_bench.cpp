// Confirmations downloaded: a LoTW report of 10,000 confirmations fetched from a fake
// service on this machine, saved through the checked writer and matched against a
// log of 100,000 QSOs, beside opening the same report from disk into the same
// preview (read and matched). bench/run.sh prints the ratio.

#include "confirm/ConfirmFetch.h"
#include "common/IndexedLog.h"
#include "common/LogLines.h"
#include "confirm/FakeService.h"
#include "import/ImportLoader.h"

#include <QDateTime>
#include <QFile>
#include <QNetworkAccessManager>
#include <QTemporaryDir>

#include <memory>

#include <benchmark/benchmark.h>

namespace {

constexpr int LogQsos = 100000;
constexpr int Confirmations = 10000;

QByteArray adifField(const char *name, const QByteArray &value)
{
    return '<' + QByteArray(name) + ':' + QByteArray::number(value.size()) + '>' + value;
}

struct ConfirmSetup {
    QTemporaryDir dir;
    QByteArray report;
    QList<QByteArray> log;
    std::unique_ptr<zeltest::IndexedLog> indexed; // the log as the preview asks it
    QString abbeys;
    QString onDisk;
};

ConfirmSetup &setup()
{
    static ConfirmSetup *s = nullptr;
    if (s)
        return *s;
    s = new ConfirmSetup;
    static const char *refs[] = {"AZ0001", "MR0005", "TO0007"};
    QByteArray records;
    for (int n = 0; n < LogQsos; ++n) {
        const QDateTime when = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC).addSecs(qint64(n) * 3600 * 2);
        QByteArray call = "I" + QByteArray::number(n % 10);
        for (int i = 0, rest = n / 10; i < 4; ++i, rest /= 26)
            call += char('A' + rest % 26);
        const QByteArray date = when.toString(QStringLiteral("dd/MM/yy")).toLatin1();
        const QByteArray time = when.toString(QStringLiteral("HH:mm")).toLatin1();
        s->log.append(zeltest::qso(call, refs[n % 3], date, time).line());
        if (n % (LogQsos / Confirmations) == 0)
            records += "\n" + adifField("CALL", call) + "\n" + adifField("BAND", "20M") + "\n" + adifField("MODE", "SSB")
                + "\n" + adifField("QSO_DATE", when.toString(QStringLiteral("yyyyMMdd")).toLatin1()) + "\n"
                + adifField("TIME_ON", when.toString(QStringLiteral("HHmmss")).toLatin1()) + "\n"
                + adifField("QSL_RCVD", "Y") + "\n" + adifField("QSLRDATE", "20240301") + "\n<eor>\n";
    }
    s->report = "ARRL Logbook of the World Status Report\nGenerated at 2024-03-01\nfor F4XYZ\n\n"
        + adifField("PROGRAMID", "LoTW") + "\n" + adifField("APP_LoTW_LASTQSL", "2024-03-01 10:00:00") + "\n<eoh>\n"
        + records + "<APP_LoTW_EOF>\n";
    s->indexed = std::make_unique<zeltest::IndexedLog>(s->log);
    s->abbeys = s->dir.filePath(QStringLiteral("Liste_Abbayes.txt"));
    QFile list(s->abbeys);
    if (list.open(QIODevice::WriteOnly))
        list.write("AZ0001 " + QByteArray("Abbazia di San Clemente").leftJustified(60) + " JN62\r\nMR0005 "
                   + QByteArray("Abbazia di Chiaravalle").leftJustified(60) + " JN63\r\nTO0007 "
                   + QByteArray("Abbazia di Sant'Antimo").leftJustified(60) + " JN53\r\n");
    s->onDisk = s->dir.filePath(QStringLiteral("report.adi"));
    QFile file(s->onDisk);
    if (file.open(QIODevice::WriteOnly))
        file.write(s->report);
    return *s;
}

// The preview's reading and matching of a saved report; the QSL it would mark.
int openReport(const QString &path)
{
    ConfirmSetup &s = setup();
    const ImportLoader::Loaded loaded =
        ImportLoader::load(path, s.abbeys, *s.indexed, [](int, ImportLoader::Phase) { return true; });
    return loaded.plan ? loaded.plan->qslToMark() : -1;
}

void BM_Baseline_ConfirmFromDisk(benchmark::State &state)
{
    ConfirmSetup &s = setup();
    int marks = 0;
    for (auto _ : state)
        marks = openReport(s.onDisk);
    state.counters["marks"] = marks;
    if (marks != Confirmations)
        state.SkipWithError("the report did not match its QSOs");
}

void BM_ConfirmDownload(benchmark::State &state)
{
    ConfirmSetup &s = setup();
    zeltest::FakeService lotw([&s](const QUrl &) {
        zeltest::FakeReply r;
        r.body = s.report;
        return r;
    });
    QNetworkAccessManager network;
    ConfirmFetch fetch(network);
    QTemporaryDir folder;
    ConfirmFetch::Request request;
    request.address = QUrl(lotw.address(QStringLiteral("/lotwreport.adi")));
    request.user = QStringLiteral("F4XYZ");
    request.password = QStringLiteral("bench");
    request.ownCall = QStringLiteral("F4XYZ");
    request.station = QStringLiteral("F4XYZ");
    request.folder = folder.path();
    request.today = QDate(2024, 3, 2);
    int marks = 0;
    for (auto _ : state) {
        const ConfirmFetch::Outcome o = fetch.fetch(request);
        if (!o.ok) {
            state.SkipWithError("the download failed");
            break;
        }
        marks = openReport(o.path);
        state.PauseTiming();
        QFile::remove(o.path);
        state.ResumeTiming();
    }
    state.counters["marks"] = marks;
    if (marks != Confirmations)
        state.SkipWithError("the report did not match its QSOs");
}

} // namespace

BENCHMARK(BM_Baseline_ConfirmFromDisk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConfirmDownload)->Unit(benchmark::kMillisecond);
