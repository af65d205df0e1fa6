#include "logstore/LogRewriter.h"

#include "logstore/Cp1252.h"
#include "logstore/FileLock.h"
#include "logstore/QsoRecord.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QSet>

#include <algorithm>

Q_LOGGING_CATEGORY(lcLogStore, "zel.logstore")

namespace {

QString failure(const QString &path, const QString &why)
{
    return QCoreApplication::translate("LogRewriter", "Impossible d'enregistrer le journal %1 :\r\n%2\r\n\r\n"
                          "Le journal n'a pas été modifié et la saisie est conservée.")
        .arg(QFileInfo(path).fileName(), why);
}

// The new copy of the log: every line followed by CR LF. Runs of lines that
// already stand in the old log with their CR LF are copied in one piece.
QByteArray joined(const QByteArray &old, const LogRewriter::Lines &lines, LogRewriter::Lines *views)
{
    const char *begin = old.constData();
    const char *end = begin + old.size();
    // Pointers into unrelated buffers are compared through std::less, which is
    // the only ordering the language defines for them.
    const std::less<const char *> before;
    qsizetype total = 0;
    for (const QByteArrayView l : lines)
        total += l.size() + 2;
    QByteArray out;
    out.reserve(total);
    const char *run = nullptr;
    qsizetype runSize = 0;
    for (const QByteArrayView l : lines) {
        const char *p = l.data();
        const bool inOld = !before(p, begin) && !before(end, p) && l.size() + 2 <= end - p
            && p[l.size()] == '\r' && p[l.size() + 1] == '\n';
        if (inOld && run && p == run + runSize) {
            runSize += l.size() + 2;
            continue;
        }
        if (runSize > 0)
            out.append(run, runSize);
        run = nullptr;
        runSize = 0;
        if (inOld) {
            run = p;
            runSize = l.size() + 2;
        } else {
            out.append(l.data(), l.size());
            out.append("\r\n", 2);
        }
    }
    if (runSize > 0)
        out.append(run, runSize);
    // Where each line now stands, so the new log needs no second pass for its line ends.
    views->clear();
    views->reserve(lines.size());
    const char *at = out.constData();
    for (const QByteArrayView l : lines) {
        views->append(QByteArrayView(at, l.size()));
        at += l.size() + 2;
    }
    return out;
}

} // namespace

LogRewriter::LogRewriter(QString logPath) : m_path(std::move(logPath)) {}

LogRewriter::Lines LogRewriter::appended(Lines lines, QByteArrayView newLine)
{
    // A plain-entry QSO carries the clock's date and time, so it belongs after
    // every QSO already logged: always at the end.
    lines.append(newLine);
    return lines;
}

LogRewriter::Lines LogRewriter::replaced(Lines lines, QByteArrayView newLine, QByteArrayView oldLine)
{
    for (QByteArrayView &l : lines) {
        if (l == oldLine) {
            l = newLine;
            return lines;
        }
    }
    lines.append(newLine);
    return lines;
}

LogRewriter::Lines LogRewriter::removed(const Lines &lines, QByteArrayView line)
{
    Lines out;
    out.reserve(lines.size());
    for (const QByteArrayView l : lines) {
        if (l != line)
            out.append(l);
    }
    return out;
}

LogRewriter::Lines LogRewriter::inserted(const Lines &lines, QByteArrayView newLine)
{
    const qint64 when = timestamp(newLine);
    Lines out;
    out.reserve(lines.size() + 1);
    bool written = false;
    for (const QByteArrayView l : lines) {
        if (!written && timestamp(l) >= when) {
            out.append(newLine);
            written = true;
        }
        out.append(l);
    }
    if (!written)
        out.append(newLine);
    return out;
}

LogRewriter::Lines LogRewriter::moved(Lines lines, QByteArrayView newLine, QByteArrayView oldLine)
{
    const qsizetype at = lines.indexOf(oldLine);
    if (at >= 0)
        lines.removeAt(at);
    return inserted(lines, newLine);
}

