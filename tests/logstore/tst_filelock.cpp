// The lock beside the log: a lock no running copy holds is taken over at once,
// one that a running copy holds is waited for and then refused with the right
// reason, and a stopped rewrite's copies are cleaned when the log is next opened.

#include "app/Harness.h"
#include "logstore/Faults.h"
#include "logstore/LockHolder.h"
#include "logstore/FileLock.h"
#include "logstore/LogRewriter.h"
#include "logstore/LogSession.h"
#include "logstore/Settings.h"
#include "refdata/FirstNameList.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/file.h>

using namespace zeltest;

namespace {

const QByteArray A = qso("I1AAA", "PM0001", "10/01/07", "10:00").line();
const QByteArray B = qso("I2BBB", "LB0001", "14/01/07", "09:05").line();

// The number of a process that has ended.
QByteArray deadPid()
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return QByteArray::number(pid);
}


} // namespace

class TestFileLock : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void lockNobodyHoldsIsTakenAtOnce_data();
    void lockNobodyHoldsIsTakenAtOnce();
    void runningCopyIsWaitedForThenRefused();
    void protectedFolderSaysSo();
    void otherLockErrorSaysSo();
    void leftoversCleanedWhenTheLogIsOpened();
    void leftoversOfABusyWriterAreLeftAlone();
    void linkedLockFileIsRefusedAndItsTargetKept();
    void lockFileAloneWhereTheKernelHasNoLocks();

private:
    QString lockPath() const { return FileLock::lockPathFor(m_log); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_conf;
    QString m_log;
    QString m_ini;
};

void TestFileLock::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_conf = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid() && m_conf->isValid());
    m_log = m_dir->filePath(QStringLiteral("TEST1_ZEL.log"));
    m_ini = m_conf->filePath(QStringLiteral("zel.ini"));
    Settings(m_ini).write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1"));
    QVERIFY(writeBytes(m_log, crlf({A})));
}

void TestFileLock::cleanup()
{
    ::chmod(QFile::encodeName(m_dir->path()).constData(), 0700);
}

void TestFileLock::lockNobodyHoldsIsTakenAtOnce_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("killedHolder");
    QTest::newRow("empty (killed before its number was written)") << QByteArray() << false;
    QTest::newRow("no process number") << QByteArray("\n\n\n") << false;
    QTest::newRow("garbage") << QByteArray("\x01\xFFzz\r\n") << false;
    QTest::newRow("a process that has ended") << deadPid() + "\nkvr_zel\nhost\n" << false;
    QTest::newRow("this very process, without the lock")
        << QByteArray::number(QCoreApplication::applicationPid()) + "\nkvr_zel\n\n" << false;
    QTest::newRow("a copy killed while holding it") << QByteArray() << true;
}

void TestFileLock::lockNobodyHoldsIsTakenAtOnce()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, killedHolder);
    if (killedHolder) {
        zeltest::LockHolder holder(lockPath());
        QVERIFY(holder.pid > 0);
        holder.kill();
    } else {
        QVERIFY(writeBytes(lockPath(), content));
    }
    QVERIFY(QFile::exists(lockPath()));

    Settings settings(m_ini);
    LogSession session(settings, m_dir->path());
    session.openStation();
    // Taken over at once: the lock is tried a single time, never waited for.
    session.setLockTimeout(0);
    const AtomicFile::Result r = session.append(B);
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(readBytes(m_log), crlf({A, B}));
    QVERIFY(!QFile::exists(lockPath()));
}

void TestFileLock::runningCopyIsWaitedForThenRefused()
{
    zeltest::LockHolder other(lockPath());
    QVERIFY(other.pid > 0);
    LogRewriter log(m_log);
    log.setLockTimeout(300);
    QElapsedTimer timer;
    timer.start();
    const LogRewriter::Result r = log.Ajoute_QSO_Log(B);
    QVERIFY(!r.ok);
    QVERIFY(timer.elapsed() >= 300);
    QVERIFY2(r.error.contains(QStringLiteral("en cours de modification par une autre copie de KVR_ZEL")),
             qPrintable(r.error));
    QCOMPARE(readBytes(m_log), crlf({A}));
    other.end();
    QVERIFY(log.Ajoute_QSO_Log(B).ok);
    QCOMPARE(readBytes(m_log), crlf({A, B}));
}

