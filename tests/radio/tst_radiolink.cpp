// The radio as the logbook reads it, through a fake radio in the test's process:
// what a reading shows, soft failures tried again before the radio is called lost,
// silence, garbage, a radio without a mode, tuning; rigctld's answers cut into
// replies; the list of models; the settings it keeps.

#include "FakeRadio.h"

#include "logstore/Settings.h"
#include "radio/RadioConfig.h"
#include "radio/RadioLink.h"
#include "radio/RadioModels.h"
#include "radio/RadioPoller.h"
#include "radio/RadioReading.h"
#include "radio/RigctldClient.h"
#include "radio/RigctldReader.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace zeltest;
using Op = RadioRequest::Op;
using Does = FakeRadio::Does;

namespace {

// A poller reading a fake radio; the fake stays the test's to script.
struct Polled
{
    explicit Polled(int softTries = 3)
    {
        poller.setFactory([this](const RadioConfig &) {
            auto f = std::make_unique<FakeRadio>();
            f->hertz = startHertz;
            f->mode = startMode;
            if (prepare)
                prepare(*f);
            fake = f.get();
            return f;
        });
        RadioLink::Timing t;
        t.pollMs = 1;
        t.retryMs = 1;
        // Long enough that a loaded machine never turns a prompt answer into a timeout.
        t.answerMs = 1000;
        t.softTries = softTries;
        poller.setTiming(t);
    }

    void start()
    {
        RadioConfig c;
        c.enabled = true;
        poller.setConfig(c);
    }

    qint64 startHertz = 14205000;
    QString startMode = QStringLiteral("USB");
    std::function<void(FakeRadio &)> prepare;
    RadioPoller poller;
    FakeRadio *fake = nullptr;
};

// Every status the poller shows, in order, without repeats.
struct Statuses
{
    explicit Statuses(RadioPoller &poller)
    {
        QObject::connect(&poller, &RadioPoller::changed, &poller, [this, &poller] {
            const QString s = poller.statusText();
            if (seen.isEmpty() || seen.last() != s)
                seen << s;
        });
    }
    QStringList seen;
};

} // namespace

class RadioLinkTest : public QObject
{
    Q_OBJECT
private slots:
    void whatAReadingShows_data();
    void whatAReadingShows();
    void softFailuresThenRecovery();
    void lostAtOnceWhenNothingListens();
    void silenceIsATimeout();
    void garbageIsRefused_data();
    void garbageIsRefused();
    void radioWithoutAMode();
    void tune_data();
    void tune();
    void tuneFailsOrRadioOff();
    void probeTriesOnce();
    void readerCutsReplies();
    void readerRefusesGarbage_data();
    void readerRefusesGarbage();
    void commands();
    void modelList();
    void settingsRoundTrip();
    void unreadableSettings_data();
    void unreadableSettings();
};

void RadioLinkTest::whatAReadingShows_data()
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
    QTest::newRow("60 m") << qint64(5354000) << "USB" << "" << "SSB" << "5,354 MHz USB (" + off + ")";
    QTest::newRow("160 m low edge") << qint64(1800000) << "LSB" << "1.8 Mhz" << "SSB" << "1,800 MHz LSB";
    QTest::newRow("160 m high edge") << qint64(2000000) << "LSB" << "1.8 Mhz" << "SSB" << "2,000 MHz LSB";
    QTest::newRow("below 160 m") << qint64(1799999) << "LSB" << "" << "SSB" << "1,800 MHz LSB (" + off + ")";
    QTest::newRow("30 m CWR") << qint64(10150000) << "CWR" << "10 Mhz" << "CW" << "10,150 MHz CWR";
    QTest::newRow("above 30 m") << qint64(10150001) << "CW" << "" << "CW" << "10,150 MHz CW (" + off + ")";
    QTest::newRow("10 m FMN") << qint64(29700000) << "FMN" << "28 Mhz" << "FM" << "29,700 MHz FMN";
    QTest::newRow("6 m WFM") << qint64(50000000) << "WFM" << "50 Mhz" << "FM" << "50,000 MHz WFM";
    // 70 cm is ADIF's 420-450 MHz, the log's "432 Mhz", as everywhere in the logbook.
    QTest::newRow("70 cm low") << qint64(420000000) << "FM" << "432 Mhz" << "FM" << "420,000 MHz FM";
    QTest::newRow("70 cm high") << qint64(450000000) << "USB" << "432 Mhz" << "SSB" << "450,000 MHz USB";
    QTest::newRow("below 70 cm") << qint64(419999000) << "FM" << "" << "FM" << "419,999 MHz FM (" + off + ")";
    QTest::newRow("data mode") << qint64(14074000) << "PKTUSB" << "14 Mhz" << ""
                               << "14,074 MHz PKTUSB (mode non repris)";
    QTest::newRow("RTTY off band") << qint64(5300000) << "RTTY" << "" << ""
                                   << "5,300 MHz RTTY (" + off + " ; mode non repris)";
}

