#include "logstore/FileLock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QLoggingCategory>
#include <QMutex>
#include <QSet>
#include <QSysInfo>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

Q_DECLARE_LOGGING_CATEGORY(lcLogStore)

FileLock::FileLock(QString lockPath) : m_path(std::move(lockPath)) {}

FileLock::~FileLock() { unlock(); }

FileLock::Status FileLock::lock(int timeout)
{
    if (m_locked)
        return m_status = Status::Locked;
    const QDeadlineTimer deadline(qMax(0, timeout));
    for (;;) {
        m_status = tryOnce();
        m_locked = m_status == Status::Locked;
        if (m_status != Status::HeldByOther || deadline.hasExpired())
            return m_status;
        QThread::msleep(20);
    }
}

#ifdef Q_OS_UNIX

namespace {

FileLock::FlockFunction g_flock = ::flock;

// Lock files this process holds where there are no kernel locks: its own number in
// one of them is then no sign of a copy that has gone.
QMutex g_heldMutex;
QSet<QString> g_held;

QByteArray holderText()
{
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n'
        + QCoreApplication::applicationName().toUtf8() + '\n' + QSysInfo::machineHostName().toUtf8() + '\n';
}

// What a lock file says, read without following a link or waiting on a pipe.
struct Holder {
    bool exists = false;
    QByteArray text;
    struct stat info {};
};

Holder readHolder(const QByteArray &native)
{
    Holder h;
    const int fd = ::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return h;
    if (::fstat(fd, &h.info) == 0 && S_ISREG(h.info.st_mode)) {
        h.exists = true;
        char buffer[1024];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0)
            h.text = QByteArray(buffer, int(n));
    }
    ::close(fd);
    return h;
}

bool sameFile(const Holder &a, const Holder &b)
{
    return a.exists && b.exists && a.info.st_dev == b.info.st_dev && a.info.st_ino == b.info.st_ino
        && a.text == b.text;
}

bool processRunning(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

} // namespace

void FileLock::setFlockFunction(FlockFunction function) { g_flock = function ? function : ::flock; }

FileLock::Status FileLock::openError(int why)
{
    m_systemError = qt_error_string(why);
    if (why == ELOOP || why == EMLINK)
        return Status::NotAFile;
    if (why == EACCES || why == EROFS || why == EPERM)
        return Status::PermissionDenied;
    if (why == ENOSPC || why == EDQUOT)
        return Status::DiskFull;
    return Status::OtherError;
}

FileLock::Status FileLock::tryOnce()
{
    if (m_noKernelLock)
        return tryLockFile();
    const QByteArray native = QFile::encodeName(m_path);
    // The holder removes the file when it is done; a file locked just as it went
    // away is not the lock any more, so look again (a few times at most).
    for (int attempt = 0; attempt < 8; ++attempt) {
        bool writable = true;
        bool created = true;
        int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0 && errno == EEXIST) {
            created = false;
            fd = ::open(native.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0 && errno == ENOENT)
                continue;
        }
        if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
            // A lock file already there still locks from a protected folder.
            const int why = errno;
            fd = ::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            writable = false;
            created = false;
            if (fd < 0)
                errno = why;
        }
        if (fd < 0)
            return openError(errno);
        struct stat held;
        if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
            ::close(fd);
            m_systemError = QCoreApplication::translate("FileLock", "ce n'est pas un fichier ordinaire");
            return Status::NotAFile;
        }
        if (g_flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int why = errno;
            if (why == EWOULDBLOCK || why == EINTR) {
                ::close(fd);
                return Status::HeldByOther;
            }
            if (why == ENOLCK || why == EOPNOTSUPP || why == EINVAL || why == ENOSYS) {
                qCWarning(lcLogStore) << "no kernel lock on" << m_path << "- the lock file is the lock";
                // The file made for the kernel lock would read as a lock held by nobody
                // yet: it goes, so that the lock file below is made whole at once.
                if (created)
                    ::unlink(native.constData());
                ::close(fd);
                m_noKernelLock = true;
                return tryLockFile();
            }
            ::close(fd);
            m_systemError = qt_error_string(why);
            return Status::OtherError;
        }
        struct stat named;
        if (::lstat(native.constData(), &named) == 0 && held.st_dev == named.st_dev
            && held.st_ino == named.st_ino) {
            m_fd = fd;
            m_writable = writable;
            if (writable) {
                // Who holds it, for whoever looks; the kernel lock is what counts.
                const QByteArray who = holderText();
                if (::ftruncate(fd, 0) == 0)
                    (void)!::write(fd, who.constData(), size_t(who.size()));
            }
            return Status::Locked;
        }
        ::close(fd);
    }
    return Status::HeldByOther;
}

