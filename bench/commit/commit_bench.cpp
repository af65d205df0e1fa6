// A one-QSO commit with the award windows open, on a log of 100,000 QSOs,
// offscreen: the regions list, the score, "QSL à recevoir" and a list of 500
// spots are open. Timed from the session's change signal to the event loop left
// idle (every window's answer and repaint included), beside the floor of reading
// the log once (the file read, its lines found, each looked at).
//
//   zel_commit_bench [--benchmark_filter=...]

#include "app/ui/MainWindow.h"
#include "Composition.h"
#include "entry/QsoEntry.h"
#include "kit/Clock.h"
#include "kit/Messages.h"
#include "kit/ui/AppContext.h"
#include "kit/ui/MainItems.h"
#include "kit/ui/SharedPrinter.h"
#include "logstore/Cp1252.h"
#include "logstore/LineIndex.h"
#include "logstore/LogFile.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "logstore/Settings.h"
#include "spots/LineBuffer.h"
#include "spots/SpotFeed.h"
#include "spots/SpotModel.h"
#include "refdata/LogIndex.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

const QString Station = QStringLiteral("F4CMT");
constexpr int Qsos = 100000;
const char *const Codes[] = {"AZ", "BC", "KL", "CP", "EM", "FL", "LZ", "LG", "LB", "MH", "ML",
                             "UM", "PM", "PL", "SD", "SC", "TC", "TT", "VN", "AE", "BB"};
const char *const Bands[] = {"3.5 Mhz", "7.0 Mhz", "14 Mhz", "21 Mhz", "28 Mhz"};

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

QByteArray qsoLine(std::mt19937 &rng, const QDateTime &when)
{
    QsoRecord r;
    r.setField(QsoRecord::Indicatif, QStringLiteral("I%1A%2").arg(rng() % 10).arg(rng() % 900));
    r.setField(QsoRecord::Reference, QString::fromLatin1(Codes[rng() % std::size(Codes)])
                                         + QStringLiteral("%1").arg(rng() % 150, 4, 10, QLatin1Char('0')));
    r.setField(QsoRecord::Date, when.toString(QStringLiteral("dd/MM/yy")));
    r.setField(QsoRecord::Heure, when.toString(QStringLiteral("HH:mm")));
    r.setField(QsoRecord::Mode, QStringLiteral("SSB"));
    r.setField(QsoRecord::Bande, QString::fromLatin1(Bands[rng() % std::size(Bands)]));
    r.setField(QsoRecord::RstRecu, QStringLiteral("59"));
    r.setField(QsoRecord::RstEnvoye, QStringLiteral("59"));
    r.setField(QsoRecord::NomAbbaye, QStringLiteral("Abbazia di San Benedetto"));
    r.setField(QsoRecord::Qsl, QString::fromLatin1(rng() % 3 ? " " : "*"));
    return Cp1252::encode(r.toLogLine());
}

// The logbook as the program builds it, with the windows open.
struct Logbook {
    QTemporaryDir dir;
    std::mt19937 rng{7};
    QDateTime next{QDate(2007, 1, 1), QTime(8, 0), Qt::UTC};
    std::unique_ptr<Settings> settings;
    std::unique_ptr<LogSession> session;
    QElapsedTimer sinceSignal;
    std::unique_ptr<LogIndex> index;
    QuietMessages messages;
    FixedClock clock;
    SharedPrinter printer;
    std::unique_ptr<QsoEntry> entry;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<SpotFeed> feed;
    std::unique_ptr<QSortFilterProxyModel> filter;
    std::unique_ptr<QTableView> spots;

