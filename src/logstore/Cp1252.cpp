#include "logstore/Cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace Cp1252 {

QString decode(QByteArrayView bytes)
{
    // Single-byte code page: one converter serves every call.
    static QStringDecoder decoder("windows-1252", QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QByteArray encode(QStringView text)
{
    static QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return text.toLatin1();
    return encoder.encode(text);
}

QList<QByteArrayView> lineViews(const QByteArray &content)
{
    QList<QByteArrayView> lines;
    lines.reserve(content.size() / 140 + 1);
    const char *data = content.constData();
    const qsizetype size = content.size();
    qsizetype start = 0;
    while (start < size) {
        const void *hit = memchr(data + start, '\n', size_t(size - start));
        const qsizetype end = hit ? static_cast<const char *>(hit) - data : size;
        qsizetype len = end - start;
        if (hit && len > 0 && data[end - 1] == '\r')
            --len;
        lines.append(QByteArrayView(data + start, len));
        start = end + 1;
    }
    return lines;
}

QList<QByteArray> splitLines(const QByteArray &content)
{
    const QList<QByteArrayView> views = lineViews(content);
    QList<QByteArray> lines;
    lines.reserve(views.size());
    for (const QByteArrayView v : views)
        lines.append(v.toByteArray());
    return lines;
}

QByteArray joinLines(const QList<QByteArray> &lines)
{
    qsizetype total = 0;
    for (const QByteArray &l : lines)
        total += l.size() + 2;
    QByteArray out;
    out.reserve(total);
    for (const QByteArray &l : lines) {
        out.append(l);
        out.append("\r\n", 2);
    }
    return out;
}

} // namespace Cp1252
