// The lock beside the log: a lock no running copy holds is taken over at once,
// one that a running copy holds is waited for and then refused with the right
// reason, and a stopped rewrite's copies are cleaned when the log is next opened.

#include "app/Harness.h"
#include "logstore/Faults.h"
#include "logstore/FileLock.h"
#include "logstore/LogRewriter.h"
#include "logstore/LogSession.h"
#include "logstore/Settings.h"
#include "refdata/FirstNameList.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

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

// A child that takes the lock and stays until told; the pipe ends it.
struct Holder {
    pid_t pid = -1;
    int release = -1;

    explicit Holder(const QString &lockPath)
    {
        int ready[2];
        int go[2];
        if (::pipe(ready) != 0 || ::pipe(go) != 0)
            return;
        pid = ::fork();
        if (pid == 0) {
            FileLock lock(lockPath);
            const char ok = lock.lock(0) == FileLock::Status::Locked ? '1' : '0';
            (void)!::write(ready[1], &ok, 1);
            char c;
            (void)!::read(go[0], &c, 1);
            ::_exit(0);
        }
        char ok = '0';
        (void)!::read(ready[0], &ok, 1);
        ::close(ready[0]);
        ::close(ready[1]);
        ::close(go[0]);
        release = go[1];
        if (ok != '1')
            pid = -1;
    }
    void kill() const { ::kill(pid, SIGKILL); ::waitpid(pid, nullptr, 0); }
    void end() const { (void)!::write(release, "x", 1); ::waitpid(pid, nullptr, 0); }
};

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
    void leftoversOfABusyLogAreLeftAlone();
    void firstNameListLeftoversCleanedAtItsNextWrite();

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
        Holder holder(lockPath());
        QVERIFY(holder.pid > 0);
        holder.kill();
    } else {
        QVERIFY(writeBytes(lockPath(), content));
    }
    QVERIFY(QFile::exists(lockPath()));

    Settings settings(m_ini);
    LogSession session(settings, m_dir->path());
    session.openStation();
    QElapsedTimer timer;
    timer.start();
    const AtomicFile::Result r = session.append(B);
    QVERIFY2(r.ok, qPrintable(r.error));
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(readBytes(m_log), crlf({A, B}));
    QVERIFY(!QFile::exists(lockPath()));
}

void TestFileLock::runningCopyIsWaitedForThenRefused()
{
    Holder other(lockPath());
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
    // Copies a stopped rewrite leaves: the log's name and six letters of both cases.
    for (const char *name : {"TEST1_ZEL.log.XUsSzd", "TEST1_ZEL.log.jNvnIa"})
        QVERIFY(writeBytes(dir.filePath(QLatin1String(name)), crlf({A, B})));
    // The operator's own files, and another station's copy, stay.
    const QStringList kept{QStringLiteral("OTHER_ZEL.log.XUsSzd"), QStringLiteral("TEST1_ZEL.log.Ab1dEf"),
                           QStringLiteral("TEST1_ZEL.log.backup"), QStringLiteral("TEST1_ZEL.log.BACKUP"),
                           QStringLiteral("TEST1_ZEL.log.XUsSzdX"), QStringLiteral("TEST1_ZEL.log.old")};
    for (const QString &name : kept)
        QVERIFY(writeBytes(dir.filePath(name), "mine"));
    QVERIFY(writeBytes(lockPath(), QByteArray())); // left by a kill

    Settings settings(m_ini);
    LogSession session(settings, m_dir->path());
    session.openStation();
    QStringList expected = kept;
    expected << QStringLiteral("TEST1_ZEL.log");
    expected.sort();
    QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    QCOMPARE(session.lineCount(), 1);
}

void TestFileLock::leftoversOfABusyLogAreLeftAlone()
{
    // While another copy holds the lock, what lies beside the log may be its work.
    const QString copy = m_dir->filePath(QStringLiteral("TEST1_ZEL.log.QwErTy"));
    QVERIFY(writeBytes(copy, crlf({A, B})));
    Holder other(lockPath());
    QVERIFY(other.pid > 0);
    Settings settings(m_ini);
    LogSession session(settings, m_dir->path());
    session.openStation();
    QVERIFY(QFile::exists(copy));
    other.end();
    session.reload();
    QVERIFY(!QFile::exists(copy));
}

void TestFileLock::firstNameListLeftoversCleanedAtItsNextWrite()
{
    const QString path = m_dir->filePath(QStringLiteral("Liste_Prenom.txt"));
    QVERIFY(writeBytes(path, firstNameList()));
    const QString copy = path + QStringLiteral(".GhJkLm");
    QVERIFY(writeBytes(copy, firstNameList()));
    FirstNameList list(path);
    QVERIFY(!list.Cherche_Prenom(QStringLiteral("F6NEW")).found);
    QVERIFY(list.Maj_Liste_Prenom(FirstNameList::record(QStringLiteral("F6NEW"), QStringLiteral("Luc"))).ok);
    QVERIFY(!QFile::exists(copy));
    QVERIFY(!QFile::exists(FileLock::lockPathFor(path)));
    QCOMPARE(readBytes(path), firstNameList() + "F6NEW           LUC\r\n");
}

QTEST_GUILESS_MAIN(TestFileLock)
#include "tst_filelock.moc"
