#pragma once

// ADIF as the tests write it by hand.

#include <QByteArray>

namespace zeltest {

// One field as a file holds it: "<NAME:length>value", the length in bytes.
inline QByteArray adifField(const char *name, const QByteArray &value)
{
    return '<' + QByteArray(name) + ':' + QByteArray::number(value.size()) + '>' + value;
}

} // namespace zeltest
