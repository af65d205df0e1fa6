#include "kit/ui/WindowKeys.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

WindowKeys::WindowKeys(QWidget *window, Escape escape) : QObject(window), m_window(window), m_escape(escape) {}

WindowKeys *WindowKeys::install(QWidget *window, Escape escape)
{
    // A table moves from cell to cell on Tab by default, which traps the keyboard in it.
    const auto views = window->findChildren<QAbstractItemView *>();
    for (QAbstractItemView *view : views)
        view->setTabKeyNavigation(false);
    auto *keys = new WindowKeys(window, escape);
    window->installEventFilter(keys);
    return keys;
}

bool WindowKeys::eventFilter(QObject *watched, QEvent *event)
{
    // Keys come here only when no control of the window took them: a field that
    // answers Enter or a list that answers the arrows keeps its own keys.
    if (watched != m_window || event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::NoModifier)
        return false;
    if (key->key() == Qt::Key_Escape && m_escape == Escape::Closes) {
        // The keyboard goes back to the window this one was opened from.
        QWidget *back = m_window->parentWidget() ? m_window->parentWidget()->window() : nullptr;
        if (m_window->close() && back && back->isVisible())
            back->activateWindow();
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        auto *button = qobject_cast<QPushButton *>(m_window->focusWidget());
        if (button && button->isEnabled() && button->isVisible()) {
            button->click();
            return true;
        }
    }
    return false;
}
