#pragma once

// A small HTTP server on 127.0.0.1 standing in for LoTW and eQSL: each request is
// answered by the test's handler, whole, cut in the middle (the connection closed
// before the declared length), or left hanging after some bytes. A long reply is
// made a block at a time as the socket drains, so that the server itself holds
// little of it.

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <QUrlQuery>

#include <functional>
#include <memory>

namespace zeltest {

struct FakeReply {
    int status = 200;
    QByteArray contentType = "text/plain";
    QByteArray body;
    QByteArray headers; // further header lines, each ending with CR LF
    // Made block by block when set (body ignored): returns the next block, empty at the end.
    std::function<QByteArray()> generator;
    qint64 declaredLength = -1; // Content-Length sent; -1: the body's own (none with a generator)
    qint64 cutAfter = -1;       // close the connection after this many body bytes
    qint64 stallAfter = -1;     // stop sending (connection kept open) after this many body bytes
};

class FakeService : public QObject
{
public:
    using Handler = std::function<FakeReply(const QUrl &url)>;

    explicit FakeService(Handler handler) : m_handler(std::move(handler))
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_server.nextPendingConnection())
                serve(s);
        });
    }

    quint16 port() const { return m_server.serverPort(); }
    QString address(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
    }
    // Every request's path and query, in order.
    QList<QUrl> requests;

private:
    struct Connection {
        QByteArray request;
        FakeReply reply;
        qint64 sent = 0;
        bool started = false;
        bool done = false;
    };

    void serve(QTcpSocket *socket)
    {
        auto c = std::make_shared<Connection>();
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket, c] {
            c->request += socket->readAll();
            if (c->started || !c->request.contains("\r\n\r\n"))
                return;
            c->started = true;
            const QByteArray line = c->request.left(c->request.indexOf("\r\n"));
            const QList<QByteArray> parts = line.split(' ');
            const QUrl url(QString::fromLatin1(parts.value(1)));
            requests.append(url);
            c->reply = m_handler(url);
            QByteArray head = "HTTP/1.1 " + QByteArray::number(c->reply.status) + " X\r\nContent-Type: "
                + c->reply.contentType + "\r\nConnection: close\r\n" + c->reply.headers;
            qint64 length = c->reply.declaredLength;
            if (length < 0 && !c->reply.generator)
                length = c->reply.body.size();
            if (length >= 0)
                head += "Content-Length: " + QByteArray::number(length) + "\r\n";
            socket->write(head + "\r\n");
            pump(socket, c);
        });
        QObject::connect(socket, &QTcpSocket::bytesWritten, this, [this, socket, c] { pump(socket, c); });
    }

    void pump(QTcpSocket *socket, const std::shared_ptr<Connection> &c)
    {
        if (c->done || socket->bytesToWrite() > (1 << 20))
            return;
        QByteArray block;
        if (c->reply.generator)
            block = c->reply.generator();
        else if (c->sent < c->reply.body.size())
            block = c->reply.body.mid(c->sent, 1 << 20);
        qint64 limit = -1;
        if (c->reply.cutAfter >= 0)
            limit = c->reply.cutAfter;
        if (c->reply.stallAfter >= 0)
            limit = c->reply.stallAfter;
        if (limit >= 0 && c->sent + block.size() >= limit) {
            block.truncate(limit - c->sent);
            socket->write(block);
            c->sent += block.size();
            c->done = true;
            if (c->reply.cutAfter >= 0) {
                socket->flush();
                socket->disconnectFromHost();
            }
            return;
        }
        if (block.isEmpty()) {
            c->done = true;
            socket->disconnectFromHost();
            return;
        }
        socket->write(block);
        c->sent += block.size();
    }

    QTcpServer m_server;
    Handler m_handler;
};

} // namespace zeltest
