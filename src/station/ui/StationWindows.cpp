#include "station/ui/StationWindows.h"

#include "kit/ui/AppContext.h"
#include "logstore/LogSession.h"
#include "station/ui/StationWindow.h"

#include <QAction>
#include <QPointer>

void installStationWindows(const AppContext &context, std::function<void()> stationChosen)
{
    QAction *item = context.items.Mnu_New_Indicatif;
    if (!item)
        return;
    Settings *settings = &context.settings;
    Messages *messages = &context.messages;
    const LogSession *session = &context.session;
    QWidget *parent = context.mainWindow;
    QObject::connect(item, &QAction::triggered, parent,
                     [=, window = QPointer<StationWindow>()]() mutable {
                         if (!window) {
                             window = new StationWindow(*settings, *messages, session->programDir(), parent);
                             QObject::connect(window, &StationWindow::stationChosen, parent, stationChosen);
                         }
                         window->open();
                     });
}
