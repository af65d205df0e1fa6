#include "help/ui/HelpWindows.h"

#include "app/Messages.h"
#include "app/Revision.h"
#include "app/ui/AppContext.h"

#include <QAction>
#include <QWidget>

void installHelpWindows(const AppContext &context)
{
    Messages *messages = &context.messages;
    QObject::connect(context.action("Mnu_Historique"), &QAction::triggered, context.mainWindow,
                     [messages] { messages->notice(Revision::history()); });
    QObject::connect(context.action("Mnu_Apropos"), &QAction::triggered, context.mainWindow,
                     [messages] { messages->notice(Revision::about()); });
}