LogRewriter::Lines LogRewriter::merged(const Lines &lines, const Lines &newLines)
{
    struct Timed {
        qint64 when;
        QByteArrayView line;
    };
    QList<Timed> pending;
    pending.reserve(newLines.size());
    for (const QByteArrayView l : newLines)
        pending.append({timestamp(l), l});
    std::stable_sort(pending.begin(), pending.end(),
                     [](const Timed &a, const Timed &b) { return a.when < b.when; });
    Lines out;
    out.reserve(lines.size() + newLines.size());
    qsizetype next = 0;
    for (const QByteArrayView l : lines) {
        // A line whose date cannot be read is passed over, as by the insert.
        const qint64 when = timestamp(l);
        if (when >= 0) {
            while (next < pending.size() && pending.at(next).when <= when)
                out.append(pending.at(next++).line);
        }
        out.append(l);
    }
    while (next < pending.size())
        out.append(pending.at(next++).line);
    return out;
}

qint64 LogRewriter::timestamp(QByteArrayView line)
{
    return QsoRecord::utcMinute(line, QsoRecord::DateRule::Ordering);
}

LogRewriter::Result LogRewriter::takeLock(FileLock &lock) const
{
    switch (lock.lock(m_lockTimeout)) {
    case FileLock::Status::Locked:
        return {};
    case FileLock::Status::HeldByOther:
        return {false, failure(m_path, QCoreApplication::translate("LogRewriter", "le journal est en cours de modification "
                                                      "par une autre copie de KVR_ZEL."))};
    default:
        return {false, failure(m_path, lock.reason())};
    }
}

LogRewriter::Result LogRewriter::appendInPlace(QByteArray &content, const QByteArray &newLine, bool *done)
{
    *done = false;
    if (const Result bad = refuse(newLine); !bad.ok)
        return bad;
    FileLock lock(FileLock::lockPathFor(m_path));
    const Result locked = takeLock(lock);
    if (!locked.ok)
        return locked;
    // Only the very bytes this copy holds may be extended: anything else goes
    // through the whole rewrite, which reads the file as it stands.
    if (LogFile::compare(m_path, content) != LogFile::Match::Same)
        return {};
    const qsizetype before = content.size();
    content.append(newLine);
    content.append("\r\n", 2);
    const Result r = AtomicFile::write(m_path, content);
    if (!r.ok) {
        content.truncate(before);
        qCWarning(lcLogStore) << "append to" << m_path << "failed:" << r.error;
        return {false, failure(m_path, r.error)};
    }
    m_writtenStamp = LogFile::stampOf(m_path);
    *done = true;
    return {};
}

LogRewriter::Result LogRewriter::rewrite(const std::function<Lines(Lines, QString *)> &change)
{
    FileLock lock(FileLock::lockPathFor(m_path));
    const Result locked = takeLock(lock);
    if (!locked.ok)
        return locked;
    // The file on disk is the truth: another copy of the program, or another
    // program, may have written it. When it is still byte for byte the copy the
    // caller holds, that copy serves.
    QByteArray old;
    Lines oldLines;
    const bool known = m_hasKnown && LogFile::compare(m_path, m_known) == LogFile::Match::Same;
    if (known) {
        old = m_known;
        oldLines = m_knownLines;
    } else {
        LogFile::Bytes now = LogFile::readBytes(m_path);
        if (!now.error.isEmpty())
            return {false, failure(m_path, now.error)};
        old = std::move(now.content);
        oldLines = Cp1252::lineViews(old);
        if (m_hasKnown) {
            m_readAgain = true;
            m_current = old;
            m_currentStamp = now.stamp;
            // Lines gone from under the operator's eyes: say so before anything is written.
            const qsizetype gone = m_knownLines.size() - oldLines.size();
            if (gone > 0)
                return {false, fewerLines(m_path, gone)};
        }
    }
    QString refused;
    const Lines lines = change(std::move(oldLines), &refused);
    // The rows it changed are found before the new copy is joined.
    if (!refused.isEmpty())
        return {false, failure(m_path, refused)};
    QByteArray content = joined(old, lines, &m_writtenLines);
    const Result r = AtomicFile::write(m_path, content);
    if (!r.ok) {
        qCWarning(lcLogStore) << "rewrite of" << m_path << "failed:" << r.error;
        return {false, failure(m_path, r.error)};
    }
    m_written = std::move(content);
    m_writtenStamp = LogFile::stampOf(m_path);
    m_wroteKnown = known;
    m_change = known ? changeBetween(m_knownLines, lines) : LogChange::anew();
    return {};
}

