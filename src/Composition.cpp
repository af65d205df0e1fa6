#include "Composition.h"

#include "kit/ui/AppContext.h"
#include "app/ui/MainWindow.h"
#include "confirm/ui/ConfirmWindows.h"
#include "entry/QsoEntry.h"
#include "export/ui/ExportWindows.h"
#include "help/ui/HelpWindows.h"
#include "import/ui/ImportWindows.h"
#include "qsl/ui/QslWindows.h"
#include "radio/ui/RadioWindows.h"
#include "refdata/ui/AbbeyListWindows.h"
#include "regions/ui/RegionWindows.h"
#include "reports/ui/ReportWindows.h"
#include "search/ui/SearchWindows.h"
#include "spots/ui/SpotWindows.h"
#include "station/ui/StationWindows.h"

void installWindows(MainWindow &window, QsoEntry &entry, const AppContext &context)
{
    installStationWindows(context, [&window] { window.applyStation(); });
    installReportWindows(context);
    installRegionWindows(context, entry);
    installSearchWindows(context);
    installQslWindows(context);
    ImportController *import = installImportWindows(context);
    if (import)
        QObject::connect(import, &ImportController::imported, &entry, &QsoEntry::backToPlainEntry);
    installConfirmWindows(context, import);
    installExportWindows(context);
    installHelpWindows(context);
    RadioPoller *radio = installRadioWindows(context, entry);
    installSpotWindows(context, entry, radio);
    installAbbeyListWindows(context);
}
