#pragma once

#include <QByteArray>

// Takes the telnet commands out of what a node sends, so that only its text is
// read as lines: a go-ahead after each line, option requests (WILL, WONT, DO,
// DONT and their option), sub-negotiations up to their end, any other two-byte
// command; a doubled 255 is the byte 255 itself. A command split between two
// reads is recognised all the same. The client negotiates nothing: the node goes
// on in its plain text mode.
class TelnetFilter
{
public:
    QByteArray strip(const QByteArray &bytes);
    void clear() { m_state = State::Text; }

private:
    enum class State { Text, Command, Option, Sub, SubCommand };
    State m_state = State::Text;
};
