#include "kit/ClockText.h"

namespace ClockText {

QString utcTime(const QDateTime &utc)
{
    return utc.toString(QStringLiteral("hh:mm:ss")).left(5) + QStringLiteral(" Utc");
}

QString localTime(const QDateTime &local)
{
    return local.toString(QStringLiteral("hh:mm:ss")).left(5) + QStringLiteral(" Loc");
}

QString utcDate(const QDateTime &utc)
{
    return utc.toString(QStringLiteral("dd/MM/yy"));
}

} // namespace ClockText
