#include "radio/RigctldClient.h"

#include "kit/HostName.h"

#include "radio/RigctldProcess.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>

namespace {

// A rigctld of our own may not listen yet: connect again after this long.
constexpr int ReconnectMs = 100;

QString unreachable(const RadioConfig &c, const QString &why)
{
    return QCoreApplication::translate("RigctldClient", "rigctld ne répond pas sur %1:%2 (%3)").arg(c.host).arg(c.port).arg(why);
}

} // namespace

RigctldClient::RigctldClient(const RadioConfig &config, QObject *parent)
    : RadioInterface(parent), m_config(config), m_socket(new QTcpSocket(this)), m_reconnect(new QTimer(this))
{
    if (config.link == RadioConfig::Link::Serial) {
        m_child = new RigctldProcess(config, this);
        connect(m_child, &RigctldProcess::ended, this, [this](const QString &why) {
            dropConnection();
            finish(RadioAnswer::lost(why));
        });
    }
    m_reconnect->setSingleShot(true);
    m_reconnect->setInterval(ReconnectMs);
    connect(m_reconnect, &QTimer::timeout, this, &RigctldClient::connectNow);
    connect(m_socket, &QTcpSocket::connected, this, [this] {
        if (m_child)
            m_child->reached();
        if (m_done)
            m_socket->write(m_command);
    });
    connect(m_socket, &QTcpSocket::readyRead, this, &RigctldClient::onReadyRead);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &RigctldClient::onSocketError);
}

RigctldClient::~RigctldClient()
{
    // Nothing is answered any more; the socket closes without waiting and the child
    // rigctld (if any) is stopped without waiting either.
    m_done = nullptr;
    m_socket->disconnect(this);
    m_socket->abort();
}

QByteArray RigctldClient::command(const RadioRequest &request)
{
    switch (request.op) {
    case RadioRequest::Op::ReadFrequency:
        return QByteArrayLiteral("+f\n");
    case RadioRequest::Op::ReadMode:
        return QByteArrayLiteral("+m\n");
    case RadioRequest::Op::SetFrequency:
        if (request.hertz <= 0)
            return {};
        return "+F " + QByteArray::number(request.hertz) + '\n';
    case RadioRequest::Op::SetMode: {
        static const QRegularExpression name(QStringLiteral("^[A-Z0-9]{1,16}$"));
        if (!name.match(request.mode).hasMatch())
            return {};
        // -1: the passband stays as the operator set it.
        return "+M " + request.mode.toLatin1() + " -1\n";
    }
    }
    return {};
}

void RigctldClient::ask(const RadioRequest &request, Done done)
{
    m_request = request;
    m_command = command(request);
    m_done = std::move(done);
    if (m_command.isEmpty()) {
        const Done d = std::exchange(m_done, nullptr);
        QTimer::singleShot(0, this, [d] { d(RadioAnswer::soft(tr("valeur refusée par le logbook"))); });
        return;
    }
    if (m_socket->state() == QAbstractSocket::ConnectedState) {
        m_socket->write(m_command);
        return;
    }
    if (m_socket->state() == QAbstractSocket::UnconnectedState && !m_reconnect->isActive())
        connectNow();
}

void RigctldClient::connectNow()
{
    if (!m_done || m_socket->state() != QAbstractSocket::UnconnectedState)
        return;
    m_reader.reset();
    if (m_child) {
        if (!m_child->running() && !m_child->start()) {
            finish(RadioAnswer::lost(m_child->error()));
            return;
        }
        m_socket->connectToHost(QStringLiteral("127.0.0.1"), quint16(m_child->port()));
        return;
    }
    // A host that names no machine (a setting saved before it was checked) is refused
    // before any connection is tried.
    const QString refused = HostName::refusal(m_config.host);
    if (!refused.isEmpty()) {
        finish(RadioAnswer::lost(refused));
        return;
    }
    m_socket->connectToHost(m_config.host, quint16(m_config.port));
}

void RigctldClient::onSocketError()
{
    const QAbstractSocket::SocketError e = m_socket->error();
    const QString why = m_socket->errorString();
    dropConnection();
    // Our own rigctld opens the radio before it listens: wait for it as long as the
    // request is wanted (the caller's watch on time decides when that ends).
    if (m_child && m_child->running() && e == QAbstractSocket::ConnectionRefusedError && m_done) {
        m_reconnect->start();
        return;
    }
    if (!m_done)
        return;
    if (e == QAbstractSocket::ConnectionRefusedError)
        finish(RadioAnswer::lost(m_child ? tr("rigctld n'écoute pas") : unreachable(m_config, tr("connexion refusée"))));
    else if (e == QAbstractSocket::RemoteHostClosedError)
        finish(RadioAnswer::lost(tr("rigctld a fermé la liaison")));
    else if (e == QAbstractSocket::HostNotFoundError)
        finish(RadioAnswer::lost(tr("hôte « %1 » inconnu").arg(m_config.host)));
    else
        finish(RadioAnswer::lost(m_child ? why : unreachable(m_config, why)));
}

void RigctldClient::onReadyRead()
{
    const QByteArray bytes = m_socket->readAll();
    const QList<RigctldReader::Reply> replies = m_reader.feed(bytes);
    for (const RigctldReader::Reply &r : replies) {
        if (r.garbage) {
            dropConnection();
            finish(RadioAnswer::soft(tr("réponse incomprise du poste radio")));
            return;
        }
        if (!m_done) {
            // An answer nobody waits for: the stream is out of step.
            dropConnection();
            return;
        }
        if (r.code != 0) {
            finish(RadioAnswer::soft(RigctldReader::errorText(r.code), RigctldReader::unavailable(r.code)));
            continue;
        }
        const bool read = m_request.op == RadioRequest::Op::ReadFrequency || m_request.op == RadioRequest::Op::ReadMode;
        if (read && r.values.isEmpty()) {
            dropConnection();
            finish(RadioAnswer::soft(tr("réponse incomprise du poste radio")));
            return;
        }
        finish(RadioAnswer::ok(read ? r.values.first() : QString()));
    }
}

void RigctldClient::finish(const RadioAnswer &answer)
{
    if (!m_done)
        return;
    const Done d = std::exchange(m_done, nullptr);
    d(answer);
}

void RigctldClient::abandon()
{
    m_done = nullptr;
    dropConnection();
}

void RigctldClient::dropConnection()
{
    m_reconnect->stop();
    m_socket->abort();
    m_reader.reset();
}
