#include "confirm/ConfirmSettings.h"

#include "logstore/Settings.h"

#include <QStringList>

namespace {
const QString DateFormat = QStringLiteral("yyyy-MM-dd");

QString userKey(OnlineService service)
{
    return service == OnlineService::LoTW ? ConfirmSettings::KeyLotwUser : ConfirmSettings::KeyEqslUser;
}

QString sinceKey(OnlineService service)
{
    return service == OnlineService::LoTW ? ConfirmSettings::KeyLotwSince : ConfirmSettings::KeyEqslSince;
}
} // namespace

ConfirmSettings::ConfirmSettings(Settings &settings, const QString &station)
    : m_settings(settings), m_station(station)
{
}

QString ConfirmSettings::section() const { return Settings::stationSection(m_station); }

QUrl ConfirmSettings::address(OnlineService service) const
{
    const bool lotw = service == OnlineService::LoTW;
    const QString text = m_settings
                             .read(Section, lotw ? KeyLotwAddress : KeyEqslAddress,
                                   lotw ? DefaultLotwAddress : DefaultEqslAddress)
                             .trimmed();
    return QUrl(text.isEmpty() ? (lotw ? DefaultLotwAddress : DefaultEqslAddress) : text, QUrl::StrictMode);
}

int ConfirmSettings::delaySeconds() const
{
    bool ok = false;
    const int seconds = m_settings.read(Section, KeyDelay, QString::number(DefaultDelaySeconds)).trimmed().toInt(&ok);
    return ok && seconds > 0 ? seconds : DefaultDelaySeconds;
}

QString ConfirmSettings::user(OnlineService service) const
{
    const QString stored = m_settings.read(section(), userKey(service), QString()).trimmed();
    if (!stored.isEmpty() || service == OnlineService::Eqsl)
        return stored;
    return baseCallsign(m_station);
}

bool ConfirmSettings::used(OnlineService service) const
{
    return !m_settings.read(section(), userKey(service), QString()).trimmed().isEmpty();
}

QString ConfirmSettings::eqslQth() const { return m_settings.read(section(), KeyEqslQth, QString()).trimmed(); }

QDate ConfirmSettings::since(OnlineService service) const
{
    return QDate::fromString(m_settings.read(section(), sinceKey(service), QString()).trimmed(), DateFormat);
}

bool ConfirmSettings::saveUser(OnlineService service, const QString &user, const QString &qth, QString *error)
{
    QList<QPair<QString, QString>> values{{userKey(service), user.trimmed()}};
    if (service == OnlineService::Eqsl)
        values.append({KeyEqslQth, qth.trimmed()});
    const AtomicFile::Result r = m_settings.write(section(), values);
    if (!r.ok && error)
        *error = r.error;
    return r.ok;
}

bool ConfirmSettings::saveSince(OnlineService service, const QDate &day, QString *error)
{
    const AtomicFile::Result r =
        m_settings.write(section(), sinceKey(service), day.isValid() ? day.toString(DateFormat) : QString());
    if (!r.ok && error)
        *error = r.error;
    return r.ok;
}

QString ConfirmSettings::ownCall(const QString &station)
{
    QString call = station.trimmed().toUpper();
    call.replace(QLatin1Char('_'), QLatin1Char('/'));
    return call;
}

QString ConfirmSettings::baseCallsign(const QString &station)
{
    // The longest part between slashes is the station itself ("IT9/F6ABC/P" → F6ABC).
    const QStringList parts = ownCall(station).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString base;
    for (const QString &p : parts) {
        if (p.size() > base.size())
            base = p;
    }
    return base;
}
