// Choosing a station whose callsign the settings cannot store: it must not look
// chosen, neither now nor at the next start.

#include "app/Harness.h"
#include "logstore/Faults.h"
#include "logstore/Settings.h"
#include "station/StationService.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace zeltest;

class TestStationService : public QObject
{
    Q_OBJECT
private slots:
    void unstorableCallsign_data();
    void unstorableCallsign();
};

void TestStationService::unstorableCallsign_data()
{
    QTest::addColumn<bool>("existing");
    QTest::newRow("new station") << false;
    QTest::newRow("existing station") << true;
}

void TestStationService::unstorableCallsign()
{
    QFETCH(bool, existing);
    QTemporaryDir dir;
    QTemporaryDir conf;
    const QString ini = conf.filePath(QStringLiteral("zel.ini"));
    Settings(ini).write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("TEST1"));
    const QString log2 = dir.filePath(QStringLiteral("TEST2_ZEL.log"));
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("FXXXX.txt")), QByteArray()));
    if (existing)
        QVERIFY(writeBytes(log2, crlf({qso("I1AAA", "PM0001", "10/01/07", "10:00").line()})));
    const QByteArray settingsBefore = readBytes(ini);
    // The settings file is read-only for the operator (root would write it anyway:
    // a child that is not root does the validation).
    QVERIFY(QFile::setPermissions(ini, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    openToAll(dir.path());
    openToAll(conf.path());
    int status = 0;
    const QByteArray said = inChild(notRoot(), [&] {
        Settings settings(ini);
        const StationService::Result r = StationService(settings, dir.path()).validate(QStringLiteral("test2"));
        // The store in memory must not hold the callsign either.
        return QByteArray(r.ok ? "ok" : "refused") + '\n' + settings.stationCallsign().toUtf8() + '\n'
            + r.message.toUtf8();
    }, &status);
    if (couldNotDropRoot(status))
        QSKIP("root cannot become another user here");
    const QStringList parts = QString::fromUtf8(said).split(QLatin1Char('\n'));
    QCOMPARE(parts.value(0), QStringLiteral("refused"));
    QCOMPARE(parts.value(1), QStringLiteral("TEST1"));
    const QString message = parts.mid(2).join(QLatin1Char('\n'));
    QVERIFY2(message.startsWith(QStringLiteral("L'indicatif TEST2 n'a pas pu être enregistré :")), qPrintable(message));
    QVERIFY(message.contains(QStringLiteral("protégé en écriture")));
    QVERIFY(message.endsWith(QStringLiteral("La station courante reste inchangée.")));
    QCOMPARE(readBytes(ini), settingsBefore);
    // A new station's log made for nothing is taken back; an existing one is untouched.
    QCOMPARE(QFile::exists(log2), existing);
}

QTEST_GUILESS_MAIN(TestStationService)
#include "tst_stationservice.moc"
