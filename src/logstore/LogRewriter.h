#pragma once

#include "logstore/AtomicFile.h"
#include "logstore/LogChange.h"
#include "logstore/LogFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>

// The four ways the log changes: append, replace, delete and chronological insert.
// Each one rereads the whole log, builds the new copy in memory, writes it beside
// the log and renames it over the log in one step, so the log on disk is always
// either the old copy or the new one. A lock beside the log keeps two running
// copies of the program from losing each other's QSOs. Only a 138-byte QSO line
// without control characters is ever added.
class LogRewriter
{
public:
    using Result = AtomicFile::Result;

    explicit LogRewriter(QString logPath);
    // How long a rewrite waits for another copy of the program to finish its own.
    void setLockTimeout(int milliseconds) { m_lockTimeout = milliseconds; }

    Result Ajoute_QSO_Log(const QByteArray &newLine);
    // The append done on the caller's own copy of the log, when the file is still
    // byte for byte that copy and every line of it ends with CR LF: the new line is
    // added to content and the whole of it written, without a second copy. done
    // says whether it was (a failure leaves content as it was); when the file is
    // no longer the copy, nothing is done and the caller goes through the rewrite.
    Result appendInPlace(QByteArray &content, const QByteArray &newLine, bool *done);
    Result Remplace_QSO_Log(const QByteArray &newLine, const QByteArray &oldLine);
    // The replace of a QSO whose date or time changed: the old line goes and the
    // new one takes its place in time as the insert places it, in one rewrite.
    Result Remplace_Et_Classe_QSO_Log(const QByteArray &newLine, const QByteArray &oldLine);
    Result Supprime_QSO_Log(const QByteArray &line);
    Result Insere_QSO_Log(const QByteArray &newLine);
    // Puts the confirmation mark "*" in the last column of the given lines (1-based
    // numbers). Each line must still be the one the caller saw (expected), or the
    // log changed under it and nothing is written.
    Result Marque_QSL(const QList<int> &lineNumbers, const QList<QByteArray> &expected);
    // Puts newLines in place of the given lines (1-based numbers), in one rewrite:
    // a QSO whose text changed (an abbey name that follows the abbey list). Each
    // line must still be the one the caller saw (expected), or nothing is written.
    Result Remplace_Lignes(const QList<int> &lineNumbers, const QList<QByteArray> &expected,
                           const QList<QByteArray> &newLines);
    // A QSO whose QSL an import marks: its row (0-based) and its line, unmarked, as
    // the preview saw them.
    struct Mark {
        int row = -1;
        QByteArray line;
    };
    // What became of the marks: put in, found marked already, or found nowhere.
    struct MarkCount {
        int marked = 0;
        int alreadyMarked = 0;
        int notFound = 0;
    };
    // Adds a batch of QSOs (an import) in one rewrite, each at its chronological place,
    // and marks confirmed the QSOs given (only their QSL column changes): the line at
    // the row seen if it still holds exactly the line seen, else the first line of the
    // log that is exactly it and not yet marked; a line found only marked already, or
    // not at all, is left alone and counted.
    // Each abbey is logged once: when the log as read under the lock already holds
    // the abbey of one of them, or two of them share one, nothing is written.
    Result Fusionne_QSO_Log(const QList<QByteArray> &newLines, const QList<Mark> &marks = {},
                            MarkCount *count = nullptr);

    // Removes the temporary copies a stopped rewrite left beside the log, unless a
    // running copy of the program holds the log's lock. Returns how many.
    static int cleanLeftovers(const QString &logPath);

    // The log as the caller holds it and shows it to the operator. Under the lock,
    // before anything is written, the file is compared with it byte for byte: when
    // it is the same, the rewrite works on it; when another program or another copy
    // changed the file, the file is read again (readAgain(), current()) and:
    //  - a QSO appended or inserted goes into the log as it now stands;
    //  - a QSO to replace or delete that the log no longer holds is refused
    //    ("modifié entre-temps") rather than added again or reported deleted;
    //  - a log that now holds fewer lines than the caller's (truncated or replaced
    //    by another program) is not written: the refusal says how many are gone.
    void setKnown(const QByteArray &content, const QList<QByteArrayView> &lines);
    // The refusal when the log lost lines behind the operator's back: how many.
    static QString fewerLines(const QString &logPath, qsizetype gone);

