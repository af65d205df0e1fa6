#pragma once

#include <QString>

// The words every listing of the log shares, whichever window lists it: the row
// numbers in front of the entries and the credit line at its foot.
namespace ListingText {

// A row number right-aligned in 5 characters, then one blank.
QString rowNumber(int n);

// The line at the foot of every saved or printed listing (without its indent).
QString credit();

} // namespace ListingText
