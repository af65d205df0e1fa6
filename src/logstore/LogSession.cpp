#include "logstore/LogSession.h"

#include "logstore/Cp1252.h"
#include "logstore/FileLock.h"
#include "logstore/LogFile.h"
#include "logstore/LogRewriter.h"
#include "logstore/QsoRecord.h"
#include "logstore/Settings.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QFile>

namespace {

// Another copy of the program writing the log: waited for, up to timeoutMs, with the
// thread's events still served (the windows drawn, the radio and the cluster read;
// keys and clicks wait), instead of sleeping with the window frozen. Returns how long
// the rewrite itself may still wait for the lock once it was seen free (another copy
// may take it in between): never past the same bound.
int waitForOtherCopy(const QString &logPath, int timeoutMs)
{
    if (!QAbstractEventDispatcher::instance())
        return timeoutMs;
    const QDeadlineTimer deadline(qMax(0, timeoutMs));
    const QString lockPath = FileLock::lockPathFor(logPath);
    for (;;) {
        {
            FileLock probe(lockPath);
            if (probe.lock(0) != FileLock::Status::HeldByOther)
                return int(deadline.remainingTime());
        }
        if (deadline.hasExpired())
            return 0;
        QEventLoop pause;
        QTimer::singleShot(qMin<qint64>(20, deadline.remainingTime()), &pause, &QEventLoop::quit);
        pause.exec(QEventLoop::ExcludeUserInputEvents);
    }
}

} // namespace

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
    m_linesGone = 0;
    emit stationChanged();
    if (hasStation()) {
        reload();
        // Temporary copies of the folder's other files (lists, exports) whose
        // writer was stopped.
        AtomicFile::removeLeftoversIn(m_dir);
    } else {
        // No station yet: nothing is loaded (its log is never shown).
        m_loadError.clear();
        take({}, {});
    }
}

void LogSession::prefetchStation()
{
    const QString stored = m_settings.stationCallsign();
    if (!LogFile::isValidCallsign(stored) || stored == Settings::DefaultCallsign)
        return;
    const QString path = filePath(LogFile::fileName(stored));
    m_prefetch = std::async(std::launch::async, [path] { return load(path); });
}

LogSession::Loaded LogSession::load(const QString &path)
{
    Loaded loaded;
    loaded.path = path;
    LogFile::Bytes read = LogFile::readBytes(path);
    loaded.error = read.error;
    if (loaded.error.isEmpty()) {
        loaded.content = std::move(read.content);
        loaded.stamp = read.stamp;
    }
    scan(loaded);
    return loaded;
}

void LogSession::scan(Loaded &loaded)
{
    loaded.lines = LineIndex(loaded.content);
    loaded.malformed.clear();
    for (int i = 0; i < loaded.lines.size(); ++i) {
        if (!LogFile::isWellFormed(loaded.lines.at(i)))
            loaded.malformed.append(i + 1);
    }
}

bool LogSession::takePrefetched(const QString &path, Loaded *loaded)
{
    if (!m_prefetch.valid())
        return false;
    Loaded read = m_prefetch.get();
    // Read before a change made since (another copy, a hand edit): read again. The
    // stamp cannot prove the file unchanged (an edit within the same second, its time
    // put back), so the bytes read are compared with the file as it now stands.
    if (read.path != path || !read.error.isEmpty() || read.stamp != LogFile::stampOf(path)
        || LogFile::compare(path, read.content) != LogFile::Match::Same)
        return false;
    *loaded = std::move(read);
    return true;
}

bool LogSession::reload()
{
    // A rewrite stopped between writing its copy and renaming it (a kill, a power
    // cut) leaves that copy beside the log: the log itself is whole, the copy goes.
    if (hasStation())
        LogRewriter::cleanLeftovers(logPath());
    Loaded loaded;
    if (!takePrefetched(logPath(), &loaded))
        loaded = load(logPath());
    const bool ok = loaded.error.isEmpty();
    adopt(std::move(loaded));
    return ok;
}

bool LogSession::refreshIfChanged()
{
    if (!hasStation() || LogFile::stampOf(logPath()) == m_stamp)
        return false;
    const int before = lineCount();
    reload();
    // Fewer lines than the operator saw: told at the next change, before it is written.
    if (lineCount() < before)
        m_linesGone += before - lineCount();
    return true;
}

void LogSession::adopt(Loaded loaded)
{
    m_loadError = loaded.error;
    m_content = std::move(loaded.content);
    m_stamp = loaded.stamp;
    m_lines = std::move(loaded.lines);
    m_malformed = std::move(loaded.malformed);
    finishTake(LogChange::anew());
}

void LogSession::take(QByteArray content, const LogFile::Stamp &stamp)
{
    Loaded loaded;
    loaded.content = std::move(content);
    loaded.stamp = stamp;
    scan(loaded);
    loaded.error = m_loadError;
    adopt(std::move(loaded));
}

