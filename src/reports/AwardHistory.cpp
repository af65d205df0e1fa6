#include "reports/AwardHistory.h"

#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "refdata/LogIndex.h"

#include <array>
#include <map>

namespace {

// Months of 1950 to 2049, the years a two-digit year can stand for.
constexpr int MonthSlots = QsoRecord::MonthSlots;

struct Counts {
    std::array<int, MonthSlots> contacted{};
    std::array<int, MonthSlots> confirmed{};
};

void add(Counts &c, QByteArrayView line)
{
    const int slot = QsoRecord::monthSlot(line);
    if (slot < 0)
        return;
    ++c.contacted[slot];
    if (QsoRecord::isConfirmedLine(line))
        ++c.confirmed[slot];
}

QDate monthOf(int slot) { return QsoRecord::monthOfSlot(slot); }

QList<AwardHistory::Month> cumulate(const Counts &c, const QDate &today)
{
    QList<AwardHistory::Month> out;
    int first = -1;
    int last = -1;
    for (int s = 0; s < MonthSlots; ++s) {
        if (c.contacted[s] > 0) {
            if (first < 0)
                first = s;
            last = s;
        }
    }
    if (first < 0)
        return out;
    // Up to today, or to the last QSO when the log holds dates to come.
    if (today.isValid()) {
        const int now = (today.year() - QsoRecord::monthOfSlot(0).year()) * 12 + today.month() - 1;
        if (now > last)
            last = qMin(now, MonthSlots - 1);
    }
    int contacted = 0;
    int confirmed = 0;
    out.reserve(last - first + 1);
    for (int s = first; s <= last; ++s) {
        contacted += c.contacted[s];
        confirmed += c.confirmed[s];
        out.append({monthOf(s), contacted, confirmed});
    }
    return out;
}

// Day by day: the days of the log's QSOs are few when this is asked (a month or two).
struct DayCounts {
    std::map<qint64, std::pair<int, int>> days; // Julian day: contacted, confirmed

    void add(QByteArrayView line)
    {
        const QDate day = QsoRecord::dayOfLine(line);
        if (!day.isValid())
            return;
        auto &c = days[day.toJulianDay()];
        ++c.first;
        if (QsoRecord::isConfirmedLine(line))
            ++c.second;
    }

    QList<AwardHistory::Month> cumulate(const QDate &today) const
    {
        QList<AwardHistory::Month> out;
        if (days.empty())
            return out;
        const qint64 first = days.begin()->first;
        qint64 last = days.rbegin()->first;
        if (today.isValid())
            last = qMax(last, today.toJulianDay());
        // Never more than a few months of points, whatever the dates say.
        last = qMin(last, first + 400);
        int contacted = 0;
        int confirmed = 0;
        auto it = days.begin();
        for (qint64 d = first; d <= last; ++d) {
            if (it != days.end() && it->first == d) {
                contacted += it->second.first;
                confirmed += it->second.second;
                ++it;
            }
            out.append({QDate::fromJulianDay(d), contacted, confirmed});
        }
        return out;
    }
};

} // namespace

QList<AwardHistory::Month> AwardHistory::daysFromIndex(const LogIndex &index, const QDate &today)
{
    DayCounts c;
    if (!index.readable())
        return {};
    const QList<LogIndex::Day> days = index.days();
    for (const LogIndex::Day &d : days)
        c.days[d.date.toJulianDay()] = {d.lines, d.confirmed};
    return c.cumulate(today);
}

QList<AwardHistory::Month> AwardHistory::daysFromLines(const QList<QByteArrayView> &lines, const QDate &today)
{
    DayCounts c;
    for (const QByteArrayView line : lines)
        c.add(line);
    return c.cumulate(today);
}

QString AwardHistory::dayText(const QDate &day) { return day.toString(QStringLiteral("dd/MM/yyyy")); }

QList<AwardHistory::Month> AwardHistory::fromSession(const LogSession &session, const QDate &today)
{
    Counts c;
    for (int row = 0, n = session.lineCount(); row < n; ++row)
        add(c, session.line(row));
    return cumulate(c, today);
}

QList<AwardHistory::Month> AwardHistory::fromIndex(const LogIndex &index, const QDate &today)
{
    Counts c;
    if (!index.readable())
        return {};
    for (int s = 0; s < MonthSlots; ++s) {
        c.contacted[s] = index.contactedInMonth(s);
        c.confirmed[s] = index.confirmedInMonth(s);
    }
    return cumulate(c, today);
}

QList<AwardHistory::Month> AwardHistory::fromLines(const QList<QByteArrayView> &lines, const QDate &today)
{
    Counts c;
    for (const QByteArrayView line : lines)
        add(c, line);
    return cumulate(c, today);
}

QString AwardHistory::monthText(const QDate &month) { return month.toString(QStringLiteral("MM/yyyy")); }
