#pragma once

// Hamlib's rigctld driving its dummy radio (model 1) on a free localhost port,
// started and stopped by the test itself, and rigctl to turn its knobs.

#include <QProcess>
#include <QStringList>
#include <QtTest>

#include <arpa/inet.h>
#include <csignal>
#include <sys/prctl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zeltest {

// A port nothing listens on right now.
inline int freePort()
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    socklen_t len = sizeof a;
    int port = 0;
    if (::bind(s, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0
        && ::getsockname(s, reinterpret_cast<sockaddr *>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    ::close(s);
    return port;
}

inline bool listening(int port)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(quint16(port));
    const bool ok = ::connect(s, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0;
    ::close(s);
    return ok;
}

class Rigctld
{
public:
    Rigctld() : m_port(freePort()) {}
    ~Rigctld() { stop(); }

    int port() const { return m_port; }

    // Starts rigctld; when it cannot bind its port (taken since it was found free),
    // tries again on another one, unless the port must stay (a radio coming back).
    bool start(bool samePort = false)
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            if (attempt > 0 && !samePort)
                m_port = freePort();
            if (startOnce())
                return true;
            stop();
        }
        return false;
    }

    qint64 pid() const { return m_process.processId(); }

    bool startOnce()
    {
        m_process.setProgram(QStringLiteral("rigctld"));
        m_process.setArguments({QStringLiteral("-m"), QStringLiteral("1"), QStringLiteral("-T"),
                                QStringLiteral("127.0.0.1"), QStringLiteral("-t"), QString::number(m_port)});
        // rigctld keeps none of the test's output open and ends with it, even when the
        // test dies: ctest would otherwise wait on it.
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_process.start();
        if (!m_process.waitForStarted(5000)) {
            qWarning() << "rigctld does not start (libhamlib-utils installed?)" << m_process.errorString();
            return false;
        }
        // Listening, or gone because the port was taken.
        return QTest::qWaitFor([this] { return m_process.state() != QProcess::Running || listening(m_port); }, 5000)
            && m_process.state() == QProcess::Running;
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    // rigctl commands to the running rigctld, e.g. {"F", "14205000", "M", "USB", "0"}.
    bool set(const QStringList &commands) const
    {
        QStringList args{QStringLiteral("-m"), QStringLiteral("2"), QStringLiteral("-r"),
                         QStringLiteral("127.0.0.1:%1").arg(m_port)};
        args += commands;
        return QProcess::execute(QStringLiteral("rigctl"), args) == 0;
    }

    // What rigctl prints for these commands, e.g. {"m"} gives "USB\n2400\n".
    QByteArray query(const QStringList &commands) const
    {
        QProcess rigctl;
        rigctl.start(QStringLiteral("rigctl"), QStringList{QStringLiteral("-m"), QStringLiteral("2"), QStringLiteral("-r"),
                                                             QStringLiteral("127.0.0.1:%1").arg(m_port)}
                                                   + commands);
        rigctl.waitForFinished(10000);
        return rigctl.readAllStandardOutput();
    }

    bool tune(qint64 hertz, const QString &mode) const
    {
        return set({QStringLiteral("F"), QString::number(hertz), QStringLiteral("M"), mode, QStringLiteral("0")});
    }

private:
    int m_port;
    QProcess m_process;
};

} // namespace zeltest
