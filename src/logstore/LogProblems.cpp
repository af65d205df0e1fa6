#include "logstore/LogProblems.h"

#include "logstore/LogSession.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstring>

namespace {

constexpr int ShownNumbers = 30;

// Length of the UTF-8 sequence starting at lead byte b (0: not a valid lead byte).
int sequenceLength(unsigned char b)
{
    if (b >= 0xC2 && b <= 0xDF)
        return 2;
    if (b >= 0xE0 && b <= 0xEF)
        return 3;
    if (b >= 0xF0 && b <= 0xF4)
        return 4;
    return 0;
}

// Whether some byte of line is above 127, eight bytes at a time: a hand-edited line
// can be hundreds of megabytes of plain ASCII.
bool hasHighByte(QByteArrayView line)
{
    const char *p = line.data();
    qsizetype n = line.size();
    for (; n >= 8; p += 8, n -= 8) {
        quint64 word;
        std::memcpy(&word, p, 8);
        if (word & 0x8080808080808080ULL)
            return true;
    }
    for (; n > 0; ++p, --n) {
        if (static_cast<unsigned char>(*p) >= 0x80)
            return true;
    }
    return false;
}

} // namespace

bool LogProblems::isUtf8WithMultibyte(QByteArrayView line)
{
    bool multibyte = false;
    const qsizetype n = line.size();
    for (qsizetype i = 0; i < n;) {
        const auto b = static_cast<unsigned char>(line.at(i));
        if (b < 0x80) {
            ++i;
            continue;
        }
        const int len = sequenceLength(b);
        if (len == 0 || i + len > n)
            return false;
        char32_t code = b & (0xFF >> (len + 1));
        for (int k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(line.at(i + k));
            if ((c & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (c & 0x3F);
        }
        // Overlong forms, surrogates and codes past U+10FFFF are not UTF-8.
        const char32_t smallest = len == 2 ? 0x80 : len == 3 ? 0x800 : 0x10000;
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        multibyte = true;
        i += len;
    }
    return multibyte;
}

bool LogProblems::looksUtf8(const QList<QByteArrayView> &lines)
{
    bool seen = false;
    for (const QByteArrayView line : lines) {
        if (!hasHighByte(line))
            continue;
        if (!isUtf8WithMultibyte(line))
            return false;
        seen = true;
    }
    return seen;
}

QString LogProblems::readErrorNotice(const LogSession &session)
{
    if (session.loadError().isEmpty())
        return {};
    return QCoreApplication::translate("LogProblems", "Le journal %1 ne peut pas être lu :\r\n%2")
        .arg(session.logFileName(), session.loadError());
}

QString LogProblems::malformedNotice(const QString &fileName, const QList<int> &malformed, bool utf8)
{
    if (malformed.isEmpty())
        return {};
    QStringList numbers;
    for (int n : malformed.mid(0, ShownNumbers))
        numbers << QString::number(n);
    if (malformed.size() > ShownNumbers)
        numbers << QStringLiteral("...");
    QString notice = QCoreApplication::translate("LogProblems",
                                                 "Le journal %1 contient %n ligne(s) qui ne sont pas des QSO tels que "
                                                 "KVR_ZEL les écrit (138 caractères, sans caractère de contrôle) : "
                                                 "ligne(s) %2.",
                                                 nullptr, int(malformed.size()))
                         .arg(fileName, numbers.join(QStringLiteral(", ")));
    if (utf8) {
        notice += QCoreApplication::translate("LogProblems", "\r\n\r\nCe fichier semble être en UTF-8 (converti par un autre "
                                 "programme) et non en Windows-1252 : ses lettres accentuées y "
                                 "occupent deux caractères, ce qui décale les colonnes. Enregistré "
                                 "à nouveau en Windows-1252, il redeviendrait lisible.");
    }
    notice += QCoreApplication::translate("LogProblems", "\r\n\r\nElles sont affichées dans la liste et conservées telles quelles.");
    return notice;
}

QString LogProblems::malformedNotice(const LogSession &session)
{
    const QList<int> malformed = session.malformedLines();
    if (malformed.isEmpty())
        return {};
    QList<QByteArrayView> lines;
    lines.reserve(malformed.size());
    for (int n : malformed)
        lines.append(session.line(n - 1));
    return malformedNotice(session.logFileName(), malformed, looksUtf8(lines));
}
