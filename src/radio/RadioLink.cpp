#include "radio/RadioLink.h"

#include <QLoggingCategory>
#include <QTimer>

#include <cmath>

Q_LOGGING_CATEGORY(zelRadio, "zel.radio", QtWarningMsg)

namespace {

constexpr double MaxHertz = 10e9;

} // namespace

RadioLink::RadioLink(std::unique_ptr<RadioInterface> radio, QObject *parent)
    : QObject(parent), m_next(new QTimer(this)), m_watchdog(new QTimer(this)), m_radio(std::move(radio))
{
    // The next reading is counted from the end of this one: a slow radio never
    // piles up requests.
    m_next->setSingleShot(true);
    connect(m_next, &QTimer::timeout, this, [this] {
        if (!m_busy)
            cycle();
    });
    m_watchdog->setSingleShot(true);
    connect(m_watchdog, &QTimer::timeout, this, &RadioLink::onWatchdog);
}

RadioLink::~RadioLink()
{
    m_pending = nullptr;
    m_radio.reset();
}

bool RadioLink::readHertz(const QString &text, double *hertz)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < 0 || v > MaxHertz)
        return false;
    *hertz = v;
    return true;
}

bool RadioLink::readMode(const QString &text)
{
    if (text.isEmpty() || text.size() > 16)
        return false;
    for (QChar c : text) {
        if (!(c >= QLatin1Char('A') && c <= QLatin1Char('Z')) && !(c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            return false;
    }
    return true;
}

void RadioLink::start()
{
    m_polling = true;
    if (!m_busy)
        cycle();
}

void RadioLink::ask(const RadioRequest &request, RadioInterface::Done done)
{
    m_pending = std::move(done);
    m_watchdog->start(m_timing.answerMs);
    m_radio->ask(request, [this](const RadioAnswer &answer) {
        if (!m_pending)
            return;
        m_watchdog->stop();
        const RadioInterface::Done d = std::exchange(m_pending, nullptr);
        d(answer);
    });
}

void RadioLink::onWatchdog()
{
    if (!m_pending)
        return;
    // A late answer must not be taken for the next request's.
    m_radio->abandon();
    const RadioInterface::Done d = std::exchange(m_pending, nullptr);
    d(RadioAnswer::soft(tr("le poste ne répond pas (délai dépassé)")));
}

void RadioLink::cycle()
{
    m_busy = true;
    ask({RadioRequest::Op::ReadFrequency, 0, {}}, [this](const RadioAnswer &f) {
        if (f.kind != RadioAnswer::Kind::Ok)
            return cycleFailed(f);
        RadioReading r;
        if (!readHertz(f.value, &r.hertz)) {
            m_radio->abandon();
            return cycleFailed(RadioAnswer::soft(tr("fréquence incomprise : « %1 »").arg(f.value.left(20))));
        }
        r.ok = true;
        if (!m_modeReadable)
            return cycleDone(r);
        ask({RadioRequest::Op::ReadMode, 0, {}}, [this, r](const RadioAnswer &m) mutable {
            if (m.kind == RadioAnswer::Kind::Soft && m.unavailable) {
                // This radio has no mode to give: its frequency alone sets the band.
                qCDebug(zelRadio) << "mode not available, read no more:" << m.error;
                m_modeReadable = false;
                return cycleDone(r);
            }
            if (m.kind != RadioAnswer::Kind::Ok)
                return cycleFailed(m);
            if (!readMode(m.value)) {
                m_radio->abandon();
                return cycleFailed(RadioAnswer::soft(tr("mode incompris : « %1 »").arg(m.value.left(20))));
            }
            r.mode = m.value;
            cycleDone(r);
        });
    });
}

void RadioLink::cycleFailed(const RadioAnswer &answer)
{
    qCDebug(zelRadio) << "radio read failed:" << answer.error;
    if (answer.kind == RadioAnswer::Kind::Lost)
        m_softFailures = m_timing.softTries;
    else
        ++m_softFailures;
    if (m_softFailures < m_timing.softTries) {
        // Asked again soon; what was last read still stands meanwhile.
        const QList<std::function<void(const RadioReading &)>> waiting = std::exchange(m_waiting, {});
        for (const auto &w : waiting)
            w(RadioReading::failure(answer.error));
        nextStep(m_timing.pollMs);
        return;
    }
    if (!m_lost)
        m_radio->abandon();
    m_lost = true;
    // The radio may come back (a cable plugged in again): the next try starts afresh.
    m_modeReadable = true;
    cycleDone(RadioReading::failure(answer.error));
}

void RadioLink::cycleDone(const RadioReading &reading)
{
    if (reading.ok) {
        m_softFailures = 0;
        m_lost = false;
    }
    publish(reading);
    const QList<std::function<void(const RadioReading &)>> waiting = std::exchange(m_waiting, {});
    for (const auto &w : waiting)
        w(reading);
    nextStep(reading.ok ? m_timing.pollMs : m_timing.retryMs);
}

void RadioLink::nextStep(int delayMs)
{
    m_busy = false;
    if (!m_jobs.isEmpty()) {
        const std::function<void()> job = m_jobs.takeFirst();
        m_busy = true;
        job();
        return;
    }
    if (!m_waiting.isEmpty()) {
        cycle();
        return;
    }
    if (m_polling)
        m_next->start(delayMs);
}

void RadioLink::publish(const RadioReading &r)
{
    if (m_published && r == m_latest)
        return;
    m_latest = r;
    m_published = true;
    emit reading(r);
}

void RadioLink::readOnce(std::function<void(const RadioReading &)> done)
{
    m_waiting << std::move(done);
    if (!m_busy) {
        m_next->stop();
        cycle();
    }
}

void RadioLink::tune(qint64 hertz, const QString &radioMode, std::function<void(const QString &)> done)
{
    auto job = [this, hertz, radioMode, done = std::move(done)] {
        auto finished = [this, done](const QString &error) {
            if (done)
                done(error);
            // Read back what the radio now says.
            cycle();
        };
        ask({RadioRequest::Op::SetFrequency, hertz, {}}, [this, radioMode, finished](const RadioAnswer &f) {
            if (f.kind != RadioAnswer::Kind::Ok)
                return finished(f.error);
            if (radioMode.isEmpty())
                return finished(QString());
            ask({RadioRequest::Op::SetMode, 0, radioMode}, [finished](const RadioAnswer &m) {
                finished(m.kind == RadioAnswer::Kind::Ok ? QString() : m.error);
            });
        });
    };
    if (m_busy) {
        m_jobs << std::move(job);
        return;
    }
    m_next->stop();
    m_busy = true;
    job();
}
