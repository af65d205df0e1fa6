#pragma once

#include <QDateTime>

// Where the time comes from: the system clock, or a fixed time in tests.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime utcNow() const = 0;
    virtual QDateTime localNow() const = 0;
};

class SystemClock : public Clock
{
public:
    QDateTime utcNow() const override { return QDateTime::currentDateTimeUtc(); }
    QDateTime localNow() const override { return QDateTime::currentDateTime(); }
};
