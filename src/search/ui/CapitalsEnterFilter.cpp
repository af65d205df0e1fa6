#include "search/ui/CapitalsEnterFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

CapitalsEnterFilter::CapitalsEnterFilter(QLineEdit *edit, bool capitals, std::function<void()> onEnter)
    : QObject(edit), m_edit(edit), m_capitals(capitals), m_onEnter(std::move(onEnter))
{
    edit->installEventFilter(this);
}

bool CapitalsEnterFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (m_onEnter)
            m_onEnter();
        return true;
    }
    if (m_capitals && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        const QString text = key->text();
        if (text.size() == 1 && text.at(0) >= QLatin1Char('a') && text.at(0) <= QLatin1Char('z')) {
            m_edit->insert(text.toUpper());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
