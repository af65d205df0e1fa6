#include "radio/RadioPoller.h"

#include "logstore/BandPlan.h"
#include "radio/RadioWorker.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QThread>

Q_DECLARE_LOGGING_CATEGORY(zelRadio)

RadioPoller::RadioPoller(QObject *parent)
    : QObject(parent), m_thread(new QThread), m_worker(new RadioWorker)
{
    qRegisterMetaType<RadioReading>();
    m_thread->setObjectName(QStringLiteral("Poste radio"));
    m_worker->moveToThread(m_thread);
    connect(m_worker, &RadioWorker::reading, this, &RadioPoller::onReading);
    connect(m_worker, &RadioWorker::probed, this, &RadioPoller::probed);
    // The last thing the radio's thread does: close the radio and stop its timer there.
    connect(m_thread, &QThread::finished, m_worker, &RadioWorker::stop, Qt::DirectConnection);
    m_thread->start();
}

RadioPoller::~RadioPoller()
{
    m_thread->quit();
    // A radio still opening (a switched-off one can take tens of seconds) must not
    // hold the program's exit: the thread is then left to end with the process.
    if (!m_thread->wait(3000)) {
        qCWarning(zelRadio) << "the radio thread did not stop in time";
        return;
    }
    delete m_worker;
    delete m_thread;
}

void RadioPoller::setIntervals(int pollMs, int retryMs)
{
    QMetaObject::invokeMethod(m_worker, [w = m_worker, pollMs, retryMs] { w->setIntervals(pollMs, retryMs); });
}

void RadioPoller::setConfig(const RadioConfig &config)
{
    m_config = config;
    m_answered = false;
    m_latest = RadioReading();
    const int generation = ++m_generation;
    QMetaObject::invokeMethod(m_worker, [w = m_worker, config, generation] { w->setConfig(config, generation); });
    emit changed(m_latest);
}

void RadioPoller::probe(const RadioConfig &config)
{
    QMetaObject::invokeMethod(m_worker, [w = m_worker, config] { w->probe(config); });
}

void RadioPoller::tune(qint64 hertz, const QString &logMode, std::function<void(const QString &)> done)
{
    if (!m_config.enabled) {
        if (done)
            done(QStringLiteral("le poste radio n'est pas utilisé"));
        return;
    }
    const QString radioMode = ModeMap::radioMode(logMode, hertz);
    QMetaObject::invokeMethod(m_worker, [w = m_worker, hertz, radioMode, done = std::move(done)] {
        const QString error = w->tune(hertz, radioMode);
        // The answer goes back to the window's thread.
        QMetaObject::invokeMethod(qApp, [error, done] {
            if (done)
                done(error);
        });
    });
}

void RadioPoller::onReading(const RadioReading &reading, int generation)
{
    // A reading made before the last change of settings says nothing of the new radio.
    if (!m_config.enabled || generation != m_generation)
        return;
    m_latest = reading;
    m_answered = true;
    emit changed(reading);
}

QString RadioPoller::statusText() const
{
    if (!m_config.enabled)
        return {};
    if (!m_answered)
        return QStringLiteral("connexion au poste radio…");
    return m_latest.statusText();
}
