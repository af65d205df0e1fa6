#pragma once

#include "radio/RadioConfig.h"
#include "radio/RadioInterface.h"
#include "radio/RigctldReader.h"

#include <QByteArray>

class QTcpSocket;
class QTimer;
class RigctldProcess;

// The radio through rigctld's text protocol on a TCP connection, on the window's
// thread without ever blocking it. For a rigctld the operator runs, it connects to
// the host and port given; for a radio on a serial port, it starts its own rigctld
// (RigctldProcess) and connects to it. Every answer is read in the extended form
// and checked against its "RPRT" code.
class RigctldClient : public RadioInterface
{
    Q_OBJECT
public:
    explicit RigctldClient(const RadioConfig &config, QObject *parent = nullptr);
    ~RigctldClient() override;

    void ask(const RadioRequest &request, Done done) override;
    void abandon() override;

    // The line sent for a request ("+f\n", "+F 14205000\n"); empty when the request
    // cannot be said (a mode name rigctld would misread).
    static QByteArray command(const RadioRequest &request);
    // The child rigctld, for a radio on a serial port (null otherwise).
    RigctldProcess *child() const { return m_child; }

private:
    void connectNow();
    void onReadyRead();
    void onSocketError();
    void finish(const RadioAnswer &answer);
    void dropConnection();

    RadioConfig m_config;
    QTcpSocket *m_socket;
    RigctldProcess *m_child = nullptr;
    QTimer *m_reconnect;
    RigctldReader m_reader;
    RadioRequest m_request;
    QByteArray m_command;
    Done m_done;
};
