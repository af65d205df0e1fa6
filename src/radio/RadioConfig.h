#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Settings;

// How the logbook reaches the radio: off (the default), a radio on a serial port
// (a Hamlib model, the port and its speed), driven by a rigctld the logbook starts,
// or a rigctld the operator runs (host and port). Kept in a section of its own of
// the settings store.
struct RadioConfig
{
    enum class Link { Serial, Network };

    static inline const QString Section = QStringLiteral("Poste radio");
    static inline const QString KeyEnabled = QStringLiteral("Actif");
    static inline const QString KeyModel = QStringLiteral("Modele");
    static inline const QString KeyLink = QStringLiteral("Liaison");
    static inline const QString KeySerialPort = QStringLiteral("Port serie");
    static inline const QString KeySpeed = QStringLiteral("Vitesse");
    static inline const QString KeyHost = QStringLiteral("Hote");
    static inline const QString KeyPort = QStringLiteral("Port");

    static constexpr int DefaultPort = 4532;

    bool enabled = false;
    int model = 1; // Hamlib's model number (names change between versions, numbers do not)
    Link link = Link::Network;
    QString serialPort;
    int speed = 9600;
    QString host = QStringLiteral("localhost");
    int port = DefaultPort;

    // The serial ports of this computer, USB adapters first.
    static QStringList serialPorts();
    static QList<int> speeds() { return {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200}; }

    // What the store holds; a value that cannot be read (a hand edit, another
    // version) turns the radio off rather than guess.
    static RadioConfig load(const Settings &settings);
    // One write of the store, so that it never holds half a configuration; empty when
    // it went to disk, otherwise why not, in French.
    QString save(Settings &settings) const;

    bool operator==(const RadioConfig &o) const;
    bool operator!=(const RadioConfig &o) const { return !(*this == o); }
};
