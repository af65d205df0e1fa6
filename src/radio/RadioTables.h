#pragma once

#include <QString>

// What the logbook makes of what the radio says: the band label of a frequency and
// the entry mode of a Hamlib mode name. Empty when the logbook has no such label.
namespace RadioTables {

// The band label ("14 Mhz") of a frequency in hertz, from the ADIF band edges.
QString band(double hertz);
// "SSB", "CW" or "FM" for the radio's mode as Hamlib names it ("USB", "CWR"...).
QString mode(const QString &hamlibMode);
// The frequency as the operator reads it: "14,205 MHz".
QString frequencyText(double hertz);

} // namespace RadioTables
