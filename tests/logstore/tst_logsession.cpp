// The log session every window shares: which log it opens, the lines it holds after
// each change, the confirmation marks, and what it says when the log cannot be read.

#include "logstore/LogSession.h"
#include "logstore/Settings.h"

#include "common/LogLines.h"

#include <QDir>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>

using namespace zeltest;

class TestLogSession : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void callsignNamesTheLog_data();
    void callsignNamesTheLog();
    void changesKeepTheLinesAsWritten();
    void confirmationMarksOnlyColumn138();
    void confirmationRefusedWhenTheLogChangedUnderIt();
    void unreadableLogSaysWhy();
    void changesMadeElsewhereAreSeen();
    void anEditTheStampCannotSeeIsKept();
    void staleChangesAreRefusedAndTheLogShown();
    void logThatIsNoFileIsNotRead();
    void readAheadNeverHidesALaterChange();
    void heldLinesAlwaysMatchTheFile();
    void refusedAppendKeepsTheHeldLog();

private:
    QByteArray line(int i, bool qsl = false) const
    {
        Qso q = qso("I" + QByteArray::number(i) + "AB", "LZ" + QByteArray::number(1000 + i), "1" + QByteArray::number(i % 10) + "/01/07", "10:00");
        q.abbey = "ABBAZIA \xC9GLISE";
        q.qsl = qsl;
        return q.line();
    }
    QString logPath() const { return m_dir->filePath(QStringLiteral("TEST1_ZEL.log")); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<LogSession> m_session;
};

void TestLogSession::init()
{
    m_session.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings = std::make_unique<Settings>(m_dir->filePath(QStringLiteral("zel.ini")));
    m_settings->write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1"));
    m_session = std::make_unique<LogSession>(*m_settings, m_dir->path());
}

void TestLogSession::callsignNamesTheLog_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("callsign");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("station");
    QTest::newRow("portable") << "F6ABC_P" << "F6ABC_P" << "F6ABC/P" << true;
    QTest::newRow("first installation") << "FXXXX" << "FXXXX" << "FXXXX" << false;
    // Values a hand edit may leave: none of them may name a file.
    QTest::newRow("path") << "../../etc/x" << "FXXXX" << "FXXXX" << false;
    QTest::newRow("small letters") << "f6abc" << "FXXXX" << "FXXXX" << false;
    QTest::newRow("13 characters") << "ABCDEFGHIJKLM" << "FXXXX" << "FXXXX" << false;
    QTest::newRow("empty") << "" << "FXXXX" << "FXXXX" << false;
}

void TestLogSession::callsignNamesTheLog()
{
    QFETCH(QString, stored);
    QFETCH(QString, callsign);
    QFETCH(QString, shown);
    QFETCH(bool, station);
    m_settings->write(Settings::CommonSection, Settings::KeyCallsign, stored);
    m_session->openStation();
    QCOMPARE(m_session->callsign(), callsign);
    QCOMPARE(m_session->displayCallsign(), shown);
    QCOMPARE(m_session->hasStation(), station);
    QCOMPARE(m_session->logPath(), m_dir->filePath(callsign + QStringLiteral("_ZEL.log")));
}

void TestLogSession::changesKeepTheLinesAsWritten()
{
    QVERIFY(writeBytes(logPath(), line(1) + "\r\n" + line(2) + "\n" + "HAND EDITED\r\n"));
    m_session->openStation();
    QCOMPARE(m_session->lineCount(), 3);
    QCOMPARE(m_session->malformedLines(), QList<int>{3});

    QSignalSpy changed(m_session.get(), &LogSession::logChanged);
    QVERIFY(m_session->append(line(3)).ok);
    QCOMPARE(changed.count(), 1);
    // What the session holds is what the file holds, line for line.
    const QByteArray file = readBytes(logPath());
    QCOMPARE(file, crlf({line(1), line(2), "HAND EDITED", line(3)}));
    QCOMPARE(m_session->lineCount(), 4);
    QCOMPARE(m_session->line(3).toByteArray(), line(3));
    QCOMPARE(m_session->line(2).toByteArray(), QByteArray("HAND EDITED"));
    QCOMPARE(m_session->malformedLines(), QList<int>{3});
    QCOMPARE(m_session->listLine(3).left(5), QStringLiteral("    4"));

    QVERIFY(m_session->remove("HAND EDITED").ok);
    QVERIFY(m_session->replace(line(5), line(1)).ok);
    QCOMPARE(readBytes(logPath()), crlf({line(5), line(2), line(3)}));
    QCOMPARE(m_session->lineCount(), 3);
    QCOMPARE(m_session->line(0).toByteArray(), line(5));
    QVERIFY(m_session->malformedLines().isEmpty());
    QCOMPARE(changed.count(), 3);
}

