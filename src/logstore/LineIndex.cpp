#include "logstore/LineIndex.h"

#include "logstore/Cp1252.h"
#include "logstore/QsoRecord.h"

#include <cstring>

static_assert(LineIndex::Width == QsoRecord::LogLineLength, "a log line is a QSO line");

LineIndex::LineIndex(const QByteArray &content) : m_base(content.constData())
{
    if (regular(content))
        m_count = content.size() / Stride;
    else
        setViews(Cp1252::lineViews(content));
}

LineIndex::LineIndex(const QByteArray &content, const QList<QByteArrayView> &lines)
    : m_base(content.constData())
{
    // Lines found by a split hold no LF: they are the regular run when each is a
    // QSO line standing at its place, followed by CR LF, and nothing else is there.
    const char *data = m_base;
    bool same = content.size() == lines.size() * Stride;
    for (qsizetype i = 0; same && i < lines.size(); ++i) {
        const char *at = data + i * Stride;
        same = lines.at(i).size() == Width && lines.at(i).data() == at && at[Width] == '\r'
            && at[Width + 1] == '\n';
    }
    if (same)
        m_count = lines.size();
    else
        setViews(lines);
}

bool LineIndex::regular(const QByteArray &content)
{
    if (content.size() % Stride != 0)
        return false;
    // Each line end must be where a regular line puts it, and no other LF in between.
    const char *data = content.constData();
    const qsizetype size = content.size();
    for (qsizetype start = 0; start < size; start += Stride) {
        const void *hit = std::memchr(data + start, '\n', size_t(Stride));
        if (hit != data + start + Stride - 1 || data[start + Width] != '\r')
            return false;
    }
    return true;
}

void LineIndex::setViews(QList<QByteArrayView> views)
{
    m_regular = false;
    m_count = 0;
    m_views = std::move(views);
}

void LineIndex::rebase(const QByteArray &content)
{
    const char *base = content.constData();
    if (!m_regular && base != m_base) {
        const qptrdiff moved = base - m_base;
        for (QByteArrayView &v : m_views)
            v = QByteArrayView(v.data() + moved, v.size());
    }
    m_base = base;
}

void LineIndex::appendLast(const QByteArray &content, qsizetype lineSize)
{
    rebase(content);
    if (m_regular && lineSize == Width && content.size() == (m_count + 1) * Stride) {
        ++m_count;
        return;
    }
    QList<QByteArrayView> lines = views();
    lines.append(QByteArrayView(content.constData() + content.size() - 2 - lineSize, lineSize));
    setViews(std::move(lines));
}

bool LineIndex::endsEveryLineWithCrLf(const QByteArray &content) const
{
    if (m_regular)
        return content.size() == m_count * Stride;
    // Lines followed by CR LF account for all the bytes only when each is (an LF
    // alone, or a last line without end, leaves a gap).
    qsizetype total = 0;
    for (const QByteArrayView l : m_views)
        total += l.size() + 2;
    return total == content.size();
}

QList<QByteArrayView> LineIndex::views() const
{
    if (!m_regular)
        return m_views;
    QList<QByteArrayView> lines;
    lines.reserve(m_count);
    for (qsizetype i = 0; i < m_count; ++i)
        lines.append(at(i));
    return lines;
}
