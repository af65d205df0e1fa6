#include "regions/ui/RegionWindows.h"

#include "app/ui/AppContext.h"

#include <QtGlobal>

void installRegionWindows(const AppContext &context)
{
    Q_UNUSED(context);
}