void RadioLinkTest::whatAReadingShows()
{
    QFETCH(qint64, hertz);
    QFETCH(QString, mode);
    QFETCH(QString, band);
    QFETCH(QString, entryMode);
    QFETCH(QString, status);

    Polled p;
    p.startHertz = hertz;
    p.startMode = mode;
    QCOMPARE(p.poller.statusText(), QString());
    p.start();
    QCOMPARE(p.poller.statusText(), QStringLiteral("connexion au poste radio…"));
    QTRY_VERIFY(p.poller.latest().ok);
    const RadioReading r = p.poller.latest();
    QCOMPARE(r.hertz, double(hertz));
    QCOMPARE(r.mode, mode);
    QCOMPARE(r.band(), band);
    QCOMPARE(r.entryMode(), entryMode);
    QCOMPARE(p.poller.statusText(), status);
    QCOMPARE(r.testText(), status);
}

void RadioLinkTest::softFailuresThenRecovery()
{
    Polled p;
    Statuses statuses(p.poller);
    p.start();
    QTRY_COMPARE(p.poller.statusText(), QStringLiteral("14,205 MHz USB"));

    // Two soft failures in a row, of either read: tried again, the reading stands.
    p.fake->script(Op::ReadFrequency, {{Does::TimeOut, {}}});
    p.fake->script(Op::ReadMode, {{Does::FailSoftly, {}}});
    p.fake->mode = QStringLiteral("LSB");
    QTRY_COMPARE(p.poller.statusText(), QStringLiteral("14,205 MHz LSB"));
    QCOMPARE(statuses.seen, QStringList({"connexion au poste radio…", "14,205 MHz USB", "14,205 MHz LSB"}));

    // Three in a row: lost, and said so once.
    const int before = p.fake->abandoned;
    QString why;
    QObject::connect(&p.poller, &RadioPoller::changed, &p.poller, [&](const RadioReading &r) {
        if (!r.ok)
            why = r.error;
    });
    p.fake->script(Op::ReadFrequency, {{Does::TimeOut, {}}, {Does::FailSoftly, {}}, {Does::TimeOut, {}}});
    QTRY_VERIFY(statuses.seen.contains(RadioReading::unreachable()));
    QCOMPARE(statuses.seen.mid(2, 2), QStringList({"14,205 MHz LSB", RadioReading::unreachable()}));
    QCOMPARE(why, QStringLiteral("le poste ne répond pas (délai dépassé)"));
    QVERIFY(p.fake->abandoned > before); // the connection is opened afresh
    // ... until it answers again, without being asked.
    p.fake->hertz = 7020000;
    p.fake->mode = QStringLiteral("CW");
    QTRY_COMPARE(p.poller.statusText(), QStringLiteral("7,020 MHz CW"));
    QCOMPARE(statuses.seen.count(RadioReading::unreachable()), 1);
}

