#include "refdata/LogLookups.h"

#include "logstore/Cp1252.h"
#include "logstore/QsoRecord.h"

#include "common/LogLines.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray qso(const char *callsign, const char *reference, const char *date)
{
    zeltest::Qso q = zeltest::qso(callsign, reference, date, "10:00");
    q.abbey = "ABBAZIA DI SAN NICOL\xD2";
    return q.line();
}

} // namespace

class TestLogLookups : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void alreadyContacted_data();
    void alreadyContacted();
    void region_data();
    void region();

private:
    QString write(const QString &name, const QByteArray &content);

    QTemporaryDir m_dir;
    QString m_log;
    QString m_empty;
    QString m_missing;
};

QString TestLogLookups::write(const QString &name, const QByteArray &content)
{
    const QString path = m_dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(content);
    return path;
}

void TestLogLookups::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QByteArray content =
        "garbage\r\n" // short line first
        + qso("F6ABC", "LZ0001", "12/03/07").left(37) + "\r\n" // stops inside the reference
        + qso("F6ABC", "LZ0001", "12/03/07") + "\r\n"
        + qso("I2XYZ", "VN0004", "01/04/07") + "\n" // LF only
        + qso("F5AAA", "LZ0001", "30/12/08") + "\r\n" // same abbey again, later
        + qso("EA3BB", "PM0002", "12/04/07").left(45) + "\r\n" // stops inside the date
        + qso("G3CC", "XX0001", "05/05/09"); // not an award region, no line end
    m_log = write(QStringLiteral("F6ZZZ_ZEL.log"), content);
    m_empty = write(QStringLiteral("empty_ZEL.log"), QByteArray());
    m_missing = m_dir.filePath(QStringLiteral("missing_ZEL.log"));
}

void TestLogLookups::alreadyContacted_data()
{
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("date");
    QTest::newRow("twice: first QSO's date") << m_log << "LZ0001" << true << "12/03/07";
    QTest::newRow("LF-only line") << m_log << "VN0004" << true << "01/04/07";
    QTest::newRow("line cut inside the date") << m_log << "PM0002" << true << "12/0";
    QTest::newRow("last line without line end") << m_log << "XX0001" << true << "05/05/09";
    QTest::newRow("never contacted") << m_log << "LZ0002" << false << "";
    QTest::newRow("part of a reference") << m_log << "LZ000" << false << "";
    QTest::newRow("other Veneto code") << m_log << "VE0004" << false << "";
    QTest::newRow("empty log") << m_empty << "LZ0001" << false << "";
    QTest::newRow("missing log") << m_missing << "LZ0001" << false << "";
}

void TestLogLookups::alreadyContacted()
{
    QFETCH(QString, log);
    QFETCH(QString, reference);
    QFETCH(bool, found);
    QFETCH(QString, date);
    const LogLookups::Contact c = LogLookups::Deja_Contacte(log, reference);
    QCOMPARE(c.found, found);
    QCOMPARE(c.date, date);
}

void TestLogLookups::region_data()
{
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("found");
    QTest::newRow("region in the log") << m_log << "LZ" << true;
    QTest::newRow("VN logged, VE asked") << m_log << "VE" << true;
    QTest::newRow("VN logged, VN asked") << m_log << "VN" << true;
    QTest::newRow("region only on a cut line") << m_log << "PM" << true;
    QTest::newRow("code outside the table, equal") << m_log << "XX" << true;
    QTest::newRow("new region") << m_log << "AZ" << false;
    QTest::newRow("case matters") << m_log << "lz" << false;
    QTest::newRow("empty log") << m_empty << "LZ" << false;
    QTest::newRow("missing log") << m_missing << "VE" << false;
}

void TestLogLookups::region()
{
    QFETCH(QString, log);
    QFETCH(QString, code);
    QFETCH(bool, found);
    QCOMPARE(LogLookups::Cherche_Region(log, code), found);
}

QTEST_APPLESS_MAIN(TestLogLookups)
#include "tst_loglookups.moc"
