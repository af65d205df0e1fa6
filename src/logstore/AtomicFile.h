#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// The one way the program writes a file: a complete copy is written beside it,
// flushed and checked, synced, then renamed over the old file in one step. The old
// file stays byte for byte as it was unless the new copy is complete on disk.
//
// The copy is named ".<name>.zel-tmp-XXXXXX" (hidden, the marker "zel-tmp", six
// letters or digits), a pattern no file of the operator's has, so that copies a
// stopped write leaves behind are told apart from everything else in the folder.
// While it is being written the copy carries a kernel lock (flock): a copy whose
// lock can be taken has no writer any more.
class AtomicFile
{
public:
    struct Result {
        bool ok = true;
        QString error; // French, for the operator
    };

    static Result write(const QString &path, const QByteArray &content);

    // Hands one block of the file to the writer; false when it could not be written
    // (the producer stops: nothing more will be taken).
    using Sink = std::function<bool(QByteArrayView block)>;
    // The same checked write for a file made a block at a time, never held whole:
    // produce hands every block to the sink in order and returns false when it
    // stops early. Only a file every block of which was written, flushed and
    // checked replaces the old one. expectedSize, where known, helps name a full
    // disk as the reason of a failure the system gives none for.
    static Result write(const QString &path, const std::function<bool(const Sink &)> &produce,
                        qint64 expectedSize = 0);

    // The reason a write failed, in French, from the writer's error text.
    static QString reason(const QString &systemError);
    // The same from the system's error number where there is one, else from the
    // room left on the disk of dir for a copy of needed bytes.
    static QString reason(const QString &systemError, int errnoValue, const QString &dir, qint64 needed);
    // Makes the rename of a file in dir durable (a no-op where it does not apply).
    static void syncDirectory(const QString &dir);

    // ".<fileName>.zel-tmp-": what every temporary copy of fileName starts with.
    static QString temporaryPrefix(const QString &fileName);
    // Whether name (a bare file name) is one of the writer's temporary copies, of
    // any file (ofFile empty) or of ofFile only.
    static bool isTemporaryName(const QString &name, const QString &ofFile = QString());

    // The writer's temporary copies lying beside path.
    static QStringList leftovers(const QString &path);
    // Removes those whose writer has stopped (a kill, a power cut) and returns how
    // many. A copy still locked by its writer stays. Where the file system has no
    // kernel locks, a copy is removed when the caller holds the file's own lock
    // (callerHoldsLock) or when nothing has written it for ten minutes.
    static int removeLeftovers(const QString &path, bool callerHoldsLock = false);
    // The same for the temporary copies of every file of the folder.
    static int removeLeftoversIn(const QString &dir);
};
