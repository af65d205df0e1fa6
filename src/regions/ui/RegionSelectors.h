#pragma once

#include <QString>

class QComboBox;
class QWidget;

// The band and mode selectors of the two tally windows: editable lists holding
// "Toutes" and the 12 bands, and the modes "SSB" and "CW" (the tally has no entry
// for FM).
namespace RegionSelectors {
QComboBox *bandSelector(QWidget *parent);
QComboBox *modeSelector(QWidget *parent);
// Empties and refills them, as each window's start-up does.
void fill(QComboBox *band, QComboBox *mode);
// Selects an entry without touching the typed text otherwise.
void select(QComboBox *combo, int index);
}
