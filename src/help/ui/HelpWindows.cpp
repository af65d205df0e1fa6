#include "help/ui/HelpWindows.h"

#include "kit/Messages.h"
#include "kit/ui/AppContext.h"
#include "help/HelpPages.h"
#include "help/ui/HelpPageWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace {

// Opens a page window from a menu item; the window exists once.
void wirePage(QAction *item, QWidget *parent, const QString &name, const QString &caption, const QUrl &page)
{
    if (!item)
        return;
    QObject::connect(item, &QAction::triggered, parent,
                     [=, window = QPointer<HelpPageWindow>()]() mutable {
                         if (!window)
                             window = new HelpPageWindow(name, caption, page, parent);
                         window->open();
                     });
}

} // namespace

void installHelpWindows(const AppContext &context)
{
    Messages *messages = &context.messages;
    QObject::connect(context.items.Mnu_Historique, &QAction::triggered, context.mainWindow,
                     [messages] { messages->notice(HelpPages::history()); });
    QObject::connect(context.items.Mnu_Apropos, &QAction::triggered, context.mainWindow,
                     [messages] { messages->notice(HelpPages::about()); });
    wirePage(context.items.Mnu_Reglement, context.mainWindow, QStringLiteral("Reglement"),
             QCoreApplication::translate("HelpWindows", "Règlement"), HelpPages::rules());
    wirePage(context.items.Mnu_Mode_Emploi, context.mainWindow, QStringLiteral("Mode_Emploi"),
             QCoreApplication::translate("HelpWindows", "Mode d'emploi"), HelpPages::guide());
}
