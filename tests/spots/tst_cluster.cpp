// The connection to a node of our own on a free localhost port: the login, the
// recent spots asked for, the lines of several node programs among junk, a lost
// connection and the way back, a flood, and the "DX" command sent.

#include "app/Fakes.h"
#include "common/LogLines.h"

#include "logstore/LogSession.h"
#include "logstore/Settings.h"
#include "spots/ClusterConnection.h"
#include "spots/SpotFeed.h"

#include <QSignalSpy>
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
    void init();
    void loginAndLines();
    void lostAndBack();
    void flood();
    void announce();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<LogSession> m_session;
    std::unique_ptr<SpotFeed> m_feed;
};

void ClusterTest::init()
{
    m_feed.reset();
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
    m_feed = std::make_unique<SpotFeed>(*m_session);
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
    QTest::qWait(500);
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

QTEST_GUILESS_MAIN(ClusterTest)
#include "tst_cluster.moc"
