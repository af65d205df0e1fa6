#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// The one way the program writes a file: a complete copy is written beside it,
// flushed and checked, synced, then renamed over the old file in one step. The old
// file stays byte for byte as it was unless the new copy is complete on disk.
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

    // The writer's own temporary copies left beside path by a program stopped
    // between writing one and renaming it: "<name>." followed by six letters of
    // both cases, as the writer names them. Only call while holding the file's
    // lock, so no running copy is in the middle of a write.
    static QStringList leftovers(const QString &path);
    // Removes them; returns how many were removed.
    static int removeLeftovers(const QString &path);
};
