#include "logstore/QsoRecord.h"

#include "logstore/Cp1252.h"

#include <QCoreApplication>

const QsoRecord::Layout &QsoRecord::logLayout()
{
    return LogLayout;
}

const QsoRecord::Layout &QsoRecord::listLayout()
{
    static const Layout layout{{
        {8, 12}, {22, 4}, {27, 15}, {43, 6}, {51, 8}, {61, 5},
        {68, 3}, {73, 7}, {82, 3}, {87, 3}, {91, 60}, {153, 1},
    }};
    return layout;
}

QsoRecord QsoRecord::cut(const QString &line, const Layout &layout)
{
    QsoRecord r;
    for (int f = 0; f < FieldCount; ++f) {
        const Column c = layout[f];
        r.m_fields[f] = line.mid(c.start - 1, c.width);
    }
    return r;
}

QsoRecord QsoRecord::fromLogLine(const QString &line) { return cut(line, logLayout()); }
QsoRecord QsoRecord::fromListLine(const QString &line) { return cut(line, listLayout()); }

QString QsoRecord::place(const Layout &layout, int length) const
{
    QString out(length, QLatin1Char(' '));
    QChar *d = out.data();
    for (int f = 0; f < FieldCount; ++f) {
        const Column c = layout[f];
        const QString &v = m_fields[f];
        const int n = qMin<int>(v.size(), c.width);
        for (int i = 0; i < n; ++i)
            d[c.start - 1 + i] = v.at(i);
    }
    return out;
}

QString QsoRecord::toLogLine() const { return place(logLayout(), LogLineLength); }

QString QsoRecord::toListLine(int n) const
{
    QString line = place(listLayout(), ListLineLength);
    const QString counter = QString::number(n).rightJustified(CounterWidth, QLatin1Char(' '));
    line.replace(0, CounterWidth, counter.right(CounterWidth));
    return line;
}

QString QsoRecord::logLineFromListLine(const QString &listLine)
{
    return fromListLine(listLine).toLogLine();
}

QString QsoRecord::listLineFromLogLine(const QString &logLine, int n)
{
    return fromLogLine(logLine).toListLine(n);
}

QsoRecord::Encoded QsoRecord::toLogBytes() const
{
    // Each field whole, before any is cut to its width: a character cut in half
    // by the column would be named by half.
    for (const QString &value : m_fields) {
        Encoded refused;
        refused.error = Cp1252::refusal(value);
        if (!refused.error.isEmpty())
            return refused;
    }
    return encodeLogLine(toLogLine());
}

QsoRecord::Encoded QsoRecord::encodeLogLine(const QString &logLine)
{
    Encoded e;
    e.error = Cp1252::refusal(logLine);
    if (!e.error.isEmpty())
        return e;
    const QByteArray bytes = Cp1252::encode(logLine);
    e.error = lineProblem(bytes);
    if (e.error.isEmpty())
        e.bytes = bytes;
    return e;
}

QString QsoRecord::lineProblem(QByteArrayView line)
{
    if (line.size() != LogLineLength) {
        return QCoreApplication::translate("QsoRecord", "la ligne du QSO compte %1 caractères au lieu de %2.")
            .arg(line.size())
            .arg(LogLineLength);
    }
    for (const char ch : line) {
        const auto b = static_cast<unsigned char>(ch);
        if (b == 0x1A) {
            return QCoreApplication::translate("QsoRecord", "la ligne du QSO contient un caractère que le journal "
                                  "(Windows-1252) ne peut pas contenir.");
        }
        if (b < 0x20)
            return QCoreApplication::translate("QsoRecord", "la ligne du QSO contient un caractère de contrôle (code %1).").arg(b);
    }
    return {};
}

namespace {

int twoDigits(QStringView text, int at)
{
    const QChar a = text[at], b = text[at + 1];
    if (a < QLatin1Char('0') || a > QLatin1Char('9') || b < QLatin1Char('0') || b > QLatin1Char('9'))
        return -1;
    return (a.unicode() - '0') * 10 + (b.unicode() - '0');
}

} // namespace

