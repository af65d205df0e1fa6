#pragma once

// A radio in the test's own process, behind the same interface as rigctld: each
// request takes the next scripted behaviour for its kind (or the standing one),
// answered on the next turn of the event loop, as a socket would.

#include "radio/RadioInterface.h"

#include <QMap>
#include <QList>
#include <QTimer>

namespace zeltest {

class FakeRadio : public RadioInterface
{
public:
    enum class Does { Answer, FailSoftly, NotAvailable, TimeOut, Lose, Silence, Garbage };

    struct Step
    {
        Does does = Does::Answer;
        QString value; // Answer: overrides the radio's state; Garbage: what is sent
    };

    // The radio's state, changed by Set requests like a real one.
    qint64 hertz = 14205000;
    QString mode = QStringLiteral("USB");
    // Every request in order, and how many were abandoned.
    QList<RadioRequest> asked;
    int abandoned = 0;

    void script(RadioRequest::Op op, const QList<Step> &steps) { m_script[op] += steps; }
    void always(RadioRequest::Op op, Does does) { m_always[op] = does; }
    void answerAll() { m_always.clear(); m_script.clear(); }
    // Requests of this kind so far.
    int count(RadioRequest::Op op) const
    {
        int n = 0;
        for (const RadioRequest &r : asked)
            n += r.op == op;
        return n;
    }

    void ask(const RadioRequest &request, Done done) override
    {
        asked << request;
        Step step{m_always.value(request.op, Does::Answer), {}};
        if (!m_script.value(request.op).isEmpty())
            step = m_script[request.op].takeFirst();
        const int generation = m_generation;
        QTimer::singleShot(0, this, [this, request, step, done, generation] {
            if (generation == m_generation)
                done(answer(request, step));
        });
        if (step.does == Does::Silence)
            ++m_generation; // never answered
    }

    void abandon() override
    {
        ++abandoned;
        ++m_generation;
    }

private:
    RadioAnswer answer(const RadioRequest &request, const Step &step)
    {
        switch (step.does) {
        case Does::Answer:
            break;
        case Does::FailSoftly:
            return RadioAnswer::soft(QStringLiteral("commande refusée par le poste"));
        case Does::NotAvailable:
            return RadioAnswer::soft(QStringLiteral("ce modèle ne sait pas donner cette valeur"), true);
        case Does::TimeOut:
            return RadioAnswer::soft(QStringLiteral("le poste ne répond pas (délai dépassé)"));
        case Does::Lose:
            return RadioAnswer::lost(QStringLiteral("rigctld a fermé la liaison"));
        case Does::Silence:
            return {};
        case Does::Garbage:
            return RadioAnswer::ok(step.value);
        }
        switch (request.op) {
        case RadioRequest::Op::ReadFrequency:
            return RadioAnswer::ok(step.value.isEmpty() ? QString::number(hertz) : step.value);
        case RadioRequest::Op::ReadMode:
            return RadioAnswer::ok(step.value.isEmpty() ? mode : step.value);
        case RadioRequest::Op::SetFrequency:
            hertz = request.hertz;
            return RadioAnswer::ok();
        case RadioRequest::Op::SetMode:
            mode = request.mode;
            return RadioAnswer::ok();
        }
        return {};
    }

    QMap<RadioRequest::Op, QList<Step>> m_script;
    QMap<RadioRequest::Op, Does> m_always;
    int m_generation = 0;
};

} // namespace zeltest
