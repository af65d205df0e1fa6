#include "logstore/AtomicFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {
// The most handed to the system in one write().
constexpr qsizetype BlockSize = 256 * 1024;
} // namespace

QString AtomicFile::reason(const QString &systemError)
{
    // Qt gives the C library's English text; the operator reads French.
    if (systemError.contains(QLatin1String("No space left"), Qt::CaseInsensitive)
        || systemError.contains(QLatin1String("File too large"), Qt::CaseInsensitive)
        || systemError.contains(QLatin1String("Disk quota"), Qt::CaseInsensitive))
        return QStringLiteral("le disque est plein (%1).").arg(systemError);
    if (systemError.contains(QLatin1String("Permission denied"), Qt::CaseInsensitive)
        || systemError.contains(QLatin1String("Read-only"), Qt::CaseInsensitive))
        return QStringLiteral("le dossier ou le fichier est protégé en écriture (%1).").arg(systemError);
    if (systemError.isEmpty())
        return QStringLiteral("erreur d'écriture inconnue.");
    return systemError;
}

void AtomicFile::syncDirectory(const QString &dir)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(dir);
#endif
}

AtomicFile::Result AtomicFile::write(const QString &path, const QByteArray &content)
{
    return write(path, [&content](const Sink &sink) { return sink(content); }, content.size());
}

AtomicFile::Result AtomicFile::write(const QString &path, const std::function<bool(const Sink &)> &produce,
                                     qint64 expectedSize)
{
    const QString dir = QFileInfo(path).absolutePath();
    QSaveFile out(path);
    // Never write in place: a failure would leave half a file.
    out.setDirectWriteFallback(false);
    // Unbuffered, so that a failed write reports the system's own reason at once.
    errno = 0;
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, reason(out.errorString(), errno, dir, expectedSize)};
    // QSaveFile::commit() can report success after its own last write failed (a full
    // disk), so every byte is written and checked, and the whole flushed and checked,
    // before the rename is allowed.
    qint64 total = 0;
    QString why;
    const Sink sink = [&](QByteArrayView block) {
        if (!why.isEmpty())
            return false;
        // Written a piece at a time: one write() of many megabytes is one long stay
        // in the kernel, where the program can be put to sleep or set aside for
        // other work halfway through its copy (3 ms for the 14 MB of a 100,000-QSO
        // log, up to 48 ms seen on a busy machine); blocks of 256 KB were never.
        for (qsizetype at = 0; at < block.size();) {
            const qsizetype n = qMin<qsizetype>(BlockSize, block.size() - at);
            errno = 0;
            const qint64 written = out.write(block.data() + at, n);
            const int writeErrno = errno;
            if (written != n || out.error() != QFileDevice::NoError) {
                why = reason(out.errorString(), writeErrno, dir, qMax(expectedSize, total + block.size() - at));
                return false;
            }
            at += n;
            total += n;
        }
        return true;
    };
    const bool produced = produce(sink);
    if (why.isEmpty() && (!produced || !out.flush() || out.error() != QFileDevice::NoError))
        why = reason(out.errorString(), errno, dir, qMax(expectedSize, total));
    if (!why.isEmpty()) {
        out.cancelWriting();
        return {false, why};
    }
    errno = 0;
    if (!out.commit())
        return {false, reason(out.errorString(), errno, dir, qMax(expectedSize, total))};
    syncDirectory(dir);
    return {};
}

QString AtomicFile::reason(const QString &systemError, int errnoValue, const QString &dir, qint64 needed)
{
#ifdef Q_OS_UNIX
    const QString text = qt_error_string(errnoValue);
    if (errnoValue == ENOSPC || errnoValue == EDQUOT || errnoValue == EFBIG)
        return QStringLiteral("le disque est plein (%1).").arg(text);
    if (errnoValue == EACCES || errnoValue == EROFS || errnoValue == EPERM)
        return QStringLiteral("le dossier ou le fichier est protégé en écriture (%1).").arg(text);
#else
    Q_UNUSED(errnoValue);
#endif
    const QString known = reason(systemError);
    if (!systemError.isEmpty() && systemError != QLatin1String("Unknown error"))
        return known;
    // No reason given: a disk with less room than the copy needs is the likely one.
    const QStorageInfo disk(dir);
    if (disk.isValid() && disk.bytesAvailable() >= 0 && disk.bytesAvailable() < needed + 4096)
        return QStringLiteral("le disque est plein (%1 octets libres).").arg(disk.bytesAvailable());
    return QStringLiteral("erreur d'écriture inconnue.");
}

QStringList AtomicFile::leftovers(const QString &path)
{
    const QFileInfo target(path);
    const QString prefix = target.fileName() + QLatin1Char('.');
    QStringList found;
    // Names are picked here rather than by a wildcard filter, which would start the
    // regular-expression engine for one look at a folder.
    const QStringList names = target.absoluteDir().entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (name.size() != prefix.size() + 6 || !name.startsWith(prefix))
            continue;
        bool upper = false;
        bool lower = false;
        bool letters = true;
        for (const QChar c : QStringView(name).mid(prefix.size())) {
            upper = upper || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
            lower = lower || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
            letters = letters && ((c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                                  || (c >= QLatin1Char('a') && c <= QLatin1Char('z')));
        }
        // Six random letters are almost never of one case; a name such as
        // "TEST1_ZEL.log.backup" is the operator's own copy and is left alone.
        if (!letters || !upper || !lower)
            continue;
        const QFileInfo info(target.absoluteDir().filePath(name));
        if (info.isSymLink() || !info.isFile())
            continue;
        found.append(info.absoluteFilePath());
    }
    return found;
}

int AtomicFile::removeLeftovers(const QString &path)
{
    int removed = 0;
    for (const QString &file : leftovers(path)) {
        if (QFile::remove(file))
            ++removed;
    }
    if (removed > 0)
        syncDirectory(QFileInfo(path).absolutePath());
    return removed;
}
