#pragma once

#include <QString>

// How the radio's values are shown. Bands and modes come from the log's one band
// plan and mode map (logstore/BandPlan.h), never from here.
namespace RadioTables {

// The frequency as the operator reads it: "14,205 MHz".
QString frequencyText(double hertz);

} // namespace RadioTables
