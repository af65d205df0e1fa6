// The radio as the logbook reads it: Hamlib's dummy radio in-process for the band
// and mode tables, rigctld on the network for the link that is lost and found again,
// and the settings it keeps.

#include "Rigctld.h"

#include "logstore/Settings.h"
#include "radio/RadioConfig.h"
#include "radio/RadioLink.h"
#include "radio/RadioPoller.h"
#include "radio/RadioReading.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeltest;

class RadioLinkTest : public QObject
{
    Q_OBJECT
private slots:
    void dummyRadio_data();
    void dummyRadio();
    void models();
    void networkLostAndFound();
    void probe();
    void settingsRoundTrip();
    void unreadableSettings_data();
    void unreadableSettings();
};

void RadioLinkTest::dummyRadio_data()
{
    QTest::addColumn<qint64>("hertz");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("entryMode");
    QTest::addColumn<QString>("status");

    const QString off = QStringLiteral("fréquence hors des bandes du log, QRG non reprise");
    QTest::newRow("20 m USB") << qint64(14205000) << "USB" << "14 Mhz" << "SSB" << "14,205 MHz USB";
    QTest::newRow("40 m CW") << qint64(7020000) << "CW" << "7.0 Mhz" << "CW" << "7,020 MHz CW";
    QTest::newRow("2 m FM") << qint64(145500000) << "FM" << "144 Mhz" << "FM" << "145,500 MHz FM";
    QTest::newRow("60 m") << qint64(5300000) << "USB" << "" << "SSB" << "5,300 MHz USB (" + off + ")";
    QTest::newRow("160 m low edge") << qint64(1800000) << "LSB" << "1.8 Mhz" << "SSB" << "1,800 MHz LSB";
    QTest::newRow("160 m high edge") << qint64(2000000) << "LSB" << "1.8 Mhz" << "SSB" << "2,000 MHz LSB";
    QTest::newRow("below 160 m") << qint64(1799999) << "LSB" << "" << "SSB" << "1,800 MHz LSB (" + off + ")";
    QTest::newRow("30 m CWR") << qint64(10150000) << "CWR" << "10 Mhz" << "CW" << "10,150 MHz CWR";
    QTest::newRow("above 30 m") << qint64(10150001) << "CW" << "" << "CW" << "10,150 MHz CW (" + off + ")";
    QTest::newRow("17 m") << qint64(18068000) << "USB" << "18 Mhz" << "SSB" << "18,068 MHz USB";
    QTest::newRow("12 m") << qint64(24990000) << "USB" << "24 Mhz" << "SSB" << "24,990 MHz USB";
    QTest::newRow("10 m FMN") << qint64(29700000) << "FMN" << "28 Mhz" << "FM" << "29,700 MHz FMN";
    QTest::newRow("6 m WFM") << qint64(50000000) << "WFM" << "50 Mhz" << "FM" << "50,000 MHz WFM";
    QTest::newRow("70 cm") << qint64(432100000) << "USB" << "432 Mhz" << "SSB" << "432,100 MHz USB";
    QTest::newRow("below 70 cm") << qint64(429999000) << "FM" << "" << "FM" << "429,999 MHz FM (" + off + ")";
    QTest::newRow("data mode") << qint64(14074000) << "PKTUSB" << "14 Mhz" << ""
                               << "14,074 MHz PKTUSB (mode non repris)";
    QTest::newRow("RTTY off band") << qint64(5300000) << "RTTY" << "" << ""
                                   << "5,300 MHz RTTY (" + off + " ; mode non repris)";
}

void RadioLinkTest::dummyRadio()
{
    QFETCH(qint64, hertz);
    QFETCH(QString, mode);
    QFETCH(QString, band);
    QFETCH(QString, entryMode);
    QFETCH(QString, status);

    RadioConfig dummy;
    dummy.enabled = true;
    dummy.link = RadioConfig::Link::Serial;
    dummy.model = 1;
    RadioLink link;
    QCOMPARE(link.open(dummy), QString());
    QCOMPARE(link.tune(double(hertz), mode), QString());
    const RadioReading r = link.read();
    QVERIFY(r.ok);
    QCOMPARE(r.mode, mode);
    QCOMPARE(r.band(), band);
    QCOMPARE(r.entryMode(), entryMode);
    QCOMPARE(r.statusText(), status);
}

void RadioLinkTest::models()
{
    const QList<RadioLink::Model> all = RadioLink::models();
    QVERIFY(all.size() > 100);
    bool dummy = false;
    for (const RadioLink::Model &m : all)
        dummy = dummy || (m.number == 1 && m.maker == QLatin1String("Hamlib") && m.name == QLatin1String("Dummy"));
    QVERIFY(dummy);
}

