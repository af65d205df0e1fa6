#include "spots/TelnetFilter.h"

namespace {

constexpr unsigned char Iac = 255;
constexpr unsigned char Sb = 250;
constexpr unsigned char Se = 240;
constexpr unsigned char Will = 251; // WILL, WONT, DO, DONT: 251 to 254

} // namespace

QByteArray TelnetFilter::strip(const QByteArray &bytes)
{
    // Most reads hold no command at all: nothing is copied for them.
    if (m_state == State::Text && !bytes.contains(char(Iac)))
        return bytes;
    QByteArray text;
    text.reserve(bytes.size());
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        switch (m_state) {
        case State::Text:
            if (c == Iac)
                m_state = State::Command;
            else
                text.append(ch);
            break;
        case State::Command:
            if (c == Iac) {
                text.append(ch);
                m_state = State::Text;
            } else if (c == Sb) {
                m_state = State::Sub;
            } else if (c >= Will && c < Iac) {
                m_state = State::Option;
            } else {
                m_state = State::Text; // go-ahead, no-operation and the like
            }
            break;
        case State::Option:
            m_state = State::Text;
            break;
        case State::Sub:
            if (c == Iac)
                m_state = State::SubCommand;
            break;
        case State::SubCommand:
            m_state = c == Se ? State::Text : State::Sub;
            break;
        }
    }
    return text;
}
