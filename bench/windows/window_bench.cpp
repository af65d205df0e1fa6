// What the operator waits for in the real main window, on the log given, each
// beside its floor measured in the same rounds (bench/windows.sh runs it under
// Xvfb for 99,999 and 1,000,000 QSOs):
//
//   a list or map window   from the menu item to the end of the window's first
//                          drawing, beside reading the log once (read + line ends);
//   the ADIF export        from the menu item to the synced, renamed file, beside
//                          copying the .adi it made (read, write, fsync, rename);
//   a typed commit         from the final Return to the end of its handling (the
//                          log renamed, the list redrawn), beside copying the log
//                          (read, write, fsync, rename); the disk is synced first.
//
// Rounds are interleaved; medians are printed with the ratio to the floor, and the
// peak memory each adds (VmHWM reset through /proc/self/clear_refs).
//
//   zel_window_bench LOG [ROUNDS]     (ZEL_BENCH_ONLY=zel,commit... runs some only)

#include "BenchLog.h"
#include "app/Harness.h"

#include "logstore/QsoRecord.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <vector>

#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

using namespace zeltest;

namespace {

const QString Station = QStringLiteral("F4ZEL");

qint64 statusKb(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// Peak memory from here on: freed memory goes back to the system first, then the
// high-water mark is set down to what the process holds now.
qint64 startPeak()
{
    malloc_trim(0);
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
    return statusKb("VmRSS:");
}

qint64 peakSince(qint64 rssKb) { return statusKb("VmHWM:") - rssKb; }

// What `cp` then `sync` and `mv` do: the file copied through a 128 KB buffer
// beside the target, synced, and renamed over it.
bool copySynced(const QString &from, const QString &to)
{
    const QByteArray target = QFile::encodeName(to);
    const QByteArray tmp = target + ".copy";
    const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY);
    const int out = ::open(tmp.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    bool ok = in >= 0 && out >= 0;
    static char buffer[128 * 1024];
    while (ok) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        ok = ::write(out, buffer, size_t(n)) == n;
    }
    ok = ok && ::fsync(out) == 0;
    if (in >= 0)
        ::close(in);
    if (out >= 0)
        ok = ::close(out) == 0 && ok;
    return ok && ::rename(tmp.constData(), target.constData()) == 0;
}

// Watches for the first drawing of any window but the main one.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *main) : m_main(main) { qApp->installEventFilter(this); }
    QWidget *seen = nullptr;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && !seen && o->isWidgetType()) {
            QWidget *w = static_cast<QWidget *>(o)->window();
            // The "please wait" window is not the one waited for.
            if (w != m_main && !w->inherits("QProgressDialog"))
                seen = w;
        }
        return false;
    }

private:
    QWidget *m_main;
};

struct Figures {
    std::vector<double> ms;
    std::vector<double> peakMb;
};

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

