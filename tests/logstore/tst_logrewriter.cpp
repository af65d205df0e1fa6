#include "logstore/Cp1252.h"
#include "logstore/LogRewriter.h"

#include "common/LogLines.h"

#include <QtTest>

namespace {

using zeltest::crlf;

QByteArray qso(const char *call, const char *ref, const char *date, const char *time, char qsl = ' ')
{
    zeltest::Qso q = zeltest::qso(call, ref, date, time);
    q.abbey = "ABBAZIA \xC9GLISE";
    q.qsl = qsl == '*';
    return q.line();
}

QByteArray readAll(const QString &path) { return zeltest::readBytes(path); }

void writeAll(const QString &path, const QByteArray &bytes) { QVERIFY(zeltest::writeBytes(path, bytes)); }

} // namespace

class TestLogRewriter : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void appendGoesAtTheEnd();
    void insertKeepsChronologicalOrder_data();
    void insertKeepsChronologicalOrder();
    void replaceFirstOccurrenceOnly();
    void replaceMissingLineAppends();
    void deleteRemovesEveryCopy();
    void untouchedLinesComeBackByteForByte();
    void tenThousandAndOneLines();
    void failedWriteLeavesLogAsItWas();
    void lockHeldByAnotherCopyRefuses();
    void lineEndsBecomeCrLf_data();
    void lineEndsBecomeCrLf();
    void noTemporaryFileLeftBehind();
    void mergeAddsNoAbbeyTwiceInAnyCase();

private:
    QTemporaryDir m_dir;
    QString m_log;
    const QByteArray a = qso("I1AAA", "PM0001", "10/01/07", "10:00");
    const QByteArray b = qso("I2BBB", "LB0001", "14/01/07", "09:05");
    const QByteArray c = qso("I3CCC", "VN0001", "20/02/07", "18:30", '*');
};

void TestLogRewriter::init()
{
    QVERIFY(m_dir.isValid());
    m_log = m_dir.filePath(QStringLiteral("TEST1_ZEL.log"));
    QFile::remove(m_log);
}

void TestLogRewriter::appendGoesAtTheEnd()
{
    // Plain entry: even a callsign starting with digits (4X, 9A) lands at the end.
    LogRewriter log(m_log);
    QVERIFY(log.Ajoute_QSO_Log(b).ok);
    QCOMPARE(readAll(m_log), crlf({b}));
    const QByteArray digits = qso("4X1ZZ", "SC0001", "21/02/07", "08:00");
    QVERIFY(log.Ajoute_QSO_Log(digits).ok);
    QVERIFY(log.Ajoute_QSO_Log(c).ok);
    QCOMPARE(readAll(m_log), crlf({b, digits, c}));
}

void TestLogRewriter::insertKeepsChronologicalOrder_data()
{
    QTest::addColumn<QByteArray>("newLine");
    QTest::addColumn<int>("position");
    QTest::newRow("1999 goes first") << qso("F5NEW", "TC0001", "05/03/99", "12:00") << 0;
    QTest::newRow("2049 goes last") << qso("F5NEW", "TC0001", "05/03/49", "12:00") << 3;
    QTest::newRow("same minute goes before") << qso("F5NEW", "TC0001", "14/01/07", "09:05") << 1;
    QTest::newRow("one minute later goes after") << qso("F5NEW", "TC0001", "14/01/07", "09:06") << 2;
    QTest::newRow("between by month") << qso("F5NEW", "TC0001", "01/02/07", "00:00") << 2;
    QTest::newRow("31/02 still orders") << qso("F5NEW", "TC0001", "31/02/07", "00:00") << 3;
}

void TestLogRewriter::insertKeepsChronologicalOrder()
{
    QFETCH(QByteArray, newLine);
    QFETCH(int, position);
    writeAll(m_log, crlf({a, b, c}));
    QVERIFY(LogRewriter(m_log).Insere_QSO_Log(newLine).ok);
    QList<QByteArray> expected{a, b, c};
    expected.insert(position, newLine);
    QCOMPARE(readAll(m_log), crlf(expected));

    // Into an empty log: a log of exactly that line.
    QFile::remove(m_log);
    writeAll(m_log, QByteArray());
    QVERIFY(LogRewriter(m_log).Insere_QSO_Log(newLine).ok);
    QCOMPARE(readAll(m_log), crlf({newLine}));
}

