#include "app/ui/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget *window, bool quit) : QObject(window), m_quit(quit) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // The window and every child are drawn in the same pass; the pass is
            // over when the event loop comes back.
            QTimer::singleShot(0, this, [this] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::fprintf(stderr, "painted %lld\n",
                             static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stderr);
                if (m_quit)
                    QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_quit;
    bool m_seen = false;
};

} // namespace

void installStartupProbe(QWidget *window)
{
    if (!qEnvironmentVariableIsSet("KVR_ZEL_STARTUP_PROBE"))
        return;
    window->installEventFilter(
        new FirstPaint(window, qEnvironmentVariable("KVR_ZEL_STARTUP_PROBE") == QLatin1String("quit")));
}
