#pragma once

// What the spot tests share: the main window's spot feed, a cluster line as a node
// sends it, and the spots window opened from its menu item.

#include "app/Harness.h"
#include "spots/SpotFeed.h"

#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QWidget>

namespace zeltest {

inline SpotFeed *feed(const MainHarness &h)
{
    return h.window->findChild<SpotFeed *>(QStringLiteral("Cluster_Spots"));
}

// "DX de F5XYZ:     14250.0  IK1ABC       ZEL AZ0001 ...  1234Z"
inline QByteArray dxLine(const QByteArray &call, const QByteArray &kHz, const QByteArray &comment)
{
    return "DX de F5XYZ:     " + kHz + "  " + call.leftJustified(12, ' ') + " " + comment.leftJustified(30, ' ')
        + " 1234Z";
}

// The spots window, opened from its menu item; null when it did not open.
inline QWidget *openSpots(const MainHarness &h)
{
    h.window->findChild<QAction *>(QStringLiteral("Mnu_Abbayes_Sur_Air"))->trigger();
    QWidget *w = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("Abbayes_Sur_Air") && top->isVisible())
            w = top;
    return w;
}

} // namespace zeltest
