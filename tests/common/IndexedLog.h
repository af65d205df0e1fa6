#pragma once

// A log on disk in a temporary program directory, opened by a session, with the
// index of the award standing beside it: what the import, the fuzz target and the
// benchmarks match their records against.

#include "common/LogLines.h"

#include "logstore/LogFile.h"
#include "logstore/LogSession.h"
#include "logstore/Settings.h"
#include "refdata/LogIndex.h"

#include <QTemporaryDir>

#include <memory>

namespace zeltest {

class IndexedLog
{
public:
    explicit IndexedLog(const QList<QByteArray> &lines = {}, const QString &station = QStringLiteral("TEST1"))
        : m_station(station), m_settings(std::make_unique<Settings>(m_dir.filePath(QStringLiteral("zel.ini"))))
    {
        m_settings->write(Settings::CommonSection, Settings::KeyCallsign, station);
        writeBytes(m_dir.filePath(LogFile::fileName(station)), crlf(lines));
        m_session = std::make_unique<LogSession>(*m_settings, m_dir.path());
        m_session->setLockTimeout(200);
        m_session->openStation();
        m_index = std::make_unique<LogIndex>(*m_session);
    }

    // The log replaced by these lines, as another program would write it, and read anew.
    void rewrite(const QList<QByteArray> &lines)
    {
        writeBytes(m_dir.filePath(LogFile::fileName(m_station)), crlf(lines));
        m_session->reload();
    }

    QString dir() const { return m_dir.path(); }
    LogSession &session() { return *m_session; }
    LogIndex &index() { return *m_index; }
    operator const LogIndex &() const { return *m_index; }

private:
    QTemporaryDir m_dir;
    QString m_station;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<LogSession> m_session;
    std::unique_ptr<LogIndex> m_index;
};

} // namespace zeltest