void TestLogRewriter::replaceFirstOccurrenceOnly()
{
    writeAll(m_log, crlf({a, b, a, c}));
    QByteArray confirmed = a;
    confirmed[137] = '*';
    QVERIFY(LogRewriter(m_log).Remplace_QSO_Log(confirmed, a).ok);
    QCOMPARE(readAll(m_log), crlf({confirmed, b, a, c}));
}

void TestLogRewriter::replaceMissingLineAppends()
{
    writeAll(m_log, crlf({a, b}));
    QVERIFY(LogRewriter(m_log).Remplace_QSO_Log(c, qso("ZZ9ZZ", "SD0001", "01/01/07", "00:00")).ok);
    QCOMPARE(readAll(m_log), crlf({a, b, c}));
}

void TestLogRewriter::deleteRemovesEveryCopy()
{
    writeAll(m_log, crlf({b, a, c, b}));
    QVERIFY(LogRewriter(m_log).Supprime_QSO_Log(b).ok);
    QCOMPARE(readAll(m_log), crlf({a, c}));
    // Deleting what is not there rewrites the log unchanged.
    QVERIFY(LogRewriter(m_log).Supprime_QSO_Log(b).ok);
    QCOMPARE(readAll(m_log), crlf({a, c}));
    QVERIFY(LogRewriter(m_log).Supprime_QSO_Log(a).ok);
    QVERIFY(LogRewriter(m_log).Supprime_QSO_Log(c).ok);
    QCOMPARE(readAll(m_log), QByteArray());
}

void TestLogRewriter::untouchedLinesComeBackByteForByte()
{
    // A hand-edited log: short and long lines, CR garbage, bytes outside the code
    // page, no line end after the last line.
    const QByteArray odd = "\x81\x8D\x8F\x90\x9D odd bytes";
    const QByteArray content = crlf({a, "short line", b + "  trailing", "\r", odd, ""}) + c;
    writeAll(m_log, content);
    const QByteArray n = qso("I4NEW", "EM0001", "01/03/07", "07:00");
    QVERIFY(LogRewriter(m_log).Ajoute_QSO_Log(n).ok);
    QCOMPARE(readAll(m_log), content + "\r\n" + n + "\r\n");
    QVERIFY(LogRewriter(m_log).Supprime_QSO_Log(n).ok);
    QCOMPARE(readAll(m_log), content + "\r\n");
    // A malformed line can be deleted by its own bytes.
    QVERIFY(LogRewriter(m_log).Supprime_QSO_Log(odd).ok);
    QVERIFY(!readAll(m_log).contains(odd));
    QVERIFY(readAll(m_log).contains("short line\r\n"));
}

void TestLogRewriter::tenThousandAndOneLines()
{
    QList<QByteArray> lines;
    for (int i = 0; i < 10001; ++i) {
        const QByteArray call = "I" + QByteArray::number(i % 10) + "Q" + QByteArray::number(i);
        const QByteArray date = QByteArray::number(10 + i % 18) + "/0" + QByteArray::number(1 + i % 9) + "/07";
        lines << qso(call.constData(), "LZ0001", date.constData(), "10:00", i % 3 ? ' ' : '*');
    }
    writeAll(m_log, crlf(lines));
    LogRewriter log(m_log);
    QByteArray edited = lines.at(9999);
    edited[137] = '*';
    QVERIFY(log.Remplace_QSO_Log(edited, lines.at(9999)).ok);
    lines[9999] = edited;
    QCOMPARE(readAll(m_log), crlf(lines));
    QVERIFY(log.Supprime_QSO_Log(lines.at(10000)).ok);
    lines.removeLast();
    QCOMPARE(readAll(m_log), crlf(lines));
}

void TestLogRewriter::failedWriteLeavesLogAsItWas()
{
    // A directory standing where the new copy must go makes the rename fail,
    // even for root.
    writeAll(m_log, crlf({a, b}));
    QTemporaryDir other;
    const QString blocked = other.filePath(QStringLiteral("X_ZEL.log"));
    QVERIFY(QDir().mkpath(blocked));
    const LogRewriter::Result r = LogRewriter(blocked).Ajoute_QSO_Log(c);
    QVERIFY(!r.ok);
    QVERIFY(r.error.contains(QStringLiteral("Impossible d'enregistrer le journal X_ZEL.log")));
    QVERIFY(r.error.contains(QStringLiteral("n'a pas été modifié")));
    QVERIFY(QFileInfo(blocked).isDir());
}

