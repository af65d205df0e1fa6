#include "confirm/ReportDownload.h"

#include "confirm/ServiceRequest.h"
#include "logstore/AtomicFile.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

ReportDownload::ReportDownload(QNetworkAccessManager &network, const QString &service, int timeoutSeconds,
                               QObject *parent)
    : QObject(parent), m_network(network), m_service(service), m_timeoutSeconds(qMax(1, timeoutSeconds))
{
}

void ReportDownload::cancel()
{
    m_cancelled = true;
    if (m_abort)
        m_abort();
}

QString ReportDownload::networkError(int code) const
{
    switch (QNetworkReply::NetworkError(code)) {
    case QNetworkReply::ConnectionRefusedError:
        return tr("%1 ne répond pas (connexion refusée).").arg(m_service);
    case QNetworkReply::HostNotFoundError:
        return tr("Le serveur de %1 est introuvable : vérifiez la connexion à Internet.").arg(m_service);
    case QNetworkReply::RemoteHostClosedError:
        return tr("%1 a coupé la connexion avant la fin de sa réponse : rien n'est enregistré.").arg(m_service);
    case QNetworkReply::SslHandshakeFailedError:
        return tr("La connexion sécurisée avec %1 a échoué (certificat refusé).").arg(m_service);
    case QNetworkReply::AuthenticationRequiredError:
        return tr("%1 a refusé l'identifiant ou le mot de passe").arg(m_service);
    case QNetworkReply::ContentNotFoundError:
        return tr("%1 ne connaît pas la page demandée (vérifiez son adresse dans les réglages).").arg(m_service);
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return tr("Le proxy du système n'a pas permis de joindre %1.").arg(m_service);
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
        return tr("Le réseau n'est pas disponible : %1 n'a pas pu être joint.").arg(m_service);
    default:
        break;
    }
    return tr("La connexion avec %1 a échoué (erreur réseau %2).").arg(m_service).arg(code);
}