    Logbook()
    {
        QList<QByteArray> lines;
        lines.reserve(Qsos);
        const qint64 step = qint64(19) * 365 * 24 * 3600 / Qsos;
        for (int i = 0; i < Qsos; ++i) {
            lines.append(qsoLine(rng, next));
            next = next.addSecs(step);
        }
        QFile f(dir.filePath(LogFile::fileName(Station)));
        if (!f.open(QIODevice::WriteOnly) || f.write(Cp1252::joinLines(lines)) < 0)
            std::abort();
        f.close();
        QList<QByteArray> abbeys;
        for (const char *code : Codes) {
            for (int n = 0; n < 150; ++n)
                abbeys << (QByteArray(code) + QByteArray::number(n).rightJustified(4, '0') + ' '
                           + QByteArray("Abbazia di San Benedetto").leftJustified(60, ' ') + " JN62");
        }
        QFile list(dir.filePath(QStringLiteral("Liste_Abbayes.txt")));
        if (!list.open(QIODevice::WriteOnly) || list.write(Cp1252::joinLines(abbeys)) < 0)
            std::abort();
        list.close();
        settings = std::make_unique<Settings>(dir.filePath(QStringLiteral("zel.ini")));
        settings->write(Settings::CommonSection, Settings::KeyCallsign, Station);
        session = std::make_unique<LogSession>(*settings, dir.path());
        // The first to hear the change: the time starts when the signal goes out.
        QObject::connect(session.get(), &LogSession::logChanged, [this] { sinceSignal.start(); });
        index = std::make_unique<LogIndex>(*session);
        entry = std::make_unique<QsoEntry>(*session, *settings, messages, clock);
        window = std::make_unique<MainWindow>(*settings, messages, clock, *session, *entry);
        entry->useIndex(*index);
        installWindows(*window, *entry, AppContext{*session, *index, messages, clock, *settings, printer,
                                                   window.get(), window->items()});
        window->startUp();
        window->QWidget::show();
        const MainItems items = window->items();
        // ZEL_COMMIT_WINDOWS=regions,score,qsl,spots opens some only (to see what each costs).
        const QString only = qEnvironmentVariable("ZEL_COMMIT_WINDOWS", QStringLiteral("regions,score,qsl,spots"));
        if (only.contains(QLatin1String("regions")))
            items.Mnu_Region_Contact->trigger();
        if (only.contains(QLatin1String("score")))
            items.Mnu_Scores_ZEL->trigger();
        if (only.contains(QLatin1String("qsl")))
            items.Mnu_QSL_A_Recevoir->trigger();
        if (!only.contains(QLatin1String("spots"))) {
            settle();
            return;
        }
        // 500 spots listed as the spots window lists them.
        feed = std::make_unique<SpotFeed>(*session, *index);
        filter = std::make_unique<QSortFilterProxyModel>();
        filter->setSourceModel(&feed->model());
        spots = std::make_unique<QTableView>();
        spots->setModel(filter.get());
        spots->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        spots->resize(1000, 400);
        spots->show();
        LineBuffer buffer;
        QByteArray cluster;
        for (int i = 0; i < 600; ++i) {
            const QByteArray call = "I" + QByteArray::number(i % 10) + "B" + QByteArray::number(i);
            const QByteArray ref = QByteArray(Codes[i % std::size(Codes)]) + QByteArray::number(i % 170).rightJustified(4, '0');
            cluster += "DX de F5XYZ:     14250.0  " + call.leftJustified(12, ' ') + " ZEL " + ref
                + " up 1                 1234Z JN33\r\n";
        }
        feed->read(buffer.feed(cluster));
        if (feed->model().rowCount() != SpotModel::Capacity)
            std::abort();
        settle();
    }

    // Until nothing is left to do: posted events, timers due, repaints.
    static void settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
    }

    QByteArray nextLine()
    {
        next = next.addSecs(600);
        return qsoLine(rng, next);
    }
};

std::unique_ptr<Logbook> g_book;

Logbook &logbook()
{
    if (!g_book)
        g_book = std::make_unique<Logbook>();
    return *g_book;
}

// The floor: the log read once, its lines found, each one looked at.
void BM_Baseline_ReadLogOnce(benchmark::State &state)
{
    Logbook &book = logbook();
    for (auto _ : state) {
        QFile f(book.session->logPath());
        if (!f.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot read the log");
            break;
        }
        const QByteArray content = f.readAll();
        const LineIndex lines(content);
        int confirmed = 0;
        for (qsizetype row = 0; row < lines.size(); ++row)
            confirmed += QsoRecord::isConfirmedLine(lines.at(row)) ? 1 : 0;
        benchmark::DoNotOptimize(confirmed);
    }
}

// One QSO committed (the write is not timed): from the change signal to idle.
void BM_CommitWithAwardWindowsOpen(benchmark::State &state)
{
    Logbook &book = logbook();
    for (auto _ : state) {
        state.PauseTiming();
        const QByteArray line = book.nextLine();
        state.ResumeTiming();
        QElapsedTimer total;
        total.start();
        if (!book.session->append(line).ok) {
            state.SkipWithError("commit refused");
            break;
        }
        Logbook::settle();
        const double seconds = book.sinceSignal.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        benchmark::DoNotOptimize(total.nsecsElapsed());
    }
}

BENCHMARK(BM_Baseline_ReadLogOnce)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_CommitWithAwardWindowsOpen)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.startsWith(QStringLiteral("This plugin does not support")))
                previous(type, context, text);
        });
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_book.reset(); // its windows go before the application
    return 0;
}
