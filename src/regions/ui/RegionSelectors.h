#pragma once

#include <QCoreApplication>
#include <QString>

class QComboBox;
class QWidget;

// The band and mode selectors of the two tally windows: editable lists holding
// "Toutes" and the 12 bands, and the modes "SSB" and "CW" (the tally has no entry
// for FM). Each entry carries the log's own label as its data: "Toutes" is shown
// in the operator's language, and the tally still receives "Toutes".
namespace RegionSelectors {
QComboBox *bandSelector(QWidget *parent);
QComboBox *modeSelector(QWidget *parent);
// Empties and refills them, as each window's start-up does.
void fill(QComboBox *band, QComboBox *mode);
// Selects an entry without touching the typed text otherwise.
void select(QComboBox *combo, int index);
// The label the selector stands for: the data of the entry its text shows, or the
// text as typed when it shows none.
QString chosen(const QComboBox *combo);
// A band label as the windows show it: "Toutes" in the operator's language, a band as it is.
QString shownBand(const QString &band);
}
