#pragma once

#include "logstore/AtomicFile.h"

#include <QString>

// The operator's first-name list, "Liste_Prenom.txt": one station per line, the
// callsign in columns 1-12 padded with blanks, four blanks, then the first name in
// capitals from column 17 to the end of the line (possibly empty).
class FirstNameList
{
public:
    static inline const QString FileName = QStringLiteral("Liste_Prenom.txt");
    static constexpr int CallsignWidth = 12;
    static constexpr int FirstNameStart = 17; // 1-based

    struct Lookup {
        bool found = false;
        QString firstName; // in capitals
    };

    explicit FirstNameList(QString path);

    // Looks the callsign up (trimmed columns 1-12, compared with the callsign as
    // given). Every line is read and the last match wins, as the list may hold a
    // station twice. Leaves Prenom_A_Ajouter true when the station is not listed.
    Lookup Cherche_Prenom(const QString &callsign);

    // Replaces every line whose first 12 characters are those of the record, keeps
    // every other line byte for byte, and appends the record when Prenom_A_Ajouter
    // is set. The whole list is rewritten in one step, under a lock beside it. A
    // record holding a character the list cannot hold (see Cp1252::refusal) is
    // refused with a message naming it, and the list is left as it is.
    AtomicFile::Result Maj_Liste_Prenom(const QString &record);

    // Callsign padded to 12, four blanks, first name in capitals.
    static QString record(const QString &callsign, const QString &firstName);

    bool Prenom_A_Ajouter() const { return m_prenomAAjouter; }
    void setPrenom_A_Ajouter(bool toAdd) { m_prenomAAjouter = toAdd; }

    QString path() const { return m_path; }
    // How long an update waits for another copy of the program.
    void setLockTimeout(int milliseconds) { m_lockTimeout = milliseconds; }

private:
    QString m_path;
    bool m_prenomAAjouter = false;
    int m_lockTimeout = 5000;
};
