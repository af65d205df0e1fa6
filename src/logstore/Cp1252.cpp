#include "logstore/Cp1252.h"

#include <QCoreApplication>
#include <QStringEncoder>

#include <array>
#include <cstring>

namespace Cp1252 {

namespace {

// What bytes 0x80 to 0x9F stand for; every other byte is the character of the
// same number. The five bytes the code page leaves unassigned keep their own
// number, as the system's converter does.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char16_t charOf(uchar byte) { return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : char16_t(byte); }

// The byte of a character the code page holds, or -1.
int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == c)
            return 0x80 + i;
    }
    return -1;
}

bool isControl(char16_t u) { return u < 0x20 || (u >= 0x7F && u <= 0x9F); }

} // namespace

QString decode(QByteArrayView bytes)
{
    // One character per byte, from the table: the log is decoded line by line
    // while it is shown and searched, without a general converter.
    static constexpr auto chars = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[b] = charOf(uchar(b));
        return t;
    }();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const uchar *in = reinterpret_cast<const uchar *>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = chars[in[i]];
    return text;
}

QByteArray encode(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = byteOf(text.at(i).unicode());
        if (b < 0) {
            // A character the code page does not hold: the system's converter
            // decides what stands for it (the substitute byte, or nothing).
            static QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
            if (!encoder.isValid())
                return text.toLatin1();
            return encoder.encode(text);
        }
        bytes[i] = char(b);
    }
    return bytes;
}

QString firstUnencodable(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            return text.mid(i, 2).toString();
        if (c.isSurrogate() || byteOf(c.unicode()) < 0)
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
    return QCoreApplication::translate("Cp1252", "« %1 » (%2)").arg(character, number);
}

QString refusal(QStringView text)
{
    const QString bad = firstUnencodable(text);
    if (!bad.isEmpty()) {
        return QCoreApplication::translate("Cp1252", "Le caractère %1 ne peut pas être enregistré dans le log : le journal "
                              "et les listes sont en Windows-1252, qui ne connaît pas ce caractère.\r\n"
                              "Remplacez-le par un caractère sans signe particulier ou supprimez-le.")
            .arg(describe(bad));
    }
    const QString control = firstControl(text);
    if (!control.isEmpty()) {
        return QCoreApplication::translate("Cp1252", "Le caractère de contrôle %1 ne peut pas être enregistré dans le log.\r\n"
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

TextKind textKind(QByteArrayView data)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        return TextKind::Utf8;
    const auto *p = reinterpret_cast<const unsigned char *>(data.data());
    const qsizetype n = data.size();
    bool high = false;
    qsizetype i = 0;
    while (i < n) {
        // Plain ASCII, eight bytes at a time.
        if (i + 8 <= n) {
            quint64 w;
            std::memcpy(&w, p + i, 8);
            if ((w & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        high = true;
        int more = 0;
        unsigned int min = 0;
        if ((c & 0xE0) == 0xC0) {
            more = 1;
            min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            more = 2;
            min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            more = 3;
            min = 0x10000;
        } else {
            return TextKind::Windows1252;
        }
        if (i + more >= n)
            return TextKind::Windows1252;
        unsigned int cp = c & (0x3F >> more);
        for (int k = 1; k <= more; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return TextKind::Windows1252;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are no UTF-8.
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return TextKind::Windows1252;
        i += more + 1;
    }
    return high ? TextKind::Utf8 : TextKind::Ascii;
}

} // namespace Cp1252
