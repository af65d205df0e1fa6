#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

// One request to a service, its reply kept in memory (a small page) or written to a
// file as it arrives, through the checked writer, so that a report of any size takes
// no more memory than a few blocks. Each call returns when the reply is whole, has
// failed, has been silent for the time-out or was cancelled; the events of the
// program go on meanwhile (the window's "Annuler" among them). A reply that is not
// whole leaves no file. Messages name the service, never the address (it carries
// the password) nor Qt's error text (which repeats it).
class ReportDownload : public QObject
{
    Q_OBJECT
public:
    enum class Status { Done, Failed, Cancelled, TimedOut };
    struct Result {
        Status status = Status::Failed;
        QString error; // French, naming the service
        qint64 bytes = 0;
        int records = 0; // <EOR> marks counted in a file
    };
    // Whether a whole reply is what was asked for: empty when it is, else why not
    // (French). Given the reply's first bytes, its last ones and its records.
    using Check = std::function<QString(const QByteArray &head, const QByteArray &tail, int records)>;

    // The most a page kept in memory may weigh.
    static constexpr qint64 MaxPageBytes = 4 << 20;
    // What Qt keeps of the reply before it is read: the memory of a download.
    static constexpr qint64 ReadBuffer = 1 << 20;

    ReportDownload(QNetworkAccessManager &network, const QString &service, int timeoutSeconds,
                   QObject *parent = nullptr);

    Result fetchPage(const QUrl &url, QByteArray *page);
    // Written to path only when the reply is whole and check accepts it (the empty
    // file of a report without records too; the caller decides what to keep).
    Result fetchToFile(const QUrl &url, const QString &path, const Check &check);

    // Stops the request under way (or the next one, until it is reset).
    void cancel();
    bool cancelled() const { return m_cancelled; }

signals:
    // Bytes received so far by the request under way (the services send no total).
    void received(qint64 bytes);

private:
    // Runs the request until its end; onData gets every piece as it comes.
    Result run(const QUrl &url, const std::function<bool(const QByteArray &)> &onData);
    QString networkError(int code) const;

    QNetworkAccessManager &m_network;
    QString m_service;
    int m_timeoutSeconds;
    bool m_cancelled = false;
    std::function<void()> m_abort;
};
