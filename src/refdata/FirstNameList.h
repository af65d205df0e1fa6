#pragma once

#include "logstore/AtomicFile.h"
#include "logstore/LogFile.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

// The operator's first-name list, "Liste_Prenom.txt": one station per line, the
// callsign in columns 1-12 padded with blanks, four blanks, then the first name in
// capitals from column 17 to the end of the line (possibly empty).
//
// The list is read once into a small index (the callsign's hash and where its line
// starts, eight bytes a line) and read again only when the file on disk changes;
// a look-up then reads the few lines its callsign may stand on.
class FirstNameList
{
    Q_DECLARE_TR_FUNCTIONS(FirstNameList)

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
    // given). The last line holding the station wins, as the list may hold it twice.
    // Leaves Prenom_A_Ajouter true when the station is not listed.
    Lookup Cherche_Prenom(const QString &callsign);

    // Replaces every line whose first 12 characters are those of the record, keeps
    // every other line byte for byte, and appends the record when no line holds the
    // station. The whole list is rewritten in one step, under a lock beside it. A
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

    // How many times the list has been read whole since this object was made.
    int readsOfTheList() const { return m_reads; }

private:
    // The index is up to date with the file on disk.
    void refresh();
    // The lines whose trimmed callsign may be this one, last line first.
    QList<QByteArray> candidates(QStringView callsign);
    static quint64 hashOf(QStringView callsign);

    QString m_path;
    bool m_prenomAAjouter = false;
    int m_lockTimeout = 5000;

    bool m_indexed = false;
    LogFile::Stamp m_stamp;
    std::vector<quint64> m_index; // hash in the high bits, line offset in the low ones, sorted
    int m_reads = 0;
};
