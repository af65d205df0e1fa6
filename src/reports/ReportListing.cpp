#include "reports/ReportListing.h"

#include "logstore/Cp1252.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"

#include <QChar>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <numeric>
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
    // Reference 35-40, callsign 1-12 (1-10 in the alphanumeric list), date 42-49,
    // time 51-55, abbey name 77-136, QSL flag 138.
    static const Layout alphanumeric{{{{0, 2}, {35, 6}, {0, 2}, {1, 10}, {0, 1}, {42, 8},
                                       {0, 1}, {51, 5}, {0, 1}, {77, 60}, {0, 2}, {QslColumn, 1}}},
                                     12, 99, 10};
    static const Layout award{{{{0, 1}, {35, 6}, {0, 1}, {77, 60}, {0, 2}, {42, 8},
                                {0, 2}, {1, 12}, {0, 2}, {QslColumn, 1}}},
                              10, 95, 68};
    return kind == Kind::Alphanumeric ? alphanumeric : award;
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
    quint64 h = 0x9E3779B97F4A7C15ull ^ quint64(length);
    int i = 0;
    for (; i + 8 <= length; i += 8) {
        quint64 w;
        std::memcpy(&w, p + i, 8);
        h = (h ^ w) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 29;
    }
    for (; i < length; ++i)
        h = (h ^ quint64(uchar(p[i]))) * 0x100000001B3ull;
    h ^= h >> 32;
    return h * 0xC4CEB9FE1A85EC53ull;
}

// Takes the entries one by one and gives their list order: the whole entry
// compared byte weight by byte weight, a shorter entry before a longer one it
// begins, ties in the order given. Entries of one abbey share a long beginning
// (blanks, reference, and in the award list the name): each distinct beginning of
// `head` bytes is kept and ranked once, and the entries are then sorted on that
// rank and the rest of their key, mostly told apart by its first bytes alone.
class KeySorter
{
public:
    KeySorter(int length, int head, int expected)
        : m_head(head), m_tail(length - head), m_table(1024, -1)
    {
        Q_ASSERT(length <= KeyRoom && head <= length);
        m_tails.reserve(qsizetype(expected) * m_tail);
        m_headOf.reserve(expected);
    }

    void add(const char *entry, int entryLength)
    {
        const unsigned char *weight = weights().of;
        unsigned char key[KeyRoom] = {};
        const auto *e = reinterpret_cast<const unsigned char *>(entry);
        // Eight weights at a time, stored as one word.
        int i = 0;
        for (; i + 8 <= entryLength; i += 8) {
            quint64 word = 0;
            for (int k = 0; k < 8; ++k)
                word |= quint64(weight[e[i + k]]) << (8 * k);
            qToLittleEndian(word, key + i);
        }
        for (; i < entryLength; ++i)
            key[i] = weight[e[i]];
        m_headOf.append(headId(key));
        m_tails.append(reinterpret_cast<const char *>(key) + m_head, m_tail);
    }

    QList<int> order() const
    {
        const int distinct = int(m_headHash.size());
        QList<int> byHead(distinct);
        std::iota(byHead.begin(), byHead.end(), 0);
        const char *heads = m_heads.constData();
        const size_t h = size_t(m_head);
        std::sort(byHead.begin(), byHead.end(), [heads, h](int a, int b) {
            return std::memcmp(heads + a * h, heads + b * h, h) < 0;
        });
        QList<quint32> rank(distinct);
        for (int r = 0; r < distinct; ++r)
            rank[byHead.at(r)] = quint32(r);
        int rankBytes = 1;
        while (rankBytes < 4 && (quint64(distinct) >> (8 * rankBytes)) > 0)
            ++rankBytes;

        // Each entry's rank, then the first bytes of the rest of its key, as two numbers.
        struct Item {
            quint64 first, second;
            int index;
        };
        const int n = int(m_headOf.size());
        const auto *tails = reinterpret_cast<const unsigned char *>(m_tails.constData());
        std::vector<Item> items(static_cast<size_t>(n));
        const int inWords = qMin(m_tail, 16 - rankBytes);
        for (int i = 0; i < n; ++i) {
            unsigned char words[16] = {};
            const quint32 r = rank.at(m_headOf.at(i));
            for (int k = 0; k < rankBytes; ++k)
                words[k] = uchar(r >> (8 * (rankBytes - 1 - k)));
            std::memcpy(words + rankBytes, tails + qsizetype(i) * m_tail, size_t(inWords));
            items[size_t(i)] = {qFromBigEndian<quint64>(words), qFromBigEndian<quint64>(words + 8), i};
        }
        const size_t rest = size_t(m_tail - inWords);
        const int tail = m_tail;
        std::sort(items.begin(), items.end(), [tails, tail, inWords, rest](const Item &a, const Item &b) {
            if (a.first != b.first)
                return a.first < b.first;
            if (a.second != b.second)
                return a.second < b.second;
            if (rest) {
                const int c = std::memcmp(tails + qsizetype(a.index) * tail + inWords,
                                          tails + qsizetype(b.index) * tail + inWords, rest);
                if (c != 0)
                    return c < 0;
            }
            return a.index < b.index;
        });
        QList<int> out(n);
        for (int i = 0; i < n; ++i)
            out[i] = items[size_t(i)].index;
        return out;
    }

private:
    // The number of this beginning among the distinct ones (a small open-addressing table).
    int headId(const unsigned char *key)
    {
        const char *h = reinterpret_cast<const char *>(key);
        const quint64 hash = hashBytes(h, m_head);
        size_t mask = m_table.size() - 1;
        size_t slot = size_t(hash) & mask;
        while (m_table[slot] >= 0) {
            const int id = m_table[slot];
            if (m_headHash.at(id) == hash
                && std::memcmp(m_heads.constData() + qsizetype(id) * m_head, h, size_t(m_head)) == 0)
                return id;
            slot = (slot + 1) & mask;
        }
        const int id = int(m_headHash.size());
        m_heads.append(h, m_head);
        m_headHash.append(hash);
        m_table[slot] = id;
        if (2 * m_headHash.size() > qsizetype(m_table.size()))
            grow();
        return id;
    }

