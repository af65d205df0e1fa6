#pragma once

#include "refdata/AbbeyListUpdate.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

class LogSession;

// The one way the program changes the abbey list, on the operator's word: the list
// in use is kept as "Liste_Abbayes.txt.Precedente", the new list takes its place
// and (when asked) the log's abbey names follow the corrected ones. The three
// files change together or not at all:
//  - the locks of the list and of the log are taken, the files proven unchanged,
//    and the room and the rights to write them checked, before anything is written;
//  - a complete copy of each new file is written beside it ("<file>.Nouvelle")
//    through the checked atomic writer, under a note ("Liste_Abbayes.txt.En_cours")
//    that names them; a full disk, a file-size limit or a protected file found
//    here removes the copies and leaves every file as it was;
//  - the note then says the update is decided, and the copies are renamed over
//    the three files. A kill or a power cut after that point is finished by
//    resume() at the next start (or the next update); one before it is undone.
// A lock beside the list keeps two copies of the program from changing it at once.
class AbbeyListSwap
{
    Q_DECLARE_TR_FUNCTIONS(AbbeyListSwap)

public:
    static QString previousPath(const QString &listPath) { return listPath + QStringLiteral(".Precedente"); }
    // The note of an update under way.
    static QString notePath(const QString &listPath) { return listPath + QStringLiteral(".En_cours"); }
    // The complete copy that is to replace file.
    static QString stagedPath(const QString &file) { return file + QStringLiteral(".Nouvelle"); }

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
        QString message; // for the operator, whatever the outcome
    };

    static Result run(const Request &request);

    // At start-up, before the log is read: finishes an update that was stopped
    // (a kill, a power cut, a full disk) once decided, or removes what one stopped
    // earlier had prepared. The message is empty when there was nothing to do.
    // Nothing is done while another running copy holds the list's lock.
    static Result resume(const QString &listPath, int lockTimeout = 2000);
};
