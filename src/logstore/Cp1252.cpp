#include "logstore/Cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <vector>

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

namespace {

// The characters the code page holds: exactly those its 256 bytes decode to.
const std::vector<bool> &encodable()
{
    static const std::vector<bool> table = [] {
        std::vector<bool> t(0x10000, false);
        QByteArray bytes(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            bytes[b] = char(b);
        const QString chars = decode(bytes);
        if (chars.size() == 256) {
            for (const QChar c : chars) {
                if (c != QChar::ReplacementCharacter)
                    t[c.unicode()] = true;
            }
        } else {
            for (int b = 0; b < 256; ++b)
                t[b] = true;
        }
        return t;
    }();
    return table;
}

bool isControl(char16_t u) { return u < 0x20 || (u >= 0x7F && u <= 0x9F); }

} // namespace

QString firstUnencodable(QStringView text)
{
    const std::vector<bool> &table = encodable();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            return text.mid(i, 2).toString();
        if (c.isSurrogate() || !table[c.unicode()])
            return QString(c);
    }
    return {};
}

QString firstControl(QStringView text)
{
    for (const QChar c : text) {
        if (isControl(c.unicode()))
            return QString(c);
    }
    return {};
}

QString describe(const QString &character)
{
    const char32_t code = character.size() == 2 && character.at(0).isHighSurrogate()
        ? QChar::surrogateToUcs4(character.at(0), character.at(1))
        : (character.isEmpty() ? 0 : character.at(0).unicode());
    const QString number = QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
    if (character.size() == 1 && (isControl(character.at(0).unicode()) || character.at(0).isSurrogate()))
        return number;
    return QStringLiteral("« %1 » (%2)").arg(character, number);
}

QString refusal(QStringView text)
{
    const QString bad = firstUnencodable(text);
    if (!bad.isEmpty()) {
        return QStringLiteral("Le caractère %1 ne peut pas être enregistré dans le log : le journal "
                              "et les listes sont en Windows-1252, qui ne connaît pas ce caractère.\r\n"
                              "Remplacez-le par un caractère sans signe particulier ou supprimez-le.")
            .arg(describe(bad));
    }
    const QString control = firstControl(text);
    if (!control.isEmpty()) {
        return QStringLiteral("Le caractère de contrôle %1 ne peut pas être enregistré dans le log.\r\n"
                              "Supprimez-le.")
            .arg(describe(control));
    }
    return {};
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
