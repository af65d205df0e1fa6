#include "radio/RadioPoller.h"

#include "logstore/BandPlan.h"
#include "radio/RigctldClient.h"

#include <QTimer>

RadioPoller::RadioPoller(QObject *parent) : QObject(parent), m_factory(&RadioPoller::rigctld)
{
    qRegisterMetaType<RadioReading>();
}

RadioPoller::~RadioPoller()
{
    // Nothing here waits: sockets close and a rigctld of ours is asked to stop.
    delete m_probe;
    m_link.reset();
}

std::unique_ptr<RadioInterface> RadioPoller::rigctld(const RadioConfig &config)
{
    return std::make_unique<RigctldClient>(config);
}

void RadioPoller::setIntervals(int pollMs, int retryMs)
{
    m_timing.pollMs = pollMs;
    m_timing.retryMs = retryMs;
    if (m_link)
        m_link->setTiming(m_timing);
}

void RadioPoller::setConfig(const RadioConfig &config)
{
    m_config = config;
    m_answered = false;
    m_latest = RadioReading();
    m_link.reset();
    if (m_config.enabled) {
        m_link = std::make_unique<RadioLink>(m_factory(m_config));
        m_link->setTiming(m_timing);
        connect(m_link.get(), &RadioLink::reading, this, &RadioPoller::onReading);
        m_link->start();
    }
    emit changed(m_latest);
}

void RadioPoller::probe(const RadioConfig &config)
{
    RadioConfig wanted = config;
    wanted.enabled = true;
    // A serial port is opened once: the radio being polled is read through its link.
    if (m_link && wanted == m_config) {
        m_link->readOnce([this](const RadioReading &r) { emit probed(r); });
        return;
    }
    delete m_probe;
    auto *once = new RadioLink(m_factory(wanted), this);
    RadioLink::Timing timing = m_timing;
    timing.softTries = 1;
    // A rigctld of our own opens the radio before it answers: the one try waits for that.
    if (wanted.link == RadioConfig::Link::Serial)
        timing.answerMs = qMax(timing.answerMs, SerialProbeMs);
    once->setTiming(timing);
    m_probe = once;
    once->readOnce([this, once](const RadioReading &r) {
        emit probed(r);
        once->deleteLater();
    });
}

void RadioPoller::tune(qint64 hertz, const QString &logMode, std::function<void(const QString &)> done)
{
    if (!m_link) {
        // Always answered later, as a radio's answer is.
        QTimer::singleShot(0, this, [done] {
            if (done)
                done(tr("le poste radio n'est pas utilisé"));
        });
        return;
    }
    m_link->tune(hertz, ModeMap::radioMode(logMode, hertz), std::move(done));
}

void RadioPoller::onReading(const RadioReading &reading)
{
    m_latest = reading;
    m_answered = true;
    emit changed(reading);
}

QString RadioPoller::statusText() const
{
    if (!m_config.enabled)
        return {};
    if (!m_answered)
        return tr("connexion au poste radio…");
    return m_latest.statusText();
}