    void grow()
    {
        m_table.assign(m_table.size() * 2, -1);
        const size_t mask = m_table.size() - 1;
        for (int id = 0; id < m_headHash.size(); ++id) {
            size_t slot = size_t(m_headHash.at(id)) & mask;
            while (m_table[slot] >= 0)
                slot = (slot + 1) & mask;
            m_table[slot] = id;
        }
    }

    static constexpr int KeyRoom = 128; // longer than any entry

    int m_head;
    int m_tail;
    QByteArray m_heads; // the distinct beginnings, m_head bytes each
    QList<quint64> m_headHash;
    std::vector<int> m_table;
    QByteArray m_tails; // the rest of every key, m_tail bytes each
    QList<int> m_headOf;
};

} // namespace

QByteArray ReportListing::entry(Kind kind, QByteArrayView logLine)
{
    const Layout &l = layout(kind);
    QByteArray out(l.length, Qt::Uninitialized);
    out.truncate(place(l, logLine, out.data()));
    return out;
}

template <typename LineAt>
ReportListing ReportListing::build(Kind kind, int lineCount, LineAt lineAt)
{
    const Layout &l = layout(kind);
    ReportListing r;
    r.m_kind = kind;
    r.m_stride = l.length;
    r.m_rows.reserve(lineCount);
    r.m_lineLengths.reserve(lineCount);
    r.m_entries.resize(qsizetype(lineCount) * l.length);
    KeySorter sorter(l.length, l.head, lineCount);

    int n = 0;
    for (int row = 0; row < lineCount; ++row) {
        const QByteArrayView line = lineAt(row);
        if (!isListed(kind, line))
            continue;
        char *e = r.m_entries.data() + qsizetype(n) * l.length;
        sorter.add(e, place(l, line, e));
        r.m_rows.append(row);
        r.m_lineLengths.append(int(line.size()));
        ++n;
    }
    r.m_entries.truncate(qsizetype(n) * l.length);
    r.m_order = sorter.order();
    return r;
}

ReportListing ReportListing::fromLines(Kind kind, const QList<QByteArrayView> &lines)
{
    return build(kind, int(lines.size()), [&lines](int row) { return lines.at(row); });
}

ReportListing ReportListing::fromSession(Kind kind, const LogSession &session)
{
    return build(kind, session.lineCount(), [&session](int row) { return session.line(row); });
}

QByteArray ReportListing::entry(int i) const
{
    const int n = m_order.at(i);
    int length = 0;
    const Layout &l = layout(m_kind);
    for (int k = 0; k < l.count; ++k)
        length += presentWidth(m_lineLengths.at(n), l.segments[k]);
    return m_entries.mid(qsizetype(n) * m_stride, length);
}

QString ReportListing::text(int i) const { return Cp1252::decode(entry(i)); }

QByteArrayView ReportListing::segment(int i, int segmentIndex) const
{
    const int n = m_order.at(i);
    const Layout &l = layout(m_kind);
    const int lineLength = m_lineLengths.at(n);
    qsizetype offset = qsizetype(n) * m_stride;
    for (int k = 0; k < segmentIndex; ++k)
        offset += presentWidth(lineLength, l.segments[k]);
    return QByteArrayView(m_entries.constData() + offset,
                          presentWidth(lineLength, l.segments[segmentIndex]));
}
