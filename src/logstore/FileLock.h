#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Keeps two running copies of the program from rewriting the same file at once.
//
// The lock is a kernel lock (flock) on a small file beside the protected one,
// "<file>.lock". The kernel drops it when its holder ends, even by a kill or a
// power cut, so a lock file left behind (empty, without a process number, or
// naming a process that is gone) is taken over at once: only a running copy can
// hold the lock. The file holds the holder's process number, program and machine
// for whoever looks at it.
//
// Where the file system has no kernel locks (NFS without its lock service, some
// FUSE file systems), the lock file itself is the lock: created only if absent,
// it names its holder, and one that names no running copy of this machine (or is
// still empty a moment later, or was left a minute ago by another machine) is
// taken over.
//
// The lock file is never opened through a link: a lock path that is a symbolic
// link is refused, so nothing is ever written to the file it leads to.
class FileLock
{
public:
    enum class Status {
        Locked,
        HeldByOther,      // another running copy holds it
        PermissionDenied, // the lock file cannot be created (folder protected)
        DiskFull,         // no room left to create it
        NotAFile,         // the lock path is a symbolic link or not a regular file
        OtherError,
    };

    explicit FileLock(QString lockPath);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    static QString lockPathFor(const QString &file) { return file + QStringLiteral(".lock"); }

    // Waits up to timeout (milliseconds) while another running copy holds the lock.
    Status lock(int timeout);
    // Removes the lock file and lets the lock go.
    void unlock();
    bool isLocked() const { return m_locked; }

    // Why the last lock() failed, in French, naming the lock file.
    QString reason() const;
    Status status() const { return m_status; }
    QString path() const { return m_path; }

    // The kernel lock call, replaced by tests to play a file system without locks.
    using FlockFunction = int (*)(int fd, int operation);
    static void setFlockFunction(FlockFunction function);

private:
    Status tryOnce();
    Status tryLockFile();
    Status openError(int why);

    QString m_path;
    Status m_status = Status::OtherError;
    QString m_systemError;
    bool m_locked = false;
    int m_fd = -1;
    bool m_writable = false;
    bool m_noKernelLock = false; // the lock file alone is the lock
    quint64 m_heldDevice = 0;
    quint64 m_heldInode = 0;
    std::unique_ptr<QLockFile> m_fallback; // where the system has no flock at all
};