void RadioLinkTest::networkLostAndFound()
{
    Rigctld rigctld;
    QVERIFY(rigctld.start());
    RadioPoller poller;
    poller.setIntervals(100, 200);
    RadioConfig net;
    net.enabled = true;
    net.host = QStringLiteral("localhost");
    net.port = rigctld.port();
    poller.setConfig(net);
    QTRY_COMPARE(poller.statusText(), QStringLiteral("145,000 MHz FM"));

    QVERIFY(rigctld.tune(14205000, QStringLiteral("USB")));
    QTRY_COMPARE(poller.statusText(), QStringLiteral("14,205 MHz USB"));
    QCOMPARE(poller.latest().band(), QStringLiteral("14 Mhz"));

    // rigctld stopped: said at once, and the window's thread is never held up.
    rigctld.stop();
    QElapsedTimer clock;
    clock.start();
    qint64 longest = 0;
    while (poller.statusText() != RadioReading::Unreachable && clock.elapsed() < 5000) {
        QElapsedTimer turn;
        turn.start();
        QTest::qWait(10);
        longest = qMax(longest, turn.elapsed());
    }
    QCOMPARE(poller.statusText(), RadioReading::Unreachable);
    QVERIFY2(longest < 200, qPrintable(QString::number(longest)));
    QVERIFY(!poller.latest().ok);

    // Back on the same port: found again without being asked (a new dummy radio).
    QVERIFY(rigctld.start());
    QTRY_COMPARE(poller.statusText(), QStringLiteral("145,000 MHz FM"));
    QVERIFY(rigctld.tune(7020000, QStringLiteral("CW")));
    QTRY_COMPARE(poller.statusText(), QStringLiteral("7,020 MHz CW"));

    // Off: nothing read, nothing said.
    net.enabled = false;
    poller.setConfig(net);
    QCOMPARE(poller.statusText(), QString());
    QVERIFY(!poller.latest().ok);
}

void RadioLinkTest::probe()
{
    Rigctld rigctld;
    QVERIFY(rigctld.start());
    QVERIFY(rigctld.tune(7020000, QStringLiteral("CW")));
    RadioPoller poller; // off: "Tester" works before the radio is in use
    QSignalSpy probed(&poller, &RadioPoller::probed);
    RadioConfig net;
    net.port = rigctld.port();
    poller.probe(net);
    QVERIFY(probed.wait(5000));
    QCOMPARE(probed.takeFirst().at(0).value<RadioReading>().testText(), QStringLiteral("7,020 MHz CW"));

    net.port = freePort();
    poller.probe(net);
    QVERIFY(probed.wait(5000));
    const QString why = probed.takeFirst().at(0).value<RadioReading>().testText();
    QVERIFY2(why.startsWith(QStringLiteral("Poste radio non joignable : erreur d'entrée-sortie")), qPrintable(why));
    QVERIFY2(why.contains(QStringLiteral("Hamlib : IO error")), qPrintable(why));
    QCOMPARE(poller.statusText(), QString());
}

void RadioLinkTest::settingsRoundTrip()
{
    QTemporaryDir dir;
    Settings settings(dir.filePath(QStringLiteral("zel.ini")));
    // Nothing stored: off, rigctld on this computer.
    const RadioConfig none = RadioConfig::load(settings);
    QVERIFY(!none.enabled);
    QCOMPARE(none.pathname(), QStringLiteral("localhost:4532"));

    RadioConfig serial;
    serial.enabled = true;
    serial.link = RadioConfig::Link::Serial;
    serial.model = 1035;
    serial.serialPort = QStringLiteral("/dev/ttyUSB0");
    serial.speed = 38400;
    QCOMPARE(serial.save(settings), QString());
    QVERIFY(RadioConfig::load(Settings(dir.filePath(QStringLiteral("zel.ini")))) == serial);
    QCOMPARE(serial.hamlibModel(), 1035);
    RadioConfig net = serial;
    net.link = RadioConfig::Link::Network;
    QCOMPARE(net.hamlibModel(), RadioConfig::NetworkModel);
    // The logbook's own settings are not touched.
    QCOMPARE(settings.read(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("<absent>")),
             QStringLiteral("<absent>"));
}

void RadioLinkTest::unreadableSettings_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("enabled in small letters") << RadioConfig::KeyEnabled << "oui";
    QTest::newRow("model not a number") << RadioConfig::KeyModel << "FT-991";
    QTest::newRow("model zero") << RadioConfig::KeyModel << "0";
    QTest::newRow("unknown link") << RadioConfig::KeyLink << "USB";
    QTest::newRow("port too high") << RadioConfig::KeyPort << "70000";
    QTest::newRow("speed empty") << RadioConfig::KeySpeed << "";
    QTest::newRow("no host") << RadioConfig::KeyHost << "  ";
}

void RadioLinkTest::unreadableSettings()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QTemporaryDir dir;
    Settings settings(dir.filePath(QStringLiteral("zel.ini")));
    RadioConfig on;
    on.enabled = true;
    QCOMPARE(on.save(settings), QString());
    QVERIFY(RadioConfig::load(settings).enabled);
    settings.write(RadioConfig::Section, key, value);
    const RadioConfig read = RadioConfig::load(settings);
    QVERIFY(!read.enabled);
    QVERIFY(read == RadioConfig());
}

QTEST_MAIN(RadioLinkTest)
#include "tst_radiolink.moc"
