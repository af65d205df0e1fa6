#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

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
