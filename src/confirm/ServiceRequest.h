#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QUrl>

// The requests made to the services and what their replies are taken for. Both services
// take the password in the address: an address built here is handed to the network
// and to nothing else (no message, file or log).
class ServiceRequest
{
    Q_DECLARE_TR_FUNCTIONS(ServiceRequest)

public:
    // LoTW's report of the confirmations of ownCall ("F6ABC/P", the "/" kept) since the
    // day (everything when it is invalid), with the details of each QSL.
    static QUrl lotwReport(const QUrl &address, const QString &user, const QString &password,
                           const QString &ownCall, const QDate &since);
    // eQSL's inbox since the day (its first minute), for one QTH nickname when given.
    static QUrl eqslInbox(const QUrl &address, const QString &user, const QString &password, const QString &qth,
                          const QDate &since);

    // HTTPS anywhere; plain HTTP only to this machine (a loopback address).
    static bool allowed(const QUrl &url);
    // Whether next is served by the same host (scheme, host and port) as first.
    static bool sameHost(const QUrl &first, const QUrl &next);

    // What a LoTW reply is, from its first bytes (up to HeadBytes) and its last ones.
    struct LotwVerdict {
        bool report = false;   // a LoTW report, whole
        QString error;         // French, when it is not (or is cut)
        QDate lastQsl;         // the date LoTW gives for its last confirmation, when it gives one
    };
    static constexpr qsizetype HeadBytes = 64 * 1024;
    static constexpr qsizetype TailBytes = 256;
    static LotwVerdict lotwReply(const QByteArray &head, const QByteArray &tail, int records);

    // eQSL's first page: the address of the .adi file it names, "nothing new", or why not.
    struct EqslPage {
        QUrl file;          // valid when the page names one on the same host
        bool nothingNew = false;
        QString error;      // French
    };
    static EqslPage eqslPage(const QByteArray &page, const QUrl &pageUrl);
    // eQSL's .adi file: empty when it is an inbox whole, else why not.
    static QString eqslFile(const QByteArray &head, const QByteArray &tail);

    // The line of an HTML page that says what went wrong, as text (tags and entities
    // out, at most 200 characters), with `secret` blanked wherever the page repeats it.
    static QString pageErrorLine(const QByteArray &page, const QString &secret);
};
