#include "app/ui/WindowRoles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

// Qt reads a plain widget as a filler; while it is a window it reads as one.
class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(QWidget *widget) : QAccessibleWidget(widget) {}

    QAccessible::Role role() const override
    {
        if (widget()->isWindow()) {
            switch (widget()->windowType()) {
            case Qt::Window:
                return QAccessible::Window;
            case Qt::Dialog:
                return QAccessible::Dialog;
            default:
                break;
            }
        }
        return QAccessibleWidget::role();
    }
};

QAccessibleInterface *windowRole(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    // Asked once per class of the object, most derived first: answer the first
    // time only, and only for the program's own classes made straight from
    // QWidget; Qt's widgets (whose names start with Q) have their own readers.
    const QMetaObject *meta = object->metaObject();
    if (className != QLatin1String(meta->className()) || className.startsWith(QLatin1Char('Q'))
        || meta->superClass() != &QWidget::staticMetaObject)
        return nullptr;
    return new WindowAccessible(static_cast<QWidget *>(object));
}

} // namespace

void installWindowRoles()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(windowRole);
}
