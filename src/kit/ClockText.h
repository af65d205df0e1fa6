#pragma once

#include <QDateTime>
#include <QString>

// The three clock labels of the main window.
namespace ClockText {
QString utcTime(const QDateTime &utc);     // "HH:MM Utc"
QString localTime(const QDateTime &local); // "HH:MM Loc"
QString utcDate(const QDateTime &utc);     // "JJ/MM/AA"
}