    // The whole log as the last successful rewrite wrote it, and the file's stamp then.
    const QByteArray &written() const { return m_written; }
    LogFile::Stamp writtenStamp() const { return m_writtenStamp; }
    // Its lines (views into written()), and whether the rewrite started from the
    // caller's copy rather than from the file read again.
    const QList<QByteArrayView> &writtenLines() const { return m_writtenLines; }
    bool wroteKnown() const { return m_wroteKnown; }
    // What the last successful rewrite changed in the caller's rows: the rows
    // added, removed and replaced when it started from the caller's copy, "read
    // anew" when it started from the file read again.
    const LogChange &change() const { return m_change; }
    // The rows that became after (views), from before (views into one buffer): a
    // line of after that is a line of before, at the same place in its buffer, is
    // kept; the others are new. One pass over both.
    static LogChange changeBetween(const QList<QByteArrayView> &before, const QList<QByteArrayView> &after);
    // Whether the file was no longer the caller's copy, and the log as it was then
    // read (what the caller should now show, whatever the outcome).
    bool readAgain() const { return m_readAgain; }
    const QByteArray &current() const { return m_current; }
    LogFile::Stamp currentStamp() const { return m_currentStamp; }

    // The same rules on lines in memory. Lines are views into the log's bytes (or
    // into the new line), so a long log is not copied line by line.
    using Lines = QList<QByteArrayView>;
    static Lines appended(Lines lines, QByteArrayView newLine);
    static Lines replaced(Lines lines, QByteArrayView newLine, QByteArrayView oldLine);
    static Lines removed(const Lines &lines, QByteArrayView line);
    static Lines inserted(const Lines &lines, QByteArrayView newLine);
    // The first line equal to oldLine removed, then newLine inserted in time.
    static Lines moved(Lines lines, QByteArrayView newLine, QByteArrayView oldLine);
    // Every new line where the insert would put it, in one pass: the new lines are
    // taken in chronological order (those of equal time in their given order), each
    // placed before the first old line of equal or later date and time.
    static Lines merged(const Lines &lines, const Lines &newLines);

    // Minutes since 01/01/1950 00:00 of a log line's date and time; years 50-99 are 1950-1999, 00-49 are 2000-2049.
    // A line whose date or time cannot be read gives -1: the insert passes over it.
    static qint64 timestamp(QByteArrayView line);

private:
    // A replace of oldLine, as the operator sees it, by newLine: change does it.
    Result replaceSeen(const QByteArray &newLine, const QByteArray &oldLine,
                       Lines (*change)(Lines, QByteArrayView, QByteArrayView));
    Result takeLock(class FileLock &lock) const;
    // change sets its error to leave the log untouched.
    Result rewrite(const std::function<Lines(Lines, QString *)> &change);
    Result refuse(QByteArrayView newLine) const;
    // Marks the lines in l; false (and refused set) when one is no longer the one expected.
    static bool markLines(Lines &l, const QList<int> &lineNumbers, const QList<QByteArray> &expected,
                          QList<QByteArray> &marked, QString *refused, const QString &again);
    // Marks the QSOs seen, wherever they now stand.
    static MarkCount placeMarks(Lines &l, const QList<Mark> &marks, QList<QByteArray> &marked);

    QString m_path;
    int m_lockTimeout = 5000;
    QByteArray m_written;
    LogFile::Stamp m_writtenStamp;
    QList<QByteArrayView> m_writtenLines;
    bool m_wroteKnown = false;
    LogChange m_change;
    bool m_hasKnown = false;
    QByteArray m_known;
    QList<QByteArrayView> m_knownLines;
    bool m_readAgain = false;
    QByteArray m_current;
    LogFile::Stamp m_currentStamp;
};
