#pragma once

#include "logstore/LogRewriter.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>

class LogSession;

// Adds the accepted QSOs of an import to the current station's log, marks the QSL
// of the log QSOs the file confirms, and teaches the first-name list the new names.
//
// What is promised, whatever stops the program (a kill at any moment, a file-size
// limit, a full disk): either both files are byte for byte as they were, or the log
// holds every imported QSO and the list holds either its old names or the new ones.
// The list never names a QSO the log lacks. So, under the list's lock: the list's
// new content is worked out first and room for both files checked; the log is
// written in one locked, checked rewrite through the session; only once that is on
// disk is the list replaced, in one atomic write. A stop between the two writes
// leaves the list as it was; a list that cannot be written then (a full disk) leaves
// the import done and says so.
class ImportCommit
{
    Q_DECLARE_TR_FUNCTIONS(ImportCommit)

public:
    struct Result {
        bool ok = false;
        int added = 0;
        int marked = 0; // QSOs of the log whose QSL was marked
        int alreadyMarked = 0; // found marked already (another copy marked them)
        int notMarked = 0;     // their QSO changed in the log since the preview
        QString message; // for the operator
    };

    // betweenWrites, when given, runs once the log is written and before the list is
    // (tests stop the program there). marks are QSOs of the log as the preview saw
    // them (row and line) whose QSL the import marks, in the same rewrite as the QSOs
    // it adds: their lines change in the QSL column only, wherever they now stand; one
    // whose line is no longer in the log is not marked, and the message says so.
    static Result run(LogSession &session, const QList<QByteArray> &lines, int lockTimeout = 5000,
                      const std::function<void()> &betweenWrites = {},
                      const QList<LogRewriter::Mark> &marks = {});

    // The first-name records these log lines teach (in log order): each callsign once,
    // with the name of its latest QSO that has one, or none.
    static QList<QByteArray> learnt(const QList<QByteArray> &logLines);
};
