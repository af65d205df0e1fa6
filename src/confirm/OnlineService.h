#pragma once

#include <QString>

// The two services confirmations are fetched from, in the order they are fetched.
enum class OnlineService { LoTW, Eqsl };

// "LoTW", "eQSL": in captions, messages, file names and settings keys.
inline QString serviceName(OnlineService service)
{
    return service == OnlineService::LoTW ? QStringLiteral("LoTW") : QStringLiteral("eQSL");
}
