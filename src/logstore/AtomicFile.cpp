#include "logstore/AtomicFile.h"

#include "logstore/FileLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>
#include <ctime>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
// The most handed to the system in one write().
constexpr qsizetype BlockSize = 256 * 1024;

constexpr int TempLetters = 6;
constexpr QLatin1String Marker(".zel-tmp-");

bool isTempLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

} // namespace

QString AtomicFile::reason(const QString &systemError)
{
    // Qt gives the C library's English text; the operator reads French.
    if (systemError.contains(QLatin1String("No space left"), Qt::CaseInsensitive)
        || systemError.contains(QLatin1String("File too large"), Qt::CaseInsensitive)
        || systemError.contains(QLatin1String("Disk quota"), Qt::CaseInsensitive))
        return QCoreApplication::translate("AtomicFile", "le disque est plein (%1).").arg(systemError);
    if (systemError.contains(QLatin1String("Permission denied"), Qt::CaseInsensitive)
        || systemError.contains(QLatin1String("Read-only"), Qt::CaseInsensitive))
        return QCoreApplication::translate("AtomicFile", "le dossier ou le fichier est protégé en écriture (%1).").arg(systemError);
    if (systemError.isEmpty())
        return QCoreApplication::translate("AtomicFile", "erreur d'écriture inconnue.");
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

#ifdef Q_OS_UNIX

AtomicFile::Result AtomicFile::write(const QString &path, const QByteArray &content)
{
    return write(path, [&content](const Sink &sink) { return sink(content); }, content.size());
}

AtomicFile::Result AtomicFile::write(const QString &path, const std::function<bool(const Sink &)> &produce,
                                     qint64 expectedSize)
{
    // A file reached through a link is written where the link leads; the link stays.
    QString target = path;
    const QFileInfo named(path);
    if (named.isSymLink())
        target = named.symLinkTarget();
    const QFileInfo info(target);
    const QString dir = info.absolutePath();
    const QByteArray nativeTarget = QFile::encodeName(info.absoluteFilePath());
    const qint64 needed = expectedSize;

    struct stat old;
    const bool exists = ::stat(nativeTarget.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return {false, reason(qt_error_string(EISDIR), EISDIR, dir, needed)};
    // A protected file stays protected, even where its folder would let it be replaced.
    if (exists && ::access(nativeTarget.constData(), W_OK) != 0 && (errno == EACCES || errno == EROFS)) {
        const int why = errno;
        return {false, reason(qt_error_string(why), why, dir, needed)};
    }

    // The copy, under a name no other file has.
    QByteArray nativeCopy;
    int fd = -1;
    const QString prefix = QDir(dir).filePath(temporaryPrefix(info.fileName()));
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        QString name = prefix;
        for (int i = 0; i < TempLetters; ++i)
            name += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
        nativeCopy = QFile::encodeName(name);
        fd = ::open(nativeCopy.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        const int why = errno;
        return {false, reason(qt_error_string(why), why, dir, needed)};
    }
    // Held until the copy is in place: whoever cleans the folder leaves it alone.
    (void)::flock(fd, LOCK_EX | LOCK_NB);
    if (exists)
        (void)::fchmod(fd, old.st_mode & 07777);

    const auto fail = [&](int why) -> Result {
        ::unlink(nativeCopy.constData());
        ::close(fd);
        return {false, reason(qt_error_string(why), why, dir, needed)};
    };
    // Written a piece at a time: one write() of many megabytes is one long stay in
    // the kernel, where the program can be put to sleep or set aside for other work
    // halfway through its copy (3 ms for the 14 MB of a 100,000-QSO log, up to 48 ms
    // seen on a busy machine); blocks of 256 KB were never.
    int writeErrno = 0;
    const Sink sink = [&](QByteArrayView block) {
        if (writeErrno != 0)
            return false;
        const char *p = block.data();
        qsizetype left = block.size();
        while (left > 0) {
            const ssize_t n = ::write(fd, p, size_t(qMin<qsizetype>(left, BlockSize)));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                writeErrno = n < 0 ? errno : ENOSPC;
                return false;
            }
            p += n;
            left -= n;
        }
        return true;
    };
    const bool produced = produce(sink);
    if (writeErrno != 0)
        return fail(writeErrno);
    // The producer stopped on its own (its source could not be read): nothing replaces the file.
    if (!produced)
        return fail(EIO);
    // Every byte (and the size) is on the disk before the copy takes the file's place.
    if (::fdatasync(fd) != 0)
        return fail(errno);
    if (::rename(nativeCopy.constData(), nativeTarget.constData()) != 0)
        return fail(errno);
    ::close(fd);
    syncDirectory(dir);
    return {};
}

#else

AtomicFile::Result AtomicFile::write(const QString &path, const QByteArray &content)
{
    return write(path, [&content](const Sink &sink) { return sink(content); }, content.size());
}

AtomicFile::Result AtomicFile::write(const QString &path, const std::function<bool(const Sink &)> &produce,
                                     qint64 expectedSize)
{
    const QString dir = QFileInfo(path).absolutePath();
    QSaveFile out(path);
    out.setDirectWriteFallback(false);
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
    if (!out.commit())
        return {false, reason(out.errorString(), errno, dir, qMax(expectedSize, total))};
    syncDirectory(dir);
    return {};
}

#endif

QString AtomicFile::reason(const QString &systemError, int errnoValue, const QString &dir, qint64 needed)
{
#ifdef Q_OS_UNIX
    const QString text = qt_error_string(errnoValue);
    if (errnoValue == ENOSPC || errnoValue == EDQUOT || errnoValue == EFBIG)
        return QCoreApplication::translate("AtomicFile", "le disque est plein (%1).").arg(text);
    if (errnoValue == EACCES || errnoValue == EROFS || errnoValue == EPERM)
        return QCoreApplication::translate("AtomicFile", "le dossier ou le fichier est protégé en écriture (%1).").arg(text);
#else
    Q_UNUSED(errnoValue);
#endif
    const QString known = reason(systemError);
    if (!systemError.isEmpty() && systemError != QLatin1String("Unknown error"))
        return known;
    // No reason given: a disk with less room than the copy needs is the likely one.
    const QStorageInfo disk(dir);
    if (disk.isValid() && disk.bytesAvailable() >= 0 && disk.bytesAvailable() < needed + 4096)
        return QCoreApplication::translate("AtomicFile", "le disque est plein (%1 octets libres).").arg(disk.bytesAvailable());
    return QCoreApplication::translate("AtomicFile", "erreur d'écriture inconnue.");
}

QString AtomicFile::temporaryPrefix(const QString &fileName)
{
    return QLatin1Char('.') + fileName + Marker;
}

bool AtomicFile::isTemporaryName(const QString &name, const QString &ofFile)
{
    if (!ofFile.isEmpty()) {
        const QString prefix = temporaryPrefix(ofFile);
        if (name.size() != prefix.size() + TempLetters || !name.startsWith(prefix))
            return false;
    } else if (name.size() < 1 + 1 + Marker.size() + TempLetters || !name.startsWith(QLatin1Char('.'))
               || QStringView(name).mid(name.size() - TempLetters - Marker.size(), Marker.size()) != Marker) {
        return false;
    }
    for (const QChar c : QStringView(name).right(TempLetters)) {
        if (!isTempLetter(c))
            return false;
    }
    return true;
}

QStringList AtomicFile::leftovers(const QString &path)
{
    const QFileInfo target(path);
    QStringList found;
    // Names are picked here rather than by a wildcard filter, which would start the
    // regular-expression engine for one look at a folder.
    const QStringList names = target.absoluteDir().entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (isTemporaryName(name, target.fileName()))
            found.append(target.absoluteDir().filePath(name));
    }
    return found;
}

