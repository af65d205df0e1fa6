#pragma once

// Faults the tests inject from outside the program: a full disk (a small tmpfs
// when the tests run as root and may mount, or a file-size limit in a child
// process, which works for any user), a protected folder (a child process that
// has given up root), and processes that die holding a lock.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <functional>

#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zeltest {

// Runs work in a forked child after prepare, and returns what work returned
// (nothing when the child did not get that far). The parent stays untouched by
// the child's limits and identity.
inline QByteArray inChild(const std::function<void()> &prepare, const std::function<QByteArray()> &work,
                          int *exitStatus = nullptr)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return "<pipe>";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        prepare();
        const QByteArray out = work();
        qsizetype done = 0;
        while (done < out.size()) {
            const ssize_t n = ::write(fds[1], out.constData() + done, size_t(out.size() - done));
            if (n <= 0)
                break;
            done += n;
        }
        ::close(fds[1]);
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray out;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        out.append(buffer, n);
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (exitStatus)
        *exitStatus = status;
    return out;
}

// A child whose files cannot grow past limit bytes: writes beyond fail with
// "File too large" instead of killing it (SIGXFSZ ignored), as on a full disk.
inline std::function<void()> fileSizeLimit(rlim_t limit)
{
    return [limit] {
        ::signal(SIGXFSZ, SIG_IGN);
        const struct rlimit r{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &r);
    };
}

// A child that is not root (root writes through any permission): user nobody.
// Where root may not change its identity, the child ends at once with this status.
constexpr int CannotDropRoot = 3;
inline std::function<void()> notRoot()
{
    return [] {
        if (::geteuid() == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(CannotDropRoot);
        }
    };
}

inline bool couldNotDropRoot(int status) { return WIFEXITED(status) && WEXITSTATUS(status) == CannotDropRoot; }

// Lets user nobody reach dir (a QTemporaryDir is for its owner only).
inline void openToAll(const QString &dir)
{
    ::chmod(QFile::encodeName(dir).constData(), 0777);
}

// A 64 KB tmpfs mounted on a folder, for root only; isMounted() false elsewhere
// (not root, or no right to mount in this sandbox).
class SmallTmpfs
{
public:
    explicit SmallTmpfs(const QString &where) : m_where(where)
    {
        QDir().mkpath(where);
        if (::geteuid() == 0)
            m_mounted = ::mount("tmpfs", QFile::encodeName(where).constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallTmpfs()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_where).constData(), MNT_DETACH);
    }
    bool isMounted() const { return m_mounted; }

    // Fills what is left with one file, as "dd" would.
    void fill() const
    {
        const int fd = ::open(QFile::encodeName(m_where + QStringLiteral("/filler")).constData(),
                              O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            return;
        const QByteArray block(4096, 'x');
        while (::write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        // The last pages may hold less than a block.
        while (::write(fd, "x", 1) > 0) {
        }
        ::close(fd);
    }

private:
    QString m_where;
    bool m_mounted = false;
};

} // namespace zeltest
