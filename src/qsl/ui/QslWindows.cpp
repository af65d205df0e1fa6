#include "qsl/ui/QslWindows.h"

#include "kit/ui/AppContext.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "qsl/ui/MultiQslWindow.h"
#include "qsl/ui/PendingQslWindow.h"

#include <QAction>
#include <QPointer>
#include <QPushButton>

void installQslWindows(const AppContext &context)
{
    if (QAction *pending = context.items.Mnu_QSL_A_Recevoir) {
        // Made on first use, brought to the front while open, made afresh once closed.
        QObject::connect(pending, &QAction::triggered, context.mainWindow,
                         [context, window = QPointer<PendingQslWindow>()]() mutable {
                             if (!window)
                                 window = new PendingQslWindow(context, context.mainWindow);
                             window->open();
                         });
    }
    QPushButton *button = context.items.QSL;
    if (!button)
        return;
    LogSession *session = &context.session;
    Messages *messages = &context.messages;
    QWidget *parent = context.mainWindow;
    QObject::connect(button, &QPushButton::clicked, parent,
                     [session, messages, parent, window = QPointer<MultiQslWindow>()]() mutable {
                         // The callsign of the QSO selected in the main list (none: empty).
                         const QsoRecord selected = QsoRecord::fromListLine(session->listLine(session->selectedRow()));
                         if (!window)
                             window = new MultiQslWindow(*session, *messages, parent);
                         window->open(selected.field(QsoRecord::Indicatif).trimmed());
                     });
}
