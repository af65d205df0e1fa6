#pragma once

#include "kit/Clock.h"
#include "kit/Messages.h"

#include <QDateTime>

#include <functional>
#include <utility>
#include <QList>
#include <QStringList>

// Stands in for the message boxes: keeps every text shown, in order, and answers
// each question with the next answer queued (Yes once the queue is empty).
class FakeMessages : public Messages
{
public:
    void notice(const QString &text) override
    {
        notices << text;
        shown << text;
    }

    bool question(const QString &text) override
    {
        questions << text;
        shown << text;
        // What happens while the box is open (a radio or cluster callback).
        if (whileAsked)
            std::exchange(whileAsked, nullptr)();
        return answers.isEmpty() ? true : answers.takeFirst();
    }

    void clear()
    {
        notices.clear();
        questions.clear();
        shown.clear();
    }

    QStringList notices;
    QStringList questions;
    QStringList shown;
    QList<bool> answers;
    // Run once, during the next question.
    std::function<void()> whileAsked;
};

// A clock that says whatever the test sets.
class FakeClock : public Clock
{
public:
    QDateTime utcNow() const override { return utc; }
    QDateTime localNow() const override { return local; }

    QDateTime utc{QDate(2007, 3, 14), QTime(9, 5, 7), Qt::UTC};
    QDateTime local{QDate(2007, 3, 14), QTime(10, 5, 7), Qt::LocalTime};
};
