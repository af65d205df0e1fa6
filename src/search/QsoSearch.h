#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class LogSession;

// Finding QSOs of the open log by callsign, date or abbey reference, as the
// search window does it: the checks of each criterion box, the search itself on
// the lines of the main list, and the line each QSO found shows.
class QsoSearch
{
    Q_DECLARE_TR_FUNCTIONS(QsoSearch)

public:
    // The three criteria, numbered as their option buttons.
    enum Criterion { Indicatif = 1, Date = 2, Reference = 3 };

    // What Enter in a criterion box checks before any search: the message to show
    // (empty when the text passes) and whether the box is emptied.
    struct Check {
        QString message;
        bool clearBox = false;
        bool ok() const { return message.isEmpty(); }
    };
    static Check checkBox(Criterion box, const QString &text);

    // The three boxes as typed.
    struct Keys {
        QString indica, data, depa;
    };

    struct Outcome {
        QStringList lines; // result lines, in list order
        QList<int> rows;   // the 0-based row of each result line
        // Set when the search stopped at an empty criterion: its message. The
        // boxes are then left as they are (the callsign box is emptied).
        QString stopMessage;
        bool clearIndica = false;
        // Set when every line was looked at and nothing matched.
        bool nothingFound = false;
    };

    // Cherche_QSO: every line of the log's list whose field matches the key of the
    // selected criterion: the callsign contains it, or the date or reference is it.
    static Outcome Cherche_QSO(const LogSession &session, Criterion selected, const Keys &keys);

    // The result line of a main list line: number and callsign, date, reference,
    // abbey name and QSL flag.
    static QString resultLine(const QString &listLine);

    static QString notFoundMessage();
};
