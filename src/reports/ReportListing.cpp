#include "reports/ReportListing.h"

#include "logstore/Cp1252.h"
#include "logstore/LogChange.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"

#include <QChar>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <utility>
#include <vector>

namespace {

using Segment = ReportListing::Segment;
using Layout = ReportListing::Layout;

// Sort weight of each byte: letters weigh the same in either case, and otherwise
// characters weigh in the order of their code points. Weights start at 1 so that
// an entry cut short (padded with 0) sorts before the longer ones it begins.
struct Weights {
    unsigned char of[256];
    Weights()
    {
        std::array<std::pair<char32_t, int>, 256> keys;
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString s = Cp1252::decode(QByteArrayView(&byte, 1));
            const char32_t c = s.isEmpty() ? char32_t(b) : char32_t(s.at(0).toLower().unicode());
            keys[b] = {c, b};
        }
        std::sort(keys.begin(), keys.end());
        int weight = 0;
        char32_t previous = 0xFFFFFFFF;
        for (const auto &[c, b] : keys) {
            if (c != previous)
                ++weight;
            previous = c;
            of[b] = static_cast<unsigned char>(weight);
        }
    }
};

const Weights &weights()
{
    static const Weights w;
    return w;
}

// A field of the log line where the log's layout puts it, whole; blanks are {0, n}.
constexpr ReportListing::Segment whole(QsoRecord::Field f) { return {QsoRecord::logColumn(f).start, QsoRecord::logColumn(f).width}; }

// Reference, callsign (its first ten characters in the alphanumeric list), date,
// time, abbey name and QSL flag.
constexpr Layout AlphanumericLayout{{{{0, 2}, whole(QsoRecord::Reference), {0, 2},
                                      {QsoRecord::logColumn(QsoRecord::Indicatif).start, 10}, {0, 1},
                                      whole(QsoRecord::Date), {0, 1}, whole(QsoRecord::Heure), {0, 1},
                                      whole(QsoRecord::NomAbbaye), {0, 2}, whole(QsoRecord::Qsl)}},
                                    12, 99};
constexpr Layout AwardLayout{{{{0, 1}, whole(QsoRecord::Reference), {0, 1}, whole(QsoRecord::NomAbbaye), {0, 2},
                               whole(QsoRecord::Date), {0, 2}, whole(QsoRecord::Indicatif), {0, 2},
                               whole(QsoRecord::Qsl)}},
                             10, 95};

// Room for any entry: the longest layout, and no more from a line of any length.
constexpr int EntryRoom = 128;
static_assert(AlphanumericLayout.length <= EntryRoom && AwardLayout.length <= EntryRoom);

// The entry of a complete log line, every piece of known size, so that each copy
// is a few moves rather than a call.
template <const Layout &L, size_t... K>
void placeWhole(const char *line, char *out, std::index_sequence<K...>)
{
    constexpr std::array<int, sizeof...(K) + 1> at = [] {
        std::array<int, sizeof...(K) + 1> a{};
        for (size_t k = 0; k < sizeof...(K); ++k)
            a[k + 1] = a[k] + L.segments[k].width;
        return a;
    }();
    static_assert(sizeof...(K) == size_t(L.count) && at[sizeof...(K)] == L.length);
    ((L.segments[K].logStart == 0
          ? void(std::memset(out + at[K], ' ', size_t(L.segments[K].width)))
          : void(std::memcpy(out + at[K], line + L.segments[K].logStart - 1, size_t(L.segments[K].width)))),
     ...);
}

// What a line holds of the columns start..start + width - 1 (1-based).
int presentWidth(int lineLength, const Segment &s)
{
    if (s.logStart == 0)
        return s.width;
    return std::clamp(lineLength - (s.logStart - 1), 0, s.width);
}

} // namespace

const ReportListing::Layout &ReportListing::layout(Kind kind)
{
    return kind == Kind::Alphanumeric ? AlphanumericLayout : AwardLayout;
}

