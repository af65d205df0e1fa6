// The radio through Hamlib's own rigctld, as the program meets it: a rigctld the
// operator runs (lost and found again, tuned and read back), one the program starts
// for a serial radio and stops again, and servers that answer garbage or nothing.

#include "Rigctld.h"

#include "radio/RadioConfig.h"
#include "radio/RadioPoller.h"
#include "radio/RadioReading.h"
#include "radio/RigctldClient.h"
#include "radio/RigctldProcess.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

using namespace zeltest;

namespace {

RadioConfig network(int port)
{
    RadioConfig c;
    c.enabled = true;
    c.host = QStringLiteral("localhost");
    c.port = port;
    return c;
}

// Whether a process runs (a zombie, ended but not yet reaped, does not).
bool alive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray s = stat.readAll();
    const qsizetype close = s.lastIndexOf(')');
    return close > 0 && s.size() > close + 2 && s.at(close + 2) != 'Z';
}

// A TCP server on 127.0.0.1 that says what the test wants, or nothing at all.
class FakeServer : public QObject
{
public:
    explicit FakeServer(std::function<QByteArray(const QByteArray &line)> answer) : m_answer(std::move(answer))
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_server.nextPendingConnection()) {
                ++connections;
                sockets << s;
                connect(s, &QTcpSocket::disconnected, this, [this] { ++disconnections; });
                connect(s, &QTcpSocket::readyRead, this, [this, s] {
                    while (s->canReadLine()) {
                        const QByteArray line = s->readLine().trimmed();
                        received << line;
                        if (m_answer)
                            s->write(m_answer(line));
                    }
                });
            }
        });
    }
    int port() const { return m_server.serverPort(); }

    int connections = 0;
    int disconnections = 0;
    QList<QByteArray> received;
    QList<QPointer<QTcpSocket>> sockets;

private:
    QTcpServer m_server;
    std::function<QByteArray(const QByteArray &)> m_answer;
};

} // namespace

class RigctldTest : public QObject
{
    Q_OBJECT
private slots:
    void networkLostAndFound();
    void tunedAndReadBack();
    void probe();
    void serialRadioGetsItsOwnRigctld();
    void rigctldMissing();
    void stopNeverWaits();
    void silentRadio();
    void garbageAndLongLines();
};

void RigctldTest::networkLostAndFound()
{
    Rigctld rigctld;
    QVERIFY(rigctld.start());
    RadioPoller poller;
    poller.setIntervals(50, 100);
    poller.setConfig(network(rigctld.port()));
    QCOMPARE(poller.statusText(), QStringLiteral("connexion au poste radio…"));
    QTRY_COMPARE(poller.statusText(), QStringLiteral("145,000 MHz FM"));

    QVERIFY(rigctld.tune(14205000, QStringLiteral("USB")));
    QTRY_COMPARE(poller.statusText(), QStringLiteral("14,205 MHz USB"));
    QCOMPARE(poller.latest().band(), QStringLiteral("14 Mhz"));

    // rigctld stopped: nothing listens, said without waiting for more tries.
    rigctld.stop();
    QTRY_COMPARE(poller.statusText(), RadioReading::unreachable());
    QVERIFY(!poller.latest().ok);
    QVERIFY2(poller.latest().error.contains(QStringLiteral("rigctld")), qPrintable(poller.latest().error));

    // Back on the same port: found again without being asked (a new dummy radio).
    QVERIFY(rigctld.start(true));
    QTRY_COMPARE(poller.statusText(), QStringLiteral("145,000 MHz FM"));
    QVERIFY(rigctld.tune(7020000, QStringLiteral("CW")));
    QTRY_COMPARE(poller.statusText(), QStringLiteral("7,020 MHz CW"));

    // Off: nothing read, nothing said.
    RadioConfig off = network(rigctld.port());
    off.enabled = false;
    poller.setConfig(off);
    QCOMPARE(poller.statusText(), QString());
    QVERIFY(!poller.latest().ok);
}

