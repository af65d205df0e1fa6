#include "radio/RadioWorker.h"

#include <QTimer>

RadioWorker::RadioWorker(QObject *parent) : QObject(parent), m_timer(new QTimer(this))
{
    // The next cycle is counted from the end of this one: a slow radio never
    // piles up reads.
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &RadioWorker::cycle);
}

RadioWorker::~RadioWorker() = default;

void RadioWorker::setIntervals(int pollMs, int retryMs)
{
    m_pollMs = pollMs;
    m_retryMs = retryMs;
}

void RadioWorker::setConfig(const RadioConfig &config, int generation)
{
    m_generation = generation;
    m_timer->stop();
    m_link.close();
    m_config = config;
    m_published = false;
    if (m_config.enabled)
        cycle();
}

void RadioWorker::stop()
{
    m_timer->stop();
    m_link.close();
    m_config.enabled = false;
}

void RadioWorker::cycle()
{
    if (!m_config.enabled)
        return;
    if (!m_link.isOpen()) {
        const QString why = m_link.open(m_config);
        if (!why.isEmpty()) {
            publish(RadioReading::failure(why));
            m_timer->start(m_retryMs);
            return;
        }
    }
    const RadioReading r = m_link.read();
    publish(r);
    m_timer->start(r.ok ? m_pollMs : m_retryMs);
}

void RadioWorker::publish(const RadioReading &r)
{
    if (m_published && r == m_last)
        return;
    m_last = r;
    m_published = true;
    emit reading(r, m_generation);
}

void RadioWorker::probe(const RadioConfig &config)
{
    RadioConfig wanted = config;
    wanted.enabled = true;
    // A serial port is opened once: the radio being polled is read through its link.
    if (m_config.enabled && m_link.isOpen() && wanted == m_config) {
        const RadioReading r = m_link.read();
        emit probed(r);
        publish(r);
        if (!r.ok)
            m_timer->start(m_retryMs);
        return;
    }
    RadioLink once;
    const QString why = once.open(wanted);
    emit probed(why.isEmpty() ? once.read() : RadioReading::failure(why));
}

QString RadioWorker::tune(qint64 hertz, const QString &radioMode)
{
    if (!m_config.enabled || !m_link.isOpen())
        return QStringLiteral("Poste radio non joignable");
    const QString error = m_link.tune(double(hertz), radioMode);
    m_timer->start(0); // read back what the radio now says
    return error;
}
