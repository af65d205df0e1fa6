#include "Composition.h"

#include "kit/ui/AppContext.h"
#include "app/ui/MainWindow.h"
#include "confirm/ui/ConfirmWindows.h"
#include "entry/QsoEntry.h"
#include "export/ui/ExportWindows.h"
#include "help/ui/HelpWindows.h"
#include "import/ui/ImportWindows.h"
#include "qsl/ui/QslWindows.h"
#include "radio/RadioConfig.h"
#include "radio/RadioPoller.h"
#include "radio/ui/RadioWindows.h"
#include "refdata/ui/AbbeyListWindows.h"
#include "regions/ui/RegionWindows.h"
#include "reports/ui/ReportWindows.h"
#include "search/ui/SearchWindows.h"
#include "spots/SpotDesk.h"
#include "spots/SpotFeed.h"
#include "spots/ui/SpotWindows.h"
#include "station/ui/StationWindows.h"

namespace {

// The radio's reading is what a new QSO typed as it happens starts on: its band (none
// outside the log's bands) and its mode when the log keeps it. Off or unreachable:
// the entry's own fields.
void feedRadioToEntry(RadioPoller &radio, QsoEntry &entry)
{
    QObject::connect(&radio, &RadioPoller::changed, &entry, [&radio, &entry](const RadioReading &r) {
        if (radio.enabled() && r.ok)
            entry.setRadioReading(r.band(), r.entryMode());
        else
            entry.clearRadioReading();
    });
}

} // namespace

void installWindows(MainWindow &window, QsoEntry &entry, const AppContext &context)
{
    // The services several rooms share are made here, before any window, and handed
    // to the rooms that use them: the installs below may come in any order.
    auto *radio = new RadioPoller(&window);
    radio->setObjectName(QStringLiteral("Poste_Radio_Lecture"));
    feedRadioToEntry(*radio, entry);
    radio->setConfig(RadioConfig::load(context.settings));
    auto *spots = new SpotFeed(context.session, context.index, &window);
    spots->setObjectName(QStringLiteral("Cluster_Spots"));
    auto *desk = new SpotDesk(entry, radio, &window);

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
    installRadioWindows(context, *radio);
    installSpotWindows(context, *spots, *desk, radio);
    installAbbeyListWindows(context);
}