void RadioLinkTest::lostAtOnceWhenNothingListens()
{
    Polled p;
    Statuses statuses(p.poller);
    p.start();
    QTRY_VERIFY(p.poller.latest().ok);
    p.fake->script(Op::ReadFrequency, {{Does::Lose, {}}});
    QTRY_COMPARE(statuses.seen.size(), 4);
    QCOMPARE(statuses.seen, QStringList({"connexion au poste radio…", "14,205 MHz USB", RadioReading::unreachable(),
                                         "14,205 MHz USB"}));
}

void RadioLinkTest::silenceIsATimeout()
{
    // A radio that never answers: each wait ends, and the request is abandoned so
    // that a late answer is never taken for the next one's.
    Polled p;
    p.start();
    QTRY_VERIFY(p.poller.latest().ok);
    p.fake->always(Op::ReadFrequency, Does::Silence);
    const int asked = p.fake->count(Op::ReadFrequency);
    const int abandoned = p.fake->abandoned;
    QTRY_COMPARE(p.poller.statusText(), RadioReading::unreachable());
    QVERIFY(p.fake->count(Op::ReadFrequency) >= asked + 3);
    QVERIFY(p.fake->abandoned >= abandoned + 3);
    p.fake->answerAll();
    QTRY_COMPARE(p.poller.statusText(), QStringLiteral("14,205 MHz USB"));
}

void RadioLinkTest::garbageIsRefused_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<QString>("value");
    const int f = int(Op::ReadFrequency);
    const int m = int(Op::ReadMode);
    QTest::newRow("not a number") << f << "quatorze";
    QTest::newRow("empty") << f << "";
    QTest::newRow("negative") << f << "-14205000";
    QTest::newRow("beyond 10 GHz") << f << "10000000001";
    QTest::newRow("nan") << f << "nan";
    QTest::newRow("inf") << f << "inf";
    QTest::newRow("number then text") << f << "14205000 Hz";
    QTest::newRow("mode empty") << m << "";
    QTest::newRow("mode in small letters") << m << "usb";
    QTest::newRow("mode too long") << m << QString(17, 'U');
    QTest::newRow("mode with blanks") << m << "U SB";
}

void RadioLinkTest::garbageIsRefused()
{
    QFETCH(int, op);
    QFETCH(QString, value);
    Polled p;
    p.start();
    QTRY_COMPARE(p.poller.statusText(), QStringLiteral("14,205 MHz USB"));
    p.fake->always(Op(op), Does::Garbage);
    p.fake->script(Op(op), {{Does::Garbage, value}, {Does::Garbage, value}, {Does::Garbage, value}});
    p.fake->hertz = 7020000; // what a sane answer would have said
    QTRY_COMPARE(p.poller.statusText(), RadioReading::unreachable());
    QVERIFY(p.poller.latest().error.contains(QStringLiteral("incompris")));
    QVERIFY(p.fake->abandoned > 0);
    p.fake->answerAll();
    QTRY_COMPARE(p.poller.statusText(), QStringLiteral("7,020 MHz USB"));
}

void RadioLinkTest::radioWithoutAMode()
{
    Polled p;
    p.startHertz = 7020000;
    p.fake = nullptr;
    p.start();
    p.fake->always(Op::ReadMode, Does::NotAvailable);
    QTRY_VERIFY(p.poller.latest().ok);
    QCOMPARE(p.poller.latest().band(), QStringLiteral("7.0 Mhz"));
    QCOMPARE(p.poller.latest().entryMode(), QString());
    QCOMPARE(p.poller.statusText(), QStringLiteral("7,020 MHz (mode non repris)"));
    // Not asked again: the frequency alone keeps coming.
    const int modes = p.fake->count(Op::ReadMode);
    QCOMPARE(modes, 1);
    p.fake->hertz = 14205000;
    QTRY_COMPARE(p.poller.latest().band(), QStringLiteral("14 Mhz"));
    QCOMPARE(p.fake->count(Op::ReadMode), modes);
}

