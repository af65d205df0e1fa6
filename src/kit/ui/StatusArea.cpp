#include "kit/ui/StatusArea.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>

StatusArea::StatusArea(QStatusBar *bar) : QObject(bar), m_bar(bar)
{
    m_bar->hide();
}

QWidget *StatusArea::addPlace(const QString &objectName, int stretch)
{
    auto *place = new QWidget;
    place->setObjectName(objectName);
    auto *row = new QHBoxLayout(place);
    row->setContentsMargins(0, 0, 0, 0);
    place->hide();
    m_bar->addWidget(place, stretch);
    // addWidget shows what it is given: the place waits hidden until its room speaks.
    place->hide();
    place->installEventFilter(this);
    m_places.append(place);
    return place;
}

QLabel *StatusArea::captionedValue(QWidget *place, const QString &caption, const QString &valueName)
{
    if (auto *value = place->findChild<QLabel *>(valueName, Qt::FindDirectChildrenOnly))
        return value;
    auto *row = static_cast<QHBoxLayout *>(place->layout());
    auto *label = new QLabel(caption, place);
    auto *value = new QLabel(place);
    value->setObjectName(valueName);
    label->setBuddy(value);
    row->addWidget(label);
    row->addWidget(value);
    row->addStretch(1);
    return value;
}

bool StatusArea::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
        update();
    return QObject::eventFilter(watched, event);
}

void StatusArea::update()
{
    if (!m_bar)
        return;
    bool shown = false;
    for (const QPointer<QWidget> &place : m_places)
        shown = shown || (place && !place->isHidden());
    m_bar->setVisible(shown);
}