double maxOf(const std::vector<double> &v) { return v.empty() ? 0 : *std::max_element(v.begin(), v.end()); }

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: zel_window_bench LOG [ROUNDS]\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 9;

    MainHarness h;
    // After the last QSO of the log, so each commit appends.
    h.clock.utc = QDateTime(QDate(2049, 6, 1), QTime(9, 5, 7), Qt::UTC);
    h.clock.local = h.clock.utc.toLocalTime();
    if (!h.prepare({}, Station) || !copySynced(source, h.logPath(Station))) {
        std::fprintf(stderr, "cannot set the station up\n");
        return 1;
    }
    const QString log = h.logPath(Station);
    const QString adi = h.path(Station + QStringLiteral("_ZEL.adi"));
    if (!h.start()) {
        std::fprintf(stderr, "the main window did not come up\n");
        return 1;
    }
    const int qsos = h.session->lineCount();
    PaintWatch watch(h.window.get());
    std::map<QString, Figures> figures;
    QElapsedTimer clock;

    const auto floorRead = [&] {
        clock.start();
        const QByteArray bytes = ::readAll(log);
        qsizetype lines = 0;
        for (const char *p = bytes.constData(), *end = p + bytes.size();
             (p = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)))); ++p)
            ++lines;
        figures[QStringLiteral("floor: read the log")].ms.push_back(clock.nsecsElapsed() / 1e6);
        if (lines < qsos)
            std::fprintf(stderr, "short read\n");
    };
    const auto openWindow = [&](const QString &name, QAction *item) {
        watch.seen = nullptr;
        const qint64 rss = startPeak();
        clock.start();
        item->trigger();
        while (!watch.seen)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double ms = clock.nsecsElapsed() / 1e6;
        Figures &f = figures[name];
        f.ms.push_back(ms);
        f.peakMb.push_back(peakSince(rss) / 1024.0);
        watch.seen->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    };
    const auto exportLog = [&] {
        h.messages.clear();
        const qint64 rss = startPeak();
        clock.start();
        h.window->items().Mnu_ADIF->trigger();
        const double ms = clock.nsecsElapsed() / 1e6;
        Figures &f = figures[QStringLiteral("ADIF export, file synced")];
        f.ms.push_back(ms);
        f.peakMb.push_back(peakSince(rss) / 1024.0);
        if (h.messages.notices.size() != 1 || !h.messages.notices.first().contains(QStringLiteral("enregistré sous")))
            std::fprintf(stderr, "export: %s\n", qPrintable(h.messages.notices.join(QLatin1Char('|'))));
        clock.start();
        copySynced(adi, adi + QStringLiteral(".floor"));
        figures[QStringLiteral("floor: copy the .adi, fsync, rename")].ms.push_back(clock.nsecsElapsed() / 1e6);
    };
    int committed = 0;
    const auto commit = [&] {
        // The other windows had the focus: the operator comes back to the entry.
        h.window->activateWindow();
        if (!QTest::qWaitForWindowActive(h.window.get()))
            std::fprintf(stderr, "commit: the main window is not active\n");
        QWidget *callsign = h.edit("Ind_A");
        callsign->setFocus();
        h.type(callsign, QStringLiteral("ik0m%1").arg(QChar('a' + committed % 26)) + QChar('a' + committed / 26 % 26));
        // Number 0000 is in no log makelog.py writes, nor in the abbey list: a new
        // abbey each round (an abbey already contacted starts the entry again).
        static const char *const codes[] = {"lz", "az", "bc", "kl", "cp", "em", "fl", "lg", "lb", "mh", "ml",
                                            "um", "pm", "pl", "sd", "sc", "tc", "tt", "ve", "ae", "bb"};
        if (h.walkTo(h.edit("Ref_A")))
            h.type(h.edit("Ref_A"), QLatin1String(codes[committed % 21]) + QStringLiteral("0000"));
        if (!h.walkTo(h.button("Valide_A"))) {
            std::fprintf(stderr, "commit: the entry did not reach Valide_A (at %s; %s)\n",
                         h.focused() ? qPrintable(h.focused()->objectName()) : "-",
                         qPrintable(h.messages.shown.join(QLatin1Char('|'))));
            return;
        }
        const int before = h.session->lineCount();
        ::sync();
        const qint64 rss = startPeak();
        clock.start();
        QTest::keyClick(h.button("Valide_A"), Qt::Key_Return);
        const double ms = clock.nsecsElapsed() / 1e6;
        Figures &f = figures[QStringLiteral("typed commit, Return to renamed log")];
        f.ms.push_back(ms);
        f.peakMb.push_back(peakSince(rss) / 1024.0);
        if (h.session->lineCount() != before + 1)
            std::fprintf(stderr, "commit: not saved (%s)\n", qPrintable(h.messages.notices.join(QLatin1Char('|'))));
        ++committed;
        // The log's own part of it: the same append straight to the session (the
        // lock, the checks, the write, fsync and rename), without the window.
        QsoRecord r;
        r.setField(QsoRecord::Indicatif, QStringLiteral("IK0ZZZ"));
        r.setField(QsoRecord::Date, QStringLiteral("01/06/49"));
        r.setField(QsoRecord::Heure, QStringLiteral("09:06"));
        ::sync();
        clock.start();
        h.session->append(r.toLogBytes().bytes);
        figures[QStringLiteral("commit: the session's append alone")].ms.push_back(clock.nsecsElapsed() / 1e6);
        ::sync();
        clock.start();
        copySynced(log, log + QStringLiteral(".floor"));
        figures[QStringLiteral("floor: copy the log, fsync, rename")].ms.push_back(clock.nsecsElapsed() / 1e6);
    };

    const MainItems items = h.window->items();
    // ZEL_BENCH_ONLY=contacte,zel,map,regions,scores,export,commit picks some.
    const QStringList only = qEnvironmentVariable("ZEL_BENCH_ONLY").split(QLatin1Char(','), Qt::SkipEmptyParts);
    const auto wanted = [&only](const char *what) { return only.isEmpty() || only.contains(QLatin1String(what)); };
    for (int round = 0; round <= rounds; ++round) {
        if (round == 1)
            figures.clear(); // the first round only warms the caches up
        floorRead();
        if (wanted("contacte"))
            openWindow(QStringLiteral("list: les Abbayes contactées"), items.Mnu_C_Contacte);
        floorRead();
        if (wanted("zel"))
            openWindow(QStringLiteral("list: Liste des Abbayes contactées (diplôme)"), items.Mnu_Abbayes_Contactees);
        floorRead();
        if (wanted("map"))
            openWindow(QStringLiteral("map: Carte des régions contactées"), items.Mnu_Carte_HB);
        floorRead();
        if (wanted("regions"))
            openWindow(QStringLiteral("regions: des Régions contactées"), items.Mnu_Region_Contact);
        floorRead();
        if (wanted("scores"))
            openWindow(QStringLiteral("scores: Scores ZEL"), items.Mnu_Scores_ZEL);
        if (wanted("export"))
            exportLog();
        if (wanted("commit"))
            commit();
    }

    const double read = median(figures[QStringLiteral("floor: read the log")].ms);
    const double adiCopy = median(figures[QStringLiteral("floor: copy the .adi, fsync, rename")].ms);
    const double logCopy = median(figures[QStringLiteral("floor: copy the log, fsync, rename")].ms);
    std::printf("%d QSO (log %.1f MB), medians of %d rounds\n", qsos, QFileInfo(log).size() / 1048576.0, rounds);
    std::printf("%-46s %9s %9s %9s %9s %9s\n", "", "ms", "floor ms", "ratio", "max ms", "peak MB");
    for (const auto &[name, f] : figures) {
        if (name.startsWith(QLatin1String("floor")))
            continue;
        const double floor = name.startsWith(QLatin1String("ADIF")) ? adiCopy
                           : name.startsWith(QLatin1String("typed")) || name.startsWith(QLatin1String("commit"))
                               ? logCopy : read;
        const double ms = median(f.ms);
        std::printf("%-46s %9.1f %9.1f %9.2f %9.1f %9.1f\n", qPrintable(name), ms, floor, ms / floor, maxOf(f.ms),
                    median(f.peakMb));
    }
    for (const auto &[name, f] : figures) {
        if (name.startsWith(QLatin1String("floor")))
            std::printf("%-46s %9.1f\n", qPrintable(name), median(f.ms));
    }
    return 0;
}
