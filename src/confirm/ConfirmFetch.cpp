#include "confirm/ConfirmFetch.h"

#include "confirm/ServiceRequest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ConfirmFetch::ConfirmFetch(QNetworkAccessManager &network, QObject *parent) : QObject(parent), m_network(network) {}

void ConfirmFetch::cancel()
{
    m_cancelled = true;
    if (m_download)
        m_download->cancel();
}

QString ConfirmFetch::fileName(const QString &station, OnlineService service, const QDate &day, int n)
{
    return station + QLatin1Char('_') + serviceName(service) + QLatin1Char('_')
        + day.toString(QStringLiteral("dd_MM_yy")) + (n > 1 ? QStringLiteral("_%1").arg(n) : QString())
        + QStringLiteral(".adi");
}

QString ConfirmFetch::freePath(const QString &folder, const QString &station, OnlineService service, const QDate &day)
{
    const QDir dir(folder);
    QString path = dir.filePath(fileName(station, service, day));
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = dir.filePath(fileName(station, service, day, n));
    return path;
}

ConfirmFetch::Outcome ConfirmFetch::failed(const ReportDownload::Result &r)
{
    Outcome o;
    o.cancelled = r.status == ReportDownload::Status::Cancelled;
    o.message = r.error;
    return o;
}

ConfirmFetch::Outcome ConfirmFetch::nothingNew(OnlineService service)
{
    Outcome o;
    o.nothingNew = true;
    o.message = tr("Aucune nouvelle confirmation sur %1").arg(serviceName(service));
    return o;
}

// A downloaded reply that was kept: a report with its records. A reply with no record
// (marked "-" by the check) was not kept and means nothing new.
ConfirmFetch::Outcome ConfirmFetch::kept(OnlineService service, const ReportDownload::Result &r, const QString &path,
                                         int records, const QDate &nextSince)
{
    if (r.status == ReportDownload::Status::Failed && r.error == QLatin1String("-"))
        return nothingNew(service);
    if (r.status != ReportDownload::Status::Done)
        return failed(r);
    Outcome o;
    o.ok = true;
    o.path = path;
    o.records = records;
    o.nextSince = nextSince;
    o.message = tr("%1 : %2 confirmations reçues, enregistrées dans %3.")
                    .arg(serviceName(service))
                    .arg(records)
                    .arg(QFileInfo(path).fileName());
    return o;
}

ConfirmFetch::Outcome ConfirmFetch::fetch(const Request &request)
{
    m_cancelled = false;
    ReportDownload download(m_network, serviceName(request.service), request.timeoutSeconds);
    connect(&download, &ReportDownload::received, this, &ConfirmFetch::received);
    m_download = &download;
    Outcome o = request.service == OnlineService::LoTW ? fetchLotw(request, download) : fetchEqsl(request, download);
    m_download = nullptr;
    // A page's own error line may repeat what it was sent: never the password.
    if (request.password.size() >= 3) {
        o.message.replace(request.password, QStringLiteral("***"));
        o.message.replace(QString::fromLatin1(request.password.toUtf8().toPercentEncoding()), QStringLiteral("***"));
    }
    return o;
}

ConfirmFetch::Outcome ConfirmFetch::fetchLotw(const Request &request, ReportDownload &download)
{
    emit step(tr("Téléchargement du rapport de LoTW…"));
    const QUrl url = ServiceRequest::lotwReport(request.address, request.user, request.password, request.ownCall,
                                                request.since);
    const QString path = freePath(request.folder, request.station, OnlineService::LoTW, request.today);
    QDate lastQsl;
    int records = 0;
    const ReportDownload::Result r =
        download.fetchToFile(url, path, [&](const QByteArray &head, const QByteArray &tail, int count) {
            const ServiceRequest::LotwVerdict v = ServiceRequest::lotwReply(head, tail, count);
            lastQsl = v.lastQsl;
            records = count;
            // A report without a record is not kept: there is nothing in it to show.
            if (v.report && count == 0)
                return QStringLiteral("-");
            return v.error;
        });
    return kept(OnlineService::LoTW, r, path, records,
                nextSince(lastQsl.isValid() ? lastQsl : request.since.addDays(1)));
}

ConfirmFetch::Outcome ConfirmFetch::fetchEqsl(const Request &request, ReportDownload &download)
{
    emit step(tr("Demande de la boîte de réception d'eQSL…"));
    const QUrl pageUrl =
        ServiceRequest::eqslInbox(request.address, request.user, request.password, request.qth, request.since);
    QByteArray page;
    const ReportDownload::Result first = download.fetchPage(pageUrl, &page);
    if (first.status != ReportDownload::Status::Done)
        return failed(first);
    const ServiceRequest::EqslPage named = ServiceRequest::eqslPage(page, pageUrl);
    page.clear();
    if (named.nothingNew)
        return nothingNew(OnlineService::Eqsl);
    if (!named.error.isEmpty()) {
        Outcome o;
        o.message = named.error;
        return o;
    }
    if (m_cancelled) {
        Outcome o;
        o.cancelled = true;
        o.message = tr("Téléchargement de eQSL annulé : rien n'est enregistré.");
        return o;
    }
    emit step(tr("Téléchargement du fichier d'eQSL…"));
    const QString path = freePath(request.folder, request.station, OnlineService::Eqsl, request.today);
    int records = 0;
    const ReportDownload::Result r =
        download.fetchToFile(named.file, path, [&](const QByteArray &head, const QByteArray &tail, int count) {
            records = count;
            const QString why = ServiceRequest::eqslFile(head, tail);
            if (why.isEmpty() && count == 0)
                return QStringLiteral("-");
            return why;
        });
    // eQSL gives no date of its own: the day of this download.
    return kept(OnlineService::Eqsl, r, path, records, nextSince(request.today));
}
