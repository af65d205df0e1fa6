#pragma once

#include <QCoreApplication>
#include <QString>

class Settings;

// Choosing the station whose log is open: checks the callsign typed, creates the
// log of a new station from the template, and records the choice.
class StationService
{
    Q_DECLARE_TR_FUNCTIONS(StationService)

public:
    struct Result {
        bool ok = false;
        QString message;         // what to tell the operator when not ok
        bool clearField = false; // the field is emptied after an invalid character
        bool created = false;    // a new log was made
    };

    StationService(Settings &settings, QString programDir);

    // Checks, creates when new, and records the station. Not ok (and message says
    // why, in the interface's language) when the callsign is refused, its log cannot be created, or
    // the settings cannot store it: then the current station is unchanged.
    Result validate(const QString &typed);

    // The refusal for a field holding a character the program's files cannot hold,
    // naming it; empty when there is none. For Enter in the station field.
    static QString checkTyped(const QString &typed);

    // The log of a new station, as a copy of the template "FXXXX.txt" (an empty
    // log when the template is missing). Written in one step: a failure leaves no file.
    bool Cree_Log_Station(const QString &callsign, QString *error);


private:
    Settings &m_settings;
    QString m_dir;
};
