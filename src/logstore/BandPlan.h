#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The one band plan of the logbook: the twelve bands of the log (their labels, their
// ADIF names and their edges in hertz, ADIF's own edges, both included), ADIF's other
// bands for labels an operator typed by hand, and for the twelve the parts of IARU
// Region 1's plan that tell a likely mode from a frequency alone. The radio, the ADIF
// import and export, the confirmations and the cluster spots all ask it.
namespace BandPlan {

struct Band
{
    const char *adif; // ADIF band name, in ADIF's own small letters: "20m", "70cm"
    qint64 lowHz;
    qint64 highHz;
    int position; // in the log's band list (QsoLabels::bands()), -1 for ADIF's others
};

// Every ADIF band, by frequency; `count` receives how many.
const Band *bands(int *count);

// The position in the log's band list of a frequency, or -1 outside the twelve bands.
int positionOfHertz(qint64 hertz);
// The log's label of a frequency ("14 Mhz"), empty outside the twelve bands.
QString labelOfHertz(qint64 hertz);
// The ADIF band of a frequency, among all of ADIF's ("60m"), empty outside them.
QString adifOfHertz(qint64 hertz);

// An ADIF band name in any case ("20M", "70cm") as the log's position, or -1 when
// it is none of the twelve.
int positionOfAdif(QByteArrayView adifBand);
int positionOfAdif(QStringView adifBand);
// The log's label of an ADIF band name, empty when it is none of the twelve.
QString labelOfAdif(QStringView adifBand);

// The ADIF band of a band label as the log holds it: one of the twelve labels, or a
// label typed by hand, read as an ADIF band name ("20m", "70 CM"), a frequency in a
// band ("14.2", "1296 MHZ", "1296 MH" as seven columns cut it, "145"), or a band's
// usual round name below its lower edge ("5 Mhz" for 60m). Case and blanks do not
// count; MHz unless the text says kHz or GHz. Empty: no band.
QByteArrayView adifOfLabel(QByteArrayView latin1Label);
QString adifOfLabel(QStringView label);

// The index in bands() of a band label as the log holds it (through adifOfLabel),
// or -1 when it names no band: how a confirmation's band is compared with a QSO's.
int bandOfLabel(QByteArrayView latin1Label);

// The position of a label typed in any case and spelling ("14", "14 mhz", "7"), or -1.
int positionOfTyped(QStringView typed);
// The same, as the log's label ("14 Mhz"); empty when it names none of the twelve.
QString labelOfTyped(QStringView typed);

// The sideband in use at a frequency: "LSB" below 10 MHz, "USB" from there up.
QString sideband(qint64 hertz);
// The log's likely mode at a frequency: "CW" in a band's CW part, "FM" in the FM
// part of 2 m and 70 cm, else "SSB" (also outside the twelve bands).
QString likelyMode(qint64 hertz);

} // namespace BandPlan

// The one map between the radio's and ADIF's mode names and the log's three modes.
namespace ModeMap {

// A Hamlib or ADIF mode or submode name in any case as the log's mode: "USB", "LSB"
// and "SSB" → "SSB"; "CW", "CWR" and "PCW" → "CW"; "FM", "FMN" and "WFM" → "FM".
// Empty for every other mode (data modes, AM...), which the operator says himself.
QString logMode(QStringView name);
QString logMode(QByteArrayView latin1Name);

// The radio's mode (Hamlib name) for the log's mode at a frequency: SSB → LSB or USB
// by the band plan, CW → CW, FM → FM; empty for anything else.
QString radioMode(QStringView logMode, qint64 hertz);

} // namespace ModeMap
