#include "Composition.h"

#include "app/ui/AppContext.h"
#include "app/ui/MainWindow.h"
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

void installWindows(MainWindow &window, const AppContext &context)
{
    installStationWindows(context, [&window] { window.applyStation(); });
    installReportWindows(context);
    installRegionWindows(context);
    installSearchWindows(context);
    installQslWindows(context);
    installImportWindows(context);
    installExportWindows(context);
    installHelpWindows(context);
    RadioPoller *radio = installRadioWindows(context);
    installSpotWindows(context, radio);
    installAbbeyListWindows(context);
}
