// Kills a copy of the program's log writer with SIGKILL at random moments of its
// commits and rewrites, again and again, and checks after each kill that:
//  - the log is exactly one of the copies the writer went through (the complete
//    old or new copy, every line intact), and the first-name list likewise;
//  - the next commit goes through at once, whatever lock or temporary copy the
//    kill left behind, and opening the log cleans those copies away.
//
//   stress_killtest run [--rounds N] [--dir DIR] [--max-delay MS]
//   stress_killtest work DIR SEED       (the writer; started by "run")
//
// Two copies writing the same log at once (each appends, inserts, replaces,
// deletes and confirms its own QSOs while the other does the same), then counts
// the QSOs reported saved but missing, present twice, or back after a delete, and
// the confirmation marks lost:
//   stress_killtest duel [--commits N] [--dir DIR]
//   stress_killtest duelwork DIR ID N   (one copy; started by "duel")
//
// The start-up read-ahead raced by an edit in place whose time is put back, as an
// editor, cp -p or a restore leave it; counts the logs opened other than the file:
//   stress_killtest readahead [--rounds N] [--dir DIR]
//
// The writer draws its changes from a generator seeded per round, so "run" can
// replay them in memory from the log as it stood before the round.

#include "logstore/AtomicFile.h"
#include "logstore/Cp1252.h"
#include "logstore/FileLock.h"
#include "logstore/LogFile.h"
#include "logstore/LogRewriter.h"
#include "logstore/LogSession.h"
#include "logstore/Settings.h"
#include "refdata/FirstNameList.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Lines = QList<QByteArray>;

const QString Station = QStringLiteral("TEST1");

QByteArray pad(const QByteArray &v, int width) { return v.leftJustified(width, ' ', true); }

QByteArray two(int v) { return QByteArray::number(v).rightJustified(2, '0'); }

// The changes of one round, drawn in the same order by the writer and the replay.
class Changes
{
public:
    explicit Changes(unsigned seed) : m_rng(seed) {}

    int below(int n) { return int(m_rng() % unsigned(n)); }

    QByteArray line()
    {
        static const char *const refs[] = {"PM0001", "LB0002", "VN0004", "TO0007", "AZ0001", "LZ0010"};
        const QByteArray call = "I" + QByteArray::number(below(10)) + char('A' + below(26)) + char('A' + below(26));
        const QByteArray date = two(1 + below(28)) + '/' + two(1 + below(12)) + '/' + two(below(30));
        const QByteArray time = two(below(24)) + ':' + two(below(60));
        return pad(call, 12) + ' ' + pad("JN45", 4) + ' ' + pad("G\xC9RARD", 15) + ' ' + refs[below(6)] + ' '
            + date + ' ' + time + ' ' + pad("SSB", 3) + ' ' + pad("14 Mhz", 7) + ' ' + pad("59", 3) + ' '
            + pad("59", 3) + ' ' + pad("ABBAZIA DI SAN NICOL\xD2", 60) + ' ' + (below(2) ? '*' : ' ');
    }

    enum Kind { Append, Insert, Replace, Remove, Confirm, Name };
    struct Change {
        Kind kind;
        QByteArray line;    // new line
        QByteArray old;     // replaced or removed line
        QList<int> rows;    // rows to confirm
        QString record;     // first-name record
    };

    Change next(const Lines &log)
    {
        Change c;
        const int pick = below(12);
        c.line = line();
        const int at = log.isEmpty() ? -1 : below(int(log.size()));
        c.rows = {below(qMax<int>(1, int(log.size()))), below(qMax<int>(1, int(log.size())))};
        const int call = below(8);
        c.record = FirstNameList::record(QStringLiteral("F%1ABC").arg(call),
                                         QStringLiteral("NOM%1").arg(below(3)));
        if (log.size() > 60 || (pick == 9 && at >= 0)) {
            c.kind = Remove;
            c.old = log.at(at >= 0 ? at : 0);
        } else if (pick < 3 || at < 0) {
            c.kind = Append;
        } else if (pick < 6) {
            c.kind = Insert;
        } else if (pick < 8) {
            c.kind = Replace;
            c.old = log.at(at);
        } else if (pick < 10) {
            c.kind = Confirm;
        } else {
            c.kind = Name;
        }
        return c;
    }

private:
    std::mt19937 m_rng;
};

