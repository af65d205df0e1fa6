#pragma once

#include <QString>
#include <QStringList>

// The band and mode labels the operator picks from, in list order: a stored
// position is an index into these lists.
namespace QsoLabels {

inline QStringList bands()
{
    return {QStringLiteral("1.8 Mhz"), QStringLiteral("3.5 Mhz"), QStringLiteral("7.0 Mhz"),
            QStringLiteral("10 Mhz"),  QStringLiteral("14 Mhz"),  QStringLiteral("18 Mhz"),
            QStringLiteral("21 Mhz"),  QStringLiteral("24 Mhz"),  QStringLiteral("28 Mhz"),
            QStringLiteral("50 Mhz"),  QStringLiteral("144 Mhz"), QStringLiteral("432 Mhz")};
}

inline QStringList modes() { return {QStringLiteral("SSB"), QStringLiteral("CW"), QStringLiteral("FM")}; }

// The region windows put "Toutes" in front of the bands for all bands together.
inline const QString AllBands = QStringLiteral("Toutes");
inline QStringList bandsWithAll() { return QStringList{AllBands} + bands(); }

inline const QString DefaultReport = QStringLiteral("59");

} // namespace QsoLabels
