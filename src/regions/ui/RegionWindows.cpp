#include "regions/ui/RegionWindows.h"

#include "app/QsoEntry.h"
#include "app/ui/AppContext.h"
#include "regions/ui/RegionCoordinator.h"

#include <QAction>

void installRegionWindows(const AppContext &context)
{
    auto *regions = new RegionCoordinator(context);
    QObject::connect(context.items.Mnu_Region_Contact, &QAction::triggered, regions,
                     &RegionCoordinator::openRegions);
    QObject::connect(context.items.Mnu_Carte_HB, &QAction::triggered, regions,
                     &RegionCoordinator::openMap);
    QObject::connect(&context.entry, &QsoEntry::newRegion, regions, &RegionCoordinator::newRegion);
    QObject::connect(&context.entry, &QsoEntry::newRegionDone, regions,
                     &RegionCoordinator::newRegionDone);
}
