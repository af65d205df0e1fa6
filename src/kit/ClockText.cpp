#include "kit/ClockText.h"

#include <QCoreApplication>

namespace ClockText {

QString utcTime(const QDateTime &utc)
{
    // The time first, always five characters: the entry takes it from the front.
    return utc.toString(QStringLiteral("hh:mm:ss")).left(5) + QCoreApplication::translate("ClockText", " Utc");
}

QString localTime(const QDateTime &local)
{
    return local.toString(QStringLiteral("hh:mm:ss")).left(5) + QCoreApplication::translate("ClockText", " Loc");
}

QString utcDate(const QDateTime &utc)
{
    return utc.toString(QStringLiteral("dd/MM/yy"));
}

} // namespace ClockText
