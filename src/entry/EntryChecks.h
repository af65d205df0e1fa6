#pragma once

#include <QString>

// The checks each entry field of the main window runs when Enter closes it.
// Each returns the message to show, or an empty string when the value passes.
namespace EntryChecks {

QString callsign(const QString &text);
QString firstName(const QString &text);
QString reference(const QString &text);
QString locator(const QString &text);
QString date(const QString &text);
QString time(const QString &text);
QString mode(const QString &text);
QString band(const QString &text);
QString report(const QString &text);
QString abbeyName(const QString &text);

// "JJ/MM/AA": digits, "/" in places 3 and 6, and a day of the calendar (years 50-99
// are 1950-1999, 00-49 are 2000-2049).
bool isValidDate(const QString &text);
// "HH:MM": digits, ":" in place 3, hours at most 23, minutes at most 59.
bool isValidTime(const QString &text);

// A mode longer than the log's three columns would be cut or move the columns.
QString modeFitsLog(const QString &text);

// Said while no station is chosen yet: how to create one.
QString firstInstallation();

} // namespace EntryChecks
