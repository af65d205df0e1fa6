#pragma once

#include "confirm/OnlineService.h"
#include "confirm/ReportDownload.h"

#include <QDate>
#include <QObject>
#include <QString>

class QNetworkAccessManager;

// One service's confirmations fetched and saved beside the log as a dated file
// ("F6ABC_LoTW_07_12_26.adi", "_2"… for another the same day): LoTW's report in one
// request, eQSL's page naming its file, then the file from the same host. Nothing is
// saved unless the reply is whole and is what was asked for.
class ConfirmFetch : public QObject
{
    Q_OBJECT
public:
    struct Request {
        OnlineService service = OnlineService::LoTW;
        QUrl address;         // the service's page (settings)
        QString user;
        QString password;     // handed to the network only
        QString qth;          // eQSL's QTH nickname, may be empty
        QString ownCall;      // "F6ABC/P"
        QDate since;          // invalid: everything
        QString station;      // "F6ABC_P", names the file
        QString folder;       // beside the log
        QDate today;          // the operator's day, names the file
        int timeoutSeconds = 60;
    };
    struct Outcome {
        bool ok = false;        // a file was saved (path)
        bool nothingNew = false;// the service had no confirmation to send (not an error)
        bool cancelled = false;
        QString path;
        QString message;        // French, for the operator
        QDate nextSince;        // the "Depuis le" to keep once the marks are in the log
        int records = 0;
    };

    ConfirmFetch(QNetworkAccessManager &network, QObject *parent = nullptr);

    Outcome fetch(const Request &request);
    void cancel();

    // "F6ABC_LoTW_07_12_26.adi", then "_2"… (n > 1).
    static QString fileName(const QString &station, OnlineService service, const QDate &day, int n = 1);
    // The first name of that form not yet taken in folder.
    static QString freePath(const QString &folder, const QString &station, OnlineService service, const QDate &day);
    // The day a next download starts from: the day of the last confirmation (or of the
    // download), one day earlier so that nothing falls between two downloads.
    static QDate nextSince(const QDate &last) { return last.isValid() ? last.addDays(-1) : QDate(); }

signals:
    void received(qint64 bytes);
    // The step under way, in words ("Demande de la page d'eQSL…").
    void step(const QString &text);

private:
    Outcome fetchLotw(const Request &request, ReportDownload &download);
    Outcome fetchEqsl(const Request &request, ReportDownload &download);
    static Outcome failed(const ReportDownload::Result &r);
    static Outcome nothingNew(OnlineService service);
    static Outcome kept(OnlineService service, const ReportDownload::Result &r, const QString &path, int records,
                        const QDate &nextSince);

    QNetworkAccessManager &m_network;
    ReportDownload *m_download = nullptr;
    bool m_cancelled = false;
};