bool ReportListing::isListed(Kind kind, QByteArrayView logLine)
{
    if (kind != Kind::AwardConfirmed)
        return true;
    return QsoRecord::isConfirmedLine(logLine);
}

namespace {

// Writes the entry of line at out; returns its length.
int place(const Layout &l, QByteArrayView line, char *out)
{
    if (line.size() >= QsoRecord::LogLineLength) {
        if (&l == &AlphanumericLayout) {
            placeWhole<AlphanumericLayout>(line.data(), out, std::make_index_sequence<12>());
            return AlphanumericLayout.length;
        }
        if (&l == &AwardLayout) {
            placeWhole<AwardLayout>(line.data(), out, std::make_index_sequence<10>());
            return AwardLayout.length;
        }
    }
    char *p = out;
    const int length = int(line.size());
    for (int k = 0; k < l.count; ++k) {
        const Segment &s = l.segments[k];
        const int n = presentWidth(length, s);
        if (s.logStart == 0)
            std::memset(p, ' ', size_t(n));
        else if (n > 0)
            std::memcpy(p, line.data() + s.logStart - 1, size_t(n));
        p += n;
    }
    return int(p - out);
}

// The first position from `from` on where a and b differ, `to` when they do not.
int firstMismatch(const char *a, const char *b, int from, int to)
{
    int k = from;
    for (; k + 8 <= to; k += 8) {
        quint64 wa, wb;
        std::memcpy(&wa, a + k, 8);
        std::memcpy(&wb, b + k, 8);
        if (wa != wb)
            return k + int(qCountTrailingZeroBits(qFromLittleEndian(wa ^ wb)) / 8);
    }
    while (k < to && a[k] == b[k])
        ++k;
    return k;
}

// Where each byte of the entry of a complete log line comes from: its column in
// the line (0-based), or -1 for a blank the layout puts there.
// `whole`: whether the eight bytes from a position come from eight columns in a row.
struct Sources {
    std::array<short, EntryRoom> of{};
    std::array<bool, EntryRoom> whole{};
    explicit Sources(const Layout &l)
    {
        of.fill(-1);
        int at = 0;
        for (int k = 0; k < l.count; ++k) {
            for (int i = 0; i < l.segments[size_t(k)].width; ++i, ++at)
                of[size_t(at)] = short(l.segments[size_t(k)].logStart == 0 ? -1 : l.segments[size_t(k)].logStart - 1 + i);
        }
        for (int p = 0; p + 8 <= l.length; ++p) {
            bool run = of[size_t(p)] >= 0;
            for (int k = 1; k < 8 && run; ++k)
                run = of[size_t(p + k)] == of[size_t(p)] + k;
            whole[size_t(p)] = run;
        }
    }
};

// Puts the entries in list order: the whole entry compared byte weight by byte
// weight, a shorter entry before a longer one it begins, ties in log order. Each
// entry is weighed eight bytes at a time, as one number, read straight from its
// log line: all entries on their first eight bytes, then each run that ties on
// its next eight, and so on (a run that ties on all eight goes on from its first
// byte that differs: the QSOs of one abbey share its name). Nothing of an entry is
// held but that number and its row.
class KeySorter
{
public:
    // The rows (of lineCount) that are listed, in list order.
    template <typename Listed, typename LineOf>
    static QList<int> order(const Layout &layout, int lineCount, Listed listed, LineOf lineOf)
    {
        const Sources sources(layout);
        const unsigned char *weight = weights().of;
        const auto keyAt = [&](int row, int offset) {
            const QByteArrayView line = lineOf(row);
            quint64 key = 0;
            if (line.size() >= QsoRecord::LogLineLength) {
                const char *d = line.data();
                if (sources.whole[size_t(offset)]) {
                    const auto *b = reinterpret_cast<const unsigned char *>(d + sources.of[size_t(offset)]);
                    return quint64(weight[b[0]]) << 56 | quint64(weight[b[1]]) << 48 | quint64(weight[b[2]]) << 40
                        | quint64(weight[b[3]]) << 32 | quint64(weight[b[4]]) << 24 | quint64(weight[b[5]]) << 16
                        | quint64(weight[b[6]]) << 8 | quint64(weight[b[7]]);
                }
                for (int k = 0; k < 8 && offset + k < layout.length; ++k) {
                    const int from = sources.of[size_t(offset + k)];
                    key |= quint64(weight[uchar(from < 0 ? ' ' : d[from])]) << (56 - 8 * k);
                }
                return key;
            }
            // A short line: its entry is cut first (its pieces stand elsewhere).
            char entry[EntryRoom];
            const int length = place(layout, line, entry);
            for (int k = 0; k < 8 && offset + k < length; ++k)
                key |= quint64(weight[uchar(entry[offset + k])]) << (56 - 8 * k);
            return key;
        };

        std::vector<Item> items;
        items.reserve(size_t(lineCount));
        for (int row = 0; row < lineCount; ++row) {
            if (listed(row))
                items.push_back({0, row});
        }
        struct Range {
            size_t from, to;
            int offset;
        };
        std::vector<Range> pending;
        if (items.size() > 1)
            pending.push_back({0, items.size(), 0});
        const auto byKey = [](const Item &a, const Item &b) { return a.key != b.key ? a.key < b.key : a.row < b.row; };
        // Items of a range are in row order among those of equal weight so far.
        while (!pending.empty()) {
            const Range r = pending.back();
            pending.pop_back();
            bool same = true;
            for (size_t i = r.from; i < r.to; ++i) {
                // The rows of a run lie anywhere in the log: the line a few items on
                // is asked for now, so that it is at hand when its turn comes.
                if (i + Ahead < r.to)
                    prefetch(lineOf(items[i + Ahead].row));
                items[i].key = keyAt(items[i].row, r.offset);
                same = same && items[i].key == items[r.from].key;
            }
            int next = r.offset + 8;
            if (same) {
                // The whole run ties here: it goes on from the first byte where any
                // of its entries weighs otherwise than its first one.
                char first[EntryRoom];
                const int firstLength = place(layout, lineOf(items[r.from].row), first);
                int differs = layout.length;
                for (size_t i = r.from + 1; i < r.to && differs > next; ++i) {
                    if (i + Ahead < r.to)
                        prefetch(lineOf(items[i + Ahead].row));
                    char other[EntryRoom];
                    const int otherLength = place(layout, lineOf(items[i].row), other);
                    // Equal bytes weigh the same: only where the bytes differ (or
                    // one entry has ended) are the weights looked at.
                    const int common = qMin(qMin(firstLength, otherLength), differs);
                    int k = next;
                    while (k < differs) {
                        if (k < common) {
                            k = firstMismatch(first, other, k, common);
                            if (k == common)
                                continue;
                        }
                        const int a = k < firstLength ? weight[uchar(first[k])] : 0;
                        const int b = k < otherLength ? weight[uchar(other[k])] : 0;
                        if (a != b) {
                            differs = k;
                            break;
                        }
                        ++k;
                    }
                }
                if (differs < layout.length)
                    pending.push_back({r.from, r.to, differs});
                continue;
            }
            std::sort(items.begin() + qsizetype(r.from), items.begin() + qsizetype(r.to), byKey);
            if (next >= layout.length)
                continue;
            for (size_t i = r.from; i < r.to;) {
                size_t j = i + 1;
                while (j < r.to && items[j].key == items[i].key)
                    ++j;
                if (j - i > 1)
                    pending.push_back({i, j, next});
                i = j;
            }
        }
        QList<int> out(qsizetype(items.size()));
        for (size_t i = 0; i < items.size(); ++i)
            out[qsizetype(i)] = items[i].row;
        return out;
    }

private:
    static constexpr size_t Ahead = 8;
    static void prefetch(QByteArrayView line)
    {
#if defined(__GNUC__)
        if (!line.isEmpty()) {
            __builtin_prefetch(line.data());
            __builtin_prefetch(line.data() + 64);
            __builtin_prefetch(line.data() + line.size() - 1);
        }
#else
        Q_UNUSED(line);
#endif
    }

#pragma pack(push, 4)
    struct Item {
        quint64 key = 0; // weights of eight bytes of the entry, first byte highest
        qint32 row = 0;  // the log row of the entry
    };
#pragma pack(pop)
};

} // namespace