void LogSession::takeWritten(const LogRewriter &rewriter)
{
    // When the rewrite started from the lines held here and none of them was
    // hand-edited, none of the new log's lines is: no need to look at them again.
    if (!rewriter.wroteKnown()) {
        take(rewriter.written(), rewriter.writtenStamp());
        return;
    }
    m_content = rewriter.written();
    m_stamp = rewriter.writtenStamp();
    m_lines = LineIndex(m_content, rewriter.writtenLines());
    if (!m_malformed.isEmpty()) {
        m_malformed.clear();
        for (int i = 0; i < m_lines.size(); ++i) {
            if (!LogFile::isWellFormed(m_lines.at(i)))
                m_malformed.append(i + 1);
        }
    }
    finishTake(rewriter.change());
}

void LogSession::finishTake(const LogChange &change)
{
    if (m_selected >= m_lines.size())
        m_selected = -1;
    emit logChanged(change);
}

QString LogSession::text(int row) const
{
    const QByteArrayView line = m_lines.at(row);
    return Cp1252::decode(line.first(qMin(line.size(), qsizetype(QsoRecord::LogLineLength + 1))));
}

QString LogSession::listLine(int row) const
{
    if (row < 0 || row >= m_lines.size())
        return {};
    return QsoRecord::listLineFromLogLine(text(row), row + 1);
}

void LogSession::setSelectedRow(int row) { m_selected = (row >= 0 && row < m_lines.size()) ? row : -1; }

QString LogSession::noStationMessage()
{
    return QCoreApplication::translate("LogSession", "Aucune station n'est encore choisie : le QSO n'a pas été enregistré.\r\n\r\n"
                          "Créez d'abord la station (menu Station, Nouvel Indicatif).");
}

template <typename Change> AtomicFile::Result LogSession::change(Change &&apply)
{
    // The placeholder station's log is never loaded: a QSO written there would
    // never be seen again.
    if (!hasStation())
        return {false, noStationMessage()};
    if (const AtomicFile::Result told = tellLinesGone(); !told.ok)
        return told;
    const int lockTimeout = waitForOtherCopy(logPath(), m_lockTimeout);
    LogRewriter rewriter(logPath());
    rewriter.setLockTimeout(lockTimeout);
    rewriter.setKnown(m_content, m_lines.views());
    const AtomicFile::Result r = apply(rewriter);
    if (r.ok) {
        m_loadError.clear();
        takeWritten(rewriter);
    } else if (rewriter.readAgain()) {
        // Refused because the log changed under the operator: show it as it now is.
        m_loadError.clear();
        take(rewriter.current(), rewriter.currentStamp());
    }
    return r;
}

AtomicFile::Result LogSession::tellLinesGone()
{
    if (m_linesGone <= 0)
        return {};
    const int gone = m_linesGone;
    m_linesGone = 0;
    return {false, LogRewriter::fewerLines(logPath(), gone)};
}

AtomicFile::Result LogSession::append(const QByteArray &line)
{
    int lockTimeout = m_lockTimeout;
    if (hasStation()) {
        if (const AtomicFile::Result told = tellLinesGone(); !told.ok)
            return told;
        lockTimeout = waitForOtherCopy(logPath(), m_lockTimeout);
    }
    // The usual commit: the log held here is the file, every line of it a QSO line
    // ending with CR LF. The new QSO is added to the held bytes, which are written
    // as they stand, so the log is never held twice.
    if (hasStation() && m_loadError.isEmpty() && m_malformed.isEmpty() && endsEveryLineWithCrLf()) {
        LogRewriter rewriter(logPath());
        rewriter.setLockTimeout(lockTimeout);
        bool done = false;
        const AtomicFile::Result r = rewriter.appendInPlace(m_content, line, &done);
        // Growing the buffer may have moved it: the lines follow it.
        m_lines.rebase(m_content);
        if (!r.ok || done) {
            if (done) {
                m_lines.appendLast(m_content, line.size());
                m_stamp = rewriter.writtenStamp();
                finishTake(LogChange::appended(lineCount() - 1));
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

AtomicFile::Result LogSession::replaceInOrder(const QByteArray &newLine, const QByteArray &oldLine)
{
    return change([&](LogRewriter &w) { return w.Remplace_Et_Classe_QSO_Log(newLine, oldLine); });
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

AtomicFile::Result LogSession::replaceLines(const QList<int> &rows, const QList<QByteArray> &expected,
                                            const QList<QByteArray> &newLines)
{
    QList<int> numbers;
    numbers.reserve(rows.size());
    for (int row : rows)
        numbers.append(row + 1);
    return change([&](LogRewriter &w) { return w.Remplace_Lignes(numbers, expected, newLines); });
}

AtomicFile::Result LogSession::merge(const QList<QByteArray> &lines, const QList<LogRewriter::Mark> &marks,
                                     LogRewriter::MarkCount *count)
{
    return change([&](LogRewriter &w) { return w.Fusionne_QSO_Log(lines, marks, count); });
}