ReportDownload::Result ReportDownload::run(const QUrl &url, const std::function<bool(const QByteArray &)> &onData)
{
    Result result;
    if (m_cancelled) {
        result.status = Status::Cancelled;
        return result;
    }
    if (!ServiceRequest::allowed(url)) {
        result.error = tr("L'adresse de %1 n'est pas sûre (HTTPS obligatoire hors de cet ordinateur) : "
                                      "rien n'est envoyé.").arg(m_service);
        return result;
    }
    QNetworkRequest request(url);
    // A redirection is followed only on the same host and never to a less safe address.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("User-Agent", "KVR_ZEL");

    QEventLoop loop;
    QTimer silence;
    silence.setSingleShot(true);
    silence.setInterval(m_timeoutSeconds * 1000);
    bool timedOut = false;
    bool refused = false; // the data could not be taken (the disk) or the page grew too big
    QNetworkReply *reply = m_network.get(request);
    reply->setReadBufferSize(ReadBuffer);
    const auto drain = [&] {
        if (refused)
            return;
        while (reply->bytesAvailable() > 0) {
            const QByteArray piece = reply->read(ReadBuffer);
            if (piece.isEmpty())
                break;
            result.bytes += piece.size();
            if (!onData(piece)) {
                refused = true;
                reply->abort();
                return;
            }
        }
        emit received(result.bytes);
    };
    // A redirection elsewhere is refused, not waited on.
    bool badRedirect = false;
    connect(reply, &QNetworkReply::redirected, &loop, [&, url](const QUrl &to) {
        if (ServiceRequest::allowed(to) && ServiceRequest::sameHost(url, to)) {
            emit reply->redirectAllowed();
            return;
        }
        badRedirect = true;
        reply->abort();
    });
    connect(reply, &QIODevice::readyRead, &loop, [&] {
        silence.start();
        drain();
    });
    connect(reply, &QNetworkReply::downloadProgress, &loop, [&silence] { silence.start(); });
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    connect(&silence, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    m_abort = [reply] { reply->abort(); };
    silence.start();
    if (!reply->isFinished())
        loop.exec();
    m_abort = nullptr;
    drain();
    const QNetworkReply::NetworkError error = reply->error();
    const int http = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    reply->disconnect(this);
    reply->deleteLater();

    if (m_cancelled) {
        result.status = Status::Cancelled;
        result.error = tr("Téléchargement de %1 annulé : rien n'est enregistré.").arg(m_service);
    } else if (timedOut) {
        result.status = Status::TimedOut;
        result.error = tr("%1 ne répond plus depuis %2 s : téléchargement abandonné, rien n'est enregistré.")
                           .arg(m_service)
                           .arg(m_timeoutSeconds);
    } else if (badRedirect) {
        result.error = tr("%1 renvoie vers un autre serveur ou une adresse non chiffrée : la demande "
                                      "n'y est pas envoyée.").arg(m_service);
    } else if (refused) {
        result.status = Status::Failed;
    } else if (http >= 300) {
        result.error = tr("Le serveur de %1 a répondu par une erreur (code HTTP %2) : rien n'est "
                                      "enregistré.").arg(m_service).arg(http);
    } else if (error != QNetworkReply::NoError) {
        result.error = networkError(int(error));
    } else if (http != 200 && http != 0) {
        result.error = tr("Le serveur de %1 a répondu par une erreur (code HTTP %2) : rien n'est enregistré.")
                           .arg(m_service)
                           .arg(http);
    } else {
        result.status = Status::Done;
    }
    return result;
}

ReportDownload::Result ReportDownload::fetchPage(const QUrl &url, QByteArray *page)
{
    page->clear();
    Result r = run(url, [&](const QByteArray &piece) {
        if (page->size() + piece.size() > MaxPageBytes)
            return false;
        page->append(piece);
        return true;
    });
    if (r.status == Status::Failed && r.error.isEmpty())
        r.error = tr("La page envoyée par %1 est trop grande pour en être une : abandon.").arg(m_service);
    return r;
}

ReportDownload::Result ReportDownload::fetchToFile(const QUrl &url, const QString &path, const Check &check)
{
    Result r;
    QString writeError;
    const AtomicFile::Result written = AtomicFile::write(path, [&](const AtomicFile::Sink &sink) {
        QByteArray head;
        QByteArray tail;
        QByteArray carry; // the end of the last piece, where an <EOR> may begin
        int records = 0;
        r = run(url, [&](const QByteArray &piece) {
            if (head.size() < ServiceRequest::HeadBytes)
                head += piece.left(ServiceRequest::HeadBytes - head.size());
            tail = (tail + piece.right(ServiceRequest::TailBytes)).right(ServiceRequest::TailBytes);
            // <EOR> counted across the pieces' edges, without a copy of the piece.
            const QByteArray edge = carry + piece.left(4);
            for (qsizetype at = 0; (at = edge.indexOf('<', at)) >= 0; ++at)
                records += at + 5 <= edge.size() && at < carry.size() && qstrnicmp(edge.constData() + at, "<eor>", 5) == 0;
            for (qsizetype at = 0; (at = piece.indexOf('<', at)) >= 0; ++at)
                records += at + 5 <= piece.size() && qstrnicmp(piece.constData() + at, "<eor>", 5) == 0;
            carry = piece.right(4);
            return sink(QByteArrayView(piece));
        });
        r.records = records;
        if (r.status != Status::Done)
            return false;
        writeError = check(head, tail, records);
        return writeError.isEmpty();
    });
    if (r.status == Status::Done && !writeError.isEmpty()) {
        r.status = Status::Failed;
        r.error = writeError;
    } else if (r.status == Status::Done && !written.ok) {
        r.status = Status::Failed;
        r.error = tr("La réponse de %1 n'a pas pu être enregistrée : %2").arg(m_service, written.error);
    } else if (r.status == Status::Failed && r.error.isEmpty()) {
        r.error = tr("La réponse de %1 n'a pas pu être enregistrée : %2").arg(m_service, written.error);
    }
    return r;
}
