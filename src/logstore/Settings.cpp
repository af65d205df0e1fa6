#include "logstore/Settings.h"

#include <QSettings>

Settings::Settings()
    : m_store(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                          QStringLiteral("ZEL"), QStringLiteral("ZEL")))
{
}

Settings::Settings(const QString &iniPath)
    : m_store(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

Settings::~Settings() = default;

QString Settings::read(const QString &section, const QString &key, const QString &defaultValue) const
{
    return m_store->value(section + QLatin1Char('/') + key, defaultValue).toString();
}

void Settings::write(const QString &section, const QString &key, const QString &value)
{
    const QString name = section + QLatin1Char('/') + key;
    // Start-up writes the same values every time: an unchanged value costs no disk sync.
    const QVariant stored = m_store->value(name);
    if (stored.isValid() && stored.toString() == value)
        return;
    m_store->setValue(name, value);
    m_store->sync();
}

QString Settings::stationCallsign() const
{
    return read(CommonSection, KeyCallsign, DefaultCallsign);
}

int Settings::position(const QString &callsign, const QString &key) const
{
    bool ok = false;
    const int v = read(stationSection(callsign), key, QStringLiteral("0")).trimmed().toInt(&ok);
    return ok ? v : 0;
}

void Settings::writePosition(const QString &callsign, const QString &key, int position)
{
    write(stationSection(callsign), key, QString::number(qint16(position)));
}

QString Settings::fileName() const { return m_store->fileName(); }
