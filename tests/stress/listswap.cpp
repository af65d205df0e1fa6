// Replaces the abbey list with the log's abbey names following, in a child
// process that is killed with SIGKILL at random moments, or whose writes (or
// renames) fail from the N-th on, and checks that the next start finds the list,
// its ".Precedente" and the log all three as they were or all three as the update
// makes them, nothing of the update left beside them, and that what the child
// said matches what is on disk.
//
//   stress_listswap kill [--rounds N] [--dir DIR]
//   stress_listswap faults --shim PATH [--dir DIR]   (PATH: the write_fault module)
//   stress_listswap work DIR                         (one update; started by the others)

#include "common/LogLines.h"

#include "logstore/AtomicFile.h"
#include "logstore/LogSession.h"
#include "logstore/Settings.h"
#include "refdata/AbbeyList.h"
#include "refdata/AbbeyListFile.h"
#include "refdata/AbbeyListSwap.h"
#include "refdata/AbbeyListUpdate.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <fcntl.h>
#include <cstdio>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace zeltest;

namespace {

const QString Station = QStringLiteral("TEST1");
constexpr int Abbeys = 300;
constexpr int Qsos = 20000;

QByteArray ref(int i) { return "AZ" + QByteArray::number(i).rightJustified(4, '0'); }
QByteArray oldName(int i) { return "ABBAZIA NUMERO " + QByteArray::number(i); }
// The first hundred names are corrected, the last fifty withdrawn, twenty added.
QByteArray newName(int i) { return i < 100 ? "ABBAZIA NUOVA " + QByteArray::number(i) : oldName(i); }

QByteArray list(bool corrected)
{
    QList<QByteArray> lines;
    for (int i = 0; i < Abbeys + (corrected ? 20 : 0); ++i) {
        if (corrected && i >= 250 && i < Abbeys)
            continue;
        lines << abbeyLine(ref(i), corrected ? newName(i) : oldName(i), "JN62");
    }
    return crlf(lines);
}

QByteArray log(bool renamed)
{
    QList<QByteArray> lines;
    for (int k = 0; k < Qsos; ++k) {
        const int i = k % Abbeys;
        Qso q = qso("I" + QByteArray::number(k % 10) + "ABC", ref(i),
                    QByteArray::number(1 + k % 28).rightJustified(2, '0') + "/01/07", "10:00");
        // One QSO in ten carries a name the operator typed himself: it stays.
        q.abbey = k % 10 == 3 ? QByteArray("MY OWN NAME") : renamed ? newName(i) : oldName(i);
        lines << q.line();
    }
    return crlf(lines);
}

struct Files
{
    QString dir;
    QString path(const QString &name) const { return QDir(dir).filePath(name); }
    QString list() const { return path(AbbeyList::FileName); }
    QString previous() const { return AbbeyListSwap::previousPath(list()); }
    QString logFile() const { return path(Station + QStringLiteral("_ZEL.log")); }
    QString chosen() const { return path(QStringLiteral("nouvelle_liste.txt")); }
};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

const QByteArray OlderList = "an older list\r\n";

struct States
{
    QByteArray list0, list1, log0, log1;
};

bool prepare(const Files &f, const States &s)
{
    return AtomicFile::write(f.list(), s.list0).ok && AtomicFile::write(f.previous(), OlderList).ok
        && AtomicFile::write(f.logFile(), s.log0).ok;
}

enum class State { Old, New, Mixed };

State state(const Files &f, const States &s)
{
    const QByteArray l = readAll(f.list()), p = readAll(f.previous()), g = readAll(f.logFile());
    if (l == s.list0 && p == OlderList && g == s.log0)
        return State::Old;
    if (l == s.list1 && p == s.list0 && g == s.log1)
        return State::New;
    return State::Mixed;
}

const char *describe(const Files &f, const States &s)
{
    static QByteArray text;
    const QByteArray l = readAll(f.list()), p = readAll(f.previous()), g = readAll(f.logFile());
    text = "list " + QByteArray(l == s.list0 ? "old" : l == s.list1 ? "new" : "other") + ", previous "
        + (p == OlderList ? "old" : p == s.list0 ? "new" : "other") + ", log "
        + (g == s.log0 ? "old" : g == s.log1 ? "new" : "other");
    return text.constData();
}

// What the update leaves only while it runs: the note, the copies, the writer's
// temporary copies.
int leftovers(const Files &f)
{
    int n = 0;
    for (const QString &name : QDir(f.dir).entryList(QDir::Files | QDir::Hidden | QDir::System))
        n += name.endsWith(QLatin1String(".Nouvelle")) || name.endsWith(QLatin1String(".En_cours"))
            || AtomicFile::isTemporaryName(name);
    return n;
}

// The next start, as the program makes it: the stopped update finished or undone,
// then the station's log opened (which removes the writer's temporary copies).
QString nextStart(const Files &f)
{
    const QString said = AbbeyListSwap::resume(f.list()).message;
    Settings settings(f.path(QStringLiteral("zel.ini")));
    LogSession session(settings, f.dir);
    session.openStation();
    return said;
}

int work(const QString &dir)
{
    const Files f{dir};
    // As at start-up: an update stopped earlier first.
    AbbeyListSwap::resume(f.list());
    Settings settings(f.path(QStringLiteral("zel.ini")));
    LogSession session(settings, dir);
    session.openStation();
    const QByteArray current = readAll(f.list());
    const AbbeyListFile held = AbbeyListFile::fromBytes(current);
    const AbbeyListFile chosen = AbbeyListFile::fromBytes(readAll(f.chosen()));
    QList<QByteArrayView> lines;
    for (int i = 0; i < session.lineCount(); ++i)
        lines << session.line(i);
    const AbbeyListUpdate update(held, chosen, lines);
    AbbeyListSwap::Request r;
    r.listPath = f.list();
    r.heldList = current;
    r.newList = chosen.toListBytes();
    r.session = &session;
    r.renames = update.renames();
    r.lockTimeout = 2000;
    const AbbeyListSwap::Result result = AbbeyListSwap::run(r);
    std::printf("%d %d %zu\n%s\n", int(result.listReplaced), int(result.logRewritten), size_t(update.renames().size()),
                qPrintable(result.message));
    return 0;
}

struct Setup
{
    std::unique_ptr<QTemporaryDir> temporary;
    Files f;
    States s;
    bool ok = false;

