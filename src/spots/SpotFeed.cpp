#include "spots/SpotFeed.h"

#include "logstore/LogSession.h"
#include "refdata/AbbeyTable.h"
#include "refdata/ProgramDir.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QRegularExpression>

SpotFeed::SpotFeed(LogSession &session, LogIndex &index, QObject *parent)
    : QObject(parent), m_session(session), m_connection(), m_model(index),
      m_watcher(new QFileSystemWatcher(this))
{
    connect(&m_connection, &ClusterConnection::linesReceived, this, &SpotFeed::read);
    // The list is replaced by renaming a new file over it: the folder says so, the
    // file's own watch would be lost with the old file.
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &SpotFeed::checkAbbeyList);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &SpotFeed::checkAbbeyList);
    m_listPath = abbeyListPath();
    m_listStamp = LogFile::stampOf(m_listPath);
    watch();
}

QString SpotFeed::abbeyListPath() const { return m_session.filePath(ProgramDir::abbeyListName()); }

void SpotFeed::watch()
{
    const QStringList watched = m_watcher->files() + m_watcher->directories();
    if (!watched.isEmpty())
        m_watcher->removePaths(watched);
    const QFileInfo list(m_listPath);
    if (list.exists())
        m_watcher->addPath(m_listPath);
    if (list.absoluteDir().exists())
        m_watcher->addPath(list.absolutePath());
}

void SpotFeed::checkAbbeyList()
{
    const QString path = abbeyListPath();
    const LogFile::Stamp stamp = LogFile::stampOf(path);
    if (path == m_listPath && stamp == m_listStamp)
        return;
    const bool moved = path != m_listPath;
    m_listPath = path;
    m_listStamp = stamp;
    if (moved || !m_watcher->files().contains(path))
        watch();
    if (m_model.rowCount() == 0 && m_model.waitingCount() == 0)
        return;
    m_model.relist(AbbeyTable::current(path));
}

void SpotFeed::read(const QList<QByteArray> &lines)
{
    // A list replaced since the last lines names the spots shown before these come in.
    checkAbbeyList();
    const AbbeyTable &abbeys = AbbeyTable::current(m_listPath);
    const QList<Spot> news = m_model.addLines(lines, abbeys);
    for (const Spot &s : news)
        emit announced(s);
}

QString SpotFeed::dxCommand(const QString &kHz, const QString &call, const QString &comment)
{
    QString number = kHz.trimmed();
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = number.toDouble(&ok);
    const QString dx = call.trimmed().toUpper();
    static const QRegularExpression callsign(QStringLiteral("^[A-Z0-9/]*[0-9][A-Z0-9/]*$"));
    if (!ok || value <= 0 || value > 1e9 || !callsign.match(dx).hasMatch() || !dx.contains(QRegularExpression(QStringLiteral("[A-Z]"))))
        return {};
    QString text;
    for (QChar c : comment) {
        // One line to the node: no line end or control character may split it.
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            text.append(c);
        else if (c.isSpace())
            text.append(QLatin1Char(' '));
    }
    QString command = QStringLiteral("DX %1 %2").arg(QString::number(value, 'f', 1), dx);
    text = text.simplified();
    if (!text.isEmpty())
        command += QLatin1Char(' ') + text;
    return command;
}
