#include "logstore/LogSession.h"

#include "logstore/Cp1252.h"
#include "logstore/LogFile.h"
#include "logstore/LogRewriter.h"
#include "logstore/QsoRecord.h"
#include "logstore/Settings.h"

#include <QDir>
#include <QFile>

LogSession::LogSession(Settings &settings, QString programDir, QObject *parent)
    : QObject(parent), m_settings(settings), m_dir(std::move(programDir)),
      m_callsign(Settings::DefaultCallsign)
{
}

LogSession::~LogSession() = default;

QString LogSession::filePath(const QString &name) const { return QDir(m_dir).filePath(name); }

QString LogSession::displayCallsign() const
{
    return LogFile::Indicatif_Affiche(m_callsign);
}

bool LogSession::hasStation() const { return m_callsign != Settings::DefaultCallsign; }

QString LogSession::logFileName() const { return LogFile::fileName(m_callsign); }

QString LogSession::logPath() const { return filePath(logFileName()); }

void LogSession::openStation()
{
    const QString stored = m_settings.stationCallsign();
    // A hand-edited callsign that the station window could not have made never names a file.
    m_callsign = LogFile::isValidCallsign(stored) ? stored : Settings::DefaultCallsign;
    m_selected = -1;
    emit stationChanged();
    if (hasStation()) {
        reload();
    } else {
        // No station yet: nothing is loaded (its log is never shown).
        m_loadError.clear();
        take({}, {});
    }
}

bool LogSession::reload()
{
    m_loadError.clear();
    // A rewrite stopped between writing its copy and renaming it (a kill, a power
    // cut) leaves that copy beside the log: the log itself is whole, the copy goes.
    if (hasStation())
        LogRewriter::cleanLeftovers(logPath());
    QByteArray content;
    const LogFile::Stamp stamp = LogFile::stampOf(logPath());
    QFile f(logPath());
    if (f.exists()) {
        if (!f.open(QIODevice::ReadOnly)) {
            m_loadError = f.errorString();
        } else {
            content = f.readAll();
            if (f.error() != QFileDevice::NoError) {
                m_loadError = f.errorString();
                content.clear();
            }
        }
    }
    take(std::move(content), m_loadError.isEmpty() ? stamp : LogFile::Stamp{});
    return m_loadError.isEmpty();
}

bool LogSession::refreshIfChanged()
{
    if (!hasStation() || LogFile::stampOf(logPath()) == m_stamp)
        return false;
    reload();
    return true;
}

void LogSession::take(QByteArray content, const LogFile::Stamp &stamp)
{
    m_content = std::move(content);
    m_stamp = stamp;
    m_lines = LineIndex(m_content);
    m_malformed.clear();
    for (int i = 0; i < m_lines.size(); ++i) {
        if (!LogFile::isWellFormed(m_lines.at(i)))
            m_malformed.append(i + 1);
    }
    finishTake();
}

void LogSession::takeWritten(const LogRewriter &rewriter)
{
    // When the rewrite started from the lines held here and none of them was
    // hand-edited, none of the new log's lines is: no need to look at them again.
    if (!rewriter.wroteKnown() || !m_malformed.isEmpty()) {
        take(rewriter.written(), rewriter.writtenStamp());
        return;
    }
    m_content = rewriter.written();
    m_stamp = rewriter.writtenStamp();
    m_lines = LineIndex(m_content, rewriter.writtenLines());
    finishTake();
}

void LogSession::finishTake()
{
    if (m_selected >= m_lines.size())
        m_selected = -1;
    emit logChanged();
}

QString LogSession::text(int row) const { return Cp1252::decode(m_lines.at(row)); }

QString LogSession::listLine(int row) const
{
    if (row < 0 || row >= m_lines.size())
        return {};
    return QsoRecord::listLineFromLogLine(text(row), row + 1);
}

void LogSession::setSelectedRow(int row) { m_selected = (row >= 0 && row < m_lines.size()) ? row : -1; }

QString LogSession::noStationMessage()
{
    return QStringLiteral("Aucune station n'est encore choisie : le QSO n'a pas été enregistré.\r\n\r\n"
                          "Créez d'abord la station (menu Station, Nouvel Indicatif).");
}

template <typename Change> AtomicFile::Result LogSession::change(Change &&apply)
{
    // The placeholder station's log is never loaded: a QSO written there would
    // never be seen again.
    if (!hasStation())
        return {false, noStationMessage()};
    LogRewriter rewriter(logPath());
    rewriter.setLockTimeout(m_lockTimeout);
    rewriter.setKnown(m_content, m_lines.views(), m_stamp);
    const AtomicFile::Result r = apply(rewriter);
    if (r.ok)
        takeWritten(rewriter);
    return r;
}

AtomicFile::Result LogSession::append(const QByteArray &line)
{
    // The usual commit: the log held here is the file, every line of it a QSO line
    // ending with CR LF. The new QSO is added to the held bytes, which are written
    // as they stand, so the log is never held twice.
    if (hasStation() && m_malformed.isEmpty() && endsEveryLineWithCrLf()) {
        LogRewriter rewriter(logPath());
        rewriter.setLockTimeout(m_lockTimeout);
        bool done = false;
        const AtomicFile::Result r = rewriter.appendInPlace(m_content, m_stamp, line, &done);
        // Growing the buffer may have moved it: the lines follow it.
        m_lines.rebase(m_content);
        if (!r.ok || done) {
            if (done) {
                m_lines.appendLast(m_content, line.size());
                m_stamp = rewriter.writtenStamp();
                finishTake();
            }
            return r;
        }
    }
    return change([&](LogRewriter &w) { return w.Ajoute_QSO_Log(line); });
}

bool LogSession::endsEveryLineWithCrLf() const
{
    // The lines found in the held bytes account for all of them only when each is
    // followed by CR LF (an LF alone, or a last line without end, leaves a gap).
    return m_lines.endsEveryLineWithCrLf(m_content);
}

AtomicFile::Result LogSession::replace(const QByteArray &newLine, const QByteArray &oldLine)
{
    return change([&](LogRewriter &w) { return w.Remplace_QSO_Log(newLine, oldLine); });
}

AtomicFile::Result LogSession::remove(const QByteArray &line)
{
    return change([&](LogRewriter &w) { return w.Supprime_QSO_Log(line); });
}

AtomicFile::Result LogSession::insert(const QByteArray &line)
{
    return change([&](LogRewriter &w) { return w.Insere_QSO_Log(line); });
}

AtomicFile::Result LogSession::markConfirmed(const QList<int> &rows)
{
    QList<int> numbers;
    QList<QByteArray> expected;
    for (int row : rows) {
        if (row < 0 || row >= m_lines.size())
            continue;
        numbers.append(row + 1);
        expected.append(m_lines.at(row).toByteArray());
    }
    return change([&](LogRewriter &w) { return w.Marque_QSL(numbers, expected); });
}