// The same change on lines in memory.
void apply(const Changes::Change &c, Lines *log, Lines *names)
{
    LogRewriter::Lines views(log->cbegin(), log->cend());
    switch (c.kind) {
    case Changes::Append: views = LogRewriter::appended(views, c.line); break;
    case Changes::Insert: views = LogRewriter::inserted(views, c.line); break;
    case Changes::Replace: views = LogRewriter::replaced(views, c.line, c.old); break;
    case Changes::Remove: views = LogRewriter::removed(views, c.old); break;
    case Changes::Confirm: {
        Lines out = *log;
        for (int row : c.rows) {
            if (row < out.size() && out.at(row).size() == 138)
                out[row][137] = '*';
        }
        *log = out;
        return;
    }
    case Changes::Name: {
        const QByteArray record = Cp1252::encode(c.record);
        bool matched = false;
        for (QByteArray &l : *names) {
            if (Cp1252::decode(l).left(FirstNameList::CallsignWidth) == c.record.left(FirstNameList::CallsignWidth)) {
                l = record;
                matched = true;
            }
        }
        if (!matched)
            names->append(record);
        return;
    }
    }
    Lines out;
    for (const QByteArrayView v : views)
        out << v.toByteArray();
    *log = out;
}

// The writer's temporary copies in the folder, of any file.
int temporaryCopies(const QString &dir)
{
    int n = 0;
    for (const QString &name : QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System))
        n += AtomicFile::isTemporaryName(name);
    return n;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

int work(const QString &dir, unsigned seed)
{
    Settings settings(QDir(dir).filePath(QStringLiteral("zel.ini")));
    LogSession session(settings, dir);
    session.openStation();
    if (!session.loadError().isEmpty()) {
        std::fprintf(stderr, "cannot read the log: %s\n", qPrintable(session.loadError()));
        return 2;
    }
    FirstNameList names(QDir(dir).filePath(QStringLiteral("Liste_Prenom.txt")));
    Changes changes(seed);
    for (;;) {
        Lines log;
        for (int i = 0; i < session.lineCount(); ++i)
            log << session.line(i).toByteArray();
        const Changes::Change c = changes.next(log);
        AtomicFile::Result r;
        switch (c.kind) {
        case Changes::Append: r = session.append(c.line); break;
        case Changes::Insert: r = session.insert(c.line); break;
        case Changes::Replace: r = session.replace(c.line, c.old); break;
        case Changes::Remove: r = session.remove(c.old); break;
        case Changes::Confirm: r = session.markConfirmed(c.rows); break;
        case Changes::Name: r = names.Maj_Liste_Prenom(c.record); break;
        }
        if (!r.ok) {
            std::fprintf(stderr, "change refused: %s\n", qPrintable(r.error));
            return 2;
        }
    }
}

