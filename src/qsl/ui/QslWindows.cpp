#include "qsl/ui/QslWindows.h"

#include "app/ui/AppContext.h"

#include <QtGlobal>

void installQslWindows(const AppContext &context)
{
    Q_UNUSED(context);
}