#ifdef Q_OS_UNIX

namespace {

enum class Outcome { Removed, Kept, NoKernelLock };

// Removes one temporary copy when its writer is gone. Where the file system has
// no kernel locks, the copy is removed only when the caller holds the file's lock
// or nothing has written it for ten minutes (NoKernelLock when it stays).
Outcome removeStopped(const QString &file, bool callerHoldsLock)
{
    const QByteArray native = QFile::encodeName(file);
    const int fd = ::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Outcome::Kept;
    bool stopped = false;
    bool unknown = false;
    struct stat held;
    if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode)) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            stopped = true;
        } else if (errno != EWOULDBLOCK && errno != EINTR) {
            stopped = callerHoldsLock || ::time(nullptr) - held.st_mtime > 600;
            unknown = !stopped;
        }
    }
    bool removed = false;
    struct stat named;
    // Only the copy that was looked at: the name must still lead to it.
    if (stopped && ::lstat(native.constData(), &named) == 0 && named.st_dev == held.st_dev
        && named.st_ino == held.st_ino)
        removed = ::unlink(native.constData()) == 0;
    ::close(fd);
    return removed ? Outcome::Removed : unknown ? Outcome::NoKernelLock : Outcome::Kept;
}

} // namespace

int AtomicFile::removeLeftovers(const QString &path, bool callerHoldsLock)
{
    int removed = 0;
    for (const QString &file : leftovers(path))
        removed += removeStopped(file, callerHoldsLock) == Outcome::Removed;
    if (removed > 0)
        syncDirectory(QFileInfo(path).absolutePath());
    return removed;
}

int AtomicFile::removeLeftoversIn(const QString &dir)
{
    const QDir folder(dir);
    int removed = 0;
    QStringList unsure;
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (!isTemporaryName(name))
            continue;
        const Outcome o = removeStopped(folder.filePath(name), false);
        removed += o == Outcome::Removed;
        // ".<file>.zel-tmp-XXXXXX": the file it was to become.
        const QString file = name.mid(1, name.size() - 1 - Marker.size() - TempLetters);
        if (o == Outcome::NoKernelLock && !unsure.contains(file))
            unsure.append(file);
    }
    // No kernel locks here: a file whose own lock nobody holds has no writer busy
    // with it (the log and the first-name list are only written under theirs).
    for (const QString &file : unsure) {
        FileLock lock(FileLock::lockPathFor(folder.filePath(file)));
        if (lock.lock(0) == FileLock::Status::Locked)
            removed += removeLeftovers(folder.filePath(file), true);
    }
    if (removed > 0)
        syncDirectory(dir);
    return removed;
}

#else

int AtomicFile::removeLeftovers(const QString &path, bool callerHoldsLock)
{
    if (!callerHoldsLock)
        return 0;
    int removed = 0;
    for (const QString &file : leftovers(path))
        removed += QFile::remove(file);
    return removed;
}

int AtomicFile::removeLeftoversIn(const QString &) { return 0; }

#endif
