#pragma once

#include <QByteArrayView>

#include <cstring>

// Byte-level helpers shared by the ADIF reader and the record mapping: ADIF names
// and enumerations are ASCII and compared without regard to case.
namespace AsciiBytes {

inline char upper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

// Whether no byte of the n at p is above ASCII (eight at a time).
inline bool isAscii(const char *p, qsizetype n)
{
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        quint64 w;
        std::memcpy(&w, p + i, 8);
        if (w & 0x8080808080808080ULL)
            return false;
    }
    for (; i < n; ++i) {
        if (static_cast<unsigned char>(p[i]) >= 0x80)
            return false;
    }
    return true;
}

// Whether text is word (upper case) in any case.
inline bool sameWord(QByteArrayView text, const char *word)
{
    const qsizetype n = qsizetype(std::strlen(word));
    if (text.size() != n)
        return false;
    for (qsizetype i = 0; i < n; ++i) {
        if (upper(text[i]) != word[i])
            return false;
    }
    return true;
}

} // namespace AsciiBytes
