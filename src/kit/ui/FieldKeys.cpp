#include "kit/ui/FieldKeys.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

FieldKeys::FieldKeys(QObject *parent) : QObject(parent) {}

void FieldKeys::watch(QWidget *field, bool capitals)
{
    m_fields.append(field);
    if (!capitals)
        m_asTyped.append(field);
    field->installEventFilter(this);
    if (auto *combo = qobject_cast<QComboBox *>(field); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(this);
}

QWidget *FieldKeys::fieldOf(QObject *watched) const
{
    for (QWidget *f : m_fields) {
        if (watched == f)
            return f;
        if (auto *combo = qobject_cast<QComboBox *>(f); combo && watched == combo->lineEdit())
            return f;
    }
    return nullptr;
}

bool FieldKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    QWidget *field = fieldOf(watched);
    if (!field)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        emit enterPressed(field);
        return true;
    }
    emit keyPressed(field);
    const QString text = key->text();
    const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    // Alt + a letter that opened no menu types nothing either.
    if ((key->modifiers() & Qt::AltModifier) && !(key->modifiers() & Qt::ControlModifier) && !text.isEmpty()
        && text.at(0).isPrint())
        return true;
    if (shortcut || text.isEmpty() || !text.at(0).isPrint())
        return false;
    emit typing(field);

    auto *combo = qobject_cast<QComboBox *>(field);
    QLineEdit *edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(field);
    if (!edit || text.size() != 1)
        return false;
    const QChar c = text.at(0);
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z') && !m_asTyped.contains(field)) {
        edit->insert(text.toUpper());
        return true;
    }
    if (m_slashAsUnderscore && c == QLatin1Char('/')) {
        edit->insert(QStringLiteral("_"));
        return true;
    }
    return false;
}
