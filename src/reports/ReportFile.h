#pragma once

#include "reports/ReportListing.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

class LogSession;

// Saves a report list of the session's current log in the program directory,
// through the one checked atomic writer.
class ReportFile
{
    Q_DECLARE_TR_FUNCTIONS(ReportFile)

public:
    struct Result {
        bool ok = false;
        QString fileName; // without its directory
        QString message;  // for the operator: the saved name or why it failed
    };

    static Result save(const LogSession &session, ReportListing::Kind kind, const QDate &today);
};
