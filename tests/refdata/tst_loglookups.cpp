#include "refdata/LogLookups.h"

#include "logstore/Cp1252.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "logstore/Settings.h"

#include "common/LogLines.h"

#include <QDir>
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
    void malformedLinesStillCount_data();
    void malformedLinesStillCount();
    void unreadableLogStopsTheEntry();

private:
    QString write(const QString &name, const QByteArray &content);
    // The session over the log of a station of the test folder.
    std::unique_ptr<LogSession> open(const QString &callsign);

    QTemporaryDir m_dir;
    std::unique_ptr<Settings> m_settings;
    // Stations whose logs the folder holds (MISSING has none).
    const QString m_log = QStringLiteral("F6ZZZ");
    const QString m_empty = QStringLiteral("EMPTY");
    const QString m_missing = QStringLiteral("MISSING");
    const QString m_odd = QStringLiteral("ODD");
};

QString TestLogLookups::write(const QString &name, const QByteArray &content)
{
    const QString path = m_dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(content);
    return path;
}

std::unique_ptr<LogSession> TestLogLookups::open(const QString &callsign)
{
    m_settings->write(Settings::CommonSection, Settings::KeyCallsign, callsign);
    auto session = std::make_unique<LogSession>(*m_settings, m_dir.path());
    session->openStation();
    return session;
}

void TestLogLookups::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_settings = std::make_unique<Settings>(m_dir.filePath(QStringLiteral("zel.ini")));
    const QByteArray content =
        "garbage\r\n" // short line first
        + qso("F6ABC", "LZ0001", "12/03/07").left(37) + "\r\n" // stops inside the reference
        + qso("F6ABC", "LZ0001", "12/03/07") + "\r\n"
        + qso("I2XYZ", "VN0004", "01/04/07") + "\n" // LF only
        + qso("F5AAA", "LZ0001", "30/12/08") + "\r\n" // same abbey again, later
        + qso("EA3BB", "PM0002", "12/04/07").left(45) + "\r\n" // stops inside the date
        + qso("DL1DD", "tc0003", "06/05/07") + "\r\n" // reference edited by hand in small letters
        + qso("G3CC", "XX0001", "05/05/09"); // not an award region, no line end
    write(QStringLiteral("F6ZZZ_ZEL.log"), content);
    write(QStringLiteral("EMPTY_ZEL.log"), QByteArray());

    // Lines that are not QSO lines as the program writes them, each still holding
    // its abbey: converted to UTF-8 (accented first name and abbey name), shifted by
    // a hand edit, and a 138-byte line with a control character.
    QsoRecord accented;
    accented.setField(QsoRecord::Indicatif, QStringLiteral("I2BBB"));
    accented.setField(QsoRecord::Prenom, QString::fromUtf8("JÉRÔME"));
    accented.setField(QsoRecord::Reference, QStringLiteral("LB0001"));
    accented.setField(QsoRecord::Date, QStringLiteral("14/01/07"));
    accented.setField(QsoRecord::Heure, QStringLiteral("09:05"));
    accented.setField(QsoRecord::NomAbbaye, QString::fromUtf8("ABBAZIA DI SAN NICOLÒ"));
    QByteArray control = qso("I3CCC", "TO0007", "02/02/07");
    control[100] = '\x01';
    const QByteArray odd = qso("F6ABC", "PM0001", "10/01/07") + "\r\n"
        + accented.toLogLine().toUtf8() + "\r\n"
        + " " + qso("I4DDD", "VN0004", "01/04/07") + "\r\n"
        + control + "\r\n";
    write(QStringLiteral("ODD_ZEL.log"), odd);
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
    QTest::newRow("small letters in the log") << m_log << "TC0003" << true << "06/05/07";
    QTest::newRow("small letters asked") << m_log << "vn0004" << true << "01/04/07";
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
    const LogLookups::Contact c = LogLookups::Deja_Contacte(*open(log), reference);
    QCOMPARE(c.error, QString());
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
    QTest::newRow("small letters asked") << m_log << "lz" << true;
    QTest::newRow("empty log") << m_empty << "LZ" << false;
    QTest::newRow("missing log") << m_missing << "VE" << false;
}

void TestLogLookups::region()
{
    QFETCH(QString, log);
    QFETCH(QString, code);
    QFETCH(bool, found);
    QCOMPARE(LogLookups::Cherche_Region(*open(log), code).found, found);
}

void TestLogLookups::malformedLinesStillCount_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("date");
    QTest::newRow("a QSO line") << "PM0001" << true << "10/01/07";
    QTest::newRow("a line converted to UTF-8") << "LB0001" << true << "14/01/07";
    QTest::newRow("a line shifted by a hand edit") << "VN0004" << true << "01/04/07";
    QTest::newRow("a line with a control character") << "TO0007" << true << "02/02/07";
    QTest::newRow("an abbey not logged") << "AZ0001" << false << "";
}

void TestLogLookups::malformedLinesStillCount()
{
    QFETCH(QString, reference);
    QFETCH(bool, found);
    QFETCH(QString, date);
    const std::unique_ptr<LogSession> odd = open(m_odd);
    const LogSession &session = *odd;
    QCOMPARE(session.lineCount(), 4);
    const LogLookups::Contact c = LogLookups::Deja_Contacte(session, reference);
    QCOMPARE(c.error, QString());
    QCOMPARE(c.found, found);
    QCOMPARE(c.date, date);
    const QString code = reference.left(2);
    QCOMPARE(LogLookups::Cherche_Region(session, code).found, found);
    if (code == QLatin1String("VN"))
        QVERIFY(LogLookups::Cherche_Region(session, QStringLiteral("VE")).found);
}

void TestLogLookups::unreadableLogStopsTheEntry()
{
    // A folder where the log should be: it cannot be read, and "not contacted"
    // would be a guess.
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("BAD_ZEL.log"))));
    Settings settings(dir.filePath(QStringLiteral("bad.ini")));
    settings.write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("BAD"));
    LogSession session(settings, dir.path());
    session.openStation();
    const LogLookups::Contact c = LogLookups::Deja_Contacte(session, QStringLiteral("PM0001"));
    QVERIFY(!c.found);
    QVERIFY2(c.error.startsWith(QStringLiteral("Le journal BAD_ZEL.log n'a pas pu être lu")), qPrintable(c.error));
    QVERIFY(c.error.contains(QStringLiteral("la saisie est arrêtée")));
    QVERIFY(!LogLookups::Cherche_Region(session, QStringLiteral("PM")).error.isEmpty());
}

QTEST_GUILESS_MAIN(TestLogLookups)
#include "tst_loglookups.moc"