void RadioLinkTest::tune_data()
{
    QTest::addColumn<qint64>("hertz");
    QTest::addColumn<QString>("logMode");
    QTest::addColumn<QString>("radioMode");
    QTest::newRow("SSB below 10 MHz") << qint64(7150000) << "SSB" << "LSB";
    QTest::newRow("SSB from 10 MHz") << qint64(14250000) << "SSB" << "USB";
    QTest::newRow("CW") << qint64(10116000) << "CW" << "CW";
    QTest::newRow("FM") << qint64(145500000) << "FM" << "FM";
    QTest::newRow("other mode: frequency only") << qint64(28500000) << "AM" << "";
}

void RadioLinkTest::tune()
{
    QFETCH(qint64, hertz);
    QFETCH(QString, logMode);
    QFETCH(QString, radioMode);
    Polled p;
    p.startMode = QStringLiteral("PKTUSB");
    p.start();
    QTRY_VERIFY(p.poller.latest().ok);
    QStringList results;
    p.poller.tune(hertz, logMode, [&](const QString &error) { results << error; });
    QTRY_COMPARE(results, QStringList({QString()}));
    // F, then M when there is a mode to set, then the radio read back.
    QList<Op> sets;
    for (const RadioRequest &r : p.fake->asked) {
        if (r.op == Op::SetFrequency || r.op == Op::SetMode)
            sets << r.op;
    }
    QCOMPARE(sets.size(), radioMode.isEmpty() ? 1 : 2);
    QCOMPARE(sets.first(), Op::SetFrequency);
    QCOMPARE(p.fake->hertz, hertz);
    QCOMPARE(p.fake->mode, radioMode.isEmpty() ? QStringLiteral("PKTUSB") : radioMode);
    QTRY_COMPARE(p.poller.latest().hertz, double(hertz));
    QCOMPARE(p.poller.latest().mode, p.fake->mode);
}

void RadioLinkTest::tuneFailsOrRadioOff()
{
    RadioPoller off;
    QStringList results;
    off.tune(14205000, QStringLiteral("SSB"), [&](const QString &error) { results << error; });
    QVERIFY(results.isEmpty()); // answered later, as a radio would
    QTRY_COMPARE(results, QStringList({QStringLiteral("le poste radio n'est pas utilisé")}));

    Polled p;
    p.start();
    QTRY_VERIFY(p.poller.latest().ok);
    results.clear();
    p.fake->script(Op::SetMode, {{Does::FailSoftly, {}}});
    p.poller.tune(7020000, QStringLiteral("CW"), [&](const QString &error) { results << error; });
    QTRY_COMPARE(results, QStringList({QStringLiteral("commande refusée par le poste")}));
    QCOMPARE(p.fake->hertz, 7020000);
    QCOMPARE(p.fake->mode, QStringLiteral("USB"));

    // Asked while a reading waits on a silent radio: done after it, never lost.
    results.clear();
    p.fake->script(Op::ReadFrequency, {{Does::Silence, {}}});
    p.poller.tune(21300000, QStringLiteral("SSB"), [&](const QString &error) { results << error; });
    QTRY_COMPARE(results, QStringList({QString()}));
    QCOMPARE(p.fake->hertz, 21300000);
    QTRY_COMPARE(p.poller.statusText(), QStringLiteral("21,300 MHz USB"));
}

void RadioLinkTest::probeTriesOnce()
{
    // "Tester" with the radio off: one request, its failure said at once.
    Polled p;
    QSignalSpy probed(&p.poller, &RadioPoller::probed);
    RadioConfig c;
    p.poller.probe(c);
    QVERIFY(probed.wait());
    QCOMPARE(probed.takeFirst().at(0).value<RadioReading>().testText(), QStringLiteral("14,205 MHz USB"));
    p.prepare = [](FakeRadio &f) { f.script(Op::ReadFrequency, {{Does::TimeOut, {}}}); };
    p.poller.probe(c);
    QVERIFY(probed.wait());
    QCOMPARE(probed.takeFirst().at(0).value<RadioReading>().testText(),
             RadioReading::unreachable() + QStringLiteral(" : le poste ne répond pas (délai dépassé)"));
    QCOMPARE(p.fake->count(Op::ReadFrequency), 1);
    QCOMPARE(p.poller.statusText(), QString());
}