void RigctldTest::tunedAndReadBack()
{
    Rigctld rigctld;
    QVERIFY(rigctld.start());
    QVERIFY(rigctld.set({QStringLiteral("M"), QStringLiteral("CW"), QStringLiteral("500")}));
    RadioPoller poller;
    poller.setIntervals(50, 100);
    poller.setConfig(network(rigctld.port()));
    QTRY_VERIFY(poller.latest().ok);

    QStringList results;
    poller.tune(7150000, QStringLiteral("SSB"), [&](const QString &error) { results << error; });
    QTRY_COMPARE(results, QStringList({QString()}));
    QTRY_COMPARE(poller.statusText(), QStringLiteral("7,150 MHz LSB"));
    // The radio itself says so, and its passband is the one the operator had.
    QCOMPARE(rigctld.query({QStringLiteral("f"), QStringLiteral("m")}), QByteArray("7150000\nLSB\n500\n"));

    poller.tune(14250000, QStringLiteral("SSB"), [&](const QString &error) { results << error; });
    poller.tune(145500000, QStringLiteral("FM"), [&](const QString &error) { results << error; });
    QTRY_COMPARE(results.size(), 3);
    QCOMPARE(results, QStringList({QString(), QString(), QString()}));
    QTRY_COMPARE(poller.statusText(), QStringLiteral("145,500 MHz FM"));
    QCOMPARE(rigctld.query({QStringLiteral("f")}), QByteArray("145500000\n"));
}

void RigctldTest::probe()
{
    Rigctld rigctld;
    QVERIFY(rigctld.start());
    QVERIFY(rigctld.tune(7020000, QStringLiteral("CW")));
    RadioPoller poller; // off: "Tester" works before the radio is in use
    QSignalSpy probed(&poller, &RadioPoller::probed);
    RadioConfig net = network(rigctld.port());
    net.enabled = false;
    poller.probe(net);
    QVERIFY(probed.wait(10000));
    QCOMPARE(probed.takeFirst().at(0).value<RadioReading>().testText(), QStringLiteral("7,020 MHz CW"));

    const int nobody = freePort();
    net.port = nobody;
    poller.probe(net);
    QVERIFY(probed.wait(10000));
    QCOMPARE(probed.takeFirst().at(0).value<RadioReading>().testText(),
             QStringLiteral("Poste radio non joignable : rigctld ne répond pas sur localhost:%1 (connexion refusée)")
                 .arg(nobody));
    QCOMPARE(poller.statusText(), QString());

    // A host of digits only, as a setting may hold it from before it was checked: said
    // for what it is, not taken for the address 0.0.17.247.
    net.host = QStringLiteral("4599");
    poller.probe(net);
    QTRY_COMPARE_WITH_TIMEOUT(probed.size(), 1, 10000);
    QVERIFY(probed.takeFirst().at(0).value<RadioReading>().testText().contains(
        QStringLiteral("Hôte introuvable : « 4599 » n'est ni un nom ni une adresse")));
}

void RigctldTest::serialRadioGetsItsOwnRigctld()
{
    QPointer<RigctldClient> client;
    RadioPoller poller;
    poller.setIntervals(50, 100);
    poller.setFactory([&](const RadioConfig &c) {
        auto made = std::make_unique<RigctldClient>(c);
        client = made.get();
        return made;
    });
    RadioConfig serial;
    serial.enabled = true;
    serial.link = RadioConfig::Link::Serial;
    serial.model = 1; // Hamlib's dummy radio needs no port
    poller.setConfig(serial);
    QTRY_COMPARE(poller.statusText(), QStringLiteral("145,000 MHz FM"));
    QVERIFY(client && client->child());
    const qint64 first = client->child()->processId();
    QVERIFY(alive(first));
    // It listens on this computer only, on a port of its own.
    const QByteArray cmdline = [&] {
        QFile f(QStringLiteral("/proc/%1/cmdline").arg(first));
        f.open(QIODevice::ReadOnly);
        return f.readAll().replace('\0', ' ');
    }();
    QVERIFY2(cmdline.contains("-m 1 -T 127.0.0.1 -t "), cmdline.constData());

    QStringList results;
    poller.tune(3650000, QStringLiteral("SSB"), [&](const QString &error) { results << error; });
    QTRY_COMPARE(results, QStringList({QString()}));
    QTRY_COMPARE(poller.statusText(), QStringLiteral("3,650 MHz LSB"));

    // CAT switched off: the child goes.
    RadioConfig off = serial;
    off.enabled = false;
    poller.setConfig(off);
    QTRY_VERIFY(!alive(first));

    // On again, then the program ends: the new child goes too.
    poller.setConfig(serial);
    QTRY_COMPARE(poller.statusText(), QStringLiteral("145,000 MHz FM"));
    const qint64 second = client->child()->processId();
    QVERIFY(second != first && alive(second));
    {
        RadioPoller *ending = new RadioPoller;
        ending->setIntervals(50, 100);
        ending->setFactory([&](const RadioConfig &c) {
            auto made = std::make_unique<RigctldClient>(c);
            client = made.get();
            return made;
        });
        ending->setConfig(serial);
        QTRY_COMPARE(ending->statusText(), QStringLiteral("145,000 MHz FM"));
        const qint64 third = client->child()->processId();
        delete ending;
        QTRY_VERIFY(!alive(third));
    }
    poller.setConfig(off);
    QTRY_VERIFY(!alive(second));
}

