#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <array>

class LogSession;
struct LogChange;

// The entries of a report list, one per QSO of the log, each built column for column
// from its log line and kept in the list's order: the whole entry compared without
// regard to case, so QSOs with one abbey stand together. Entries are Windows-1252
// bytes exactly as they are saved; the list's empty first entry is not held here.
// Only the list's order is held: each entry is cut from its log line when asked
// for, so the lines must outlive the listing (the session's lines are read as they
// stand; a listing made from a session is rebuilt when its log changes).
class ReportListing
{
public:
    enum class Kind {
        Alphanumeric,   // every QSO: reference, callsign cut to 10, date, time, abbey, QSL
        AwardContacted, // every QSO: reference, abbey, date, callsign, QSL
        AwardConfirmed, // the same entries, confirmed QSOs only
    };

    // One piece of an entry: logStart == 0 is `width` blanks, otherwise the log line's
    // columns logStart (1-based) to logStart + width - 1, or what the line has of them.
    struct Segment {
        int logStart;
        int width;
    };
    struct Layout {
        std::array<Segment, 12> segments;
        int count;
        int length; // of the entry from a complete log line
    };
    static const Layout &layout(Kind kind);

    // The entry of one log line, copied column for column, trailing blanks and all.
    static QByteArray entry(Kind kind, QByteArrayView logLine);
    // Whether a log line is listed in this kind of list.
    static bool isListed(Kind kind, QByteArrayView logLine);

    ReportListing() = default;
    static ReportListing fromLines(Kind kind, const QList<QByteArrayView> &lines);
    static ReportListing fromSession(Kind kind, const LogSession &session);

    // Follows one edit of the session's log without reading the log again: the
    // entries of the lines changed in place, removed or added leave or take their
    // place in list order, the other entries keep theirs. False (nothing done) for a
    // log read anew or a listing not made from a session: it is then made again.
    bool follow(const LogChange &change);

    Kind kind() const { return m_kind; }
    // Listed QSOs (the empty entry is not counted).
    int count() const { return int(m_rows.size()); }
    // The i-th entry in list order, 0-based.
    QByteArray entry(int i) const;
    QString text(int i) const;
    // A segment of the i-th entry, as the log line gave it (shorter or empty for a short line).
    QByteArrayView segment(int i, int segmentIndex) const;
    // The log row (0-based) the i-th entry comes from.
    int sourceRow(int i) const { return m_rows.at(i); }

private:
    void sort(int lineCount);
    // Puts a row in list order among the others, when its line is listed.
    void insertRow(int row);
    QByteArrayView line(int row) const;

    Kind m_kind = Kind::Alphanumeric;
    const LogSession *m_session = nullptr; // the lines, when made from a session
    QList<QByteArrayView> m_lines;         // otherwise
    QList<int> m_rows;                     // log row of each entry, in list order
};
