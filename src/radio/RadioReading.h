#pragma once

#include <QCoreApplication>
#include <QMetaType>
#include <QString>

// One answer of the radio: its frequency and mode, or why it did not answer.
struct RadioReading
{
    bool ok = false;
    double hertz = 0;
    QString mode;  // as Hamlib names it: "USB", "CWR", "PKTUSB"...; empty when the radio gives none
    QString error; // in the interface's language, when !ok

    static RadioReading failure(const QString &why)
    {
        RadioReading r;
        r.error = why;
        return r;
    }

    // The log's band label of the frequency and the log's mode of the radio's mode,
    // through the one band plan and mode map; empty when the log has none.
    QString band() const;
    QString entryMode() const;

    // "14,205 MHz USB", with what the entry leaves alone when the frequency is
    // outside the log's bands or the mode is none of its three.
    QString statusText() const;
    // The answer to "Tester": the same, or "Poste radio non joignable : <why>".
    QString testText() const;

    bool operator==(const RadioReading &o) const
    {
        return ok == o.ok && hertz == o.hertz && mode == o.mode && error == o.error;
    }
    bool operator!=(const RadioReading &o) const { return !(*this == o); }

    // "Poste radio non joignable", in the interface's language.
    static QString unreachable();

    Q_DECLARE_TR_FUNCTIONS(RadioReading)
};

Q_DECLARE_METATYPE(RadioReading)
