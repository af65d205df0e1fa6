#pragma once

#include <QString>

// What the program says of its own version.
namespace Revision {

inline QString text() { return QStringLiteral(" 1.0.9"); }

inline QString caption() { return QStringLiteral("  KVR_ZEL    Revision ") + text(); }

inline QString history()
{
    const char *const lines[] = {
        "V1.0.0  le 11/01/2007 creation",
        "V1.0.1  le 14/01/07 Ajout region Bolzano et Trentin a la place de Trentin Haut-Adige",
        "V1.0.2  le 27/01/07 Si date manuelle insertion du QSO + sécurité premiere installation",
        "V1.0.3  le 30/01/07 Correction bug mode date manuelle",
        "V1.0.4  le 07/02/07 Supprimer menu 'Date' ajout mini carte",
        "V1.0.5  le 09/07/07 Ajout gestion des locators",
        "V1.0.6  le 19/09/07 Ajout gestion des QSL multiples",
        "V1.0.7  le 19/10/07 Ajout 'Toutes' dans QRG de la carte",
        "V1.0.8  le 12/07/08 Supprimé bouton 'Editer QSO'+ règlement",
        "V1.0.9  le 30/11/08 Ajouté gestion du diplome ZEL",
    };
    QString out;
    for (const char *line : lines)
        out += QString::fromUtf8(line) + QStringLiteral("\r\n");
    return out;
}

inline QString about()
{
    return QStringLiteral("KVR_ZEL Revision ") + text()
        + QStringLiteral("\r\n\r\nCarnet de trafic du diplôme des Abbayes italiennes (ZEL). "
                         "Carte de l'Italie : @svg-maps/italy (Victor Cazanave, d'après MapSVG), "
                         "licence CC BY 4.0");
}

} // namespace Revision
