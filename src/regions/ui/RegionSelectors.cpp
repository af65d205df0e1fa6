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
    return selector(parent, "Bande_A", QCoreApplication::translate("RegionSelectors", "Bande"));
}

QComboBox *RegionSelectors::modeSelector(QWidget *parent)
{
    return selector(parent, "Mode_AX", QCoreApplication::translate("RegionSelectors", "Mode"));
}

void RegionSelectors::fill(QComboBox *band, QComboBox *mode)
{
    band->clear();
    for (const QString &label : QsoLabels::bandsWithAll())
        band->addItem(shownBand(label), label);
    mode->clear();
    for (const QString &label : QsoLabels::modes().mid(0, 2))
        mode->addItem(label, label);
}

void RegionSelectors::select(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    combo->setEditText(combo->itemText(index));
}

QString RegionSelectors::chosen(const QComboBox *combo)
{
    const QString typed = combo->currentText();
    int at = combo->currentIndex();
    if (at < 0 || combo->itemText(at) != typed)
        at = combo->findText(typed, Qt::MatchExactly);
    return at >= 0 ? combo->itemData(at).toString() : typed;
}

QString RegionSelectors::shownBand(const QString &band)
{
    return band == QsoLabels::AllBands ? QCoreApplication::translate("RegionSelectors", "Toutes") : band;
}
