#include "regions/ui/RegionWindows.h"

#include "entry/QsoEntry.h"
#include "kit/ui/AppContext.h"
#include "regions/ui/RegionCoordinator.h"

#include <QAction>

void installRegionWindows(const AppContext &context, QsoEntry &entry)
{
    auto *regions = new RegionCoordinator(context);
    QObject::connect(context.items.Mnu_Region_Contact, &QAction::triggered, regions,
                     &RegionCoordinator::openRegions);
    QObject::connect(context.items.Mnu_Carte_HB, &QAction::triggered, regions,
                     &RegionCoordinator::openMap);
    QObject::connect(&entry, &QsoEntry::newRegion, regions, &RegionCoordinator::newRegion);
    QObject::connect(&entry, &QsoEntry::newRegionDone, regions,
                     &RegionCoordinator::newRegionDone);
}