void TestLogSession::confirmationMarksOnlyColumn138()
{
    QList<QByteArray> lines;
    for (int i = 1; i <= 8; ++i)
        lines << line(i);
    lines[4] = "NOT A QSO";
    QVERIFY(writeBytes(logPath(), crlf(lines)));
    m_session->openStation();
    QSignalSpy changed(m_session.get(), &LogSession::logChanged);

    // Lines 3 and 7 (rows 2 and 6) are ticked, and the hand-edited line 5 too.
    QVERIFY(m_session->markConfirmed({2, 4, 6}).ok);
    QCOMPARE(changed.count(), 1);
    QList<QByteArray> expected = lines;
    expected[2] = line(3, true);
    expected[6] = line(7, true);
    QCOMPARE(readBytes(logPath()), crlf(expected));
    QVERIFY(m_session->text(2).endsWith(QLatin1Char('*')));
    QCOMPARE(m_session->listLine(6).right(1), QStringLiteral("*"));
}

void TestLogSession::confirmationRefusedWhenTheLogChangedUnderIt()
{
    QVERIFY(writeBytes(logPath(), crlf({line(1), line(2), line(3)})));
    m_session->openStation();
    // Another copy of the program deletes the first QSO: row 1 is now another QSO.
    const QByteArray changed = crlf({line(2), line(3)});
    QVERIFY(writeBytes(logPath(), changed));
    const AtomicFile::Result r = m_session->markConfirmed({1});
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(QStringLiteral("modifié")), qPrintable(r.error));
    QCOMPARE(readBytes(logPath()), changed);
}

void TestLogSession::unreadableLogSaysWhy()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("TEST1_ZEL.log")));
    m_session->openStation();
    QVERIFY(!m_session->loadError().isEmpty());
    QCOMPARE(m_session->lineCount(), 0);
    // Nothing is written over what could not be read.
    QVERIFY(!m_session->append(line(1)).ok);
    QVERIFY(QFileInfo(logPath()).isDir());
}

void TestLogSession::changesMadeElsewhereAreSeen()
{
    QVERIFY(writeBytes(logPath(), crlf({line(1), line(2)})));
    m_session->openStation();
    QSignalSpy changed(m_session.get(), &LogSession::logChanged);
    QVERIFY(!m_session->refreshIfChanged());
    // Our own rewrite leaves nothing to read again.
    QVERIFY(m_session->append(line(3)).ok);
    QVERIFY(!m_session->refreshIfChanged());
    QCOMPARE(changed.count(), 1);
    // Another copy of the program appends a QSO.
    QVERIFY(writeBytes(logPath(), crlf({line(1), line(2), line(3), line(4)})));
    QVERIFY(m_session->refreshIfChanged());
    QCOMPARE(m_session->lineCount(), 4);
    // A rewrite works on the file as it stands, never on the copy it last read.
    QVERIFY(writeBytes(logPath(), crlf({line(1), line(2), line(4), line(3)})));
    QVERIFY(m_session->append(line(5)).ok);
    QCOMPARE(readBytes(logPath()), crlf({line(1), line(2), line(4), line(3), line(5)}));
    QCOMPARE(m_session->lineCount(), 5);
}

// Keeps the file's times as they were: what cp -p, rsync -t, touch -r or a restore do.
static void putTimesBack(const QString &path, const struct stat &before)
{
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0);
}

void TestLogSession::anEditTheStampCannotSeeIsKept()
{
    QVERIFY(writeBytes(logPath(), crlf({line(1), line(2)})));
    m_session->prefetchStation();
    m_session->openStation();
    // The same size, the time put back: an edit only the bytes tell.
    struct stat before;
    QVERIFY(::stat(QFile::encodeName(logPath()).constData(), &before) == 0);
    QByteArray edited = readBytes(logPath());
    edited.replace(18, 6, "EDITED");
    QVERIFY(writeBytes(logPath(), edited));
    putTimesBack(logPath(), before);
    QVERIFY(m_session->append(line(3)).ok);
    QCOMPARE(readBytes(logPath()), edited + crlf({line(3)}));
    QCOMPARE(m_session->line(0).toByteArray().mid(18, 6), QByteArray("EDITED"));

    // The same through the full rewrite (an insert), and the confirmation marks.
    QVERIFY(::stat(QFile::encodeName(logPath()).constData(), &before) == 0);
    edited = readBytes(logPath());
    edited.replace(140 + 18, 6, "AGAIN!");
    QVERIFY(writeBytes(logPath(), edited));
    putTimesBack(logPath(), before);
    QVERIFY(m_session->markConfirmed({2}).ok);
    QCOMPARE(readBytes(logPath()).mid(140 + 18, 6), QByteArray("AGAIN!"));
    QCOMPARE(readBytes(logPath()).at(3 * 140 - 3), '*');

    // A read-ahead raced by such an edit is not what the window opens.
    QVERIFY(writeBytes(logPath(), crlf({line(1), line(2)})));
    m_session->prefetchStation();
    m_session->waitForPrefetch();
    QVERIFY(::stat(QFile::encodeName(logPath()).constData(), &before) == 0);
    QVERIFY(writeBytes(logPath(), crlf({line(3), line(4)})));
    putTimesBack(logPath(), before);
    m_session->openStation();
    QCOMPARE(m_session->line(0).toByteArray(), line(3));
}

