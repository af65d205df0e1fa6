#include "radio/RadioTables.h"

#include "logstore/QsoLabels.h"

#include <QLocale>

namespace {

struct BandEdges
{
    double lowMHz;
    double highMHz;
    int position; // in the band list
};

// The band edges of the twelve bands of the log, both edges included: the ADIF
// bands, but for 70 cm, taken from 430 to 440 MHz, where the award's stations work.
constexpr BandEdges kBands[] = {
    {1.8, 2.0, 0},      {3.5, 4.0, 1},     {7.0, 7.3, 2},      {10.1, 10.15, 3},
    {14.0, 14.35, 4},   {18.068, 18.168, 5}, {21.0, 21.45, 6}, {24.89, 24.99, 7},
    {28.0, 29.7, 8},    {50.0, 54.0, 9},   {144.0, 148.0, 10}, {430.0, 440.0, 11},
};

} // namespace

namespace RadioTables {

QString band(double hertz)
{
    // Whole hertz, so that an edge typed on the radio is inside its band.
    const qint64 hz = qRound64(hertz);
    for (const BandEdges &b : kBands) {
        if (hz >= qRound64(b.lowMHz * 1e6) && hz <= qRound64(b.highMHz * 1e6))
            return QsoLabels::bands().at(b.position);
    }
    return {};
}

QString mode(const QString &hamlibMode)
{
    // Data modes (PKTUSB, RTTY...) are not phone: the operator says what they were.
    const QString m = hamlibMode.trimmed().toUpper();
    if (m == QLatin1String("USB") || m == QLatin1String("LSB"))
        return QStringLiteral("SSB");
    if (m == QLatin1String("CW") || m == QLatin1String("CWR"))
        return QStringLiteral("CW");
    if (m == QLatin1String("FM") || m == QLatin1String("FMN") || m == QLatin1String("WFM"))
        return QStringLiteral("FM");
    return {};
}

QString frequencyText(double hertz)
{
    QLocale french(QLocale::French, QLocale::France);
    french.setNumberOptions(QLocale::OmitGroupSeparator);
    return french.toString(hertz / 1e6, 'f', 3) + QStringLiteral(" MHz");
}

} // namespace RadioTables