QByteArray ReportListing::entry(Kind kind, QByteArrayView logLine)
{
    const Layout &l = layout(kind);
    QByteArray out(l.length, Qt::Uninitialized);
    out.truncate(place(l, logLine, out.data()));
    return out;
}

void ReportListing::sort(int lineCount)
{
    m_rows = KeySorter::order(
        layout(m_kind), lineCount, [this](int row) { return isListed(m_kind, line(row)); },
        [this](int row) { return line(row); });
}

// Whether entry a stands before entry b: byte weight by byte weight, a shorter entry
// before a longer one it begins (the order the sorter gives).
static bool entryBefore(QByteArrayView a, QByteArrayView b)
{
    const unsigned char *weight = weights().of;
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned char wa = weight[uchar(a[i])];
        const unsigned char wb = weight[uchar(b[i])];
        if (wa != wb)
            return wa < wb;
    }
    return a.size() < b.size();
}

void ReportListing::insertRow(int row)
{
    const QByteArrayView logLine = line(row);
    if (!isListed(m_kind, logLine))
        return;
    const QByteArray mine = entry(m_kind, logLine);
    // After every entry that weighs less or the same and comes from an earlier row.
    const auto at = std::upper_bound(m_rows.begin(), m_rows.end(), row, [&](int self, int other) {
        const QByteArray theirs = entry(m_kind, line(other));
        if (entryBefore(mine, theirs))
            return true;
        if (entryBefore(theirs, mine))
            return false;
        return self < other;
    });
    m_rows.insert(at, row);
}