void RadioLinkTest::readerCutsReplies()
{
    const QByteArray stream = "get_freq:\nFrequency: 14205000\nRPRT 0\n"
                              "get_mode:\r\nMode: USB\r\nPassband: 2400\r\nRPRT 0\r\n"
                              "set_freq: 7020000\nRPRT -11\n";
    // However the bytes are cut on their way, the same three replies come out.
    for (int cut = 0; cut <= stream.size(); ++cut) {
        RigctldReader reader;
        QList<RigctldReader::Reply> replies = reader.feed(QByteArrayView(stream).first(cut));
        replies += reader.feed(QByteArrayView(stream).sliced(cut));
        QCOMPARE(replies.size(), 3);
        QCOMPARE(replies.at(0).values, QStringList({"14205000"}));
        QCOMPARE(replies.at(0).code, 0);
        QCOMPARE(replies.at(1).values, QStringList({"USB", "2400"}));
        QCOMPARE(replies.at(2).values, QStringList());
        QCOMPARE(replies.at(2).code, -11);
        QVERIFY(!replies.at(2).garbage);
    }
    QVERIFY(RigctldReader::unavailable(-11));
    QVERIFY(RigctldReader::unavailable(-4));
    QVERIFY(!RigctldReader::unavailable(-5));
    QCOMPARE(RigctldReader::errorText(-5), QStringLiteral("le poste ne répond pas (délai dépassé)"));
}

void RadioLinkTest::readerRefusesGarbage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("no colon") << QByteArray("hello\n");
    QTest::newRow("RPRT without a number") << QByteArray("get_freq:\nRPRT x\n");
    QTest::newRow("control bytes") << QByteArray("get_freq:\nFrequency: 14\x01" "205000\nRPRT 0\n");
    QTest::newRow("latin-1 byte") << QByteArray("get_mode:\nMode: \xe9t\xe9\nRPRT 0\n");
    QTest::newRow("line too long, unfinished") << QByteArray(RigctldReader::MaxLine + 1, 'x');
    QTest::newRow("line too long") << QByteArray("get_freq:\nFrequency: ") + QByteArray(100000, '1') + "\nRPRT 0\n";
    QTest::newRow("lines without end") << QByteArray("get_freq:\n") + QByteArray("a: b\n").repeated(50);
}

void RadioLinkTest::readerRefusesGarbage()
{
    QFETCH(QByteArray, bytes);
    RigctldReader reader;
    QList<RigctldReader::Reply> replies;
    // Fed in small pieces, as a socket may give them.
    for (qsizetype at = 0; at < bytes.size(); at += 7)
        replies += reader.feed(QByteArrayView(bytes).sliced(at, qMin<qsizetype>(7, bytes.size() - at)));
    QCOMPARE(replies.size(), 1);
    QVERIFY(replies.first().garbage);
    QVERIFY(reader.broken());
    // Nothing more is taken until the connection starts again.
    QVERIFY(reader.feed("get_freq:\nFrequency: 1\nRPRT 0\n").isEmpty());
    reader.reset();
    const QList<RigctldReader::Reply> after = reader.feed("get_freq:\nFrequency: 1\nRPRT 0\n");
    QCOMPARE(after.size(), 1);
    QVERIFY(!after.first().garbage);
}

void RadioLinkTest::commands()
{
    QCOMPARE(RigctldClient::command({Op::ReadFrequency, 0, {}}), QByteArray("+f\n"));
    QCOMPARE(RigctldClient::command({Op::ReadMode, 0, {}}), QByteArray("+m\n"));
    QCOMPARE(RigctldClient::command({Op::SetFrequency, 14205000, {}}), QByteArray("+F 14205000\n"));
    QCOMPARE(RigctldClient::command({Op::SetMode, 0, QStringLiteral("LSB")}), QByteArray("+M LSB -1\n"));
    // What rigctld would misread is never sent.
    QCOMPARE(RigctldClient::command({Op::SetMode, 0, QStringLiteral("USB\n+F 1")}), QByteArray());
    QCOMPARE(RigctldClient::command({Op::SetMode, 0, QString()}), QByteArray());
    QCOMPARE(RigctldClient::command({Op::SetFrequency, -5, {}}), QByteArray());
}

