#include "reports/ui/ReportWindows.h"

#include "kit/ui/AppContext.h"
#include "reports/ui/ListingWindow.h"
#include "reports/ui/ScoreWindow.h"

#include <QAction>
#include <QPointer>

#include <memory>

namespace {

// Opens the window behind a menu item: made on first use, brought to the front
// while it is open, made afresh once it has been closed.
template <typename Window, typename Make>
void wire(const AppContext &context, QAction *action, Make make)
{
    if (!action)
        return;
    auto window = std::make_shared<QPointer<Window>>();
    QObject::connect(action, &QAction::triggered, context.mainWindow, [window, make] {
        if (!*window)
            *window = make();
        (*window)->open();
    });
}

} // namespace

void installReportWindows(const AppContext &context)
{
    QWidget *parent = context.mainWindow;
    wire<ListingWindow>(context, context.items.Mnu_C_Contacte, [context, parent] {
        return new ListingWindow(context, ListingWindow::Type::Contacte, parent);
    });
    wire<ListingWindow>(context, context.items.Mnu_Abbayes_Contactees, [context, parent] {
        return new ListingWindow(context, ListingWindow::Type::ContacteZel, parent);
    });
    wire<ScoreWindow>(context, context.items.Mnu_Scores_ZEL, [context, parent] { return new ScoreWindow(context, parent); });
}
