#include "export/ui/ExportWindows.h"

#include "kit/Messages.h"
#include "kit/ui/AppContext.h"
#include "kit/ui/WaitNotice.h"
#include "export/AdifExport.h"
#include "logstore/LogSession.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>

void installExportWindows(const AppContext &context)
{
    QAction *item = context.items.Mnu_ADIF;
    if (!item)
        return;
    const LogSession *session = &context.session;
    Messages *messages = &context.messages;
    QWidget *window = context.mainWindow;
    QObject::connect(item, &QAction::triggered, window, [session, messages, window] {
        AdifExport::Result result;
        {
            const WaitNotice wait(window,
                                  QCoreApplication::translate("ExportWindows",
                                                              "Exportation du log au format ADIF en cours…"),
                                  session->lineCount());
            result = AdifExport::exportLog(*session);
        }
        messages->notice(result.message);
    });
}
