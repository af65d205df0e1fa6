#pragma once

#include "confirm/OnlineService.h"

#include <QDate>
#include <QString>
#include <QUrl>

class Settings;

// What the confirmation download keeps in the settings: the services' addresses and
// the time-out in section "Confirmations" (the public addresses and 60 s unless a
// test or the operator set others), and per station, in its own section, the user
// names and the date each service's next download starts from. Never a password.
class ConfirmSettings
{
public:
    static inline const QString Section = QStringLiteral("Confirmations");
    static inline const QString KeyLotwAddress = QStringLiteral("LoTW Adresse");
    static inline const QString KeyEqslAddress = QStringLiteral("eQSL Adresse");
    static inline const QString KeyDelay = QStringLiteral("Delai");
    static inline const QString KeyLotwUser = QStringLiteral("LoTW Utilisateur");
    static inline const QString KeyLotwSince = QStringLiteral("LoTW Depuis");
    static inline const QString KeyEqslUser = QStringLiteral("eQSL Utilisateur");
    static inline const QString KeyEqslQth = QStringLiteral("eQSL QTH");
    static inline const QString KeyEqslSince = QStringLiteral("eQSL Depuis");

    static inline const QString DefaultLotwAddress = QStringLiteral("https://lotw.arrl.org/lotwuser/lotwreport.adi");
    static inline const QString DefaultEqslAddress = QStringLiteral("https://www.eqsl.cc/qslcard/DownloadInBox.cfm");
    static constexpr int DefaultDelaySeconds = 60;

    // station: the station's callsign as it names files ("F6ABC_P").
    ConfirmSettings(Settings &settings, const QString &station);

    QUrl address(OnlineService service) const;
    // Seconds without a byte before a download is given up (at least 1).
    int delaySeconds() const;

    // The user name: the typed one, else for LoTW the station's base callsign.
    QString user(OnlineService service) const;
    QString eqslQth() const;
    // Whether a user name was kept for the service (it was used before).
    bool used(OnlineService service) const;
    // The first day of the next download; invalid for "everything".
    QDate since(OnlineService service) const;

    // False when the store could not be written (error says why, in French).
    bool saveUser(OnlineService service, const QString &user, const QString &qth, QString *error);
    bool saveSince(OnlineService service, const QDate &day, QString *error);

    // The station's callsign without its portable parts ("F6ABC_P" → F6ABC).
    static QString baseCallsign(const QString &station);
    // The callsign as the services know it ("F6ABC_P" → F6ABC/P).
    static QString ownCall(const QString &station);

private:
    QString section() const;

    Settings &m_settings;
    QString m_station;
};