LogChange LogRewriter::changeBetween(const Lines &before, const Lines &after)
{
    QList<int> replaced, removed, added;
    if (before.isEmpty()) {
        for (qsizetype j = 0; j < after.size(); ++j)
            added.append(int(j));
        return LogChange::edit({}, {}, added);
    }
    // Pointers into unrelated buffers are compared through std::less, the only
    // ordering the language defines for them.
    const std::less<const char *> below;
    const char *begin = before.first().data();
    const char *end = before.last().data() + before.last().size();
    qsizetype i = 0;        // next line of before not accounted for
    QList<int> fresh;       // new lines (rows of after) since the last kept one
    const auto settle = [&](qsizetype keptAt) {
        // Lines of before up to keptAt are gone; as many of them as there are new
        // lines in their place are replaced, in order.
        const qsizetype dropped = keptAt - i;
        const qsizetype paired = qMin<qsizetype>(dropped, fresh.size());
        for (qsizetype t = 0; t < paired; ++t)
            replaced.append(int(i + t));
        for (qsizetype t = paired; t < dropped; ++t)
            removed.append(int(i + t));
        for (qsizetype t = paired; t < fresh.size(); ++t)
            added.append(fresh.at(t));
        fresh.clear();
        i = keptAt + 1;
    };
    for (qsizetype j = 0; j < after.size(); ++j) {
        const char *p = after.at(j).data();
        qsizetype k = -1;
        if (!below(p, begin) && !below(end, p)) {
            qsizetype at = i;
            while (at < before.size() && below(before.at(at).data(), p))
                ++at;
            if (at < before.size() && before.at(at).data() == p && before.at(at).size() == after.at(j).size())
                k = at;
        }
        if (k < 0) {
            fresh.append(int(j));
            continue;
        }
        settle(k);
    }
    settle(before.size());
    return LogChange::edit(replaced, removed, added);
}

QString LogRewriter::fewerLines(const QString &logPath, qsizetype gone)
{
    return failure(logPath, QCoreApplication::translate("LogRewriter",
                                                        "le journal sur le disque compte %n QSO de moins que celui affiché : "
                                                        "une autre copie de KVR_ZEL ou un autre programme l'a modifié, tronqué "
                                                        "ou remplacé entre-temps."
                                                        "\r\nLa liste montre maintenant le journal tel qu'il est ; "
                                                        "vérifiez-le, puis validez de nouveau.",
                                                        nullptr, int(gone)));
}

void LogRewriter::setKnown(const QByteArray &content, const QList<QByteArrayView> &lines)
{
    m_hasKnown = true;
    m_known = content;
    m_knownLines = lines;
}

int LogRewriter::cleanLeftovers(const QString &logPath)
{
    // Almost always there is nothing to clean: the lock is taken only when there is.
    if (AtomicFile::leftovers(logPath).isEmpty())
        return 0;
    FileLock lock(FileLock::lockPathFor(logPath));
    // A copy busy writing this log may own what lies beside it: leave it be.
    if (lock.lock(0) != FileLock::Status::Locked)
        return 0;
    return AtomicFile::removeLeftovers(logPath, true);
}

LogRewriter::Result LogRewriter::refuse(QByteArrayView newLine) const
{
    // Whatever the caller built, only a 138-byte QSO line goes into the log.
    const QString problem = QsoRecord::lineProblem(newLine);
    if (problem.isEmpty())
        return {};
    return {false, failure(m_path, problem)};
}

namespace {

QString changedMeanwhile()
{
    return QCoreApplication::translate("LogRewriter", "ce QSO a été modifié entre-temps dans le journal (par une autre copie de KVR_ZEL "
                          "ou un autre programme) et n'y est plus tel qu'il était affiché.\r\nLa liste montre "
                          "maintenant le journal tel qu'il est ; sélectionnez de nouveau le QSO.");
}

bool holds(const LogRewriter::Lines &lines, QByteArrayView line)
{
    return std::find(lines.cbegin(), lines.cend(), line) != lines.cend();
}

} // namespace

LogRewriter::Result LogRewriter::Ajoute_QSO_Log(const QByteArray &newLine)
{
    if (const Result bad = refuse(newLine); !bad.ok)
        return bad;
    return rewrite([&](Lines l, QString *) { return appended(std::move(l), newLine); });
}

