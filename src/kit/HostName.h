#pragma once

#include <QString>

// Whether a host typed by the operator can name a machine at all: a name, or an
// address a connection can reach. A host of digits only ("4599") or an address in
// 0.0.0.0/8 is refused before any connection is tried: the network library would
// read "4599" as the address 0.0.17.247 and the attempt would fail later with a
// message that says nothing of the cause.
namespace HostName {

// Empty when the host can be tried, otherwise the French message to show.
QString refusal(const QString &host);

} // namespace HostName
