#pragma once

#include <QString>

class Settings;

// Choosing the station whose log is open: checks the callsign typed, creates the
// log of a new station from the template, and records the choice.
class StationService
{
public:
    struct Result {
        bool ok = false;
        QString message;         // what to tell the operator when not ok
        bool clearField = false; // the field is emptied after an invalid character
        bool created = false;    // a new log was made
    };

    StationService(Settings &settings, QString programDir);

    Result validate(const QString &typed);

    // The log of a new station, as a copy of the template "FXXXX.txt" (an empty
    // log when the template is missing). Written in one step: a failure leaves no file.
    bool Cree_Log_Station(const QString &callsign, QString *error);

    // 1 to 12 characters among A-Z, 0-9 and "_": the only callsigns that may name a file.
    static bool isValidCallsign(const QString &callsign);

    // "_" stands for "/" in a callsign that names a file.
    static QString Indicatif_Affiche(const QString &callsign);

private:
    Settings &m_settings;
    QString m_dir;
};
