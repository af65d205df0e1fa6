#include "logstore/FileLock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QLoggingCategory>
#include <QSysInfo>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
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

FileLock::Status FileLock::tryOnce()
{
    if (m_fallback) {
        // A file system without kernel locks: the lock file's own rules apply.
        if (m_fallback->tryLock(0))
            return Status::Locked;
        return m_fallback->error() == QLockFile::LockFailedError ? Status::HeldByOther : Status::OtherError;
    }
    const QByteArray native = QFile::encodeName(m_path);
    // The holder removes the file when it is done; a file locked just as it went
    // away is not the lock any more, so look again (a few times at most).
    for (int attempt = 0; attempt < 8; ++attempt) {
        bool writable = true;
        int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
            // A lock file already there still locks from a protected folder.
            const int why = errno;
            fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
            writable = false;
            if (fd < 0)
                errno = why;
        }
        if (fd < 0) {
            const int why = errno;
            m_systemError = qt_error_string(why);
            if (why == EACCES || why == EROFS || why == EPERM)
                return Status::PermissionDenied;
            if (why == ENOSPC || why == EDQUOT)
                return Status::DiskFull;
            return Status::OtherError;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int why = errno;
            ::close(fd);
            if (why == EWOULDBLOCK || why == EINTR)
                return Status::HeldByOther;
            if (why == ENOLCK || why == EOPNOTSUPP || why == EINVAL) {
                qCWarning(lcLogStore) << "no kernel lock on" << m_path << "- using a lock file";
                m_fallback = std::make_unique<QLockFile>(m_path);
                m_fallback->setStaleLockTime(30000);
                return tryOnce();
            }
            m_systemError = qt_error_string(why);
            return Status::OtherError;
        }
        struct stat held;
        struct stat named;
        if (::fstat(fd, &held) == 0 && ::stat(native.constData(), &named) == 0
            && held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            m_fd = fd;
            m_writable = writable;
            if (writable) {
                // Who holds it, for whoever looks; the kernel lock is what counts.
                const QByteArray who = QByteArray::number(QCoreApplication::applicationPid()) + '\n'
                    + QCoreApplication::applicationName().toUtf8() + '\n'
                    + QSysInfo::machineHostName().toUtf8() + '\n';
                if (::ftruncate(fd, 0) == 0)
                    (void)!::write(fd, who.constData(), size_t(who.size()));
            }
            return Status::Locked;
        }
        ::close(fd);
    }
    return Status::HeldByOther;
}

void FileLock::unlock()
{
    if (m_fallback) {
        if (m_locked)
            m_fallback->unlock();
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
        return QStringLiteral("le fichier est en cours de modification par une autre copie de KVR_ZEL.");
    case Status::PermissionDenied:
        return QStringLiteral("le fichier de verrou %1 ne peut pas être créé : le dossier %2 est "
                              "protégé en écriture (%3).")
            .arg(name, folder, m_systemError);
    case Status::DiskFull:
        return QStringLiteral("le fichier de verrou %1 ne peut pas être créé : le disque est plein (%2).")
            .arg(name, m_systemError);
    case Status::OtherError:
        break;
    }
    return QStringLiteral("le fichier de verrou %1 ne peut pas être créé ni verrouillé (%2).")
        .arg(name, m_systemError.isEmpty() ? QStringLiteral("erreur inconnue") : m_systemError);
}