LogRewriter::Result LogRewriter::Remplace_QSO_Log(const QByteArray &newLine, const QByteArray &oldLine)
{
    return replaceSeen(newLine, oldLine, &LogRewriter::replaced);
}

LogRewriter::Result LogRewriter::Remplace_Et_Classe_QSO_Log(const QByteArray &newLine, const QByteArray &oldLine)
{
    return replaceSeen(newLine, oldLine, &LogRewriter::moved);
}

LogRewriter::Result LogRewriter::replaceSeen(const QByteArray &newLine, const QByteArray &oldLine,
                                             Lines (*change)(Lines, QByteArrayView, QByteArrayView))
{
    if (const Result bad = refuse(newLine); !bad.ok)
        return bad;
    return rewrite([&](Lines l, QString *refused) {
        // A QSO the operator sees is replaced (or moved) from where it stands, or not
        // at all: one no longer in the log would come back a second time.
        if (m_hasKnown && !holds(l, oldLine)) {
            *refused = changedMeanwhile();
            return l;
        }
        return change(std::move(l), newLine, oldLine);
    });
}

LogRewriter::Result LogRewriter::Supprime_QSO_Log(const QByteArray &line)
{
    return rewrite([&](Lines l, QString *refused) {
        if (m_hasKnown && !holds(l, line)) {
            *refused = changedMeanwhile();
            return l;
        }
        return removed(l, line);
    });
}

LogRewriter::Result LogRewriter::Insere_QSO_Log(const QByteArray &newLine)
{
    if (const Result bad = refuse(newLine); !bad.ok)
        return bad;
    return rewrite([&](Lines l, QString *) { return inserted(l, newLine); });
}

LogRewriter::Result LogRewriter::Remplace_Lignes(const QList<int> &lineNumbers, const QList<QByteArray> &expected,
                                                 const QList<QByteArray> &newLines)
{
    if (lineNumbers.size() != expected.size() || lineNumbers.size() != newLines.size())
        return {false, failure(m_path, QCoreApplication::translate("LogRewriter", "demande de réécriture incohérente."))};
    for (const QByteArray &line : newLines) {
        if (const Result bad = refuse(line); !bad.ok)
            return bad;
    }
    return rewrite([&](Lines l, QString *refused) {
        for (qsizetype i = 0; i < lineNumbers.size(); ++i) {
            const int at = lineNumbers.at(i) - 1;
            if (at < 0 || at >= l.size() || l.at(at) != expected.at(i)) {
                *refused = QCoreApplication::translate("LogRewriter", "le journal a été modifié entre-temps (par une autre copie de "
                                          "KVR_ZEL ou un autre programme) ; recommencez.");
                return l;
            }
        }
        for (qsizetype i = 0; i < lineNumbers.size(); ++i)
            l[lineNumbers.at(i) - 1] = newLines.at(i);
        return l;
    });
}

LogRewriter::Result LogRewriter::Fusionne_QSO_Log(const QList<QByteArray> &newLines, const QList<Mark> &marks,
                                                  MarkCount *count)
{
    QList<QByteArray> marked;
    Lines added;
    added.reserve(newLines.size());
    for (const QByteArray &line : newLines) {
        if (const Result bad = refuse(line); !bad.ok)
            return bad;
        added.append(line);
    }
    return rewrite([&](Lines l, QString *refused) {
        // The confirmations first, while the rows are the log's own.
        const MarkCount placed = placeMarks(l, marks, marked);
        if (count)
            *count = placed;
        // The log on disk may have changed since the QSOs were chosen (another copy
        // of the program): an abbey it now holds, in any case, is not added a second time.
        QSet<quint64> abbeys;
        abbeys.reserve(l.size() + added.size());
        for (const QByteArrayView line : l) {
            if (line.size() == QsoRecord::LogLineLength)
                abbeys.insert(QsoRecord::referenceKey(line));
        }
        for (const QByteArrayView line : added) {
            const quint64 key = QsoRecord::referenceKey(line);
            if (abbeys.contains(key)) {
                const QByteArrayView r = QsoRecord::fieldOf(line, QsoRecord::Reference);
                *refused = QCoreApplication::translate("LogRewriter", "l'abbaye %1 est déjà dans le journal (il a été modifié "
                                          "entre-temps ?) ; relancez l'importation.")
                               .arg(QString::fromLatin1(r.toByteArray().trimmed()));
                return l;
            }
            abbeys.insert(key);
        }
        return merged(l, added);
    });
}

