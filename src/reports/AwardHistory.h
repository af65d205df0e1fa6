#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>

class LogIndex;
class LogSession;

// How the award grew: for every month from the first QSO of the log to today,
// the QSOs contacted and confirmed up to the end of that month (counted as the
// score counts them: QSO lines, a confirmed one in the month of its QSO).
// Lines without a readable date are left out.
class AwardHistory
{
public:
    struct Month {
        QDate month; // its first day
        int contacted = 0;
        int confirmed = 0;
    };

    // One pass over the lines.
    static QList<Month> fromSession(const LogSession &session, const QDate &today);
    // As the log index counts them, without reading the log.
    static QList<Month> fromIndex(const LogIndex &index, const QDate &today);
    static QList<Month> fromLines(const QList<QByteArrayView> &lines, const QDate &today);

    // The same figures day by day, from the first QSO's day to today (or to the last
    // QSO when the log holds dates to come): for a log whose QSOs span a month or two,
    // where one point a month would draw nothing. `month` then holds each day.
    static QList<Month> daysFromIndex(const LogIndex &index, const QDate &today);
    static QList<Month> daysFromLines(const QList<QByteArrayView> &lines, const QDate &today);

    // "03/2007".
    static QString monthText(const QDate &month);
    // "14/03/2007".
    static QString dayText(const QDate &day);
};
