#include "app/ui/AppContext.h"

#include "export/ui/ExportWindows.h"
#include "help/ui/HelpWindows.h"
#include "qsl/ui/QslWindows.h"
#include "regions/ui/RegionWindows.h"
#include "reports/ui/ReportWindows.h"
#include "search/ui/SearchWindows.h"

#include <QAction>
#include <QPushButton>
#include <QWidget>

QAction *AppContext::action(const char *name) const
{
    return mainWindow->findChild<QAction *>(QLatin1String(name));
}

QPushButton *AppContext::button(const char *name) const
{
    return mainWindow->findChild<QPushButton *>(QLatin1String(name));
}

void installWindows(const AppContext &context)
{
    installReportWindows(context);
    installRegionWindows(context);
    installSearchWindows(context);
    installQslWindows(context);
    installExportWindows(context);
    installHelpWindows(context);
}
