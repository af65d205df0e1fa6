#include "search/ui/SearchWindows.h"

#include "kit/ui/AppContext.h"
#include "search/ui/SearchWindow.h"

#include <QPointer>
#include <QPushButton>

void installSearchWindows(const AppContext &context)
{
    QPushButton *button = context.items.Recherche;
    if (!button)
        return;
    LogSession *session = &context.session;
    Messages *messages = &context.messages;
    QWidget *parent = context.mainWindow;
    QObject::connect(button, &QPushButton::clicked, parent,
                     [session, messages, parent, window = QPointer<SearchWindow>()]() mutable {
                         if (!window)
                             window = new SearchWindow(*session, *messages, parent);
                         window->open();
                     });
}
