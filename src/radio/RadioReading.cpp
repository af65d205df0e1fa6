#include "radio/RadioReading.h"

#include "logstore/BandPlan.h"
#include "radio/RadioTables.h"

#include <QStringList>

QString RadioReading::band() const { return ok ? BandPlan::labelOfHertz(qRound64(hertz)) : QString(); }

QString RadioReading::entryMode() const { return ok ? ModeMap::logMode(QStringView(mode)) : QString(); }

QString RadioReading::statusText() const
{
    if (!ok)
        return Unreachable;
    QString text = RadioTables::frequencyText(hertz);
    if (!mode.isEmpty())
        text += QLatin1Char(' ') + mode;
    QStringList left;
    if (band().isEmpty())
        left << QStringLiteral("fréquence hors des bandes du log, QRG non reprise");
    if (entryMode().isEmpty())
        left << QStringLiteral("mode non repris");
    if (!left.isEmpty())
        text += QStringLiteral(" (") + left.join(QStringLiteral(" ; ")) + QLatin1Char(')');
    return text;
}

QString RadioReading::testText() const
{
    if (!ok)
        return Unreachable + QStringLiteral(" : ") + error;
    return statusText();
}
