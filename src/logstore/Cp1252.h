#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The log and the reference lists are 8-bit files in the Windows-1252 code page.
namespace Cp1252 {
QString decode(QByteArrayView bytes);
QByteArray encode(QStringView text);
// Splits a file's bytes into lines: LF or CR LF ends a line (one CR before the LF is
// dropped), and a last line without a line end still counts.
QList<QByteArray> splitLines(const QByteArray &content);
// The same lines as views into content, without copying them.
QList<QByteArrayView> lineViews(const QByteArray &content);
// Joins lines, each followed by CR LF.
QByteArray joinLines(const QList<QByteArray> &lines);
}