void RadioLinkTest::modelList()
{
    const QByteArray listing =
        " Rig #  Mfg                    Model                   Version         Status      Macro\n"
        "     1  Hamlib                 Dummy                   20221128.0      Stable      RIG_MODEL_DUMMY\n"
        "     2  Hamlib                 NET rigctl              20230106.0      Stable      RIG_MODEL_NETRIGCTL\n"
        "  1035  Yaesu                  FT-991                  20220525.0      Stable      RIG_MODEL_FT991\n"
        "  3073  Icom                   IC-7300                 20220617.0      Stable      RIG_MODEL_IC7300\n"
        "garbage line\n"
        "  abcd  Icom                   IC-7610\n"
        "  3081  Icom\n"
        "\n";
    const QList<RadioModel> models = RadioModels::parse(listing);
    QCOMPARE(models.size(), 4);
    QCOMPARE(models.at(0), RadioModels::dummy());
    QCOMPARE(models.at(1).name, QStringLiteral("NET rigctl"));
    QVERIFY(!models.at(1).needsPort);
    QCOMPARE(models.at(2), (RadioModel{3073, QStringLiteral("Icom"), QStringLiteral("IC-7300"), true}));
    QCOMPARE(models.at(3), (RadioModel{1035, QStringLiteral("Yaesu"), QStringLiteral("FT-991"), true}));
    // No table at all (rigctl missing or changed): the dummy radio stays selectable.
    QCOMPARE(RadioModels::parse("rigctl: command not found\n"), QList<RadioModel>({RadioModels::dummy()}));
    QCOMPARE(RadioModels::parse(QByteArray(100000, '\n')), QList<RadioModel>({RadioModels::dummy()}));

    // The real list, read without blocking.
    RadioModels loader;
    QSignalSpy loaded(&loader, &RadioModels::loaded);
    loader.load();
    QVERIFY(loaded.wait(20000));
    const QList<RadioModel> real = loaded.first().at(0).value<QList<RadioModel>>();
    QCOMPARE(loaded.first().at(1).toString(), QString());
    QVERIFY(real.size() > 100);
    QVERIFY(real.contains(RadioModels::dummy()));
}

void RadioLinkTest::settingsRoundTrip()
{
    QTemporaryDir dir;
    Settings settings(dir.filePath(QStringLiteral("zel.ini")));
    // Nothing stored: off, rigctld on this computer.
    const RadioConfig none = RadioConfig::load(settings);
    QVERIFY(!none.enabled);
    QCOMPARE(none.host, QStringLiteral("localhost"));
    QCOMPARE(none.port, 4532);

    RadioConfig serial;
    serial.enabled = true;
    serial.link = RadioConfig::Link::Serial;
    serial.model = 1035;
    serial.serialPort = QStringLiteral("/dev/ttyUSB0");
    serial.speed = 38400;
    QCOMPARE(serial.save(settings), QString());
    QVERIFY(RadioConfig::load(Settings(dir.filePath(QStringLiteral("zel.ini")))) == serial);
    // The keys and values as they have always been stored.
    QCOMPARE(settings.read(RadioConfig::Section, RadioConfig::KeyLink, {}), QStringLiteral("Serie"));
    QCOMPARE(settings.read(RadioConfig::Section, RadioConfig::KeyEnabled, {}), QStringLiteral("Oui"));
    QCOMPARE(settings.read(RadioConfig::Section, RadioConfig::KeyModel, {}), QStringLiteral("1035"));
    QCOMPARE(settings.read(RadioConfig::Section, RadioConfig::KeySerialPort, {}), QStringLiteral("/dev/ttyUSB0"));
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
