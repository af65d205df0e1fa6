#pragma once

#include <QString>

class Settings;

// What the operator chose for the DX cluster, in a settings section of its own
// ("Cluster"). No node is preset; the port proposed is 7300; the login callsign is
// the station's without its portable suffix unless the operator typed another. A
// value that cannot be read leaves the cluster off.
struct ClusterSettings
{
    static inline const QString Section = QStringLiteral("Cluster");
    static inline const QString KeyHost = QStringLiteral("Noeud");
    static inline const QString KeyPort = QStringLiteral("Port");
    static inline const QString KeyLogin = QStringLiteral("Indicatif");
    static inline const QString KeyOn = QStringLiteral("Connecte");
    static inline const QString KeySound = QStringLiteral("Son");
    static inline const QString KeyNeededOnly = QStringLiteral("Seulement a contacter");
    static constexpr int DefaultPort = 7300;

    QString host;
    int port = DefaultPort;
    QString login; // empty: the station's callsign
    bool on = false; // connect at start-up, as when the operator left
    bool sound = false;
    bool neededOnly = false;

    static ClusterSettings load(const Settings &settings);
    // False when a value could not be stored (the settings say why).
    bool save(Settings &settings) const;

    // The callsign the node is given: the typed one, else the station's ("F6ABC_P" or
    // "F6ABC/P") without its portable suffix, in capitals.
    QString loginFor(const QString &stationCallsign) const;
    // A host and a port the connection can use.
    bool usable() const { return !host.trimmed().isEmpty() && port > 0 && port < 65536; }
};
