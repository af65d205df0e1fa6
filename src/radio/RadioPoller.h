#pragma once

#include "radio/RadioConfig.h"
#include "radio/RadioInterface.h"
#include "radio/RadioLink.h"
#include "radio/RadioReading.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

// The radio as the windows see it: the last frequency and mode read, kept up to
// date on the window's thread by requests that never block it, so that a radio
// that does not answer never holds up typing or the program's end.
class RadioPoller : public QObject
{
    Q_OBJECT
public:
    // What reaches a radio of these settings (rigctld, or a fake in tests).
    using Factory = std::function<std::unique_ptr<RadioInterface>(const RadioConfig &config)>;

    // The longest wait of "Tester" for a radio on a serial port, rigctld's start included.
    static constexpr int SerialProbeMs = 10000;

    explicit RadioPoller(QObject *parent = nullptr);
    ~RadioPoller() override;

    void setFactory(Factory factory) { m_factory = std::move(factory); }
    // How often the radio is read, and tried again once lost.
    void setIntervals(int pollMs, int retryMs);
    void setTiming(const RadioLink::Timing &timing) { m_timing = timing; }
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

    // The rigctld interface the program uses outside tests.
    static std::unique_ptr<RadioInterface> rigctld(const RadioConfig &config);

signals:
    void changed(const RadioReading &reading);
    void probed(const RadioReading &reading);

private:
    void onReading(const RadioReading &reading);

    Factory m_factory;
    RadioLink::Timing m_timing;
    RadioConfig m_config;
    RadioReading m_latest;
    bool m_answered = false;
    std::unique_ptr<RadioLink> m_link;
    QPointer<RadioLink> m_probe;
};
