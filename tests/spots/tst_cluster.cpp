// The connection to a node of our own on a free localhost port: the login, the
// recent spots asked for, the lines of several node programs among junk, a lost
// connection and the way back, a flood, and the "DX" command sent.

#include "app/Fakes.h"
#include "common/LogLines.h"

#include "logstore/LogSession.h"
#include "logstore/Settings.h"
#include "refdata/LogIndex.h"
#include "kit/HostName.h"
#include "spots/ClusterConnection.h"
#include "spots/TelnetFilter.h"
#include "spots/SpotFeed.h"

#include <QSignalSpy>

#include <cstdio>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeltest;

namespace {

// A DX-cluster node: asks for the callsign, keeps what the client sends, sends
// what the test says.
class FakeNode : public QObject
{
public:
    FakeNode()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_server.nextPendingConnection()) {
                ++connections;
                m_client = s;
                if (closeAtOnce) {
                    s->abort();
                    continue;
                }
                connect(s, &QTcpSocket::readyRead, this, [this, s] { received += s->readAll(); });
                s->write(prompt);
            }
        });
    }

    bool listen(quint16 port = 0) { return m_server.listen(QHostAddress::LocalHost, port); }
    quint16 port() const { return m_server.serverPort(); }
    void stop()
    {
        m_server.close();
        drop();
    }
    void drop()
    {
        if (m_client)
            m_client->abort();
    }
    void send(const QByteArray &bytes)
    {
        QVERIFY(m_client);
        m_client->write(bytes);
    }
    QList<QByteArray> lines() const { return received.split('\n'); }

    QByteArray prompt = "Hello, this is TEST-1 running DXSpider\r\n\r\nlogin: ";
    QByteArray received;
    int connections = 0;
    bool closeAtOnce = false; // accepts, then closes before a word

private:
    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
};

QByteArray dxLine(const QByteArray &call, const QByteArray &kHz, const QByteArray &comment)
{
    return "DX de F5XYZ:     " + kHz + "  " + call.leftJustified(12, ' ') + " " + comment.leftJustified(30, ' ')
        + " 1234Z JN33\r\n";
}

} // namespace

class ClusterTest : public QObject
{
    Q_OBJECT
private slots:
    void abbeyListReplaced();
    void nodeThatClosesAtOnce();
    void countdownAndTryNow();
    void telnetCommandsDropped();
    void hostThatNamesNoMachine();
    void init();
    void loginAndLines();
    void lostAndBack();
    void flood();
    void announce();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<LogSession> m_session;
    std::unique_ptr<LogIndex> m_index;
    std::unique_ptr<SpotFeed> m_feed;
};

void ClusterTest::init()
{
    m_feed.reset();
    m_index.reset();
    m_session.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings = std::make_unique<Settings>(m_dir->filePath(QStringLiteral("zel.ini")));
    m_settings->write(Settings::CommonSection, Settings::KeyCallsign, QStringLiteral("F6ABC_P"));
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("Liste_Abbayes.txt")),
                       crlf({abbeyLine("AZ0001", "Abbazia di San Clemente a Casauria", "JN62"),
                             abbeyLine("LZ0012", "Abbazia di Montecassino", "JN61"),
                             abbeyLine("TC0003", "Abbazia di Monte Oliveto Maggiore", "JN63"),
                             abbeyLine("SC0001", "Abbazia di San Martino delle Scale", "JM68")})));
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("F6ABC_P_ZEL.log")),
                       crlf({qso("IK1ABC", "AZ0001", "01/05/24", "09:00").line()})));
    m_session = std::make_unique<LogSession>(*m_settings, m_dir->path());
    m_session->openStation();
    m_index = std::make_unique<LogIndex>(*m_session);
    m_feed = std::make_unique<SpotFeed>(*m_session, *m_index);
    m_feed->connection().setReconnectDelays(50, 400);
}

