#include "kit/HostName.h"

#include <QCoreApplication>
#include <QHostAddress>

namespace HostName {

QString refusal(const QString &host)
{
    const QString text = host.trimmed();
    bool digitsOnly = !text.isEmpty();
    for (QChar c : text)
        digitsOnly = digitsOnly && c.isDigit();
    bool nowhere = digitsOnly;
    QHostAddress address;
    if (!nowhere && address.setAddress(text) && address.protocol() == QAbstractSocket::IPv4Protocol)
        nowhere = (address.toIPv4Address() >> 24) == 0; // 0.0.0.0/8 names no machine
    if (!nowhere)
        return {};
    return QCoreApplication::translate("HostName", "Hôte introuvable : « %1 » n'est ni un nom ni une adresse")
        .arg(text);
}

} // namespace HostName