void RigctldTest::rigctldMissing()
{
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QDir::tempPath().toLocal8Bit() + "/nowhere");
    RadioPoller poller;
    poller.setIntervals(50, 100);
    RadioConfig serial;
    serial.enabled = true;
    serial.link = RadioConfig::Link::Serial;
    poller.setConfig(serial);
    QTRY_COMPARE(poller.statusText(), RadioReading::unreachable());
    QVERIFY2(poller.latest().error.contains(QStringLiteral("libhamlib-utils")), qPrintable(poller.latest().error));

    // The start itself never waits on the window's thread: a program that cannot be
    // run is told afterwards, by the end of rigctld.
    RigctldProcess process(serial);
    QSignalSpy ended(&process, &RigctldProcess::ended);
    QElapsedTimer took;
    took.start();
    const bool started = process.start();
    QVERIFY(took.elapsed() < 1000);
    if (started)
        QVERIFY(ended.wait(5000));
    qputenv("PATH", path);
    QVERIFY(!process.running());
    QVERIFY2(process.error().contains(QStringLiteral("libhamlib-utils")), qPrintable(process.error()));
}

void RigctldTest::stopNeverWaits()
{
    // A child that ignores the request to stop: stop() returns at once, and the
    // child is killed after the grace.
    auto *process = new QProcess;
    process->start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("trap '' TERM; echo ready; sleep 60")});
    QVERIFY(process->waitForReadyRead(10000));
    const qint64 pid = process->processId();
    QPointer<QProcess> watched(process);
    RigctldProcess::stop(process, 200);
    QVERIFY(alive(pid)); // not waited for
    QTRY_VERIFY(!alive(pid));
    QTRY_VERIFY(!watched); // and its QProcess gone with it
}

void RigctldTest::silentRadio()
{
    // A rigctld that accepts and never answers: each wait ends, the radio is lost,
    // and the poller goes without waiting for it.
    FakeServer silent(nullptr);
    auto *poller = new RadioPoller;
    RadioLink::Timing t;
    t.pollMs = 10;
    t.retryMs = 10;
    t.answerMs = 100;
    poller->setTiming(t);
    poller->setConfig(network(silent.port()));
    QTRY_COMPARE(poller->statusText(), RadioReading::unreachable());
    QCOMPARE(poller->latest().error, QStringLiteral("le poste ne répond pas (délai dépassé)"));
    // Each abandoned request closed its connection: no late answer is taken for another.
    QTRY_VERIFY(silent.connections >= 3);
    QVERIFY(silent.received.size() >= 3);
    for (const QByteArray &line : silent.received)
        QCOMPARE(line, QByteArray("+f"));
    const int open = silent.connections - silent.disconnections;
    QVERIFY(open <= 1);
    delete poller;
    QTRY_COMPARE(silent.disconnections, silent.connections);
}

void RigctldTest::garbageAndLongLines()
{
    // First connection: one endless line; second: bytes that are no answer; then sane.
    int served = 0;
    FakeServer server([&](const QByteArray &line) -> QByteArray {
        ++served;
        if (served == 1)
            return QByteArray(1 << 20, 'x');
        if (served == 2)
            return QByteArray("\x01\x02\xff garbage\nRPRT 0\n");
        if (line == "+f")
            return "get_freq:\nFrequency: 7020000\nRPRT 0\n";
        return "get_mode:\nMode: CW\nPassband: 500\nRPRT 0\n";
    });
    RadioPoller poller;
    RadioLink::Timing t;
    t.pollMs = 10;
    t.retryMs = 10;
    poller.setTiming(t);
    QStringList seen;
    connect(&poller, &RadioPoller::changed, this, [&] { seen << poller.statusText(); });
    poller.setConfig(network(server.port()));
    QTRY_COMPARE(poller.statusText(), QStringLiteral("7,020 MHz CW"));
    // Two soft failures, each on a connection of its own, then the answer: never lost.
    QCOMPARE(seen, QStringList({QStringLiteral("connexion au poste radio…"), QStringLiteral("7,020 MHz CW")}));
    QVERIFY(server.connections >= 3);
}

QTEST_MAIN(RigctldTest)
#include "tst_rigctld.moc"
