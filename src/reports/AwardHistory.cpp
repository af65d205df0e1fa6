#include "reports/AwardHistory.h"

#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "refdata/LogIndex.h"

#include <array>

namespace {

// Months of 1950 to 2049, the years a two-digit year can stand for.
constexpr int FirstYear = QsoRecord::fullYear(50);
constexpr int MonthSlots = 100 * 12;

struct Counts {
    std::array<int, MonthSlots> contacted{};
    std::array<int, MonthSlots> confirmed{};
};

bool digit(char c) { return c >= '0' && c <= '9'; }

// The month slot of a line's date JJ/MM/AA; -1 when it cannot be read.
int monthSlot(QByteArrayView line)
{
    const int at = QsoRecord::logLayout()[QsoRecord::Date].start - 1;
    if (line.size() < at + 8)
        return -1;
    const char *d = line.data() + at;
    if (!digit(d[3]) || !digit(d[4]) || !digit(d[6]) || !digit(d[7]))
        return -1;
    const int month = (d[3] - '0') * 10 + (d[4] - '0');
    const int yy = (d[6] - '0') * 10 + (d[7] - '0');
    if (month < 1 || month > 12)
        return -1;
    const int year = QsoRecord::fullYear(yy);
    return (year - FirstYear) * 12 + month - 1;
}

void add(Counts &c, QByteArrayView line)
{
    const int slot = monthSlot(line);
    if (slot < 0)
        return;
    ++c.contacted[slot];
    if (QsoRecord::isConfirmedLine(line))
        ++c.confirmed[slot];
}

QDate monthOf(int slot) { return QDate(FirstYear + slot / 12, slot % 12 + 1, 1); }

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
        const int now = (today.year() - FirstYear) * 12 + today.month() - 1;
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

} // namespace

QList<AwardHistory::Month> AwardHistory::fromSession(const LogSession &session, const QDate &today)
{
    Counts c;
    for (int row = 0, n = session.lineCount(); row < n; ++row)
        add(c, session.line(row));
    return cumulate(c, today);
}

QList<AwardHistory::Month> AwardHistory::fromIndex(const LogIndex &index, const QDate &today)
{
    static_assert(LogIndex::MonthSlots == MonthSlots, "one month slot per month of 1950 to 2049");
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
