#pragma once

#include "spots/LineBuffer.h"
#include "spots/TelnetFilter.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class QTcpSocket;
class QTimer;

// The telnet-style text connection to a DX-cluster node: answers the node's login
// prompt with the callsign, asks for the recent spots, hands on whole lines, and
// comes back by itself after a lost connection with a delay that grows up to a
// minute, until the operator disconnects. The delay starts again from its first
// value only once a connection has held a while: a node that accepts and closes at
// once is not called again and again. The node's telnet commands are dropped
// before its text is cut into lines. Never waits on the network: everything
// comes through the socket's signals. A flooding node is read a slice at a time so
// the window keeps answering; the socket's buffer is bounded so memory is too.
class ClusterConnection : public QObject
{
    Q_OBJECT
public:
    enum class State { Off, Connecting, Connected, Waiting };

    explicit ClusterConnection(QObject *parent = nullptr);
    ~ClusterConnection() override;

    // The delay before the first attempt to come back, and the longest one
    // (tests shorten them); each failure doubles the delay. A connection that
    // lasted heldMs puts the delay back to its first value.
    void setReconnectDelays(int firstMs, int longestMs, int heldMs = 30000);
    // How many bytes are read at a time before the window's other work gets a turn.
    void setSliceBytes(int bytes) { m_slice = bytes; }

    // Connects, or, while a retry waits, tries again at once ("Se connecter"
    // then means "now"). A host that names no machine is refused without trying:
    // the state is Off and the status says why.
    void connectTo(const QString &host, int port, const QString &callsign);
    // "Se déconnecter": closes the connection and stops coming back.
    void disconnectFrom();

    State state() const { return m_state; }
    bool isConnected() const { return m_state == State::Connected; }
    // The wait before the attempt under way or coming (ms).
    int retryDelay() const { return m_lastDelay; }
    // "Connecté à node:7300", "Connexion perdue : ... Nouvel essai dans 4 s"
    // (counting down each second)...
    QString statusText() const { return m_status; }

    // Sends a command line to the node (ended by CR LF). False when not connected.
    bool send(const QString &command);

    static inline const QByteArray RecentSpots = QByteArrayLiteral("sh/dx 50");

signals:
    void linesReceived(const QList<QByteArray> &lines);
    void stateChanged();

private:
    void onConnected();
    void onDisconnected();
    void onError();
    void readSlice();
    void lost(const QString &why);
    void setStatus(State state, const QString &text);
    // The node waits for the callsign: a prompt ending what it sent so far.
    static bool isLoginPrompt(const QByteArray &text);
    void login();
    void attempt();
    void showCountdown();
    // "Connexion perdue : <why>. Nouvel essai dans <s> s." and the like.
    QString waitingText(int ms) const;

    QTcpSocket *m_socket;
    QTimer *m_retry;
    QTimer *m_held;
    QTimer *m_countdown;
    TelnetFilter m_telnet;
    LineBuffer m_lines;
    QString m_lostWhy;          // why the connection was lost, said with the countdown
    bool m_wasConnected = false; // lost once connected, or never made
    QString m_host;
    int m_port = 0;
    QByteArray m_callsign;
    bool m_loggedIn = false;
    bool m_wanted = false;
    bool m_readQueued = false;
    int m_firstDelay = 2000;
    int m_longestDelay = 60000;
    int m_delay = 2000;
    int m_lastDelay = 0;
    int m_slice = 64 * 1024;
    State m_state = State::Off;
    QString m_status;
};