QDate QsoRecord::dateOf(QStringView jjmmaa)
{
    if (jjmmaa.size() != 8 || jjmmaa[2] != QLatin1Char('/') || jjmmaa[5] != QLatin1Char('/'))
        return {};
    const int day = twoDigits(jjmmaa, 0), month = twoDigits(jjmmaa, 3), year = twoDigits(jjmmaa, 6);
    if (day < 0 || month < 0 || year < 0)
        return {};
    return QDate(fullYear(year), month, day); // null when the day does not exist
}

int QsoRecord::monthSlot(QByteArrayView line)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const qsizetype at = logLayout()[Date].start - 1;
    if (line.size() < at + 8)
        return -1;
    const char *d = line.data() + at;
    if (!digit(d[3]) || !digit(d[4]) || !digit(d[6]) || !digit(d[7]))
        return -1;
    const int month = (d[3] - '0') * 10 + (d[4] - '0');
    const int yy = (d[6] - '0') * 10 + (d[7] - '0');
    if (month < 1 || month > 12)
        return -1;
    return (fullYear(yy) - fullYear(50)) * 12 + month - 1;
}

QDate QsoRecord::monthOfSlot(int slot)
{
    return QDate(fullYear(50) + slot / 12, slot % 12 + 1, 1);
}

QDate QsoRecord::dayOfLine(QByteArrayView line)
{
    const int slot = monthSlot(line);
    if (slot < 0)
        return {};
    const char *d = line.data() + logLayout()[Date].start - 1;
    if (d[0] < '0' || d[0] > '9' || d[1] < '0' || d[1] > '9')
        return {};
    const QDate month = monthOfSlot(slot);
    return QDate(month.year(), month.month(), (d[0] - '0') * 10 + (d[1] - '0')); // null when the day does not exist
}

int QsoRecord::minutesOf(QStringView hhmm)
{
    if (hhmm.size() != 5 || hhmm[2] != QLatin1Char(':'))
        return -1;
    const int hours = twoDigits(hhmm, 0), minutes = twoDigits(hhmm, 3);
    if (hours < 0 || minutes < 0 || hours > 23 || minutes > 59)
        return -1;
    return hours * 60 + minutes;
}

namespace {

int digitsAt(QByteArrayView line, qsizetype from, int count)
{
    int v = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        if (i >= line.size() || line.at(i) < '0' || line.at(i) > '9')
            return -1;
        v = v * 10 + (line.at(i) - '0');
    }
    return v;
}

// Days from 01/01/1970 of a date of the proleptic Gregorian calendar.
qint64 daysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return qint64(era) * 146097 + doe - 719468;
}

} // namespace

qint64 QsoRecord::utcMinute(QByteArrayView line, DateRule rule)
{
    const qsizetype date = logLayout()[Date].start - 1;
    const qsizetype time = logLayout()[Heure].start - 1;
    const int day = digitsAt(line, date, 2), month = digitsAt(line, date + 3, 2), yy = digitsAt(line, date + 6, 2);
    const int hour = digitsAt(line, time, 2), minute = digitsAt(line, time + 3, 2);
    if (day < 0 || month < 0 || yy < 0 || hour < 0 || minute < 0)
        return -1;
    const int year = fullYear(yy);
    if (rule == DateRule::Exact) {
        if (line.at(date + 2) != '/' || line.at(date + 5) != '/' || line.at(time + 2) != ':')
            return -1;
        return utcMinute(QDate(year, month, day), hour > 23 || minute > 59 ? -1 : hour * 60 + minute);
    }
    const qint64 days = daysFromCivil(year, qBound(1, month, 12), 1) - daysFromCivil(1950, 1, 1) + qMax(day, 1) - 1;
    return days * 1440 + hour * 60 + minute;
}

qint64 QsoRecord::utcMinute(const QDate &date, int minuteOfDay)
{
    if (!date.isValid() || minuteOfDay < 0 || minuteOfDay >= 1440)
        return -1;
    const qint64 days = QDate(1950, 1, 1).daysTo(date);
    return days < 0 ? -1 : days * 1440 + minuteOfDay;
}
