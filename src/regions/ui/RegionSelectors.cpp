#include "regions/ui/RegionSelectors.h"

#include "logstore/QsoLabels.h"

#include <QComboBox>
#include <QLineEdit>

namespace {
QComboBox *selector(QWidget *parent, const char *name, const QString &accessibleName)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->setEditable(true);
    // Typed text stays in the field; it never becomes a new entry.
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setAccessibleName(accessibleName);
    return c;
}
} // namespace

QComboBox *RegionSelectors::bandSelector(QWidget *parent)
{
    return selector(parent, "Bande_A", QStringLiteral("Bande"));
}

QComboBox *RegionSelectors::modeSelector(QWidget *parent)
{
    return selector(parent, "Mode_AX", QStringLiteral("Mode"));
}

void RegionSelectors::fill(QComboBox *band, QComboBox *mode)
{
    band->clear();
    band->addItems(QsoLabels::bandsWithAll());
    mode->clear();
    mode->addItems(QsoLabels::modes().mid(0, 2));
}

void RegionSelectors::select(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    combo->setEditText(combo->itemText(index));
}