void TestLogSession::staleChangesAreRefusedAndTheLogShown()
{
    QVERIFY(writeBytes(logPath(), crlf({line(1), line(2), line(3)})));
    m_session->openStation();
    QSignalSpy changed(m_session.get(), &LogSession::logChanged);
    // Another copy edits QSO 2: replacing or deleting it from the old view would add
    // it a second time or delete nothing.
    QVERIFY(writeBytes(logPath(), crlf({line(1), line(7), line(3)})));
    for (int kind = 0; kind < 3; ++kind) {
        const AtomicFile::Result r = kind == 0 ? m_session->replace(line(8), line(2))
            : kind == 1                        ? m_session->replaceInOrder(line(8), line(2))
                                               : m_session->remove(line(2));
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains(QStringLiteral("modifié entre-temps")), qPrintable(r.error));
        QCOMPARE(readBytes(logPath()), crlf({line(1), line(7), line(3)}));
        // The operator now sees the log as it is.
        QCOMPARE(m_session->line(1).toByteArray(), line(7));
        QVERIFY(changed.count() >= 1);
    }
    // What is there is replaced and deleted as usual.
    QVERIFY(m_session->replace(line(8), line(7)).ok);
    QVERIFY(m_session->remove(line(3)).ok);
    QCOMPARE(readBytes(logPath()), crlf({line(1), line(8)}));

    // Another program cut the log short: nothing is written, and the operator is
    // told how many QSOs are gone.
    QVERIFY(writeBytes(logPath(), QByteArray()));
    AtomicFile::Result r = m_session->append(line(4));
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(QStringLiteral("compte 2 QSO de moins")), qPrintable(r.error));
    QCOMPARE(readBytes(logPath()), QByteArray());
    QCOMPARE(m_session->lineCount(), 0);
    // Seen, the next commit goes through.
    QVERIFY(m_session->append(line(4)).ok);
    QCOMPARE(readBytes(logPath()), crlf({line(4)}));
    // The same for an insert into a log replaced by a shorter one.
    QVERIFY(m_session->append(line(5)).ok);
    QVERIFY(writeBytes(logPath(), crlf({line(9)})));
    r = m_session->insert(line(6));
    QVERIFY2(r.error.contains(QStringLiteral("compte 1 QSO de moins")), qPrintable(r.error));
    QCOMPARE(readBytes(logPath()), crlf({line(9)}));
    QCOMPARE(m_session->line(0).toByteArray(), line(9));

    // Cut short while the window was elsewhere, and shown again on its return: the
    // next commit is still refused once, with the count.
    QVERIFY(m_session->append(line(4)).ok);
    QVERIFY(m_session->append(line(5)).ok);
    QVERIFY(writeBytes(logPath(), crlf({line(9), line(7)})));
    QVERIFY(m_session->refreshIfChanged());
    r = m_session->append(line(6));
    QVERIFY2(r.error.contains(QStringLiteral("compte 1 QSO de moins")), qPrintable(r.error));
    QVERIFY(m_session->append(line(6)).ok);
    QCOMPARE(readBytes(logPath()), crlf({line(9), line(7), line(6)}));
}

void TestLogSession::logThatIsNoFileIsNotRead()
{
    // A pipe named like the log would wait for ever for a writer.
    QVERIFY(::mkfifo(QFile::encodeName(logPath()).constData(), 0644) == 0);
    // Neither the read-ahead nor the opening may wait for a writer: were either to
    // open the pipe for reading, this test would never get past them.
    m_session->prefetchStation();
    m_session->openStation();
    QVERIFY2(m_session->loadError().contains(QStringLiteral("pas un fichier ordinaire")),
             qPrintable(m_session->loadError()));
    QCOMPARE(m_session->lineCount(), 0);
    const AtomicFile::Result r = m_session->append(line(1));
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(QStringLiteral("pas un fichier ordinaire")), qPrintable(r.error));
    QVERIFY(QFileInfo(logPath()).exists() && !QFileInfo(logPath()).isFile());
}

