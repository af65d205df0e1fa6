#include "search/ui/SearchWindows.h"

#include "app/ui/AppContext.h"

#include <QtGlobal>

void installSearchWindows(const AppContext &context)
{
    Q_UNUSED(context);
}
