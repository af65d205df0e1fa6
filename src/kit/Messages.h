#pragma once

#include <QString>

// How the program talks to the operator: a notice with an OK button, or a
// question answered Yes or No. Windows call it; tests put their own in its place.
class Messages
{
public:
    virtual ~Messages() = default;
    virtual void notice(const QString &text) = 0;
    virtual bool question(const QString &text) = 0;
};