int run(QString dir, int rounds, int maxDelay)
{
    std::unique_ptr<QTemporaryDir> temporary;
    if (dir.isEmpty()) {
        temporary = std::make_unique<QTemporaryDir>();
        dir = temporary->path();
    }
    QDir().mkpath(dir);
    const QString logPath = QDir(dir).filePath(Station + QStringLiteral("_ZEL.log"));
    const QString namesPath = QDir(dir).filePath(QStringLiteral("Liste_Prenom.txt"));
    Settings settings(QDir(dir).filePath(QStringLiteral("zel.ini")));
    settings.write(Settings::CommonSection, Settings::KeyCallsign, Station);
    {
        Changes first(1);
        Lines log;
        for (int i = 0; i < 20; ++i)
            log << first.line();
        QFile::remove(logPath);
        QFile::remove(namesPath);
        if (!AtomicFile::write(logPath, Cp1252::joinLines(log)).ok
            || !AtomicFile::write(namesPath, "F1ABC           JEAN\r\n").ok) {
            std::fprintf(stderr, "cannot prepare %s\n", qPrintable(dir));
            return 1;
        }
    }

    std::mt19937 timing(12345);
    const QByteArray self = QFile::encodeName(QCoreApplication::applicationFilePath());
    const QByteArray dirArg = QFile::encodeName(dir);
    int failures = 0, selfExited = 0, leftoverCopies = 0, leftoverLocks = 0, killedAtStart = 0;
    qint64 changesSeen = 0, slowestNext = 0;
    for (int round = 0; round < rounds; ++round) {
        const Lines log0 = Cp1252::splitLines(readAll(logPath));
        const Lines names0 = Cp1252::splitLines(readAll(namesPath));
        const QByteArray seed = QByteArray::number(1000 + round);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::execl(self.constData(), self.constData(), "work", dirArg.constData(), seed.constData(),
                    static_cast<char *>(nullptr));
            ::_exit(127);
        }
        ::usleep(useconds_t(std::uniform_int_distribution<int>(0, maxDelay * 1000)(timing)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (!WIFSIGNALED(status)) {
            ++selfExited;
            std::fprintf(stderr, "round %d: the writer stopped by itself (status %d)\n", round, status);
        }

        // Which copy is on disk: replay the round's changes from where it started.
        const QByteArray logNow = readAll(logPath);
        const QByteArray namesNow = readAll(namesPath);
        Lines log = log0;
        Lines names = names0;
        Changes changes(seed.toUInt());
        int matched = -1;
        for (int k = 0; k <= 100000; ++k) {
            if (Cp1252::joinLines(log) == logNow && Cp1252::joinLines(names) == namesNow) {
                matched = k;
                break;
            }
            apply(changes.next(log), &log, &names);
        }
        if (matched < 0) {
            ++failures;
            std::fprintf(stderr, "round %d: the log or the first-name list is no copy the writer made\n", round);
            break;
        }
        for (const QByteArray &l : Cp1252::splitLines(logNow)) {
            if (!LogFile::isWellFormed(l)) {
                ++failures;
                std::fprintf(stderr, "round %d: a line is not intact\n", round);
            }
        }
        changesSeen += matched;
        killedAtStart += matched == 0;
        leftoverCopies += temporaryCopies(dir);
        leftoverLocks += int(QFile::exists(FileLock::lockPathFor(logPath)));

        // The next commit: at once (the lock is tried once, never waited for), and
        // the log opened clean. The time it takes is shown, not judged.
        QElapsedTimer timer;
        timer.start();
        LogSession session(settings, dir);
        session.setLockTimeout(0);
        session.openStation();
        if (temporaryCopies(dir) != 0) {
            ++failures;
            std::fprintf(stderr, "round %d: a temporary copy is still beside the log\n", round);
        }
        Changes next(seed.toUInt() + 7);
        const AtomicFile::Result r = session.append(next.line());
        slowestNext = qMax(slowestNext, timer.elapsed());
        if (!r.ok) {
            ++failures;
            std::fprintf(stderr, "round %d: the next commit was refused after %lld ms: %s\n", round,
                         qlonglong(timer.elapsed()), qPrintable(r.error));
        }
    }
    std::printf("kills: %d, changes completed before them: %lld, kills before any change: %d\n", rounds,
                qlonglong(changesSeen), killedAtStart);
    std::printf("temporary copies left by a kill: %d (all cleaned at the next opening), lock files left: %d\n",
                leftoverCopies, leftoverLocks);
    std::printf("slowest next commit: %lld ms; writers that stopped by themselves: %d; failures: %d\n",
                qlonglong(slowestNext), selfExited, failures);
    return failures == 0 && selfExited == 0 ? 0 : 1;
}


// A QSO of copy id, told apart by its number in the first-name column.
QByteArray duelLine(Changes &rng, int id, int number)
{
    QByteArray line = rng.line();
    const QByteArray name = pad("W" + QByteArray::number(id) + "-" + QByteArray::number(number), 15);
    line.replace(18, 15, name);
    line[137] = ' ';
    return line;
}

QByteArray duelName(QByteArrayView line) { return line.size() >= 33 ? line.sliced(18, 15).toByteArray().trimmed() : QByteArray(); }

int duelWork(const QString &dir, int id, int commits)
{
    Settings settings(QDir(dir).filePath(QStringLiteral("zel.ini")));
    LogSession session(settings, dir);
    session.setLockTimeout(30000);
    session.openStation();
    Changes rng(unsigned(id) * 7919u);
    const QByteArray mine = "W" + QByteArray::number(id) + "-";
    int next = 0;
    for (int k = 0; k < commits; ++k) {
        // Its own QSOs, as this copy sees the log.
        QList<int> own;
        for (int row = 0; row < session.lineCount(); ++row) {
            if (duelName(session.line(row)).startsWith(mine))
                own << row;
        }
        const int pick = own.size() < 5 ? 0 : rng.below(10);
        AtomicFile::Result r;
        if (pick < 3) {
            const QByteArray line = duelLine(rng, id, next++);
            r = session.append(line);
            if (r.ok)
                std::printf("A %s\n", duelName(line).constData());
        } else if (pick < 5) {
            const QByteArray line = duelLine(rng, id, next++);
            r = session.insert(line);
            if (r.ok)
                std::printf("A %s\n", duelName(line).constData());
        } else if (pick < 7) {
            const QByteArray old = session.line(own.at(rng.below(int(own.size())))).toByteArray();
            const QByteArray line = duelLine(rng, id, next++);
            r = session.replace(line, old);
            if (r.ok)
                std::printf("D %s\nA %s\n", duelName(old).constData(), duelName(line).constData());
        } else if (pick < 8) {
            const QByteArray old = session.line(own.at(rng.below(int(own.size())))).toByteArray();
            r = session.remove(old);
            if (r.ok)
                std::printf("D %s\n", duelName(old).constData());
        } else {
            const int row = own.at(rng.below(int(own.size())));
            const QByteArray name = duelName(session.line(row));
            r = session.markConfirmed({row});
            if (r.ok)
                std::printf("C %s\n", name.constData());
        }
        if (!r.ok && (r.error.contains(QStringLiteral("entre-temps")) || r.error.contains(QStringLiteral("de moins"))))
            std::printf("r\n");
        else if (!r.ok)
            std::printf("E %s\n", qPrintable(QString(r.error).replace(QLatin1String("\r\n"), QLatin1String(" "))));
    }
    return 0;
}

int duel(QString dir, int commits)
{
    std::unique_ptr<QTemporaryDir> temporary;
    if (dir.isEmpty()) {
        temporary = std::make_unique<QTemporaryDir>();
        dir = temporary->path();
    }
    QDir().mkpath(dir);
    const QString logPath = QDir(dir).filePath(Station + QStringLiteral("_ZEL.log"));
    Settings(QDir(dir).filePath(QStringLiteral("zel.ini"))).write(Settings::CommonSection, Settings::KeyCallsign, Station);
    Changes first(3);
    Lines start;
    for (int i = 0; i < 20; ++i)
        start << first.line();
    if (!AtomicFile::write(logPath, Cp1252::joinLines(start)).ok)
        return 1;
    const QString self = QCoreApplication::applicationFilePath();
    QList<QProcess *> copies;
    QElapsedTimer timer;
    timer.start();
    for (int id = 1; id <= 2; ++id) {
        auto *p = new QProcess;
        p->start(self, {QStringLiteral("duelwork"), dir, QString::number(id), QString::number(commits)});
        copies << p;
    }
    QSet<QByteArray> present, deleted, confirmed;
    int failedWrites = 0;
    qint64 saved = 0, refused = 0;
    for (QProcess *p : copies) {
        p->waitForFinished(-1);
        for (const QByteArray &l : p->readAllStandardOutput().split('\n')) {
            const QByteArray what = l.mid(2);
            if (l.startsWith("A ")) {
                present.insert(what);
                ++saved;
            } else if (l.startsWith("D ")) {
                present.remove(what);
                deleted.insert(what);
                confirmed.remove(what);
                ++saved;
            } else if (l.startsWith("C ")) {
                confirmed.insert(what);
                ++saved;
            } else if (l.startsWith("E ")) {
                ++failedWrites;
                std::fprintf(stderr, "%s\n", l.constData());
            } else if (l == "r") {
                ++refused;
            }
        }
        delete p;
    }
    QHash<QByteArray, int> seen;
    int broken = 0, unconfirmed = 0;
    for (const QByteArray &l : Cp1252::splitLines(readAll(logPath))) {
        broken += !LogFile::isWellFormed(l);
        const QByteArray name = duelName(l);
        if (name.startsWith('W')) {
            ++seen[name];
            unconfirmed += confirmed.contains(name) && l.at(137) != '*';
        }
    }
    int lost = 0, duplicated = 0, resurrected = 0;
    for (const QByteArray &name : present)
        lost += !seen.contains(name);
    for (auto it = seen.cbegin(); it != seen.cend(); ++it) {
        duplicated += it.value() > 1;
        resurrected += deleted.contains(it.key()) && !present.contains(it.key());
    }
    std::printf("two copies, %d commits each, %lld ms: %lld changes saved, %lld refused (log changed meanwhile)\n",
                commits, qlonglong(timer.elapsed()), saved, refused);
    std::printf("lost: %d, duplicated: %d, resurrected: %d, confirmation marks lost: %d, broken lines: %d, "
                "write errors: %d\n", lost, duplicated, resurrected, unconfirmed, broken, failedWrites);
    return lost + duplicated + resurrected + unconfirmed + broken + failedWrites == 0 ? 0 : 1;
}


int readAhead(QString dir, int rounds)
{
    std::unique_ptr<QTemporaryDir> temporary;
    if (dir.isEmpty()) {
        temporary = std::make_unique<QTemporaryDir>();
        dir = temporary->path();
    }
    QDir().mkpath(dir);
    const QString logPath = QDir(dir).filePath(Station + QStringLiteral("_ZEL.log"));
    const QByteArray native = QFile::encodeName(logPath);
    Settings settings(QDir(dir).filePath(QStringLiteral("zel.ini")));
    settings.write(Settings::CommonSection, Settings::KeyCallsign, Station);
    Changes rng(11);
    Lines log;
    for (int i = 0; i < 20000; ++i)
        log << rng.line();
    int stale = 0;
    for (int round = 0; round < rounds; ++round) {
        if (!AtomicFile::write(logPath, Cp1252::joinLines(log)).ok)
            return 1;
        LogSession session(settings, dir);
        session.prefetchStation();
        ::usleep(useconds_t(rng.below(4000)));
        // The same number of bytes changed in place, the time put back.
        struct stat before;
        ::stat(native.constData(), &before);
        const int fd = ::open(native.constData(), O_WRONLY);
        const QByteArray edit = "ED" + QByteArray::number(1000 + round);
        (void)!::pwrite(fd, edit.constData(), size_t(edit.size()), off_t(rng.below(20000)) * 140 + 18);
        ::close(fd);
        const struct timespec times[2] = {before.st_atim, before.st_mtim};
        ::utimensat(AT_FDCWD, native.constData(), times, 0);
        session.openStation();
        QByteArray held;
        for (int row = 0; row < session.lineCount(); ++row)
            held += session.line(row).toByteArray() + "\r\n";
        stale += held != readAll(logPath);
    }
    std::printf("read-ahead raced by an edit in place, time put back: %d openings, %d stale\n", rounds, stale);
    return stale == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("work") && args.size() == 4)
        return work(args.at(2), args.at(3).toUInt());
    if (args.value(1) == QLatin1String("readahead")) {
        int rounds = 200;
        QString dir;
        for (int i = 2; i + 1 < args.size(); i += 2) {
            if (args.at(i) == QLatin1String("--rounds"))
                rounds = args.at(i + 1).toInt();
            else if (args.at(i) == QLatin1String("--dir"))
                dir = args.at(i + 1);
        }
        return readAhead(dir, rounds);
    }
    if (args.value(1) == QLatin1String("duelwork") && args.size() == 5)
        return duelWork(args.at(2), args.at(3).toInt(), args.at(4).toInt());
    if (args.value(1) == QLatin1String("duel")) {
        int commits = 500;
        QString dir;
        for (int i = 2; i + 1 < args.size(); i += 2) {
            if (args.at(i) == QLatin1String("--commits"))
                commits = args.at(i + 1).toInt();
            else if (args.at(i) == QLatin1String("--dir"))
                dir = args.at(i + 1);
        }
        return duel(dir, commits);
    }
    if (args.value(1) == QLatin1String("run")) {
        int rounds = 100;
        int maxDelay = 120;
        QString dir;
        for (int i = 2; i + 1 < args.size(); i += 2) {
            if (args.at(i) == QLatin1String("--rounds"))
                rounds = args.at(i + 1).toInt();
            else if (args.at(i) == QLatin1String("--dir"))
                dir = args.at(i + 1);
            else if (args.at(i) == QLatin1String("--max-delay"))
                maxDelay = args.at(i + 1).toInt();
        }
        return run(dir, rounds, maxDelay);
    }
    std::fprintf(stderr, "usage: %s run [--rounds N] [--dir DIR] [--max-delay MS]\n", argv[0]);
    return 2;
}
