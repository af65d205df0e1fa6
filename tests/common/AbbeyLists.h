#pragma once

// The abbey list the window tests share: three abbeys in "Liste_Abbayes.txt"'s layout.

#include "common/LogLines.h"

namespace zeltest {

inline const QByteArray SanClemente = "Abbazia di San Clemente a Casauria";
inline const QByteArray PieDiChienti = "Abbazia di Santa Maria a pi\xE8 di Chienti";

inline QByteArray abbeyList()
{
    return crlf({abbeyLine("AZ0001", SanClemente, "JN62"),
                 abbeyLine("MR0005", PieDiChienti, "JN63"),
                 abbeyLine("TO0007", "Abbazia di Sant'Antimo", "JN53")});
}

} // namespace zeltest
