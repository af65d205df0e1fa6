#pragma once

#include "radio/RadioConfig.h"
#include "radio/RadioLink.h"
#include "radio/RadioReading.h"

#include <QObject>

class QTimer;

// Reads the radio over and over on the radio's own thread: opens the link, reads
// frequency and mode every poll interval, and after a failure (cable pulled,
// rigctld stopped) opens it again every retry interval until the radio answers.
// Says what it read only when it changed.
class RadioWorker : public QObject
{
    Q_OBJECT
public:
    explicit RadioWorker(QObject *parent = nullptr);
    ~RadioWorker() override;

public slots:
    void setIntervals(int pollMs, int retryMs);
    // Starts over with this radio; a config that is off closes the link.
    // `generation` comes back with every reading of this radio.
    void setConfig(const RadioConfig &config, int generation);
    // Reads a radio once for "Tester", whether or not it is the one being polled.
    void probe(const RadioConfig &config);
    void stop();
    // Sets the polled radio's frequency and mode (Hamlib name; empty leaves the mode).
    QString tune(qint64 hertz, const QString &radioMode);

signals:
    void reading(const RadioReading &reading, int generation);
    void probed(const RadioReading &reading);

private:
    void cycle();
    void publish(const RadioReading &r);

    RadioConfig m_config;
    RadioLink m_link;
    QTimer *m_timer;
    int m_generation = 0;
    RadioReading m_last;
    bool m_published = false;
    int m_pollMs = 500;
    int m_retryMs = 2000;
};
