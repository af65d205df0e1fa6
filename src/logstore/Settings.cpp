#include "logstore/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>

#include <cerrno>
#include <unistd.h>

Settings::Settings()
{
    setAsideIfDamaged();
}

Settings::Settings(const QString &iniPath) : m_iniPath(iniPath)
{
    setAsideIfDamaged();
}

QString Settings::storePath() const
{
    if (!m_iniPath.isEmpty())
        return m_iniPath;
    // Where the store of application "ZEL" lives (XDG_CONFIG_HOME, or ~/.config).
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/ZEL/ZEL.conf");
}

void Settings::setAsideIfDamaged()
{
    const QString path = storePath();
    const QFileInfo info(path);
    if (!info.isFile() || info.size() <= LargestStore) {
        m_store = makeStore();
        return;
    }
    const QString aside = path + QStringLiteral(".endommage");
    QFile::remove(aside);
    const bool moved = QFile::rename(path, aside);
    // The notice is worded when it is shown: the interface's language is chosen
    // after the settings are read.
    m_damaged = {path, info.size(), moved ? aside : QString()};
    if (moved)
        m_store = makeStore();
}

QString Settings::damage() const
{
    if (m_damaged.path.isEmpty())
        return {};
    QString text = QCoreApplication::translate("Settings", "Le fichier de réglages %1 est endommagé (%2 octets, bien plus que des "
                              "réglages n'en occupent) : il n'a pas été lu.")
                   .arg(QDir::toNativeSeparators(m_damaged.path))
                   .arg(m_damaged.size);
    if (!m_damaged.aside.isEmpty()) {
        text += QCoreApplication::translate("Settings", "\r\n\r\nIl est gardé sous le nom %1 et KVR_ZEL démarre comme à sa "
                                   "première installation.")
                        .arg(QDir::toNativeSeparators(m_damaged.aside));
    } else {
        text += QCoreApplication::translate("Settings", "\r\n\r\nIl n'a pas pu être mis de côté : KVR_ZEL démarre comme à sa "
                                   "première installation et ne garde ses réglages que jusqu'à sa fermeture.");
    }
    return text;
}

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
    if (!m_store)
        return defaultValue;
    return m_store->value(section + QLatin1Char('/') + key, defaultValue).toString();
}

AtomicFile::Result Settings::write(const QString &section, const QString &key, const QString &value)
{
    return write(section, {{key, value}});
}

AtomicFile::Result Settings::write(const QString &section, const QList<QPair<QString, QString>> &values)
{
    if (!m_store) {
        return {false, QCoreApplication::translate("Settings", "Les réglages n'ont pas pu être enregistrés dans %1 : le fichier "
                                      "endommagé n'a pas pu être mis de côté.")
                           .arg(QDir::toNativeSeparators(storePath()))};
    }
    // The store's status keeps its first error for good: start from a fresh one
    // so that each write is judged on its own.
    if (m_store->status() != QSettings::NoError)
        m_store = makeStore();
    // Start-up writes the same values every time: unchanged values cost no disk sync.
    // After a failed write the store still holds the values that never reached the
    // disk, so nothing is taken as unchanged until a write succeeds again.
    bool changed = m_unsaved;
    for (const auto &[key, value] : values) {
        const QString name = section + QLatin1Char('/') + key;
        const QVariant stored = m_store->value(name);
        if (!m_unsaved && stored.isValid() && stored.toString() == value)
            continue;
        m_store->setValue(name, value);
        changed = true;
    }
    if (!changed)
        return {};
    errno = 0;
    m_store->sync();
    const int why = errno;
    // A format error only says that part of the file could not be read back;
    // the write itself went through.
    m_unsaved = m_store->status() == QSettings::AccessError;
    if (!m_unsaved)
        return {};
    const QString file = QDir::toNativeSeparators(m_store->fileName());
    if (isDiskFull(why, m_store->fileName())) {
        return {false, QCoreApplication::translate("Settings", "Les réglages n'ont pas pu être enregistrés dans %1 : le disque est "
                                      "plein.")
                           .arg(file)};
    }
    return {false, QCoreApplication::translate("Settings", "Les réglages n'ont pas pu être enregistrés dans %1 : le fichier ou "
                                  "son dossier est protégé en écriture.")
                       .arg(file)};
}

bool Settings::isDiskFull(int errnoValue, const QString &file)
{
    if (errnoValue == ENOSPC || errnoValue == EDQUOT || errnoValue == EFBIG)
        return true;
    if (errnoValue == EACCES || errnoValue == EROFS || errnoValue == EPERM)
        return false;
    // The store does not always leave its reason behind: a folder that can be
    // written, on a disk without room for another copy of the file, is full.
    const QFileInfo info(file);
    const QString dir = info.absolutePath();
    if (::access(QFile::encodeName(dir).constData(), W_OK) != 0)
        return false;
    if (info.exists() && ::access(QFile::encodeName(info.absoluteFilePath()).constData(), W_OK) != 0)
        return false;
    const QStorageInfo disk(dir);
    return disk.isValid() && disk.bytesAvailable() >= 0 && disk.bytesAvailable() < info.size() + 8192;
}

QString Settings::stationCallsign() const
{
    return read(CommonSection, KeyCallsign, DefaultCallsign);
}

int Settings::position(const QString &callsign, const QString &key) const
{
    return leadingNumber(read(stationSection(callsign), key, QStringLiteral("0")));
}

int Settings::leadingNumber(const QString &text)
{
    // As the original read a number out of text: blanks first, a sign, then the
    // digits up to the first character that is not one ("4abc" is 4); no digit, 0.
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 v = 0;
    for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); ++i)
        v = qMin<qint64>(v * 10 + (text.at(i).unicode() - '0'), 1 << 20);
    return int(negative ? -v : v);
}

AtomicFile::Result Settings::writePosition(const QString &callsign, const QString &key, int position)
{
    return write(stationSection(callsign), key, QString::number(qint16(position)));
}

QString Settings::fileName() const { return m_store ? m_store->fileName() : storePath(); }
