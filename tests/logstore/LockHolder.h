#pragma once

#include "logstore/FileLock.h"

#include <QString>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace zeltest {

// Another running copy of the program: a child process that takes the lock and keeps
// it until told to end (end()), is killed (kill()), or the test ends. pid is -1 when
// the child could not take the lock.
struct LockHolder
{
    pid_t pid = -1;
    int release = -1;

    explicit LockHolder(const QString &lockPath)
    {
        int ready[2];
        int go[2];
        if (::pipe(ready) != 0 || ::pipe(go) != 0)
            return;
        pid = ::fork();
        if (pid == 0) {
            // Only the parent's end keeps the child waiting.
            ::close(ready[0]);
            ::close(go[1]);
            FileLock lock(lockPath);
            const char ok = lock.lock(0) == FileLock::Status::Locked ? '1' : '0';
            (void)!::write(ready[1], &ok, 1);
            char c;
            (void)!::read(go[0], &c, 1);
            ::_exit(0);
        }
        char ok = '0';
        (void)!::read(ready[0], &ok, 1);
        ::close(ready[0]);
        ::close(ready[1]);
        ::close(go[0]);
        release = go[1];
        if (ok != '1')
            pid = -1;
    }
    LockHolder(const LockHolder &) = delete;
    LockHolder &operator=(const LockHolder &) = delete;
    ~LockHolder()
    {
        // Closing the pipe ends a child still waiting; a test that failed half-way
        // leaves no child behind.
        if (release >= 0)
            ::close(release);
        if (pid > 0)
            ::waitpid(pid, nullptr, 0);
    }
    void kill()
    {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        pid = -1;
    }
    void end()
    {
        (void)!::write(release, "x", 1);
        ::waitpid(pid, nullptr, 0);
        pid = -1;
    }
};

} // namespace zeltest