LogRewriter::MarkCount LogRewriter::placeMarks(Lines &l, const QList<Mark> &marks, QList<QByteArray> &marked)
{
    MarkCount count;
    QList<int> at(marks.size(), -1);
    QSet<int> taken;
    QList<int> moved;
    for (qsizetype i = 0; i < marks.size(); ++i) {
        const int row = marks.at(i).row;
        if (row >= 0 && row < l.size() && l.at(row) == marks.at(i).line && !taken.contains(row)) {
            at[i] = row;
            taken.insert(row);
        } else {
            moved.append(int(i));
        }
    }
    if (!moved.isEmpty()) {
        // Another copy changed the log since the preview: each QSO is looked for by
        // its line, unmarked or marked, in one pass over the log.
        QHash<QByteArrayView, QList<int>> where;
        QList<QByteArray> markedForms;
        markedForms.reserve(moved.size());
        for (const int i : moved) {
            where.insert(marks.at(i).line, {});
            QByteArray m = marks.at(i).line;
            if (QsoRecord::markConfirmed(m))
                markedForms.append(m);
        }
        for (const QByteArray &m : markedForms)
            where.insert(m, {});
        for (qsizetype j = 0; j < l.size(); ++j) {
            const auto found = where.find(l.at(j));
            if (found != where.end())
                found->append(int(j));
        }
        for (const int i : moved) {
            for (const int row : where.value(marks.at(i).line)) {
                if (!taken.contains(row)) {
                    at[i] = row;
                    taken.insert(row);
                    break;
                }
            }
            if (at[i] >= 0)
                continue;
            QByteArray m = marks.at(i).line;
            if (QsoRecord::markConfirmed(m) && !where.value(m).isEmpty())
                ++count.alreadyMarked;
            else
                ++count.notFound;
        }
    }
    marked.reserve(marked.size() + marks.size());
    for (qsizetype i = 0; i < marks.size(); ++i) {
        if (at[i] < 0)
            continue;
        QByteArray line = l.at(at[i]).toByteArray();
        if (!QsoRecord::markConfirmed(line)) {
            // Only a QSO line has a QSL column; a line edited by hand is kept as it is.
            ++count.notFound;
            continue;
        }
        marked.append(line);
        l[at[i]] = marked.last();
        ++count.marked;
    }
    return count;
}

bool LogRewriter::markLines(Lines &l, const QList<int> &lineNumbers, const QList<QByteArray> &expected,
                            QList<QByteArray> &marked, QString *refused, const QString &again)
{
    // Every line is checked before any is marked, so a line named twice is
    // compared with the log as it was read.
    for (qsizetype i = 0; i < lineNumbers.size(); ++i) {
        const int at = lineNumbers.at(i) - 1;
        if (at < 0 || at >= l.size() || (i < expected.size() && l.at(at) != expected.at(i))) {
            *refused = QCoreApplication::translate("LogRewriter", "le journal a été modifié entre-temps ; %1").arg(again);
            return false;
        }
    }
    marked.reserve(marked.size() + lineNumbers.size());
    for (qsizetype i = 0; i < lineNumbers.size(); ++i) {
        const int at = lineNumbers.at(i) - 1;
        // Only a QSO line has a QSL column; a line edited by hand is kept as it is.
        QByteArray line = l.at(at).toByteArray();
        if (!QsoRecord::markConfirmed(line))
            continue;
        marked.append(line);
        l[at] = marked.last();
    }
    return true;
}

LogRewriter::Result LogRewriter::Marque_QSL(const QList<int> &lineNumbers, const QList<QByteArray> &expected)
{
    QList<QByteArray> marked;
    return rewrite([&](Lines l, QString *refused) {
        // A refusal leaves the log as it was, whatever l then holds.
        markLines(l, lineNumbers, expected, marked, refused, QCoreApplication::translate("LogRewriter", "relancez la recherche."));
        return l;
    });
}
