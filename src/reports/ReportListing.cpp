#include "reports/ReportListing.h"

#include "logstore/Cp1252.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"

#include <QChar>

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

// The order of n sort keys of `stride` bytes each, ties kept in their first order.
// Entries of one abbey share a long beginning (blanks, reference, and in the award
// list the name): each distinct beginning of `head` bytes is ranked once, and the
// entries are then sorted on their rank and the rest of their key, most of them
// told apart by the first eight bytes of that alone.
QList<int> sortedOrder(const QByteArray &keys, int n, int stride, int head)
{
    const char *base = keys.constData();
    // Distinct beginnings, found through a small open-addressing table.
    QList<QByteArrayView> heads;
    QList<quint64> headHash;
    QList<int> headOf(n);
    qsizetype capacity = 64;
    while (capacity < 2 * qsizetype(n))
        capacity *= 2;
    std::vector<int> table(static_cast<size_t>(capacity), -1);
    for (int i = 0; i < n; ++i) {
        const char *h = base + qsizetype(i) * stride;
        const quint64 hash = hashBytes(h, head);
        size_t slot = size_t(hash) & size_t(capacity - 1);
        while (table[slot] >= 0) {
            const int id = table[slot];
            if (headHash.at(id) == hash && std::memcmp(heads.at(id).data(), h, size_t(head)) == 0)
                break;
            slot = (slot + 1) & size_t(capacity - 1);
        }
        if (table[slot] < 0) {
            table[slot] = int(heads.size());
            heads.append(QByteArrayView(h, head));
            headHash.append(hash);
        }
        headOf[i] = table[slot];
    }
    QList<int> byHead(heads.size());
    std::iota(byHead.begin(), byHead.end(), 0);
    std::sort(byHead.begin(), byHead.end(), [&heads](int a, int b) {
        return std::memcmp(heads.at(a).data(), heads.at(b).data(), size_t(heads.at(a).size())) < 0;
    });
    QList<quint32> rank(heads.size());
    for (int r = 0; r < byHead.size(); ++r)
        rank[byHead.at(r)] = quint32(r);

    // Compact keys: the rank (big-endian) then the rest of the key.
    const int tail = stride - head;
    const int compact = 4 + tail;
    QByteArray packed(qsizetype(n) * compact, Qt::Uninitialized);
    struct Item {
        quint64 prefix; // the compact key's first eight bytes, as one number
        int index;
    };
    std::vector<Item> items(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        auto *p = reinterpret_cast<unsigned char *>(packed.data()) + qsizetype(i) * compact;
        const quint32 r = rank.at(headOf.at(i));
        p[0] = uchar(r >> 24);
        p[1] = uchar(r >> 16);
        p[2] = uchar(r >> 8);
        p[3] = uchar(r);
        std::memcpy(p + 4, base + qsizetype(i) * stride + head, size_t(tail));
        quint64 prefix = 0;
        for (int k = 0; k < 8; ++k)
            prefix = (prefix << 8) | (k < compact ? p[k] : 0);
        items[size_t(i)] = {prefix, i};
    }
    const char *pk = packed.constData();
    const size_t rest = compact > 8 ? size_t(compact - 8) : 0;
    std::sort(items.begin(), items.end(), [pk, compact, rest](const Item &a, const Item &b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        if (rest) {
            const int c = std::memcmp(pk + qsizetype(a.index) * compact + 8,
                                      pk + qsizetype(b.index) * compact + 8, rest);
            if (c != 0)
                return c < 0;
        }
        return a.index < b.index;
    });
    QList<int> order(n);
    for (int i = 0; i < n; ++i)
        order[i] = items[size_t(i)].index;
    return order;
}

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
    // The sort keys: each entry's bytes turned into their weights, padded with 0.
    QByteArray keys(qsizetype(lineCount) * l.length, '\0');
    const unsigned char *weight = weights().of;

    int n = 0;
    for (int row = 0; row < lineCount; ++row) {
        const QByteArrayView line = lineAt(row);
        if (!isListed(kind, line))
            continue;
        char *e = r.m_entries.data() + qsizetype(n) * l.length;
        const int length = place(l, line, e);
        auto *k = reinterpret_cast<unsigned char *>(keys.data()) + qsizetype(n) * l.length;
        for (int i = 0; i < length; ++i)
            k[i] = weight[static_cast<unsigned char>(e[i])];
        r.m_rows.append(row);
        r.m_lineLengths.append(int(line.size()));
        ++n;
    }
    r.m_entries.truncate(qsizetype(n) * l.length);

    r.m_order = sortedOrder(keys, n, l.length, l.head);
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
