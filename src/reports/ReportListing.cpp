#include "reports/ReportListing.h"

#include "logstore/Cp1252.h"
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

constexpr int QslColumn = QsoRecord::LogLineLength;

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

// Reference 35-40, callsign 1-12 (1-10 in the alphanumeric list), date 42-49,
// time 51-55, abbey name 77-136, QSL flag 138.
constexpr Layout AlphanumericLayout{{{{0, 2}, {35, 6}, {0, 2}, {1, 10}, {0, 1}, {42, 8},
                                      {0, 1}, {51, 5}, {0, 1}, {77, 60}, {0, 2}, {QslColumn, 1}}},
                                    12, 99, 10};
constexpr Layout AwardLayout{{{{0, 1}, {35, 6}, {0, 1}, {77, 60}, {0, 2}, {42, 8},
                               {0, 2}, {1, 12}, {0, 2}, {QslColumn, 1}}},
                             10, 95, 68};

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
    return logLine.size() >= QslColumn && logLine.at(QslColumn - 1) == '*';
}

namespace {

// Writes the entry of line at out; returns its length.
int place(const Layout &l, QByteArrayView line, char *out)
{
    if (line.size() >= QslColumn) {
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

quint64 hashBytes(const char *p, int length)
{
    // Words mixed in two independent lanes, so that the multiplications overlap.
    quint64 h1 = 0x9E3779B97F4A7C15ull ^ quint64(length);
    quint64 h2 = 0xC2B2AE3D27D4EB4Full;
    int i = 0;
    for (; i + 16 <= length; i += 16) {
        quint64 w1, w2;
        std::memcpy(&w1, p + i, 8);
        std::memcpy(&w2, p + i + 8, 8);
        h1 = (h1 ^ w1) * 0xFF51AFD7ED558CCDull;
        h2 = (h2 ^ w2) * 0xC4CEB9FE1A85EC53ull;
        h1 ^= h1 >> 29;
        h2 ^= h2 >> 31;
    }
    for (; i + 8 <= length; i += 8) {
        quint64 w;
        std::memcpy(&w, p + i, 8);
        h1 = (h1 ^ w) * 0xFF51AFD7ED558CCDull;
        h1 ^= h1 >> 29;
    }
    for (; i < length; ++i)
        h2 = (h2 ^ quint64(uchar(p[i]))) * 0x100000001B3ull;
    quint64 h = h1 ^ (h2 * 0x9E3779B97F4A7C15ull);
    h ^= h >> 32;
    return h * 0xC4CEB9FE1A85EC53ull;
}

// Takes the entries one by one and gives their list order: the whole entry
// compared byte weight by byte weight, a shorter entry before a longer one it
// begins, ties in log order. Entries of one abbey share a long beginning (blanks,
// reference, and in the award list the name): each distinct beginning of `head`
// bytes is kept as it stands and weighed and ranked once; the entries are
// gathered by that rank, then each group is sorted on the weights of the next 16
// bytes held as two numbers. Only where those tie are the two entries cut from
// their log lines again and weighed to the end. Nothing of an entry is kept but
// those numbers and its row.
class KeySorter
{
public:
    KeySorter(const Layout &layout, int expected)
        : m_layout(layout), m_length(layout.length), m_head(layout.head), m_table(1024, -1)
    {
        Q_ASSERT(m_head <= m_length);
        m_items.reserve(size_t(expected));
    }

    void add(const char *entry, int entryLength, int row)
    {
        const unsigned char *weight = weights().of;
        const int head = headId(entry, qMin(entryLength, m_head));
        const auto *e = reinterpret_cast<const unsigned char *>(entry) + m_head;
        const int present = qBound(0, entryLength - m_head, 16);
        // Gathered in registers, first byte highest, so that the numbers compare as the bytes do.
        quint64 first = 0, second = 0;
        const int inFirst = qMin(present, 8);
        for (int k = 0; k < inFirst; ++k)
            first |= quint64(weight[e[k]]) << (56 - 8 * k);
        for (int k = 8; k < present; ++k)
            second |= quint64(weight[e[k]]) << (56 - 8 * (k - 8));
        m_items.push_back({first, second, head, row});
    }

    // The rows in list order; lineOf(row) gives a row's log line back.
    template <typename LineOf> QList<int> order(LineOf lineOf)
    {
        const unsigned char *weight = weights().of;
        const int distinct = int(m_headLength.size());
        // Each distinct beginning weighed, padded with 0 where the entry stops short.
        const size_t h = size_t(m_head);
        std::vector<unsigned char> keys(size_t(distinct) * h, 0);
        for (int id = 0; id < distinct; ++id) {
            const auto *raw = reinterpret_cast<const unsigned char *>(m_heads.data()) + id * h;
            unsigned char *key = keys.data() + id * h;
            for (int k = 0; k < m_headLength[size_t(id)]; ++k)
                key[k] = weight[raw[k]];
        }
        std::vector<int> byHead(static_cast<size_t>(distinct));
        std::iota(byHead.begin(), byHead.end(), 0);
        const unsigned char *k0 = keys.data();
        std::sort(byHead.begin(), byHead.end(),
                  [k0, h](int a, int b) { return std::memcmp(k0 + a * h, k0 + b * h, h) < 0; });
        // Beginnings that weigh the same (differing in case only) share a rank.
        std::vector<int> rank(static_cast<size_t>(distinct));
        int ranks = 0;
        for (int r = 0; r < distinct; ++r) {
            const int id = byHead[size_t(r)];
            if (r > 0 && std::memcmp(k0 + id * h, k0 + byHead[size_t(r - 1)] * h, h) != 0)
                ++ranks;
            rank[size_t(id)] = ranks;
        }
        if (distinct > 0)
            ++ranks;

        // Items gathered by rank where they stand, each moved straight to its group.
        const size_t n = m_items.size();
        std::vector<int> start(size_t(ranks) + 1, 0);
        for (Item &item : m_items) {
            item.group = rank[size_t(item.group)];
            ++start[size_t(item.group) + 1];
        }
        for (int r = 0; r < ranks; ++r)
            start[size_t(r) + 1] += start[size_t(r)];
        {
            std::vector<int> next(start.begin(), start.end() - 1);
            for (int r = 0; r < ranks; ++r) {
                while (next[size_t(r)] < start[size_t(r) + 1]) {
                    Item &item = m_items[size_t(next[size_t(r)])];
                    if (item.group == r)
                        ++next[size_t(r)];
                    else
                        std::swap(item, m_items[size_t(next[size_t(item.group)]++)]);
                }
            }
        }

        const Layout &layout = m_layout;
        const int from = m_head + 16;
        const int to = m_length;
        auto less = [&layout, &lineOf, weight, from, to](const Item &a, const Item &b) {
            if (a.first != b.first)
                return a.first < b.first;
            if (a.second != b.second)
                return a.second < b.second;
            if (from < to) {
                unsigned char ea[EntryRoom], eb[EntryRoom];
                const int la = place(layout, lineOf(a.row), reinterpret_cast<char *>(ea));
                const int lb = place(layout, lineOf(b.row), reinterpret_cast<char *>(eb));
                for (int i = from; i < to; ++i) {
                    const int wa = i < la ? weight[ea[i]] : 0;
                    const int wb = i < lb ? weight[eb[i]] : 0;
                    if (wa != wb)
                        return wa < wb;
                }
            }
            return a.row < b.row;
        };
        for (int r = 0; r < ranks; ++r) {
            const auto first = m_items.begin() + start[size_t(r)];
            const auto last = m_items.begin() + start[size_t(r) + 1];
            if (last - first > 1)
                std::sort(first, last, less);
        }
        QList<int> out(static_cast<qsizetype>(n));
        for (size_t i = 0; i < n; ++i)
            out[qsizetype(i)] = m_items[i].row;
        return out;
    }

private:
    struct Item {
        quint64 first, second; // weights of the 16 bytes after the beginning, as two numbers
        int group;             // the beginning's number, then its rank
        int row;               // the log row of the entry
    };

    // The number of this beginning among the distinct ones as they stand (a small
    // open-addressing table); `length` is what the entry has of it.
    int headId(const char *entry, int length)
    {
        const quint64 hash = hashBytes(entry, length);
        const size_t h = size_t(m_head);
        size_t mask = m_table.size() - 1;
        size_t slot = size_t(hash >> 32) & mask;
        while (m_table[slot] >= 0) {
            const int id = m_table[slot];
            if (m_headHash[size_t(id)] == hash && m_headLength[size_t(id)] == length
                && std::memcmp(m_heads.data() + id * h, entry, size_t(length)) == 0)
                return id;
            slot = (slot + 1) & mask;
        }
        const int id = int(m_headHash.size());
        m_heads.resize(m_heads.size() + h, 0);
        std::memcpy(m_heads.data() + id * h, entry, size_t(length));
        m_headHash.push_back(hash);
        m_headLength.push_back(length);
        m_table[slot] = id;
        if (2 * m_headHash.size() > m_table.size())
            grow();
        return id;
    }

    void grow()
    {
        m_table.assign(m_table.size() * 2, -1);
        const size_t mask = m_table.size() - 1;
        for (size_t id = 0; id < m_headHash.size(); ++id) {
            size_t slot = size_t(m_headHash[id] >> 32) & mask;
            while (m_table[slot] >= 0)
                slot = (slot + 1) & mask;
            m_table[slot] = int(id);
        }
    }

    const Layout &m_layout;
    int m_length;
    int m_head;
    std::vector<char> m_heads; // the distinct beginnings as they stand, m_head bytes each
    std::vector<quint64> m_headHash;
    std::vector<int> m_headLength;
    std::vector<int> m_table;
    std::vector<Item> m_items;
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
    const Layout &l = layout(m_kind);
    KeySorter sorter(l, lineCount);
    // Entries are cut a few dozen at a time and weighed afterwards, not each one
    // straight after its own bytes are stored (reading those back at once stalls).
    constexpr int Batch = 64;
    char entries[Batch][EntryRoom];
    int lengths[Batch];
    int rows[Batch];
    int n = 0;
    for (int row = 0; row < lineCount; ++row) {
        const QByteArrayView logLine = line(row);
        if (!isListed(m_kind, logLine))
            continue;
        lengths[n] = place(l, logLine, entries[n]);
        rows[n] = row;
        if (++n == Batch) {
            for (int k = 0; k < n; ++k)
                sorter.add(entries[k], lengths[k], rows[k]);
            n = 0;
        }
    }
    for (int k = 0; k < n; ++k)
        sorter.add(entries[k], lengths[k], rows[k]);
    m_rows = sorter.order([this](int row) { return line(row); });
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
