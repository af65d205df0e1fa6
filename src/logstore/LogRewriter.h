#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// The four ways the log changes: append, replace, delete and chronological insert.
// Each one rereads the whole log, builds the new copy in memory, writes it beside
// the log and renames it over the log in one step, so the log on disk is always
// either the old copy or the new one. A lock file beside the log keeps two running
// copies of the program from losing each other's QSOs.
class LogRewriter
{
public:
    struct Result {
        bool ok = true;
        QString error; // French, for the operator
    };

    explicit LogRewriter(QString logPath);

    Result Ajoute_QSO_Log(const QByteArray &newLine);
    Result Remplace_QSO_Log(const QByteArray &newLine, const QByteArray &oldLine);
    Result Supprime_QSO_Log(const QByteArray &line);
    Result Insere_QSO_Log(const QByteArray &newLine);

    // The same rules on lines in memory.
    static QList<QByteArray> appended(QList<QByteArray> lines, const QByteArray &newLine);
    static QList<QByteArray> replaced(QList<QByteArray> lines, const QByteArray &newLine,
                                      const QByteArray &oldLine);
    static QList<QByteArray> removed(const QList<QByteArray> &lines, const QByteArray &line);
    static QList<QByteArray> inserted(const QList<QByteArray> &lines, const QByteArray &newLine);

    // Minutes since 01/01/1950 00:00 of a log line's date (columns 42-49) and
    // time (51-55); years 50-99 are 1950-1999, 00-49 are 2000-2049.
    // A date or time that cannot be read gives -1, which sorts first.
    static qint64 timestamp(const QByteArray &line);

    // Writes a whole file atomically (used for new logs and for the first-name list).
    static Result writeAtomically(const QString &path, const QByteArray &content);

private:
    Result rewrite(const std::function<QList<QByteArray>(QList<QByteArray>)> &change);

    QString m_path;
};
