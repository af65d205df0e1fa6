#include "reports/ui/ReportWindows.h"

#include "app/ui/AppContext.h"

#include <QtGlobal>

void installReportWindows(const AppContext &context)
{
    Q_UNUSED(context);
}
