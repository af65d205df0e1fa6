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

// The item of a list that a typed text names, blanks, case and a final "Mhz" put
// aside, and for a band the same number written otherwise ("14", "14 mhz" and
// "14MHZ" name "14 Mhz"; "7" names "7.0 Mhz"; "cw" names "CW"). -1: no item.
inline int typedIndex(const QStringList &items, const QString &typed)
{
    const qsizetype exact = items.indexOf(typed);
    if (exact >= 0)
        return int(exact);
    const auto key = [](const QString &text) {
        QString k = text.toLower();
        k.removeIf([](QChar c) { return c.isSpace(); });
        if (k.endsWith(QLatin1String("mhz")))
            k.chop(3);
        return k.replace(QLatin1Char(','), QLatin1Char('.'));
    };
    const QString wanted = key(typed);
    if (wanted.isEmpty())
        return -1;
    bool isNumber = false;
    const double number = wanted.toDouble(&isNumber);
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString item = key(items.at(i));
        if (item == wanted)
            return int(i);
        bool ok = false;
        if (isNumber && item.toDouble(&ok) == number && ok)
            return int(i);
    }
    return -1;
}

// The region windows put "Toutes" in front of the bands for all bands together.
inline const QString AllBands = QStringLiteral("Toutes");
inline QStringList bandsWithAll() { return QStringList{AllBands} + bands(); }

inline const QString DefaultReport = QStringLiteral("59");

} // namespace QsoLabels
