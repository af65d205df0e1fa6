#include "kit/ui/KeyboardUse.h"

#include "logstore/LogSession.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QKeyEvent>

namespace {

bool isEnter(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

class RowEnter : public QObject
{
public:
    RowEnter(QAbstractItemView *view, std::function<void(const QModelIndex &)> chosen)
        : QObject(view), m_view(view), m_chosen(std::move(chosen))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_view && isEnter(event)) {
            const QModelIndex index = m_view->currentIndex();
            if (index.isValid())
                m_chosen(index);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAbstractItemView *m_view;
    std::function<void(const QModelIndex &)> m_chosen;
};

} // namespace

namespace KeyboardUse {

void onRowChosen(QAbstractItemView *view, std::function<void(const QModelIndex &)> chosen)
{
    view->setTabKeyNavigation(false);
    QObject::connect(view, &QAbstractItemView::doubleClicked, view, chosen);
    view->installEventFilter(new RowEnter(view, std::move(chosen)));
}

void showInMainWindow(LogSession &session, QWidget *mainWindow, int row)
{
    if (row < 0 || row >= session.lineCount())
        return;
    session.requestSelect(row);
    if (!mainWindow)
        return;
    if (mainWindow->isMinimized())
        mainWindow->showNormal();
    mainWindow->raise();
    mainWindow->activateWindow();
}

} // namespace KeyboardUse
