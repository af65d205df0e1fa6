#pragma once

#include <QCoreApplication>
#include <QString>

class LogIndex;

// Where the abbey of a spot stands in the current station's log, as the log index
// says it: one look-up per spot, whatever the log's size.
class SpotStanding
{
    Q_DECLARE_TR_FUNCTIONS(SpotStanding)

public:
    enum class Status {
        NewRegion, // no QSO with the abbey, none in its region either
        NewAbbey,  // no QSO with the abbey
        Worked,    // in the log, QSL not received
        Confirmed, // in the log with its QSL
        Unknown,   // the log could not be read: nothing can be said
    };

    explicit SpotStanding(const LogIndex &index) : m_index(index) {}

    // The reference is read trimmed and in capitals.
    Status status(const QString &reference) const;
    // The spots the operator needs: no QSO with the abbey yet.
    static bool needed(Status s) { return s == Status::NewRegion || s == Status::NewAbbey; }
    // "Nouvelle abbaye", "Nouvelle abbaye, Nouvelle région", "Contactée", "Confirmée", in
    // the interface's language: shown only, never compared (the status itself is).
    static QString text(Status s);

private:
    const LogIndex &m_index;
};
