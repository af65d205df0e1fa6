#include "radio/RadioConfig.h"

#include "logstore/Settings.h"

#include <QDir>

#include <algorithm>

namespace {

const QString kYes = QStringLiteral("Oui");
const QString kNo = QStringLiteral("Non");
const QString kSerial = QStringLiteral("Serie");
const QString kNetwork = QStringLiteral("Reseau");

// A whole number within [low, high]; false for anything else.
bool number(const QString &text, int low, int high, int *out)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < low || v > high)
        return false;
    *out = v;
    return true;
}

} // namespace

RadioConfig RadioConfig::load(const Settings &settings)
{
    const RadioConfig off;
    auto value = [&](const QString &key, const QString &fallback) {
        return settings.read(Section, key, fallback);
    };
    const QString enabled = value(KeyEnabled, kNo);
    if (enabled != kYes && enabled != kNo)
        return off;
    RadioConfig c;
    c.enabled = enabled == kYes;
    const QString link = value(KeyLink, kNetwork);
    if (link == kSerial)
        c.link = Link::Serial;
    else if (link == kNetwork)
        c.link = Link::Network;
    else
        return off;
    c.serialPort = value(KeySerialPort, QString());
    c.host = value(KeyHost, c.host).trimmed();
    if (!number(value(KeyModel, QString::number(c.model)), 1, 999999, &c.model)
        || !number(value(KeySpeed, QString::number(c.speed)), 50, 10000000, &c.speed)
        || !number(value(KeyPort, QString::number(c.port)), 1, 65535, &c.port))
        return off;
    // An empty serial port is left to rigctld, which says so when it starts (the
    // dummy radio needs none).
    if (c.link == Link::Network && c.host.isEmpty())
        return off;
    return c;
}

QString RadioConfig::save(Settings &settings) const
{
    const QList<QPair<QString, QString>> values{
        {KeyEnabled, enabled ? kYes : kNo},
        {KeyModel, QString::number(model)},
        {KeyLink, link == Link::Serial ? kSerial : kNetwork},
        {KeySerialPort, serialPort},
        {KeySpeed, QString::number(speed)},
        {KeyHost, host},
        {KeyPort, QString::number(port)},
    };
    const AtomicFile::Result r = settings.write(Section, values);
    return r.ok ? QString() : r.error;
}

bool RadioConfig::operator==(const RadioConfig &o) const
{
    return enabled == o.enabled && model == o.model && link == o.link && serialPort == o.serialPort
        && speed == o.speed && host == o.host && port == o.port;
}

QStringList RadioConfig::serialPorts()
{
    QStringList out;
    // Names that stay the same whatever order the adapters were plugged in come first.
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo &f : byId.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
        out << f.absoluteFilePath();
    const QDir dev(QStringLiteral("/dev"));
    for (const char *pattern : {"ttyUSB*", "ttyACM*", "ttyS*"}) {
        const QStringList names =
            dev.entryList({QLatin1String(pattern)}, QDir::System | QDir::Files, QDir::Name);
        QStringList sorted = names;
        // ttyS2 before ttyS10.
        std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
            return a.size() != b.size() ? a.size() < b.size() : a < b;
        });
        for (const QString &n : sorted)
            out << dev.filePath(n);
    }
    return out;
}