void ClusterTest::loginAndLines()
{
    FakeNode node;
    QVERIFY(node.listen());
    ClusterConnection &link = m_feed->connection();
    QSignalSpy announced(m_feed.get(), &SpotFeed::announced);
    link.connectTo(QStringLiteral("127.0.0.1"), node.port(), QStringLiteral("F6ABC"));
    // The prompt ends no line: the callsign is sent all the same, then the recent spots asked for.
    QTRY_COMPARE(node.received, QByteArray("F6ABC\r\nsh/dx 50\r\n"));
    QVERIFY(link.isConnected());
    QVERIFY(link.statusText().contains(QStringLiteral("Connecté")));

    node.send("  14025.0  IK1ABC      7-Dec-2026 1200Z  ZEL AZ0001 CW              <F5XYZ>\r\n"
              " 7012.5 I0ABC 07-Dec-2026 1150Z LZ0012 <W3LPL>\r\n"
              "F6ABC de TEST-1  7-Dec-2026 1234Z dxspider >\r\n");
    QTRY_COMPARE(m_feed->model().rowCount(), 2);
    node.send(dxLine("IK5AAA", "14030.0", "ZEL TC0003")  // DXSpider
              + "DX de W3LPL:      7025.0  IK6BBB       LZ0012 tnx                    1235Z\r\n" // AR-Cluster
              + "DX de K1TTT-#:   14020.0  IK7CCC       CW 22 dB ZEL SC0001              1236Z MA\r\n" // CC
              + QByteArray(6000, 'j') + "\r\n"                                       // too long
              + "DX de F5XYZ:  14010.0  IK8DDD  abbaz\xEC" "a AZ0001  1237Z\r\n"          // Latin-1
              + QByteArray("DX de F5XYZ:  14011.0  IK9EEE \0 ZEL LZ0012  1238Z\n", 52) // NUL
              + "\xFF\xFE garbage \x01\x02\r\n"
              + "To ALL de F5XYZ: ZEL AZ0001 tonight\r\n"
              + dxLine("IK9FFF", "14012.0", "no abbey here"));
    QTRY_COMPARE(m_feed->model().rowCount(), 7);
    QVERIFY(m_feed->model().rowOf(QStringLiteral("IK8DDD|AZ0001|14 Mhz")) >= 0);
    QVERIFY(m_feed->model().rowOf(QStringLiteral("IK9EEE|LZ0012|14 Mhz")) >= 0);
    // Live spots of needed abbeys: TC0003, LZ0012 twice, SC0001; not the worked AZ0001.
    QCOMPARE(announced.size(), 4);
}

void ClusterTest::lostAndBack()
{
    FakeNode node;
    QVERIFY(node.listen());
    const quint16 port = node.port();
    ClusterConnection &link = m_feed->connection();
    link.connectTo(QStringLiteral("127.0.0.1"), port, QStringLiteral("F6ABC"));
    QTRY_VERIFY(node.received.contains("sh/dx 50"));

    // The node closes: said, then back by itself and logged in again.
    node.received.clear();
    node.drop();
    QTRY_COMPARE(link.state(), ClusterConnection::State::Waiting);
    QVERIFY(link.statusText().startsWith(QStringLiteral("Connexion perdue")));
    QTRY_COMPARE(node.connections, 2);
    QTRY_COMPARE(node.received, QByteArray("F6ABC\r\nsh/dx 50\r\n"));
    QCOMPARE(link.retryDelay(), 50);

    // The node is gone: each failed attempt waits longer, up to the longest delay.
    node.stop();
    QTRY_VERIFY(link.statusText().startsWith(QStringLiteral("Connexion impossible")));
    QTRY_COMPARE_WITH_TIMEOUT(link.retryDelay(), 400, 10000);
    // It comes back on the same port: so does the connection, with the first delay again.
    FakeNode again;
    QVERIFY(again.listen(port));
    QTRY_VERIFY_WITH_TIMEOUT(again.received.contains("sh/dx 50"), 10000);
    QVERIFY(link.isConnected());

    // "Se déconnecter" stops the way back.
    link.disconnectFrom();
    QCOMPARE(link.state(), ClusterConnection::State::Off);
    again.drop();
    // No way back: the link does not move again, however long it is given.
    QSignalSpy moved(&link, &ClusterConnection::stateChanged);
    QVERIFY(!moved.wait(500));
    QCOMPARE(again.connections, 1);
    QCOMPARE(link.state(), ClusterConnection::State::Off);
}

void ClusterTest::flood()
{
    FakeNode node;
    QVERIFY(node.listen());
    ClusterConnection &link = m_feed->connection();
    link.setSliceBytes(16 * 1024);
    QSignalSpy batches(&link, &ClusterConnection::linesReceived);
    link.connectTo(QStringLiteral("127.0.0.1"), node.port(), QStringLiteral("F6ABC"));
    QTRY_VERIFY(node.received.contains("sh/dx 50"));
    QByteArray flood;
    for (int i = 0; i < 20000; ++i) {
        flood += i % 10 == 0 ? dxLine("IK" + QByteArray::number(i % 9) + "F" + QByteArray::number(i), "14025.0", "ZEL LZ0012")
                             : QByteArray("junk line number ") + QByteArray::number(i) + "\r\n";
    }
    flood += dxLine("IK1END", "14025.0", "ZEL LZ0012");
    node.send(flood);
    QTRY_VERIFY_WITH_TIMEOUT(m_feed->model().rowOf(QStringLiteral("IK1END|LZ0012|14 Mhz")) >= 0, 20000);
    // Read a slice at a time, with the window's turn between, and bounded.
    QVERIFY(batches.size() > 10);
    QCOMPARE(m_feed->model().rowCount(), SpotModel::Capacity);
    QVERIFY(link.isConnected());
}