FileLock::Status FileLock::tryLockFile()
{
    const QByteArray native = QFile::encodeName(m_path);
    const QByteArray who = holderText();
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0) {
            struct stat held;
            const bool whole = ::write(fd, who.constData(), size_t(who.size())) == who.size()
                && ::fsync(fd) == 0 && ::fstat(fd, &held) == 0;
            ::close(fd);
            if (!whole) {
                const int why = errno;
                ::unlink(native.constData());
                return openError(why);
            }
            m_heldDevice = quint64(held.st_dev);
            m_heldInode = quint64(held.st_ino);
            const QMutexLocker locked(&g_heldMutex);
            g_held.insert(m_path);
            return Status::Locked;
        }
        if (errno != EEXIST)
            return openError(errno);

        // Someone's lock file: is its holder still running?
        Holder holder = readHolder(native);
        if (!holder.exists) {
            if (::lstat(native.constData(), &holder.info) == 0 && !S_ISREG(holder.info.st_mode)) {
                m_systemError = QCoreApplication::translate("FileLock", "ce n'est pas un fichier ordinaire");
                return Status::NotAFile;
            }
            continue; // gone meanwhile
        }
        const QList<QByteArray> fields = holder.text.split('\n');
        bool numbered = false;
        const qint64 pid = fields.value(0).trimmed().toLongLong(&numbered);
        const QByteArray host = fields.value(2).trimmed();
        bool stopped = false;
        if (numbered && pid > 0 && (host.isEmpty() || host == QSysInfo::machineHostName().toUtf8())) {
            if (pid == QCoreApplication::applicationPid()) {
                const QMutexLocker locked(&g_heldMutex);
                stopped = !g_held.contains(m_path);
            } else {
                stopped = !processRunning(pid);
            }
        } else if (numbered && pid > 0) {
            // Another machine's copy cannot be asked: a lock is held for the length of
            // one write, so one left a minute ago is a copy that stopped.
            stopped = ::time(nullptr) - holder.info.st_mtime > 60;
        } else {
            // A holder writes its number as soon as it has made the file: one still
            // without it a moment later was left by a copy stopped in between.
            QThread::msleep(150);
            const Holder again = readHolder(native);
            stopped = sameFile(holder, again);
        }
        if (!stopped)
            return Status::HeldByOther;
        // Only the file judged is taken over: removed if it still stands as it was read.
        if (sameFile(holder, readHolder(native))) {
            qCWarning(lcLogStore) << "taking over" << m_path << "left by a copy that stopped";
            ::unlink(native.constData());
        }
    }
    return Status::HeldByOther;
}

void FileLock::unlock()
{
    if (m_noKernelLock) {
        if (m_locked) {
            const QByteArray native = QFile::encodeName(m_path);
            struct stat named;
            if (::lstat(native.constData(), &named) == 0 && quint64(named.st_dev) == m_heldDevice
                && quint64(named.st_ino) == m_heldInode)
                ::unlink(native.constData());
            const QMutexLocker locked(&g_heldMutex);
            g_held.remove(m_path);
        }
        m_locked = false;
        return;
    }
    if (m_fd < 0)
        return;
    // Removed while still locked, so nobody can take a lock on a file that is
    // about to go away (they check the name still leads to the file they locked).
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
    m_fd = -1;
    m_locked = false;
}

#else

void FileLock::setFlockFunction(FlockFunction) {}

FileLock::Status FileLock::tryOnce()
{
    if (!m_fallback) {
        m_fallback = std::make_unique<QLockFile>(m_path);
        m_fallback->setStaleLockTime(30000);
    }
    if (m_fallback->tryLock(0))
        return Status::Locked;
    switch (m_fallback->error()) {
    case QLockFile::LockFailedError:
        return Status::HeldByOther;
    case QLockFile::PermissionError:
        return Status::PermissionDenied;
    default:
        return Status::OtherError;
    }
}

void FileLock::unlock()
{
    if (m_fallback && m_locked)
        m_fallback->unlock();
    m_locked = false;
}

#endif

QString FileLock::reason() const
{
    const QString name = QFileInfo(m_path).fileName();
    const QString folder = QDir::toNativeSeparators(QFileInfo(m_path).absolutePath());
    switch (m_status) {
    case Status::Locked:
        return {};
    case Status::HeldByOther:
        return QCoreApplication::translate("FileLock", "le fichier est en cours de modification par une autre copie de KVR_ZEL.");
    case Status::PermissionDenied:
        return QCoreApplication::translate("FileLock", "le fichier de verrou %1 ne peut pas être créé : le dossier %2 est "
                              "protégé en écriture (%3).")
            .arg(name, folder, m_systemError);
    case Status::DiskFull:
        return QCoreApplication::translate("FileLock", "le fichier de verrou %1 ne peut pas être créé : le disque est plein (%2).")
            .arg(name, m_systemError);
    case Status::NotAFile:
        return QCoreApplication::translate("FileLock", "le fichier de verrou %1 est un lien symbolique ou n'est pas un fichier "
                              "ordinaire ; KVR_ZEL n'écrit pas à travers un lien. Supprimez %1 du dossier "
                              "%2, puis recommencez.")
            .arg(name, folder);
    case Status::OtherError:
        break;
    }
    return QCoreApplication::translate("FileLock", "le fichier de verrou %1 ne peut pas être créé ni verrouillé (%2).")
        .arg(name, m_systemError.isEmpty() ? QCoreApplication::translate("FileLock", "erreur inconnue") : m_systemError);
}