void TestFileLock::protectedFolderSaysSo()
{
    // Root writes anywhere: the write is made by a child that is not root.
    openToAll(m_dir->path());
    QVERIFY(::chmod(QFile::encodeName(m_dir->path()).constData(), 0555) == 0);
    int status = 0;
    const QByteArray said = inChild(notRoot(), [&] {
        return LogRewriter(m_log).Ajoute_QSO_Log(B).error.toUtf8();
    }, &status);
    if (couldNotDropRoot(status))
        QSKIP("root cannot become another user here");
    const QString error = QString::fromUtf8(said);
    QVERIFY2(error.contains(QStringLiteral("TEST1_ZEL.log.lock ne peut pas être créé")), qPrintable(error));
    QVERIFY2(error.contains(QStringLiteral("est protégé en écriture")), qPrintable(error));
    QVERIFY(!error.contains(QStringLiteral("autre copie")));
    QCOMPARE(readBytes(m_log), crlf({A}));
}

void TestFileLock::otherLockErrorSaysSo()
{
    // Something that is not a file where the lock goes.
    QVERIFY(QDir().mkpath(lockPath()));
    LogRewriter log(m_log);
    log.setLockTimeout(100);
    const LogRewriter::Result r = log.Ajoute_QSO_Log(B);
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(QStringLiteral("ne peut pas être créé ni verrouillé")), qPrintable(r.error));
    QVERIFY(!r.error.contains(QStringLiteral("autre copie")));
    QCOMPARE(readBytes(m_log), crlf({A}));
}

void TestFileLock::leftoversCleanedWhenTheLogIsOpened()
{
    const QDir dir(m_dir->path());
    // Copies stopped writes leave: ".<file>.zel-tmp-" and six letters or digits, of
    // the log and of the folder's other files (lists, exports), in any case.
    const QStringList copies{QStringLiteral(".TEST1_ZEL.log.zel-tmp-XUsSzd"),
                             QStringLiteral(".TEST1_ZEL.log.zel-tmp-jnvnia"),
                             QStringLiteral(".Liste_Prenom.txt.zel-tmp-AB12CD"),
                             QStringLiteral(".Liste_Zel.txt.zel-tmp-q1w2e3"),
                             QStringLiteral(".TEST1_ZEL.adi.zel-tmp-ZZZZZZ")};
    for (const QString &name : copies)
        QVERIFY(writeBytes(dir.filePath(name), crlf({A, B})));
    // The operator's own files, whatever they are called, stay.
    const QStringList kept{QStringLiteral("TEST1_ZEL.log.Backup"), QStringLiteral("TEST1_ZEL.log.Ancien"),
                           QStringLiteral("TEST1_ZEL.log.XUsSzd"), QStringLiteral("TEST1_ZEL.log.backup"),
                           QStringLiteral("Liste_Prenom.txt.Backup"), QStringLiteral("TEST1_ZEL.log.zel-tmp-XUsSzd"),
                           QStringLiteral(".TEST1_ZEL.log.zel-tmp-XUsSz"), QStringLiteral(".TEST1_ZEL.log.zel-tmp-XU-Szd"),
                           QStringLiteral(".TEST1_ZEL.log.zel-tmp-XUsSzdX"), QStringLiteral("OTHER_ZEL.log")};
    for (const QString &name : kept)
        QVERIFY(writeBytes(dir.filePath(name), "mine"));
    // A link named like a copy is not one: neither it nor what it leads to is touched.
    const QString target = m_conf->filePath(QStringLiteral("elsewhere.txt"));
    QVERIFY(writeBytes(target, "mine"));
    QVERIFY(QFile::link(target, dir.filePath(QStringLiteral(".TEST1_ZEL.log.zel-tmp-LinkEd"))));
    QVERIFY(writeBytes(lockPath(), QByteArray())); // left by a kill

    Settings settings(m_ini);
    LogSession session(settings, m_dir->path());
    session.openStation();
    QStringList expected = kept;
    expected << QStringLiteral("TEST1_ZEL.log") << QStringLiteral(".TEST1_ZEL.log.zel-tmp-LinkEd");
    expected.sort();
    QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name), expected);
    QCOMPARE(readBytes(target), QByteArray("mine"));
    QCOMPARE(session.lineCount(), 1);

    // The first-name list's write cleans its own copies, and only those.
    const QString names = dir.filePath(QStringLiteral("Liste_Prenom.txt"));
    QVERIFY(writeBytes(names, firstNameList()));
    QVERIFY(writeBytes(dir.filePath(QStringLiteral(".Liste_Prenom.txt.zel-tmp-GhJkLm")), "x"));
    FirstNameList list(names);
    QVERIFY(!list.Cherche_Prenom(QStringLiteral("F6NEW")).found);
    QVERIFY(list.Maj_Liste_Prenom(FirstNameList::record(QStringLiteral("F6NEW"), QStringLiteral("Luc"))).ok);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral(".Liste_Prenom.txt.zel-tmp-GhJkLm"))));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Liste_Prenom.txt.Backup"))));
    QVERIFY(!QFile::exists(FileLock::lockPathFor(names)));
    QCOMPARE(readBytes(names), firstNameList() + "F6NEW           LUC\r\n");
    const QStringList left = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    QCOMPARE(std::count_if(left.cbegin(), left.cend(), [](const QString &n) { return AtomicFile::isTemporaryName(n); }),
             1); // the link
}