void TestLogSession::readAheadNeverHidesALaterChange()
{
    // Read ahead, then the same bytes count but other QSOs, written in place.
    QVERIFY(writeBytes(logPath(), crlf({line(1), line(2)})));
    m_session->prefetchStation();
    m_session->waitForPrefetch();
    QVERIFY(writeBytes(logPath(), crlf({line(3), line(4)})));
    m_session->openStation();
    QCOMPARE(m_session->lineCount(), 2);
    QCOMPARE(m_session->line(0).toByteArray(), line(3));

    // The station changed between the read-ahead and the opening: its own log is read.
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("TEST2_ZEL.log")), crlf({line(5)})));
    m_session->prefetchStation();
    m_settings->write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST2"));
    m_session->openStation();
    QCOMPARE(m_session->lineCount(), 1);
    QCOMPARE(m_session->line(0).toByteArray(), line(5));

    // Unchanged, what was read ahead is what is held, hand-edited lines included.
    QVERIFY(writeBytes(logPath(), crlf({line(1), "not a QSO", line(2)})));
    m_settings->write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1"));
    m_session->prefetchStation();
    m_session->openStation();
    QCOMPARE(m_session->lineCount(), 3);
    QCOMPARE(m_session->malformedLines(), QList<int>{2});
    QVERIFY(m_session->append(line(6)).ok);
    QCOMPARE(readBytes(logPath()), crlf({line(1), "not a QSO", line(2), line(6)}));
}

void TestLogSession::heldLinesAlwaysMatchTheFile()
{
    // After any sequence of changes, what the session holds is the file, line for
    // line, and its hand-edited lines are the file's (a rewrite finds the new line
    // ends without reading the file again).
    QVERIFY(writeBytes(logPath(), crlf({line(1), line(2), "HAND", line(3)})));
    m_session->openStation();
    QRandomGenerator rng(7);
    for (int step = 0; step < 60; ++step) {
        const int n = m_session->lineCount();
        const int row = n ? int(rng.bounded(n)) : 0;
        const QByteArray fresh = line(10 + step % 9, step % 2);
        switch (rng.bounded(5)) {
        case 0:
            QVERIFY(m_session->append(fresh).ok);
            break;
        case 1:
            QVERIFY(m_session->insert(fresh).ok);
            break;
        case 2:
            if (n)
                QVERIFY(m_session->replace(fresh, m_session->line(row).toByteArray()).ok);
            break;
        case 3:
            if (n)
                QVERIFY(m_session->remove(m_session->line(row).toByteArray()).ok);
            break;
        default:
            if (n)
                QVERIFY(m_session->markConfirmed({row}).ok);
            break;
        }
        QList<QByteArray> held;
        QList<int> malformed;
        for (int i = 0; i < m_session->lineCount(); ++i) {
            held << m_session->line(i).toByteArray();
            if (held.last().size() != 138)
                malformed << i + 1;
        }
        QCOMPARE(crlf(held), readBytes(logPath()));
        QCOMPARE(m_session->malformedLines(), malformed);
    }
}

void TestLogSession::refusedAppendKeepsTheHeldLog()
{
    QVERIFY(writeBytes(logPath(), crlf({line(1), line(2)})));
    m_session->openStation();
    m_session->setLockTimeout(50);
    {
        // Another copy holds the log: nothing is added, in the file or in memory.
        QLockFile other(logPath() + QStringLiteral(".lock"));
        QVERIFY(other.tryLock());
        QVERIFY(!m_session->append(line(3)).ok);
    }
    QCOMPARE(m_session->lineCount(), 2);
    QCOMPARE(readBytes(logPath()), crlf({line(1), line(2)}));
    // The next appends go through, one after the other, on the same held bytes.
    for (int i = 3; i < 40; ++i)
        QVERIFY(m_session->append(line(i)).ok);
    QList<QByteArray> expected{line(1), line(2)};
    for (int i = 3; i < 40; ++i)
        expected << line(i);
    QCOMPARE(readBytes(logPath()), crlf(expected));
    QCOMPARE(m_session->line(38).toByteArray(), line(39));
    QCOMPARE(m_session->line(0).toByteArray(), line(1));
}

QTEST_GUILESS_MAIN(TestLogSession)
#include "tst_logsession.moc"