    explicit Setup(QString dir)
    {
        if (dir.isEmpty()) {
            temporary = std::make_unique<QTemporaryDir>();
            dir = temporary->path();
        }
        QDir().mkpath(dir);
        f.dir = dir;
        Settings(f.path(QStringLiteral("zel.ini"))).write(Settings::CommonSection, Settings::KeyCallsign, Station);
        s.list0 = list(false);
        s.list1 = AbbeyListFile::fromBytes(list(true)).toListBytes();
        s.log0 = log(false);
        s.log1 = log(true);
        ok = AtomicFile::write(f.chosen(), list(true)).ok && prepare(f, s);
    }
};

QByteArray runChild(const QStringList &env, const QString &dir, int *status)
{
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (const QString &kv : env)
        e.insert(kv.section(QLatin1Char('='), 0, 0), kv.section(QLatin1Char('='), 1));
    p.setProcessEnvironment(e);
    p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("work"), dir});
    p.waitForFinished(-1);
    *status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return p.readAllStandardOutput();
}

int killRounds(const QString &dir, int rounds)
{
    Setup setup(dir);
    if (!setup.ok)
        return 1;
    const Files &f = setup.f;
    const States &s = setup.s;

    // How long one whole update takes here, start-up included: the kills fall within it.
    QElapsedTimer timer;
    timer.start();
    int status = 0;
    const QByteArray first = runChild({}, f.dir, &status);
    const qint64 whole = qMax<qint64>(timer.elapsed(), 5);
    if (state(f, s) != State::New || !first.startsWith("1 1 ")) {
        std::fprintf(stderr, "the update does not go through unhindered: %s\n%s\n", describe(f, s), first.constData());
        return 1;
    }

    const QByteArray self = QFile::encodeName(QCoreApplication::applicationFilePath());
    const QByteArray dirArg = QFile::encodeName(f.dir);
    std::mt19937 timing(4242);
    int failures = 0, oldSeen = 0, newSeen = 0, notes = 0, finishedAtStart = 0;
    for (int round = 0; round < rounds; ++round) {
        if (!prepare(f, s))
            return 1;
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int quiet = ::open("/dev/null", O_WRONLY);
            ::dup2(quiet, 1);
            ::execl(self.constData(), self.constData(), "work", dirArg.constData(), static_cast<char *>(nullptr));
            ::_exit(127);
        }
        ::usleep(useconds_t(std::uniform_int_distribution<qint64>(0, whole * 1300)(timing)));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        notes += QFile::exists(AbbeyListSwap::notePath(f.list()));
        const QString said = nextStart(f);
        finishedAtStart += said.contains(QStringLiteral("elle a été terminée"));
        const State now = state(f, s);
        if (now == State::Mixed) {
            ++failures;
            std::fprintf(stderr, "round %d: half done after the next start: %s\n%s\n", round, describe(f, s),
                         qPrintable(said));
        }
        if (leftovers(f) != 0) {
            ++failures;
            std::fprintf(stderr, "round %d: files of the update left beside the list\n", round);
        }
        oldSeen += now == State::Old;
        newSeen += now == State::New;
        // Whatever the kill left, the update then goes through.
        const QByteArray again = runChild({}, f.dir, &status);
        if (now == State::Old && (state(f, s) != State::New || !again.startsWith("1 1 "))) {
            ++failures;
            std::fprintf(stderr, "round %d: the update run again does not go through: %s\n%s\n", round,
                         describe(f, s), again.constData());
        }
    }
    std::printf("list updates killed: %d (one takes %lld ms here): %d found old, %d found new (%d finished at the "
                "next start), %d killed after the note was written; failures: %d\n",
                rounds, qlonglong(whole), oldSeen, newSeen, finishedAtStart, notes, failures);
    return failures == 0 ? 0 : 1;
}

