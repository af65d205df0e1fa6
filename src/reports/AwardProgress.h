#pragma once

#include <QCoreApplication>
#include <QString>

// The way to the next level of the award, from the confirmed count: the base
// award at 10, then the twelve Excellence levels every 250 up to 3,000.
struct AwardProgress
{
    Q_DECLARE_TR_FUNCTIONS(AwardProgress)

public:
    int confirmed = 0;
    int from = 0;    // the last level reached (0 before the base award)
    int to = 0;      // the next level; 0 once every level is reached
    int missing = 0; // QSL still needed for it
    // "Encore 3 QSL pour le diplôme de base", "Encore 120 QSL pour le niveau Excellence 2".
    QString text;

    bool complete() const { return to == 0; }

    static AwardProgress of(int confirmed);
};
