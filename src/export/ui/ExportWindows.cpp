#include "export/ui/ExportWindows.h"

#include "app/ui/AppContext.h"

#include <QtGlobal>

void installExportWindows(const AppContext &context)
{
    Q_UNUSED(context);
}