void ClusterTest::announce()
{
    FakeNode node;
    QVERIFY(node.listen());
    ClusterConnection &link = m_feed->connection();
    // Nothing goes out before the connection is made.
    QVERIFY(!link.send(QStringLiteral("DX 14025.0 IK1ABC ZEL AZ0001")));
    link.connectTo(QStringLiteral("127.0.0.1"), node.port(), QStringLiteral("F6ABC"));
    QTRY_VERIFY(node.received.contains("sh/dx 50"));
    QVERIFY(link.send(SpotFeed::dxCommand(QStringLiteral("14025"), QStringLiteral("ik1abc"), QStringLiteral("ZEL AZ0001"))));
    QTRY_VERIFY(node.received.endsWith("DX 14025.0 IK1ABC ZEL AZ0001\r\n"));
}

void ClusterTest::nodeThatClosesAtOnce()
{
    FakeNode node;
    node.closeAtOnce = true;
    QVERIFY(node.listen());
    ClusterConnection &link = m_feed->connection();
    link.setReconnectDelays(50, 400, 1000);
    link.connectTo(QStringLiteral("127.0.0.1"), node.port(), QStringLiteral("F6ABC"));
    // Each accepted then closed connection waits longer than the one before:
    // 50 + 100 + 200 + 400 ms, then 400 ms each.
    QTRY_COMPARE_WITH_TIMEOUT(link.retryDelay(), 400, 5000);
    const int before = node.connections;
    QVERIFY(before <= 5);
    QTest::qWait(1000);
    QVERIFY2(node.connections - before <= 3, qPrintable(QString::number(node.connections - before)));

    // A connection that holds puts the delay back to its first value.
    node.closeAtOnce = false;
    QTRY_VERIFY_WITH_TIMEOUT(node.received.contains("sh/dx 50"), 5000);
    QTest::qWait(1200);
    node.drop();
    QTRY_COMPARE(link.state(), ClusterConnection::State::Waiting);
    QCOMPARE(link.retryDelay(), 50);
}

void ClusterTest::countdownAndTryNow()
{
    FakeNode node;
    QVERIFY(node.listen());
    ClusterConnection &link = m_feed->connection();
    link.setReconnectDelays(2500, 10000, 60000);
    link.connectTo(QStringLiteral("127.0.0.1"), node.port(), QStringLiteral("F6ABC"));
    QTRY_VERIFY(node.received.contains("sh/dx 50"));
    node.drop();
    QTRY_COMPARE(link.state(), ClusterConnection::State::Waiting);
    QVERIFY2(link.statusText().endsWith(QStringLiteral("Nouvel essai dans 3 s.")), qPrintable(link.statusText()));
    // The wait is counted down while it runs.
    QTRY_VERIFY_WITH_TIMEOUT(link.statusText().endsWith(QStringLiteral("Nouvel essai dans 2 s.")), 2000);
    QCOMPARE(node.connections, 1);
    // Connecting again while the retry waits (a second or more still) tries at once.
    link.connectTo(QStringLiteral("127.0.0.1"), node.port(), QStringLiteral("F6ABC"));
    QTRY_COMPARE_WITH_TIMEOUT(node.connections, 2, 600);
    QTRY_VERIFY(link.isConnected());
}

void ClusterTest::telnetCommandsDropped()
{
    // Split anywhere, the commands go and the text stays.
    const QByteArray sent = QByteArray("\xFF\xFB\x01\xFF\xFD\x03" "abc\xFF\xF9\r\nd\xFF\xFF" "e\xFF\xFA\x18\x01\xFF\xF0" "f\r\n");
    for (int cut = 0; cut <= sent.size(); ++cut) {
        TelnetFilter filter;
        QByteArray text = filter.strip(sent.first(cut));
        text += filter.strip(sent.sliced(cut));
        QCOMPARE(text, QByteArray("abc\r\nd\xFF" "ef\r\n"));
    }

    // A node that sends a go-ahead after each line: every spot is read.
    FakeNode node;
    node.prompt = "login: \xFF\xF9";
    QVERIFY(node.listen());
    ClusterConnection &link = m_feed->connection();
    link.connectTo(QStringLiteral("127.0.0.1"), node.port(), QStringLiteral("F6ABC"));
    QTRY_COMPARE(node.received, QByteArray("F6ABC\r\nsh/dx 50\r\n"));
    QByteArray lines;
    for (int i = 0; i < 80; ++i)
        lines += dxLine("IK" + QByteArray::number(i % 9) + "G" + QByteArray::number(i), "14025.0", "ZEL LZ0012") + "\xFF\xF9";
    node.send(lines);
    QTRY_COMPARE(m_feed->model().rowCount(), 80);
}

