#pragma once

#include "radio/RadioInterface.h"
#include "radio/RadioReading.h"

#include <QList>
#include <QObject>

#include <functional>
#include <memory>

class QTimer;

// One radio read over and over through its interface: the frequency, then the mode
// (a radio that cannot give its mode still gives its band), one request at a time.
// A soft failure (a timeout, an error the radio may not repeat, an answer that makes
// no sense) is tried again; only a few of them in a row, or a radio that cannot be
// reached at all, make the radio lost. Says what it read only when it changed.
class RadioLink : public QObject
{
    Q_OBJECT
public:
    struct Timing
    {
        int pollMs = 500;    // between two readings
        int retryMs = 2000;  // between two tries once the radio is lost
        int answerMs = 3000; // the longest wait for one answer
        int softTries = 3;   // soft failures in a row before the radio is lost
    };

    explicit RadioLink(std::unique_ptr<RadioInterface> radio, QObject *parent = nullptr);
    ~RadioLink() override;

    void setTiming(const Timing &timing) { m_timing = timing; }
    // Starts reading the radio; without it the link only answers readOnce() and tune().
    void start();
    RadioReading latest() const { return m_latest; }
    bool answered() const { return m_published; }

    // One reading now (after the one in progress); `done` gets it even when unchanged.
    void readOnce(std::function<void(const RadioReading &)> done);
    // Sets the frequency, then the mode (Hamlib's name; empty leaves it), then reads
    // the radio back. `done` gets "" or why not, in French.
    void tune(qint64 hertz, const QString &radioMode, std::function<void(const QString &error)> done);

    // A frequency as the radio wrote it, in hertz: a finite number from 0 to 10 GHz;
    // false for anything else.
    static bool readHertz(const QString &text, double *hertz);
    // A mode name as Hamlib writes them ("USB", "PKTUSB"); false for anything else.
    static bool readMode(const QString &text);

signals:
    void reading(const RadioReading &reading);

private:
    void ask(const RadioRequest &request, RadioInterface::Done done);
    void onWatchdog();
    void cycle();
    void cycleFailed(const RadioAnswer &answer);
    void cycleDone(const RadioReading &reading);
    void publish(const RadioReading &reading);
    void nextStep(int delayMs);

    Timing m_timing;
    QTimer *m_next;
    QTimer *m_watchdog;
    RadioInterface::Done m_pending;
    bool m_polling = false;
    bool m_busy = false;
    bool m_modeReadable = true;
    int m_softFailures = 0;
    bool m_lost = false;
    RadioReading m_latest;
    bool m_published = false;
    QList<std::function<void(const RadioReading &)>> m_waiting;
    QList<std::function<void()>> m_jobs;
    std::unique_ptr<RadioInterface> m_radio; // last: goes first, with the callbacks it holds
};
