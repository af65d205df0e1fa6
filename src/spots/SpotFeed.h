#pragma once

#include "logstore/LogFile.h"
#include "spots/ClusterConnection.h"
#include "spots/Spot.h"
#include "spots/SpotModel.h"

#include <QObject>

class LogIndex;
class LogSession;
class QFileSystemWatcher;

// The cluster as the logbook keeps it while it runs, window open or not: the
// connection to the node, the list of abbeys on the air read from it against the
// abbey list, and their status in the log. The abbey list's file is watched: once
// it is replaced (updated, or put back to the previous one) the spots shown take
// its names and statuses.
class SpotFeed : public QObject
{
    Q_OBJECT
public:
    // The spots' statuses are asked of the index.
    SpotFeed(LogSession &session, LogIndex &index, QObject *parent = nullptr);

    ClusterConnection &connection() { return m_connection; }
    SpotModel &model() { return m_model; }

    // The node's "DX" command announcing a station: "DX 14025.0 IK1ABC ZEL AZ0001".
    // Empty when the frequency is no number of kHz or the callsign no callsign; the
    // comment keeps only printable characters.
    static QString dxCommand(const QString &kHz, const QString &call, const QString &comment);

    // Lines of the node, as if they had come from it.
    void read(const QList<QByteArray> &lines);

    // Looks at the abbey list's file now: when it is not the one the spots were
    // named from, they are named again from it. Called by the file's watcher.
    void checkAbbeyList();

signals:
    // A live spot of an abbey the operator needs, not on the list before.
    void announced(const Spot &spot);

private:
    QString abbeyListPath() const;
    void watch();

    LogSession &m_session;
    ClusterConnection m_connection;
    SpotModel m_model;
    QFileSystemWatcher *m_watcher;
    QString m_listPath;   // the list the spots are named from
    LogFile::Stamp m_listStamp;
};
