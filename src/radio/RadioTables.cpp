#include "radio/RadioTables.h"

#include <QLocale>

namespace RadioTables {

QString frequencyText(double hertz)
{
    QLocale french(QLocale::French, QLocale::France);
    french.setNumberOptions(QLocale::OmitGroupSeparator);
    return french.toString(hertz / 1e6, 'f', 3) + QStringLiteral(" MHz");
}

} // namespace RadioTables
