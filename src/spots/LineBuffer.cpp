#include "spots/LineBuffer.h"

QList<QByteArray> LineBuffer::feed(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype from = 0;
    while (from < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', from);
        const qsizetype stop = end < 0 ? bytes.size() : end;
        if (!m_overlong) {
            const QByteArrayView part(bytes.constData() + from, stop - from);
            if (m_pending.size() + part.size() > MaxLine) {
                m_pending.clear();
                m_overlong = true;
            } else {
                m_pending.append(part);
            }
        }
        if (end < 0)
            break;
        if (!m_overlong) {
            if (m_pending.endsWith('\r'))
                m_pending.chop(1);
            m_pending.removeIf([](char c) { return c == '\0'; });
            lines.append(m_pending);
        }
        m_pending.clear();
        m_overlong = false;
        from = end + 1;
    }
    return lines;
}

void LineBuffer::clear()
{
    m_pending.clear();
    m_overlong = false;
}
