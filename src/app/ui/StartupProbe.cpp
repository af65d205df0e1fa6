#include "app/ui/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

// Runs a function once the widget's first complete drawing is over.
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget *window, std::function<void()> done) : QObject(window), m_done(std::move(done)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // The window and every child are drawn in the same pass; the pass is
            // over when the event loop comes back.
            QTimer::singleShot(0, this, [this] {
                m_done();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_done;
    bool m_seen = false;
};

} // namespace

void afterFirstPaint(QWidget *window, std::function<void()> done)
{
    window->installEventFilter(new FirstPaint(window, std::move(done)));
}

void installStartupProbe(QWidget *window)
{
    if (!qEnvironmentVariableIsSet("KVR_ZEL_STARTUP_PROBE"))
        return;
    const bool quit = qEnvironmentVariable("KVR_ZEL_STARTUP_PROBE") == QLatin1String("quit");
    afterFirstPaint(window, [quit] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::fprintf(stderr, "painted %lld\n",
                     static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stderr);
        if (quit)
            QCoreApplication::quit();
    });
}
