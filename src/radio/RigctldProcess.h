#pragma once

#include "radio/RadioConfig.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QProcess;

// The rigctld the logbook starts for a radio on a serial port: Hamlib's daemon
// drives the radio and listens on a free port of this computer only. It ends when
// this object goes (CAT switched off, the program ends), without the window ever
// waiting for it: asked to stop, then killed after a short grace.
class RigctldProcess : public QObject
{
    Q_OBJECT
public:
    static constexpr int GraceMs = 1000;

    explicit RigctldProcess(const RadioConfig &config, QObject *parent = nullptr);
    ~RigctldProcess() override;

    // Starts rigctld on a free port without waiting for it; false (and error()) when
    // no port is free or the system refuses at once. A program that cannot be run is
    // told later by ended(), with the same error().
    bool start();
    bool running() const;
    int port() const { return m_port; }
    // Why rigctld is not there, in French.
    QString error() const { return m_error; }
    // The process id while it runs (0 otherwise), for the tests that look for it.
    qint64 processId() const;
    // rigctld answered: a later end is counted afresh.
    void reached() { m_starts = 0; }

    // What rigctld is given: the model, the port and speed when the model needs one,
    // and where to listen.
    static QStringList arguments(const RadioConfig &config, int listenPort);
    // A port of 127.0.0.1 nothing listens on now.
    static int freePort();
    // Ends a process without waiting for it: terminate now, kill after graceMs, and
    // the QProcess deleted once it has ended. A program that ends first takes the
    // child with it (it is started to die with its parent).
    static void stop(QProcess *process, int graceMs = GraceMs);

signals:
    // rigctld ended on its own; `why` says what it last printed.
    void ended(const QString &why);

private:
    void onFinished();
    // tell: said by ended() (start() has already returned).
    void onFailedToStart(bool tell);

    RadioConfig m_config;
    QProcess *m_process = nullptr;
    int m_port = 0;
    int m_starts = 0;
    QString m_error;
};