bool ReportListing::follow(const LogChange &change)
{
    if (!m_session || !change.isEdit())
        return false;
    QList<int> kept;
    kept.reserve(m_rows.size() + change.added.size());
    for (const int row : std::as_const(m_rows)) {
        if (std::binary_search(change.replaced.cbegin(), change.replaced.cend(), row))
            continue;
        const int after = change.rowAfter(row);
        if (after >= 0)
            kept << after;
    }
    m_rows = std::move(kept);
    QList<int> again = change.added;
    for (const int row : change.replaced) {
        const int after = change.rowAfter(row);
        if (after >= 0)
            again << after;
    }
    std::sort(again.begin(), again.end());
    for (const int row : std::as_const(again))
        insertRow(row);
    return true;
}

QByteArrayView ReportListing::line(int row) const
{
    // A session's lines are read as they stand now; a row it no longer has (the
    // log changed, the listing not yet rebuilt) reads as an empty line.
    if (m_session)
        return row < m_session->lineCount() ? m_session->line(row) : QByteArrayView();
    return m_lines.value(row);
}

ReportListing ReportListing::fromLines(Kind kind, const QList<QByteArrayView> &lines)
{
    ReportListing r;
    r.m_kind = kind;
    r.m_lines = lines;
    r.sort(int(lines.size()));
    return r;
}

ReportListing ReportListing::fromSession(Kind kind, const LogSession &session)
{
    ReportListing r;
    r.m_kind = kind;
    r.m_session = &session;
    r.sort(session.lineCount());
    return r;
}

QByteArray ReportListing::entry(int i) const
{
    return entry(m_kind, line(m_rows.at(i)));
}

QString ReportListing::text(int i) const { return Cp1252::decode(entry(i)); }

QByteArrayView ReportListing::segment(int i, int segmentIndex) const
{
    static const char Blanks[] = "                                                                ";
    const Segment &s = layout(m_kind).segments[size_t(segmentIndex)];
    const QByteArrayView logLine = line(m_rows.at(i));
    const int width = presentWidth(int(logLine.size()), s);
    if (s.logStart == 0)
        return QByteArrayView(Blanks, qMin(width, int(sizeof Blanks) - 1));
    return width > 0 ? logLine.sliced(s.logStart - 1, width) : QByteArrayView();
}
