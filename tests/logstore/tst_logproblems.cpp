// What the operator is told about lines of the log that are not QSO lines as the
// program writes them, and about a log that cannot be read.

#include "app/Harness.h"
#include "app/QsoListModel.h"
#include "logstore/Cp1252.h"
#include "logstore/LogProblems.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "logstore/Settings.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace zeltest;

namespace {

const QByteArray A = qso("I1AAA", "PM0001", "10/01/07", "10:00").line();
const QByteArray Utf8Line = [] {
    Qso q = qso("I2BBB", "LB0001", "14/01/07", "09:05");
    q.name = "J\xC9R\xD4ME";
    q.abbey = "ABBAZIA DI SAN NICOL\xD2";
    // As another program converted it: each accented letter now takes two bytes.
    return Cp1252::decode(q.line()).toUtf8();
}();

struct Opened {
    QTemporaryDir dir;
    QTemporaryDir conf;
    Settings settings{conf.filePath(QStringLiteral("zel.ini"))};
    std::unique_ptr<LogSession> session;

    explicit Opened(const QByteArray &log)
    {
        settings.write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1"));
        writeBytes(dir.filePath(QStringLiteral("TEST1_ZEL.log")), log);
        session = std::make_unique<LogSession>(settings, dir.path());
        session->openStation();
    }
};

} // namespace

class TestLogProblems : public QObject
{
    Q_OBJECT
private slots:
    void notice_data();
    void notice();
    void wholeText();
    void unreadableLog();
    void oneHugeLine();
};

void TestLogProblems::notice_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QString>("numbers"); // empty: no notice
    QTest::addColumn<bool>("utf8");
    QByteArray nul = A;
    nul[20] = '\0';
    QByteArray tab = A;
    tab[100] = '\t';
    QByteArray many;
    for (int i = 0; i < 35; ++i)
        many += "x\r\n";
    QTest::newRow("every line a QSO") << crlf({A, A}) << QString() << false;
    QTest::newRow("a short line") << crlf({A, "short"}) << "ligne(s) 2." << false;
    QTest::newRow("138 bytes with a NUL and a tab") << crlf({nul, A, tab}) << "ligne(s) 1, 3." << false;
    QTest::newRow("converted to UTF-8") << crlf({A, Utf8Line, Utf8Line}) << "ligne(s) 2, 3." << true;
    QTest::newRow("Windows-1252 accents on a long line") << crlf({A + " \xE9t\xE9"}) << "ligne(s) 1." << false;
    QTest::newRow("UTF-8 and something else") << crlf({Utf8Line, A.left(50) + "\xE9"}) << "ligne(s) 1, 2." << false;
    QTest::newRow("35 lines: 30 numbers then ...")
        << many << "ligne(s) 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, "
                   "21, 22, 23, 24, 25, 26, 27, 28, 29, 30, ...." << false;
}

void TestLogProblems::notice()
{
    QFETCH(QByteArray, log);
    QFETCH(QString, numbers);
    QFETCH(bool, utf8);
    Opened o(log);
    const QString text = LogProblems::malformedNotice(*o.session);
    QCOMPARE(LogProblems::readErrorNotice(*o.session), QString());
    if (numbers.isEmpty()) {
        QCOMPARE(text, QString());
        return;
    }
    QVERIFY2(text.contains(numbers), qPrintable(text));
    QVERIFY(text.startsWith(QStringLiteral("Le journal TEST1_ZEL.log contient %1 ligne(s)")
                                .arg(o.session->malformedLines().size())));
    QCOMPARE(text.contains(QStringLiteral("semble être en UTF-8")), utf8);
    QVERIFY(text.endsWith(QStringLiteral("Elles sont affichées dans la liste et conservées telles quelles.")));
}

void TestLogProblems::wholeText()
{
    QCOMPARE(LogProblems::malformedNotice(QStringLiteral("F6ABC_ZEL.log"), {4, 9}, true),
             QStringLiteral("Le journal F6ABC_ZEL.log contient 2 ligne(s) qui ne sont pas des QSO tels que "
                            "KVR_ZEL les écrit (138 caractères, sans caractère de contrôle) : ligne(s) 4, 9."
                            "\r\n\r\nCe fichier semble être en UTF-8 (converti par un autre programme) et non en "
                            "Windows-1252 : ses lettres accentuées y occupent deux caractères, ce qui décale "
                            "les colonnes. Enregistré à nouveau en Windows-1252, il redeviendrait lisible."
                            "\r\n\r\nElles sont affichées dans la liste et conservées telles quelles."));
}

void TestLogProblems::unreadableLog()
{
    // A folder where the log should be cannot be read as a log.
    Opened o{QByteArray()};
    QVERIFY(QFile::remove(o.dir.filePath(QStringLiteral("TEST1_ZEL.log"))));
    QVERIFY(QDir().mkpath(o.dir.filePath(QStringLiteral("TEST1_ZEL.log"))));
    QVERIFY(!o.session->reload());
    const QString text = LogProblems::readErrorNotice(*o.session);
    QVERIFY2(text.startsWith(QStringLiteral("Le journal TEST1_ZEL.log ne peut pas être lu :\r\n")), qPrintable(text));
    QCOMPARE(LogProblems::malformedNotice(*o.session), QString());
}

void TestLogProblems::oneHugeLine()
{
    // A log that is one line of tens of megabytes between two QSOs (a file of another
    // kind opened as the log): it is found malformed and said at once, and the list
    // cuts its columns out of it without decoding it whole, at every cell it paints.
    QByteArray huge(64 * 1024 * 1024, 'x');
    huge[1000] = '\xE9'; // one Windows-1252 letter: the notice does not call it UTF-8
    Opened o{A + "\r\n" + huge + "\r\n" + A + "\r\n"};
    huge.clear();
    QCOMPARE(o.session->lineCount(), 3);
    QCOMPARE(o.session->malformedLines(), QList<int>{2});
    QElapsedTimer timer;
    timer.start();
    const QString notice = LogProblems::malformedNotice(*o.session);
    QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(notice.contains(QStringLiteral("ligne(s) 2.")));
    QVERIFY(!notice.contains(QStringLiteral("UTF-8")));
    QCOMPARE(o.session->line(1).size(), qsizetype(64 * 1024 * 1024));
    QCOMPARE(o.session->text(1), QString(QsoRecord::LogLineLength + 1, QLatin1Char('x')));
    QCOMPARE(o.session->text(0), QString::fromLatin1(A));

    QsoListModel model(*o.session);
    timer.restart();
    for (int pass = 0; pass < 20; ++pass) {
        for (int column = 0; column < QsoListModel::ColumnCount; ++column)
            model.data(model.index(1, column));
    }
    QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(model.data(model.index(1, QsoListModel::ColIndicatif)).toString(), QString(12, QLatin1Char('x')));
    QCOMPARE(model.data(model.index(2, QsoListModel::ColIndicatif)).toString(), QStringLiteral("I1AAA"));
}

QTEST_GUILESS_MAIN(TestLogProblems)
#include "tst_logproblems.moc"
