#include "radio/RigctldProcess.h"

#include <QHostAddress>
#include <QPointer>
#include <QProcess>
#include <QTcpServer>
#include <QTimer>

#include <csignal>
#include <sys/prctl.h>

namespace {

// rigctld says little, but a radio that keeps failing must not fill memory.
constexpr qint64 MaxErrorBytes = 4096;
// A port found free can be taken by another program before rigctld binds it.
constexpr int MaxStarts = 3;

QString lastLine(const QByteArray &bytes)
{
    const QList<QByteArray> lines = bytes.trimmed().split('\n');
    return lines.isEmpty() ? QString() : QString::fromLocal8Bit(lines.last()).trimmed();
}

} // namespace

RigctldProcess::RigctldProcess(const RadioConfig &config, QObject *parent) : QObject(parent), m_config(config) {}

RigctldProcess::~RigctldProcess()
{
    if (m_process) {
        m_process->disconnect(this);
        stop(m_process);
    }
}

QStringList RigctldProcess::arguments(const RadioConfig &config, int listenPort)
{
    QStringList args{QStringLiteral("-m"), QString::number(config.model)};
    // Hamlib's own radios (the dummy) need no port; rigctld then takes its default.
    if (!config.serialPort.trimmed().isEmpty())
        args << QStringLiteral("-r") << config.serialPort.trimmed() << QStringLiteral("-s")
             << QString::number(config.speed);
    args << QStringLiteral("-T") << QStringLiteral("127.0.0.1") << QStringLiteral("-t") << QString::number(listenPort);
    return args;
}

int RigctldProcess::freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}

bool RigctldProcess::start()
{
    if (running())
        return true;
    if (m_process) {
        m_process->disconnect(this);
        stop(m_process);
        m_process = nullptr;
    }
    m_port = freePort();
    if (m_port == 0) {
        m_error = tr("aucun port libre sur cet ordinateur pour rigctld");
        return false;
    }
    ++m_starts;
    m_process = new QProcess;
    m_process->setProgram(QStringLiteral("rigctld"));
    m_process->setArguments(arguments(m_config, m_port));
    m_process->setStandardOutputFile(QProcess::nullDevice());
    // Should the program die without a word, rigctld goes with it and frees the port.
    m_process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    connect(m_process, &QProcess::readyReadStandardError, this, [this] {
        const QByteArray bytes = m_process->readAllStandardError();
        m_error = lastLine(bytes.right(MaxErrorBytes));
    });
    connect(m_process, &QProcess::finished, this, &RigctldProcess::onFinished);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            onFailedToStart(true);
    });
    // Never waited for: the window's thread goes on, and a program that cannot be
    // run is said when the system tells (errorOccurred), as an end of rigctld.
    m_process->start();
    if (m_process && m_process->state() == QProcess::NotRunning) {
        onFailedToStart(false);
        return false;
    }
    return true;
}

void RigctldProcess::onFailedToStart(bool tell)
{
    if (!m_process)
        return;
    QProcess *failed = m_process;
    m_process = nullptr;
    failed->disconnect(this);
    failed->deleteLater();
    m_starts = 0;
    m_error = tr("rigctld est introuvable : le poste radio (CAT) demande le paquet "
                 "libhamlib-utils");
    if (tell)
        emit ended(m_error);
}

void RigctldProcess::onFinished()
{
    QProcess *done = m_process;
    m_process = nullptr;
    const QString printed = m_error;
    done->disconnect(this);
    done->deleteLater();
    // Most likely the port was taken meanwhile: another one is tried.
    if (m_starts < MaxStarts && start())
        return;
    m_starts = 0;
    emit ended(printed.isEmpty() ? tr("rigctld s'est arrêté") : tr("rigctld s'est arrêté : %1").arg(printed));
}

bool RigctldProcess::running() const { return m_process && m_process->state() != QProcess::NotRunning; }

qint64 RigctldProcess::processId() const { return running() ? m_process->processId() : 0; }

void RigctldProcess::stop(QProcess *process, int graceMs)
{
    if (!process)
        return;
    process->setParent(nullptr);
    if (process->state() == QProcess::NotRunning) {
        process->deleteLater();
        return;
    }
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->terminate();
    QPointer<QProcess> alive(process);
    QTimer::singleShot(graceMs, process, [alive] {
        if (alive && alive->state() != QProcess::NotRunning)
            alive->kill();
    });
}
