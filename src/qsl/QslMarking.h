#pragma once

#include "logstore/AtomicFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

class LogSession;

// Marking received QSL cards: the unconfirmed QSOs of a callsign, and the mark
// "*" in the QSL column of those the operator ticks.
class QslMarking
{
    Q_DECLARE_TR_FUNCTIONS(QslMarking)

public:
    struct Candidate {
        int row = -1;        // 0-based line of the log
        QString listLine;    // the main list's line of that QSO, unchanged
        QByteArray logLine;  // the log line exactly as it stood when listed
    };

    // "Rechercher": every unconfirmed QSO whose callsign contains the text (in
    // capitals), in log order. An empty text gives every unconfirmed QSO.
    static QList<Candidate> candidates(const LogSession &session, const QString &text);

    // Modif_Fichier_Log for every ticked QSO at once: puts "*" in the QSL column of
    // the log lines with these 1-based numbers, in one rewrite of the log. Each line
    // must still be the one listed (shown); otherwise nothing is written.
    static AtomicFile::Result Modif_Fichier_Log(LogSession &session, const QList<int> &numbers,
                                                const QList<QByteArray> &shown);

    static QString noTickMessage() { return tr("Selectionnez un ou plusieurs QSO"); }
};
