#pragma once

#include <QByteArray>
#include <QList>

// Cuts the bytes of a text connection into lines, whatever the node sends: a line
// end of LF or CR LF, NUL bytes (dropped), a line of any length (one longer than
// MaxLine is cut and dropped whole, without keeping more than MaxLine bytes of it).
// Memory stays bounded by MaxLine plus the chunk given.
class LineBuffer
{
public:
    static constexpr int MaxLine = 4096;

    // The complete lines in these bytes, without their line ends.
    QList<QByteArray> feed(const QByteArray &bytes);
    // What came after the last line end (a prompt that ends no line).
    const QByteArray &pending() const { return m_pending; }
    void clear();

private:
    QByteArray m_pending;
    bool m_overlong = false; // the current line is too long: skip to its end
};
