#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// Cuts what rigctld sends in its extended response form into answers: an echo of
// the command ("get_freq:"), "Name: value" lines, then "RPRT n". Whatever else comes
// (a line too long, control bytes, too many lines, an answer nobody asked for) is one
// garbage answer, after which the reader takes nothing until reset(): the stream is
// out of step and the connection is to be opened again. It keeps at most one short
// line, so any amount of input costs time in proportion to its size and bounded memory.
class RigctldReader
{
    Q_DECLARE_TR_FUNCTIONS(RigctldReader)

public:
    struct Reply
    {
        int code = 0;        // RPRT's code: 0, or Hamlib's error as a negative number
        QStringList values;  // the "Name: value" lines' values, in order
        bool garbage = false;
    };

    static constexpr int MaxLine = 256;
    static constexpr int MaxLines = 8;

    // The answers completed by these bytes, in order.
    QList<Reply> feed(QByteArrayView bytes);
    void reset();
    bool broken() const { return m_broken; }

    // Hamlib's error code (either sign) in words, in the interface's language.
    static QString errorText(int code);
    // The codes that say the model cannot give the value at all.
    static bool unavailable(int code);

private:
    void line(QByteArrayView text, QList<Reply> *out);
    void fail(QList<Reply> *out);

    QByteArray m_line;
    Reply m_reply;
    int m_lines = 0;
    bool m_broken = false;
};
