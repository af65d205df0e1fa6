#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The log and the reference lists are 8-bit files in the Windows-1252 code page.
namespace Cp1252 {
QString decode(QByteArrayView bytes);
QByteArray encode(QStringView text);

// The first character of text that Windows-1252 cannot hold (one character, which
// may be two UTF-16 units), or an empty string when every character fits. Such a
// character would be written as the substitute byte 0x1A, and one outside the
// basic plane would shorten a fixed-column line by one byte.
QString firstUnencodable(QStringView text);
// The first control character of text (code below 32, DEL or 128-159), or an empty string.
QString firstControl(QStringView text);
// How a character is named to the operator: « Ł » (U+0141); a control character
// by its code only.
QString describe(const QString &character);
// The French refusal for a text holding a character the files cannot hold (one
// Windows-1252 cannot hold, or a control character); empty when the text can be stored.
QString refusal(QStringView text);
// Splits a file's bytes into lines: LF or CR LF ends a line (one CR before the LF is
// dropped), and a last line without a line end still counts.
QList<QByteArray> splitLines(const QByteArray &content);
// The same lines as views into content, without copying them.
QList<QByteArrayView> lineViews(const QByteArray &content);
// Joins lines, each followed by CR LF.
QByteArray joinLines(const QList<QByteArray> &lines);

// What a file's bytes are written in: plain ASCII, UTF-8 (a byte order mark, or
// bytes above 127 that all form UTF-8 sequences: no overlong form, surrogate or
// value past Unicode), or else an 8-bit code page, read as Windows-1252. Checked in
// place, in time linear in the size, without decoding a copy.
enum class TextKind { Ascii, Utf8, Windows1252 };
TextKind textKind(QByteArrayView data);
}