void TestFileLock::leftoversOfABusyWriterAreLeftAlone()
{
    // Copies their writers are still writing (each holds its copy locked), while
    // one of them holds the log's lock too.
    const QStringList copies{m_dir->filePath(QStringLiteral(".TEST1_ZEL.log.zel-tmp-QwErTy")),
                             m_dir->filePath(QStringLiteral(".Liste_Zel.txt.zel-tmp-QwErTy"))};
    for (const QString &copy : copies)
        QVERIFY(writeBytes(copy, "half"));
    int ready[2];
    int go[2];
    QVERIFY(::pipe(ready) == 0 && ::pipe(go) == 0);
    const pid_t writer = ::fork();
    if (writer == 0) {
        bool ok = true;
        for (const QString &copy : copies) {
            const int fd = ::open(QFile::encodeName(copy).constData(), O_RDONLY);
            ok = ok && fd >= 0 && ::flock(fd, LOCK_EX) == 0;
        }
        const char said = ok ? '1' : '0';
        (void)!::write(ready[1], &said, 1);
        char c;
        (void)!::read(go[0], &c, 1);
        ::_exit(0);
    }
    const auto release = qScopeGuard([&] {
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
        for (int fd : {ready[0], ready[1], go[0], go[1]})
            ::close(fd);
    });
    char ok = '0';
    (void)!::read(ready[0], &ok, 1);
    QCOMPARE(ok, '1');
    zeltest::LockHolder other(lockPath());
    QVERIFY(other.pid > 0);
    Settings settings(m_ini);
    LogSession session(settings, m_dir->path());
    session.openStation();
    for (const QString &copy : copies)
        QVERIFY(QFile::exists(copy));
    other.end();
    session.openStation();
    for (const QString &copy : copies)
        QVERIFY(QFile::exists(copy));
    // Once the writer is gone, they go at the next opening.
    (void)!::write(go[1], "x", 1);
    ::waitpid(writer, nullptr, 0);
    session.openStation();
    for (const QString &copy : copies)
        QVERIFY(!QFile::exists(copy));
}

