#include "reports/ReportListing.h"

#include "logstore/Cp1252.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"

#include <QChar>

#include <algorithm>
#include <cstring>
#include <numeric>

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
                                     12, 99};
    static const Layout award{{{{0, 1}, {35, 6}, {0, 1}, {77, 60}, {0, 2}, {42, 8},
                                {0, 2}, {1, 12}, {0, 2}, {QslColumn, 1}}},
                              10, 95};
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

    r.m_order.resize(n);
    std::iota(r.m_order.begin(), r.m_order.end(), 0);
    const char *base = keys.constData();
    const size_t stride = size_t(l.length);
    // Entries equal but for case keep the order of the log.
    std::stable_sort(r.m_order.begin(), r.m_order.end(), [base, stride](int a, int b) {
        return std::memcmp(base + a * stride, base + b * stride, stride) < 0;
    });
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
