#include "logstore/Settings.h"

#include <QDir>
#include <QSettings>

Settings::Settings() : m_store(makeStore()) {}

Settings::Settings(const QString &iniPath) : m_iniPath(iniPath), m_store(makeStore()) {}

std::unique_ptr<QSettings> Settings::makeStore() const
{
    if (m_iniPath.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("ZEL"), QStringLiteral("ZEL"));
    return std::make_unique<QSettings>(m_iniPath, QSettings::IniFormat);
}

Settings::~Settings() = default;

QString Settings::read(const QString &section, const QString &key, const QString &defaultValue) const
{
    return m_store->value(section + QLatin1Char('/') + key, defaultValue).toString();
}

AtomicFile::Result Settings::write(const QString &section, const QString &key, const QString &value)
{
    // The store's status keeps its first error for good: start from a fresh one
    // so that each write is judged on its own.
    if (m_store->status() != QSettings::NoError)
        m_store = makeStore();
    const QString name = section + QLatin1Char('/') + key;
    // Start-up writes the same values every time: an unchanged value costs no disk sync.
    const QVariant stored = m_store->value(name);
    if (stored.isValid() && stored.toString() == value)
        return {};
    m_store->setValue(name, value);
    m_store->sync();
    // A format error only says that part of the file could not be read back;
    // the write itself went through.
    if (m_store->status() != QSettings::AccessError)
        return {};
    return {false, QStringLiteral("Les réglages n'ont pas pu être enregistrés dans %1 : le fichier ou "
                                  "son dossier est protégé en écriture.")
                       .arg(QDir::toNativeSeparators(m_store->fileName()))};
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

AtomicFile::Result Settings::writePosition(const QString &callsign, const QString &key, int position)
{
    return write(stationSection(callsign), key, QString::number(qint16(position)));
}

QString Settings::fileName() const { return m_store->fileName(); }