int faults(const QString &dir, const QString &shim)
{
    Setup setup(dir);
    if (!setup.ok || shim.isEmpty() || !QFile::exists(shim))
        return 1;
    const Files &f = setup.f;
    const States &s = setup.s;
    int failures = 0, refused = 0, unfinished = 0, runs = 0;
    for (const char *variable : {"ZEL_FAIL_WRITE_AFTER", "ZEL_FAIL_RENAME_AFTER"}) {
        for (int n = 1; n < 400; ++n) {
            if (!prepare(f, s))
                return 1;
            int status = 0;
            const QByteArray out = runChild({QStringLiteral("LD_PRELOAD=") + shim,
                                             QString::fromLatin1(variable) + QLatin1Char('=') + QString::number(n)},
                                            f.dir, &status);
            ++runs;
            const QString said = QString::fromUtf8(out);
            const bool claimed = out.startsWith("1 1 ");
            const bool toldNothing = said.contains(QStringLiteral("n'a pas été remplacée"))
                && said.contains(QStringLiteral("Aucun fichier n'a été modifié."));
            const bool toldLater = said.contains(QStringLiteral("Il sera terminé au prochain démarrage"));
            const State before = state(f, s);
            if (status != 0 || (!claimed && !toldNothing && !toldLater)
                || (claimed && before != State::New) || (toldNothing && (before != State::Old || leftovers(f) != 0))) {
                ++failures;
                std::fprintf(stderr, "%s=%d: the child said \"%s\" and left %s\n", variable, n, qPrintable(said),
                             describe(f, s));
            }
            refused += toldNothing;
            unfinished += toldLater;
            // Before the next start, another copy of the program adds a QSO to the
            // log as it then stands: the update finished later must keep it.
            const QByteArray extra = qso("I9ZZZ", ref(7), "28/02/07", "23:59").line() + "\r\n";
            if (toldLater && !AtomicFile::write(f.logFile(), readAll(f.logFile()) + extra).ok)
                return 1;
            nextStart(f);
            if (toldLater) {
                // Compared as if the QSO were not there.
                const QByteArray held = readAll(f.logFile());
                if (!held.endsWith(extra)) {
                    ++failures;
                    std::fprintf(stderr, "%s=%d: the QSO added meanwhile is lost\n", variable, n);
                }
                AtomicFile::write(f.logFile(), held.left(held.size() - extra.size()));
            }
            const State after = state(f, s);
            if (after == State::Mixed || (toldNothing && after != State::Old) || (toldLater && after != State::New)
                || leftovers(f) != 0) {
                ++failures;
                std::fprintf(stderr, "%s=%d: after the next start: %s\n", variable, n, describe(f, s));
            }
            if (claimed)
                break;
        }
    }
    std::printf("list updates with a write or rename failing from the N-th on: %d runs, %d refused leaving every file "
                "as it was, %d finished at the next start; failures: %d\n",
                runs, refused, unfinished, failures);
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("work") && args.size() == 3)
        return work(args.at(2));
    int rounds = 100;
    QString dir, shim;
    for (int i = 2; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--rounds"))
            rounds = args.at(i + 1).toInt();
        else if (args.at(i) == QLatin1String("--dir"))
            dir = args.at(i + 1);
        else if (args.at(i) == QLatin1String("--shim"))
            shim = args.at(i + 1);
    }
    if (args.value(1) == QLatin1String("kill"))
        return killRounds(dir, rounds);
    if (args.value(1) == QLatin1String("faults"))
        return faults(dir, shim);
    std::fprintf(stderr, "usage: %s kill [--rounds N] [--dir DIR] | faults --shim PATH [--dir DIR]\n", argv[0]);
    return 2;
}