void ClusterTest::hostThatNamesNoMachine()
{
    const QString expected = QStringLiteral("Hôte introuvable : « 4599 » n'est ni un nom ni une adresse");
    QCOMPARE(HostName::refusal(QStringLiteral("4599")), expected);
    QCOMPARE(HostName::refusal(QStringLiteral(" 4599 ")), expected);
    QVERIFY(!HostName::refusal(QStringLiteral("0.0.17.247")).isEmpty());
    QVERIFY(!HostName::refusal(QStringLiteral("0.1.2.3")).isEmpty());
    for (const char *fine : {"127.0.0.1", "dxc.example.org", "::1", "44.12.3.4", "node7", "7node"})
        QVERIFY2(HostName::refusal(QString::fromLatin1(fine)).isEmpty(), fine);

    // Refused without trying: nothing is connected, the status says why.
    FakeNode node;
    QVERIFY(node.listen());
    ClusterConnection &link = m_feed->connection();
    link.connectTo(QString::number(node.port()), node.port(), QStringLiteral("F6ABC"));
    QCOMPARE(link.state(), ClusterConnection::State::Off);
    QCOMPARE(link.statusText(), HostName::refusal(QString::number(node.port())));
    QTest::qWait(200);
    QCOMPARE(node.connections, 0);
}

void ClusterTest::abbeyListReplaced()
{
    m_feed->read({dxLine("IK1ABC", "14025.0", "ZEL AZ0001"), dxLine("IK2BBB", "14030.0", "ZEL LZ0012"),
                  dxLine("IK3CCC", "14035.0", "TC0003")});
    SpotModel &model = m_feed->model();
    QCOMPARE(model.rowCount(), 3);
    auto statusOf = [&model](const char *key) {
        const int row = model.rowOf(QString::fromLatin1(key));
        return row < 0 ? QString() : model.statusText(row);
    };
    // The list is replaced the way the list update does it: a new file renamed over it.
    const QString path = m_dir->filePath(QStringLiteral("Liste_Abbayes.txt"));
    QVERIFY(writeBytes(path + QStringLiteral(".new"), crlf({abbeyLine("LZ0012", "Abbazia di Monte Cassino", "JN61")})));
    QCOMPARE(std::rename(QFile::encodeName(path + QStringLiteral(".new")).constData(), QFile::encodeName(path).constData()), 0);
    QTRY_COMPARE(statusOf("IK1ABC|AZ0001|14 Mhz"), QStringLiteral("Contactée (hors liste)"));
    QCOMPARE(statusOf("IK3CCC|TC0003|14 Mhz"), QStringLiteral("hors liste"));
    QCOMPARE(model.spot(model.rowOf(QStringLiteral("IK2BBB|LZ0012|14 Mhz"))).abbey, QStringLiteral("ABBAZIA DI MONTE CASSINO"));
    // Put back: the first names and statuses again.
    QVERIFY(writeBytes(path + QStringLiteral(".old"),
                       crlf({abbeyLine("AZ0001", "Abbazia di San Clemente a Casauria", "JN62"),
                             abbeyLine("LZ0012", "Abbazia di Montecassino", "JN61"),
                             abbeyLine("TC0003", "Abbazia di Monte Oliveto Maggiore", "JN63")})));
    QCOMPARE(std::rename(QFile::encodeName(path + QStringLiteral(".old")).constData(), QFile::encodeName(path).constData()), 0);
    QTRY_COMPARE(statusOf("IK3CCC|TC0003|14 Mhz"), QStringLiteral("Nouvelle abbaye, Nouvelle région"));
    QCOMPARE(statusOf("IK1ABC|AZ0001|14 Mhz"), QStringLiteral("Contactée"));
    QCOMPARE(model.spot(model.rowOf(QStringLiteral("IK2BBB|LZ0012|14 Mhz"))).abbey, QStringLiteral("ABBAZIA DI MONTECASSINO"));
}

QTEST_GUILESS_MAIN(ClusterTest)
#include "tst_cluster.moc"