void TestFileLock::linkedLockFileIsRefusedAndItsTargetKept()
{
    // A lock path that leads elsewhere: nothing is written there, the link stays.
    const QString target = m_conf->filePath(QStringLiteral("precious.txt"));
    QVERIFY(writeBytes(target, "precious\n"));
    QVERIFY(QFile::link(target, lockPath()));
    LogRewriter log(m_log);
    log.setLockTimeout(100);
    const LogRewriter::Result r = log.Ajoute_QSO_Log(B);
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(QStringLiteral("est un lien symbolique")), qPrintable(r.error));
    QCOMPARE(readBytes(target), QByteArray("precious\n"));
    QVERIFY(QFileInfo(lockPath()).isSymLink());
    QCOMPARE(readBytes(m_log), crlf({A}));

    // The first-name list's lock likewise.
    const QString names = m_dir->filePath(QStringLiteral("Liste_Prenom.txt"));
    QVERIFY(writeBytes(names, firstNameList()));
    QVERIFY(QFile::link(target, FileLock::lockPathFor(names)));
    FirstNameList list(names);
    list.setLockTimeout(100);
    list.setPrenom_A_Ajouter(true);
    const AtomicFile::Result n = list.Maj_Liste_Prenom(FirstNameList::record(QStringLiteral("F6NEW"), "LUC"));
    QVERIFY(!n.ok);
    QVERIFY2(n.error.contains(QStringLiteral("est un lien symbolique")), qPrintable(n.error));
    QCOMPARE(readBytes(target), QByteArray("precious\n"));
    QCOMPARE(readBytes(names), firstNameList());
}

namespace {
int noKernelLock(int, int)
{
    errno = ENOLCK;
    return -1;
}
} // namespace

void TestFileLock::lockFileAloneWhereTheKernelHasNoLocks()
{
    // NFS without its lock service: flock answers ENOLCK everywhere.
    FileLock::setFlockFunction(noKernelLock);
    const auto restore = qScopeGuard([] { FileLock::setFlockFunction(nullptr); });
    Settings settings(m_ini);
    LogSession session(settings, m_dir->path());
    // Every lock below is had at its first try, or refused: none is waited for.
    session.setLockTimeout(0);
    session.openStation();
    // Commit after commit goes through, and leaves no lock file behind.
    for (int i = 0; i < 9; ++i) {
        const AtomicFile::Result r = session.append(qso("I3CCC", "VN0004", "20/01/07", "10:00").line());
        QVERIFY2(r.ok, qPrintable(r.error));
        QVERIFY(!QFile::exists(lockPath()));
    }
    QCOMPARE(session.lineCount(), 10);

    // Lock files no running copy holds are taken over: empty, or naming a process gone.
    QVERIFY(session.remove(qso("I3CCC", "VN0004", "20/01/07", "10:00").line()).ok);
    QCOMPARE(session.lineCount(), 1);
    for (const QByteArray &left : {QByteArray(), deadPid() + "\nkvr_zel\n" + QSysInfo::machineHostName().toUtf8()}) {
        QVERIFY(writeBytes(lockPath(), left));
        QVERIFY(session.insert(B).ok);
        QVERIFY(!QFile::exists(lockPath()));
        QVERIFY(session.remove(B).ok);
    }

    // A running copy's lock file is respected, and taken over once it is killed.
    zeltest::LockHolder other(lockPath());
    QVERIFY(other.pid > 0);
    QVERIFY(QFile::exists(lockPath()));
    const AtomicFile::Result refused = session.append(B);
    QVERIFY(!refused.ok);
    QVERIFY2(refused.error.contains(QStringLiteral("autre copie de KVR_ZEL")), qPrintable(refused.error));
    other.kill();
    QVERIFY(session.append(B).ok);
    QCOMPARE(readBytes(m_log), crlf({A, B}));
}

QTEST_GUILESS_MAIN(TestFileLock)
#include "tst_filelock.moc"
