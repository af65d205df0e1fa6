#include "export/ui/ExportWindows.h"

#include "app/Messages.h"
#include "app/ui/AppContext.h"
#include "export/AdifExport.h"

#include <QAction>
#include <QWidget>

void installExportWindows(const AppContext &context)
{
    QAction *item = context.items.Mnu_ADIF;
    if (!item)
        return;
    const LogSession *session = &context.session;
    Messages *messages = &context.messages;
    QObject::connect(item, &QAction::triggered, context.mainWindow, [session, messages] {
        messages->notice(AdifExport::exportLog(*session).message);
    });
}
