#pragma once

#include "refdata/AbbeyListUpdate.h"

#include <QByteArray>
#include <QList>
#include <QString>

class LogSession;

// The one way the program changes the abbey list, on the operator's word: the list
// in use is kept as "Liste_Abbayes.txt.Precedente", then the new list takes its
// place, then (when asked) the log's abbey names follow the corrected ones. Each
// file goes through the checked atomic writer, in that order, so a failure or a
// kill at any point leaves the list in use either the old one or the new one. A
// lock beside the list keeps two copies of the program from changing it at once.
class AbbeyListSwap
{
public:
    static QString previousPath(const QString &listPath) { return listPath + QStringLiteral(".Precedente"); }

    struct Request
    {
        QString listPath;
        QByteArray heldList;      // the list in use, as compared
        bool listExisted = true;  // false: there was none to keep
        QByteArray newList;       // what becomes the list
        // A file of the folder the new list was read from (going back: the
        // previous list), proven unchanged before anything is written; empty for
        // a file chosen elsewhere, which was read whole already.
        QString sourcePath;
        QByteArray heldSource;
        // The abbey names to rewrite in the session's log (none: the log is not touched).
        LogSession *session = nullptr;
        QList<AbbeyListUpdate::Rename> renames;
        int lockTimeout = 5000;
    };
    struct Result
    {
        bool listReplaced = false;
        bool logRewritten = false;
        // A file changed on disk since it was compared: compare again.
        bool stale = false;
        QString message; // French, for the operator, whatever the outcome
    };

    static Result run(const Request &request);
};
