#include "logstore/BandPlan.h"

#include "logstore/QsoLabels.h"

#include <QByteArray>

#include <cmath>
#include <cstring>
#include <iterator>

namespace {

constexpr qint64 kHz = 1000;
constexpr qint64 MHz = 1000 * kHz;

// ADIF's band table, by frequency; the twelve bands of the log carry their position
// in the band list. 70 cm is ADIF's 420-450 MHz: the log's "432 Mhz".
constexpr BandPlan::Band kBands[] = {
    {"2190m", 135700, 137800, -1},
    {"630m", 472 * kHz, 479 * kHz, -1},
    {"560m", 501 * kHz, 504 * kHz, -1},
    {"160m", 1800 * kHz, 2000 * kHz, 0},
    {"80m", 3500 * kHz, 4000 * kHz, 1},
    {"60m", 5060 * kHz, 5450 * kHz, -1},
    {"40m", 7000 * kHz, 7300 * kHz, 2},
    {"30m", 10100 * kHz, 10150 * kHz, 3},
    {"20m", 14000 * kHz, 14350 * kHz, 4},
    {"17m", 18068 * kHz, 18168 * kHz, 5},
    {"15m", 21000 * kHz, 21450 * kHz, 6},
    {"12m", 24890 * kHz, 24990 * kHz, 7},
    {"10m", 28000 * kHz, 29700 * kHz, 8},
    {"8m", 40 * MHz, 45 * MHz, -1},
    {"6m", 50 * MHz, 54 * MHz, 9},
    {"5m", 54 * MHz + 1, 69900 * kHz, -1},
    {"4m", 70 * MHz, 71 * MHz, -1},
    {"2m", 144 * MHz, 148 * MHz, 10},
    {"1.25m", 222 * MHz, 225 * MHz, -1},
    {"70cm", 420 * MHz, 450 * MHz, 11},
    {"33cm", 902 * MHz, 928 * MHz, -1},
    {"23cm", 1240 * MHz, 1300 * MHz, -1},
    {"13cm", 2300 * MHz, 2450 * MHz, -1},
    {"9cm", 3300 * MHz, 3500 * MHz, -1},
    {"6cm", 5650 * MHz, 5925 * MHz, -1},
    {"3cm", 10000 * MHz, 10500 * MHz, -1},
    {"1.25cm", 24000 * MHz, 24250 * MHz, -1},
    {"6mm", 47000 * MHz, 47200 * MHz, -1},
    {"4mm", 75500 * MHz, 81000 * MHz, -1},
    {"2.5mm", 119980 * MHz, 123000 * MHz, -1},
    {"2mm", 134000 * MHz, 149000 * MHz, -1},
    {"1mm", 241000 * MHz, 250000 * MHz, -1},
    {"submm", 300000 * MHz, 7500000 * MHz, -1},
};

struct Segment
{
    qint64 lowHz;
    qint64 highHz;
};

// IARU Region 1: the telegraphy part of each of the twelve bands.
constexpr Segment kCwParts[] = {
    {1810 * kHz, 1838 * kHz},     {3500 * kHz, 3570 * kHz},     {7000 * kHz, 7040 * kHz},
    {10100 * kHz, 10130 * kHz},   {14000 * kHz, 14070 * kHz},   {18068 * kHz, 18095 * kHz},
    {21000 * kHz, 21070 * kHz},   {24890 * kHz, 24915 * kHz},   {28000 * kHz, 28070 * kHz},
    {50000 * kHz, 50100 * kHz},   {144000 * kHz, 144150 * kHz}, {432000 * kHz, 432100 * kHz},
};

// IARU Region 1: the FM channels of 2 m and 70 cm (repeaters and simplex).
constexpr Segment kFmParts[] = {
    {145000 * kHz, 145800 * kHz},
    {430000 * kHz, 432000 * kHz},
    {433000 * kHz, 434600 * kHz},
};

constexpr qint64 SidebandEdge = 10 * MHz;

const BandPlan::Band *bandOf(qint64 hertz)
{
    for (const BandPlan::Band &b : kBands) {
        if (hertz >= b.lowHz && hertz <= b.highHz)
            return &b;
    }
    return nullptr;
}

template<std::size_t N>
bool within(const Segment (&parts)[N], qint64 hertz)
{
    for (const Segment &s : parts) {
        if (hertz >= s.lowHz && hertz <= s.highHz)
            return true;
    }
    return false;
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool sameAdifName(QByteArrayView text, const char *adif)
{
    const std::size_t n = std::strlen(adif);
    if (std::size_t(text.size()) != n)
        return false;
    for (std::size_t i = 0; i < n; ++i) {
        if (lower(text[qsizetype(i)]) != adif[i])
            return false;
    }
    return true;
}

QByteArray latin1(QStringView text)
{
    // Band and mode names are ASCII; anything else simply matches nothing.
    return text.toLatin1();
}

QByteArrayView adifOfPosition(int position)
{
    for (const BandPlan::Band &b : kBands) {
        if (b.position == position)
            return QByteArrayView(b.adif);
    }
    return {};
}

// A label of up to eight bytes as one number (zero for any other): the export asks
// for the band of every QSO, and nearly all of them carry one of the twelve labels,
// which are then found with one comparison each instead of a text comparison.
quint64 labelKey(QByteArrayView label)
{
    if (label.isEmpty() || label.size() > 8)
        return 0;
    char bytes[8] = {};
    std::memcpy(bytes, label.data(), size_t(label.size()));
    quint64 key;
    std::memcpy(&key, bytes, 8);
    return key;
}

// The twelve labels as the log stores them (Latin-1), in list order, as numbers,
// with their ADIF band.
struct StoredLabels
{
    quint64 keys[12] = {};
    qsizetype sizes[12] = {}; // a label padded with zero bytes is not the label
    QByteArrayView adif[12];
    int count = 0;
};

const StoredLabels &storedLabels()
{
    static const StoredLabels labels = [] {
        StoredLabels out;
        const QStringList bands = QsoLabels::bands();
        for (int i = 0; i < bands.size() && i < int(std::size(out.keys)); ++i) {
            out.keys[i] = labelKey(bands.at(i).toLatin1());
            out.sizes[i] = bands.at(i).size();
            out.adif[i] = adifOfPosition(i);
            out.count = i + 1;
        }
        return out;
    }();
    return labels;
}

// A label typed by hand, read as a band name, a frequency or a round band name.
QByteArrayView adifOfHandLabel(QByteArrayView label)
{
    QByteArray key;
    key.reserve(label.size());
    for (const char c : label) {
        if (c != ' ' && c != '\t')
            key.append(c == ',' ? '.' : lower(c));
    }
    if (key.isEmpty())
        return {};
    for (const BandPlan::Band &b : kBands) {
        if (key == b.adif)
            return QByteArrayView(b.adif);
    }
    double scale = 1.0;
    if (key.endsWith("khz")) {
        scale = 0.001;
        key.chop(3);
    } else if (key.endsWith("ghz")) {
        scale = 1000.0;
        key.chop(3);
    } else {
        // "Mhz", or the part of it the seven columns of the log leave ("1296 MH").
        for (const char *unit : {"mhz", "mh", "m"}) {
            if (key.endsWith(unit)) {
                key.chop(qsizetype(std::strlen(unit)));
                break;
            }
        }
    }
    bool ok = false;
    const double mhz = key.toDouble(&ok) * scale;
    if (!ok || !(mhz > 0) || !std::isfinite(mhz) || mhz > 1e7)
        return {};
    if (const BandPlan::Band *b = bandOf(qRound64(mhz * double(MHz))))
        return QByteArrayView(b->adif);
    for (const BandPlan::Band &b : kBands) {
        const double whole = std::floor(double(b.lowHz) / double(MHz));
        if (whole >= 1 && mhz == whole)
            return QByteArrayView(b.adif);
    }
    return {};
}

} // namespace

namespace BandPlan {

const Band *bands(int *count)
{
    if (count)
        *count = int(std::size(kBands));
    return kBands;
}

int positionOfHertz(qint64 hertz)
{
    const Band *b = bandOf(hertz);
    return b ? b->position : -1;
}

QString labelOfHertz(qint64 hertz)
{
    const int position = positionOfHertz(hertz);
    return position < 0 ? QString() : QsoLabels::bands().at(position);
}

QString adifOfHertz(qint64 hertz)
{
    const Band *b = bandOf(hertz);
    return b ? QString::fromLatin1(b->adif) : QString();
}

int positionOfAdif(QByteArrayView adifBand)
{
    for (const Band &b : kBands) {
        if (b.position >= 0 && sameAdifName(adifBand, b.adif))
            return b.position;
    }
    return -1;
}

int positionOfAdif(QStringView adifBand) { return positionOfAdif(QByteArrayView(latin1(adifBand))); }

QString labelOfAdif(QStringView adifBand)
{
    const int position = positionOfAdif(adifBand);
    return position < 0 ? QString() : QsoLabels::bands().at(position);
}

QByteArrayView adifOfLabel(QByteArrayView latin1Label)
{
    const StoredLabels &labels = storedLabels();
    if (const quint64 key = labelKey(latin1Label)) {
        for (int i = 0; i < labels.count; ++i) {
            if (key == labels.keys[i] && latin1Label.size() == labels.sizes[i])
                return labels.adif[i];
        }
    }
    return adifOfHandLabel(latin1Label);
}

QString adifOfLabel(QStringView label)
{
    const QByteArray bytes = latin1(label);
    return QString::fromLatin1(adifOfLabel(QByteArrayView(bytes)));
}

int positionOfTyped(QStringView typed)
{
    return QsoLabels::typedIndex(QsoLabels::bands(), typed.toString());
}

QString labelOfTyped(QStringView typed)
{
    const int position = positionOfTyped(typed);
    return position < 0 ? QString() : QsoLabels::bands().at(position);
}

QString sideband(qint64 hertz)
{
    return hertz < SidebandEdge ? QStringLiteral("LSB") : QStringLiteral("USB");
}

QString likelyMode(qint64 hertz)
{
    if (positionOfHertz(hertz) >= 0) {
        if (within(kCwParts, hertz))
            return QStringLiteral("CW");
        if (within(kFmParts, hertz))
            return QStringLiteral("FM");
    }
    return QStringLiteral("SSB");
}

int bandOfLabel(QByteArrayView latin1Label)
{
    const QByteArrayView adif = adifOfLabel(latin1Label);
    if (adif.isEmpty())
        return -1;
    int count = 0;
    const Band *all = bands(&count);
    for (int i = 0; i < count; ++i) {
        if (adif.compare(QByteArrayView(all[i].adif), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace BandPlan

namespace ModeMap {

QString logMode(QByteArrayView name)
{
    QByteArray m = name.trimmed().toByteArray().toUpper();
    if (m == "SSB" || m == "USB" || m == "LSB")
        return QStringLiteral("SSB");
    if (m == "CW" || m == "CWR" || m == "PCW")
        return QStringLiteral("CW");
    if (m == "FM" || m == "FMN" || m == "WFM")
        return QStringLiteral("FM");
    return {};
}

QString logMode(QStringView name)
{
    const QByteArray bytes = latin1(name);
    return logMode(QByteArrayView(bytes));
}

QString radioMode(QStringView logMode, qint64 hertz)
{
    if (logMode == QLatin1String("SSB"))
        return BandPlan::sideband(hertz);
    if (logMode == QLatin1String("CW"))
        return QStringLiteral("CW");
    if (logMode == QLatin1String("FM"))
        return QStringLiteral("FM");
    return {};
}

} // namespace ModeMap
