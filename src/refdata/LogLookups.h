#pragma once

#include <QString>

// Questions asked of the current station's log while a QSO is being entered.
// Log lines are 138 columns: reference in 35-40 (region code in 35-36), date
// "JJ/MM/AA" in 42-49. A missing log reads as empty.
class LogLookups
{
public:
    struct Contact {
        bool found = false;
        QString date; // "JJ/MM/AA" of the first QSO with the abbey
    };

    // First QSO, in file order, whose reference is exactly the one given.
    static Contact Deja_Contacte(const QString &logPath, const QString &reference);

    // True when some QSO of the log is in the region of the code ("VN" and "VE"
    // count as one region); false for an empty log, so the region is new.
    static bool Cherche_Region(const QString &logPath, const QString &code);
};
