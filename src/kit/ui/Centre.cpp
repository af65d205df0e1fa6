#include "kit/ui/Centre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // A window larger than the screen is first brought down to it (as far as its
    // controls allow), so that it never opens with its edges off the screen.
    const QSize frame = window->frameGeometry().size();
    const QSize decoration = frame - window->size();
    const QSize fits = window->size().boundedTo(area.size() - decoration);
    if (fits != window->size())
        window->resize(fits.expandedTo(window->minimumSizeHint()));
    const QSize size = window->frameGeometry().size();
    window->move(qMax(area.x(), area.x() + (area.width() - size.width()) / 2),
                 qMax(area.y(), area.y() + (area.height() - size.height()) / 2));
}