void TestLogRewriter::lockHeldByAnotherCopyRefuses()
{
    writeAll(m_log, crlf({a}));
    QLockFile other(m_log + QStringLiteral(".lock"));
    QVERIFY(other.tryLock());
    const QElapsedTimer started = [] { QElapsedTimer t; t.start(); return t; }();
    LogRewriter waiting(m_log);
    waiting.setLockTimeout(300);
    const LogRewriter::Result r = waiting.Ajoute_QSO_Log(b);
    QVERIFY(!r.ok);
    QVERIFY(r.error.contains(QStringLiteral("autre copie de KVR_ZEL")));
    QVERIFY(started.elapsed() >= 250);
    QCOMPARE(readAll(m_log), crlf({a}));
    other.unlock();
    QVERIFY(LogRewriter(m_log).Ajoute_QSO_Log(b).ok);
    QCOMPARE(readAll(m_log), crlf({a, b}));
}

void TestLogRewriter::lineEndsBecomeCrLf_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::newRow("LF only") << QByteArray(a + "\n" + b + "\n" + c + "\n");
    QTest::newRow("mixed") << QByteArray(a + "\r\n" + b + "\n" + c + "\r\n");
    QTest::newRow("no last line end") << QByteArray(a + "\n" + b + "\r\n" + c);
}

void TestLogRewriter::lineEndsBecomeCrLf()
{
    // A log saved by another editor: every rewrite writes CR LF after every line
    // and keeps each line's own bytes.
    QFETCH(QByteArray, before);
    const QByteArray d = qso("I4DDD", "SD0001", "21/02/07", "08:00");
    writeAll(m_log, before);
    QVERIFY(LogRewriter(m_log).Ajoute_QSO_Log(d).ok);
    QCOMPARE(readAll(m_log), crlf({a, b, c, d}));
    writeAll(m_log, before);
    QVERIFY(LogRewriter(m_log).Supprime_QSO_Log(b).ok);
    QCOMPARE(readAll(m_log), crlf({a, c}));
    writeAll(m_log, before);
    QVERIFY(LogRewriter(m_log).Remplace_QSO_Log(d, b).ok);
    QCOMPARE(readAll(m_log), crlf({a, d, c}));
}

void TestLogRewriter::noTemporaryFileLeftBehind()
{
    LogRewriter log(m_log);
    QVERIFY(log.Ajoute_QSO_Log(a).ok);
    QVERIFY(log.Insere_QSO_Log(b).ok);
    QVERIFY(log.Remplace_QSO_Log(c, b).ok);
    QVERIFY(log.Supprime_QSO_Log(a).ok);
    const QStringList left = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, QStringList{QStringLiteral("TEST1_ZEL.log")});
}

void TestLogRewriter::mergeAddsNoAbbeyTwiceInAnyCase()
{
    // The log was edited by hand: its reference is in small letters.
    QByteArray edited = a;
    edited.replace(34, 6, "pm0001");
    writeAll(m_log, crlf({edited, c}));
    const QByteArray again = qso("I4DDD", "PM0001", "11/01/07", "10:00");
    LogRewriter::Result r = LogRewriter(m_log).Fusionne_QSO_Log({b, again});
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(QStringLiteral("l'abbaye PM0001 est déjà dans le journal")), qPrintable(r.error));
    QCOMPARE(readAll(m_log), crlf({edited, c}));
    // Twice in what is added, in two cases: refused as well.
    r = LogRewriter(m_log).Fusionne_QSO_Log({b, qso("I4DDD", "lb0001", "15/01/07", "10:00")});
    QVERIFY(!r.ok);
    QCOMPARE(readAll(m_log), crlf({edited, c}));
    // New abbeys go in, in date order.
    QVERIFY(LogRewriter(m_log).Fusionne_QSO_Log({b}).ok);
    QCOMPARE(readAll(m_log), crlf({edited, b, c}));
}

QTEST_GUILESS_MAIN(TestLogRewriter)
#include "tst_logrewriter.moc"
