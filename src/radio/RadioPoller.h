#pragma once

#include "radio/RadioConfig.h"
#include "radio/RadioReading.h"

#include <QObject>

#include <functional>

class QThread;
class RadioWorker;

// The radio as the windows see it: the last frequency and mode read, kept up to
// date by a worker on a thread of its own, so that a radio that does not answer
// never holds up typing. Lives on the window's thread.
class RadioPoller : public QObject
{
    Q_OBJECT
public:
    explicit RadioPoller(QObject *parent = nullptr);
    ~RadioPoller() override;

    // How often the radio is read, and tried again after a failure.
    void setIntervals(int pollMs, int retryMs);
    void setConfig(const RadioConfig &config);
    RadioConfig config() const { return m_config; }
    bool enabled() const { return m_config.enabled; }
    // The last answer (not ok while the radio is off, unreachable or not yet read).
    RadioReading latest() const { return m_latest; }
    // The text of the status label: "14,205 MHz USB" or "Poste radio non joignable".
    QString statusText() const;

    // Reads this radio once; the answer comes with probed().
    void probe(const RadioConfig &config);

    // Sets the radio being polled to this frequency and to the radio's mode for the
    // log's mode there ("SSB" becomes LSB or USB by the band plan). `done` is called
    // once, on the window's thread, with an empty text or why not in French.
    void tune(qint64 hertz, const QString &logMode, std::function<void(const QString &error)> done);

signals:
    void changed(const RadioReading &reading);
    void probed(const RadioReading &reading);

private:
    void onReading(const RadioReading &reading, int generation);

    QThread *m_thread;
    RadioWorker *m_worker;
    RadioConfig m_config;
    RadioReading m_latest;
    bool m_answered = false;
    int m_generation = 0;
};
