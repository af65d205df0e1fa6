#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class LogSession;

// Adds the accepted QSOs of an import to the current station's log and teaches the
// first-name list their names, as one change: the list is rewritten under its lock,
// then the log in one locked, checked rewrite through the session; when the log
// cannot be written, the list is put back as it was, so both stay byte for byte as
// they were and the operator is told why.
class ImportCommit
{
public:
    struct Result {
        bool ok = false;
        int added = 0;
        QString message; // French, for the operator
    };

    static Result run(LogSession &session, const QList<QByteArray> &lines, int lockTimeout = 5000);

    // The first-name list once it has learnt the names of these log lines (in log
    // order): a name replaces the stored one, a callsign not yet listed is added, with
    // or without a name; a QSO without a name never blanks a stored one.
    static QList<QByteArray> learnt(const QList<QByteArray> &listLines, const QList<QByteArray> &logLines);
};
