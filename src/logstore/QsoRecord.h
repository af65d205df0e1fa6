#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringView>

#include <array>

// One QSO: the twelve fields of a log line, in log order.
class QsoRecord
{
public:
    enum Field {
        Indicatif, Locator, Prenom, Reference, Date, Heure,
        Mode, Bande, RstRecu, RstEnvoye, NomAbbaye, Qsl,
        FieldCount
    };

    struct Column {
        int start; // 1-based
        int width;
    };
    using Layout = std::array<Column, FieldCount>;

    // The one definition of where each field stands in a log line (138 columns)
    // and in a line of the main window's list (153 columns, counter in 1-5).
    static constexpr Layout LogLayout{{
        {1, 12}, {14, 4}, {19, 15}, {35, 6}, {42, 8}, {51, 5},
        {57, 3}, {61, 7}, {69, 3}, {73, 3}, {77, 60}, {138, 1},
    }};
    static constexpr Column logColumn(Field f) { return LogLayout[f]; }
    static const Layout &logLayout();
    static const Layout &listLayout();
    static constexpr int LogLineLength = 138;
    static constexpr int ListLineLength = 153;
    static constexpr int CounterWidth = 5;

    // The QSL flag's column: a line is confirmed when it has at least 138 characters
    // and its 138th is "*", whatever else it holds.
    static constexpr int QslColumn = 138;
    static constexpr char QslMark = '*';
    static bool isConfirmedLine(QByteArrayView line)
    {
        return line.size() >= QslColumn && line[QslColumn - 1] == QslMark;
    }
    static bool isConfirmedLine(QStringView line)
    {
        return line.size() >= QslColumn && line[QslColumn - 1] == QLatin1Char(QslMark);
    }

    // A line the program may mark confirmed: a QSO line as it writes them (138
    // characters) whose flag is not set yet. A line edited by hand to another length
    // has no QSL column of its own and is never marked.
    static bool isMarkableLine(QByteArrayView line)
    {
        return line.size() == LogLineLength && !isConfirmedLine(line);
    }
    // Sets the QSL flag of a markable or already confirmed line; false, line untouched, otherwise.
    static bool markConfirmed(QByteArray &line)
    {
        if (line.size() != LogLineLength)
            return false;
        line[QslColumn - 1] = QslMark;
        return true;
    }

    // The log's two-digit years: 50 to 99 are 1950 to 1999, 00 to 49 are 2000 to 2049.
    static constexpr int fullYear(int twoDigitYear)
    {
        return twoDigitYear >= 50 ? 1900 + twoDigitYear : 2000 + twoDigitYear;
    }
    // "JJ/MM/AA" as a date; a null date when the text is not one ("31/02/25").
    static QDate dateOf(QStringView jjmmaa);
    // "HH:MM" as minutes of the day; -1 when the text is not a time.
    static int minutesOf(QStringView hhmm);

    // The month of a log line's date as read where the date column stands ("JJ/MM/AA",
    // its slashes not looked at, as the history has always read it), as a slot:
    // (year - 1950) * 12 + month - 1, 0..MonthSlots - 1; -1 when it cannot be read.
    static constexpr int MonthSlots = 100 * 12;
    static int monthSlot(QByteArrayView line);
    // The first day of a month slot's month.
    static QDate monthOfSlot(int slot);
    // The day of that date when its month is read and the day exists in it; null otherwise.
    static QDate dayOfLine(QByteArrayView line);

    // The UTC minute since 01/01/1950 00:00 of a log line's date "JJ/MM/AA" and time
    // "HH:MM" (years 50-99 are 1950-1999, 00-49 are 2000-2049); -1 when they cannot
    // be read. Exact: a day that does not exist ("31/02/07") gives -1. Ordering: such
    // a day is counted from the first of its month, so a hand-edited line still
    // finds its place in time.
    enum class DateRule { Exact, Ordering };
    static qint64 utcMinute(QByteArrayView line, DateRule rule = DateRule::Exact);
    // The same minute of a date and a minute of the day; -1 when either is not one
    // or the date is before 1950.
    static qint64 utcMinute(const QDate &date, int minuteOfDay);

    QsoRecord() = default;

    // Cuts every field out of a line with its full width; a line that ends early
    // gives the part present (possibly empty).
    static QsoRecord fromLogLine(const QString &line);
    static QsoRecord fromListLine(const QString &line);

    // The bytes of one field of a log line with its full width; a line that ends
    // early gives the part present (possibly empty).
    static QByteArrayView fieldOf(QByteArrayView line, Field f)
    {
        const Column c = logLayout()[f];
        const qsizetype start = qMin<qsizetype>(c.start - 1, line.size());
        return line.sliced(start, qMin<qsizetype>(c.width, line.size() - start));
    }

    // A line's abbey reference in capitals, as one number that sorts like the
    // references: references are the same abbey whatever their case. A line cut
    // short counts as padded with blanks.
    static quint64 referenceKey(QByteArrayView line)
    {
        const QByteArrayView reference = fieldOf(line, Reference);
        quint64 key = 0;
        for (int i = 0; i < ReferenceWidth; ++i) {
            char c = i < reference.size() ? reference[i] : ' ';
            if (c >= 'a' && c <= 'z')
                c = char(c - 'a' + 'A');
            key = (key << 8) | quint8(c);
        }
        return key;
    }
    static constexpr int ReferenceWidth = 6;

    QString field(Field f) const { return m_fields[f]; }
    void setField(Field f, const QString &value) { m_fields[f] = value; }
    bool confirmed() const { return m_fields[Qsl] == QLatin1Char(QslMark); }
    void setConfirmed(bool on) { m_fields[Qsl] = on ? QString(QLatin1Char(QslMark)) : QString(); }

    // Every field padded to its width (cut if longer, so the columns never move).
    QString toLogLine() const;

    // A log line as the file holds it: exactly 138 Windows-1252 bytes, or, when a
    // character cannot be stored (one the code page lacks, a control character),
    // no bytes and the French refusal naming that character.
    struct Encoded {
        QByteArray bytes;
        QString error;
        bool ok() const { return error.isEmpty(); }
    };
    Encoded toLogBytes() const;
    static Encoded encodeLogLine(const QString &logLine);
    // Why bytes are not a line the program may write (French), or empty: every
    // line written is 138 bytes without control characters.
    static QString lineProblem(QByteArrayView line);
    // The list line of the n-th QSO: counter right-aligned in five columns.
    QString toListLine(int n) const;

    // Log line rebuilt from a list line: the list columns joined by single blanks.
    static QString logLineFromListLine(const QString &listLine);
    // List line of a log line, fields copied with their full width.
    static QString listLineFromLogLine(const QString &logLine, int n);

private:
    static QsoRecord cut(const QString &line, const Layout &layout);
    QString place(const Layout &layout, int length) const;

    std::array<QString, FieldCount> m_fields;
};
