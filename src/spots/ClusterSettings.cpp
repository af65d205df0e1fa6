#include "spots/ClusterSettings.h"

#include "logstore/LogFile.h"
#include "logstore/Settings.h"

#include <QStringList>

namespace {

const QString Yes = QStringLiteral("Oui");

} // namespace

ClusterSettings ClusterSettings::load(const Settings &settings)
{
    ClusterSettings c;
    c.host = settings.read(Section, KeyHost, QString()).trimmed();
    bool ok = false;
    const int port = settings.read(Section, KeyPort, QString::number(DefaultPort)).trimmed().toInt(&ok);
    ok = ok && port > 0 && port < 65536;
    c.port = ok ? port : DefaultPort;
    c.login = settings.read(Section, KeyLogin, QString()).trimmed().toUpper();
    // Only a port that reads well connects by itself: a damaged value waits for the operator.
    c.on = ok && settings.read(Section, KeyOn, QString()) == Yes && c.usable();
    c.sound = settings.read(Section, KeySound, QString()) == Yes;
    c.neededOnly = settings.read(Section, KeyNeededOnly, QString()) == Yes;
    return c;
}

bool ClusterSettings::save(Settings &settings) const
{
    const QString no = QStringLiteral("Non");
    bool ok = settings.write(Section, KeyHost, host).ok;
    ok = settings.write(Section, KeyPort, QString::number(port)).ok && ok;
    ok = settings.write(Section, KeyLogin, login).ok && ok;
    ok = settings.write(Section, KeyOn, on ? Yes : no).ok && ok;
    ok = settings.write(Section, KeySound, sound ? Yes : no).ok && ok;
    ok = settings.write(Section, KeyNeededOnly, neededOnly ? Yes : no).ok && ok;
    return ok;
}

QString ClusterSettings::loginFor(const QString &stationCallsign) const
{
    if (!login.trimmed().isEmpty())
        return login.trimmed().toUpper();
    return LogFile::baseCallsign(stationCallsign);
}
