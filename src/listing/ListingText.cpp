#include "listing/ListingText.h"

#include "Revision.h"

namespace ListingText {

QString rowNumber(int n) { return QString::number(n).rightJustified(5, QLatin1Char(' ')) + QLatin1Char(' '); }

QString credit() { return QStringLiteral("Liste établie avec KVR_ZEL Revision") + Revision::text(); }

} // namespace ListingText
