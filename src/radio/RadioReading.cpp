#include "radio/RadioReading.h"

#include "logstore/BandPlan.h"
#include "radio/RadioTables.h"


QString RadioReading::band() const { return ok ? BandPlan::labelOfHertz(qRound64(hertz)) : QString(); }

QString RadioReading::entryMode() const { return ok ? ModeMap::logMode(QStringView(mode)) : QString(); }

QString RadioReading::statusText() const
{
    if (!ok)
        return unreachable();
    QString text = RadioTables::frequencyText(hertz);
    if (!mode.isEmpty())
        text += QLatin1Char(' ') + mode;
    const bool noBand = band().isEmpty();
    const bool noMode = entryMode().isEmpty();
    if (noBand && noMode)
        return tr("%1 (fréquence hors des bandes du log, QRG non reprise ; mode non repris)").arg(text);
    if (noBand)
        return tr("%1 (fréquence hors des bandes du log, QRG non reprise)").arg(text);
    if (noMode)
        return tr("%1 (mode non repris)").arg(text);
    return text;
}

QString RadioReading::unreachable() { return tr("Poste radio non joignable"); }

QString RadioReading::testText() const
{
    if (!ok)
        return tr("Poste radio non joignable : %1").arg(error);
    return statusText();
}
