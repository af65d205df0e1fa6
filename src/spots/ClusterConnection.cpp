#include "spots/ClusterConnection.h"

#include "kit/HostName.h"

#include <QLoggingCategory>
#include <QTcpSocket>
#include <QTimer>

Q_LOGGING_CATEGORY(zelSpots, "zel.spots")

namespace {

// A node that sends more than this before we read it waits (TCP holds it back).
constexpr qint64 SocketBuffer = 256 * 1024;

QString seconds(int ms) { return QString::number((ms + 999) / 1000); }

} // namespace

ClusterConnection::ClusterConnection(QObject *parent)
    : QObject(parent), m_socket(new QTcpSocket(this)), m_retry(new QTimer(this)), m_held(new QTimer(this)),
      m_countdown(new QTimer(this))
{
    m_socket->setReadBufferSize(SocketBuffer);
    m_retry->setSingleShot(true);
    m_held->setSingleShot(true);
    m_held->setInterval(30000);
    m_countdown->setInterval(1000);
    connect(m_retry, &QTimer::timeout, this, [this] {
        m_countdown->stop();
        attempt();
    });
    // The connection held: the next loss is met with the shortest delay again.
    connect(m_held, &QTimer::timeout, this, [this] { m_delay = m_firstDelay; });
    connect(m_countdown, &QTimer::timeout, this, &ClusterConnection::showCountdown);
    connect(m_socket, &QTcpSocket::connected, this, &ClusterConnection::onConnected);
    connect(m_socket, &QTcpSocket::disconnected, this, &ClusterConnection::onDisconnected);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &ClusterConnection::onError);
    connect(m_socket, &QTcpSocket::readyRead, this, &ClusterConnection::readSlice);
    m_status = tr("Non connecté");
}

ClusterConnection::~ClusterConnection()
{
    m_wanted = false;
    m_socket->disconnect(this);
    m_socket->abort();
}

void ClusterConnection::setReconnectDelays(int firstMs, int longestMs, int heldMs)
{
    m_firstDelay = firstMs;
    m_longestDelay = longestMs;
    m_delay = firstMs;
    m_held->setInterval(heldMs);
}

void ClusterConnection::connectTo(const QString &host, int port, const QString &callsign)
{
    const QString target = host.trimmed();
    const QByteArray login = callsign.trimmed().toUpper().toLatin1();
    // Trying again at once while a retry waits keeps the delay grown so far.
    const bool again = m_state == State::Waiting && target == m_host && port == m_port && login == m_callsign;
    m_host = target;
    m_port = port;
    m_callsign = login;
    m_retry->stop();
    m_countdown->stop();
    m_held->stop();
    m_socket->abort();
    if (!again)
        m_delay = m_firstDelay;
    const QString refused = HostName::refusal(m_host);
    if (!refused.isEmpty()) {
        m_wanted = false;
        setStatus(State::Off, refused);
        return;
    }
    m_wanted = true;
    attempt();
}

void ClusterConnection::attempt()
{
    if (!m_wanted)
        return;
    m_lines.clear();
    m_telnet.clear();
    m_loggedIn = false;
    setStatus(State::Connecting, tr("Connexion à %1:%2…").arg(m_host).arg(m_port));
    m_socket->connectToHost(m_host, quint16(m_port));
}

void ClusterConnection::disconnectFrom()
{
    m_wanted = false;
    m_retry->stop();
    m_countdown->stop();
    m_held->stop();
    m_socket->abort();
    setStatus(State::Off, tr("Non connecté"));
}

bool ClusterConnection::send(const QString &command)
{
    if (m_state != State::Connected)
        return false;
    m_socket->write(command.toLatin1() + "\r\n");
    return true;
}

void ClusterConnection::onConnected()
{
    m_held->start();
    setStatus(State::Connected, tr("Connecté à %1:%2").arg(m_host).arg(m_port));
}

void ClusterConnection::onDisconnected()
{
    lost(tr("le nœud a fermé la connexion"));
}

void ClusterConnection::onError()
{
    if (m_socket->error() == QAbstractSocket::RemoteHostClosedError)
        return; // disconnected() says it
    lost(m_socket->errorString());
}

void ClusterConnection::lost(const QString &why)
{
    if (!m_wanted || m_retry->isActive())
        return;
    m_held->stop();
    const int delay = m_delay;
    m_lastDelay = delay;
    m_delay = qMin(m_delay * 2, m_longestDelay);
    qCDebug(zelSpots) << "connection lost:" << why << "retry in" << delay << "ms";
    m_lostWhy = why;
    m_wasConnected = m_state == State::Connected;
    setStatus(State::Waiting, waitingText(delay));
    // Started first: the socket's own signals while it closes find the retry on its way.
    m_retry->start(delay);
    m_countdown->start();
    m_socket->abort();
}

void ClusterConnection::showCountdown()
{
    if (!m_retry->isActive()) {
        m_countdown->stop();
        return;
    }
    const int left = qMax(0, m_retry->remainingTime());
    setStatus(State::Waiting, waitingText(left));
}

QString ClusterConnection::waitingText(int ms) const
{
    // One sentence each, the reason and the seconds left in it.
    if (m_wasConnected)
        return tr("Connexion perdue : %1. Nouvel essai dans %2 s.").arg(m_lostWhy, seconds(ms));
    return tr("Connexion impossible : %1. Nouvel essai dans %2 s.").arg(m_lostWhy, seconds(ms));
}

void ClusterConnection::setStatus(State state, const QString &text)
{
    if (m_state == state && m_status == text)
        return;
    m_state = state;
    m_status = text;
    emit stateChanged();
}

bool ClusterConnection::isLoginPrompt(const QByteArray &text)
{
    const QByteArray t = text.trimmed().toLower();
    return t.endsWith("login:") || t.endsWith("call:") || t.endsWith("callsign:") || t.endsWith("login")
        || t.endsWith("your call") || t.endsWith("indicatif:");
}

void ClusterConnection::login()
{
    m_loggedIn = true;
    m_socket->write(m_callsign + "\r\n");
    // So that the window is not empty until the next spot.
    m_socket->write(RecentSpots + "\r\n");
}

void ClusterConnection::readSlice()
{
    m_readQueued = false;
    if (m_state != State::Connected)
        return;
    const QByteArray bytes = m_socket->read(m_slice);
    if (bytes.isEmpty())
        return;
    QList<QByteArray> lines = m_lines.feed(m_telnet.strip(bytes));
    if (!m_loggedIn) {
        for (const QByteArray &line : lines) {
            if (isLoginPrompt(line)) {
                login();
                break;
            }
        }
        if (!m_loggedIn && isLoginPrompt(m_lines.pending())) {
            // The prompt is answered: it is no part of the next line.
            m_lines.clear();
            login();
        }
    }
    if (!lines.isEmpty())
        emit linesReceived(lines);
    // More waiting: read it after the window has had its turn.
    if (m_socket->bytesAvailable() > 0 && !m_readQueued) {
        m_readQueued = true;
        QTimer::singleShot(0, this, &ClusterConnection::readSlice);
    }
}
