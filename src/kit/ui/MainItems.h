#pragma once

class QAction;
class QMenu;
class QPushButton;
class QWidget;

// The main window's menu items and buttons that open another subsystem's window,
// handed over by the main window's form so that each subsystem wires its own. A
// subsystem reads the member it needs: an item renamed or removed from the form no
// longer compiles instead of silently wiring nothing. The object names stay the
// same for tests and tools.
struct MainItems
{
    // Fichier
    QAction *Mnu_Import_ADIF = nullptr;
    QAction *Mnu_ADIF = nullptr;
    // Station
    QAction *Mnu_New_Indicatif = nullptr;
    QAction *Mnu_Poste_Radio = nullptr;
    // Afficher
    QAction *Mnu_C_Contacte = nullptr;
    // Carte
    QAction *Mnu_Carte_HB = nullptr;
    // Statistiques
    QAction *Mnu_Region_Contact = nullptr;
    // Diplome ZEL
    QAction *Mnu_Reglement = nullptr;
    QAction *Mnu_Abbayes_Contactees = nullptr;
    QAction *Mnu_Scores_ZEL = nullptr;
    QAction *Mnu_QSL_A_Recevoir = nullptr;
    QAction *Mnu_Abbayes_Sur_Air = nullptr;
    QAction *Mnu_Telecharger_Confirmations = nullptr;
    QAction *Mnu_Maj_Abbayes = nullptr;
    QAction *Mnu_Abbayes_Precedentes = nullptr;
    // The menu itself, for items whose state is looked at as it opens.
    QMenu *Mnu_Diplome_ZEL = nullptr;
    // Aide
    QAction *Mnu_Historique = nullptr;
    QAction *Mnu_Mode_Emploi = nullptr;
    QAction *Mnu_Apropos = nullptr;
    // Buttons of the entry row
    QPushButton *Recherche = nullptr;
    QPushButton *QSL = nullptr;
    // Each room's own place in the status area at the foot of the main window, in the
    // window's order (the radio's reading first, then the cluster's announcements):
    // hidden rows that the room fills and shows (see StatusArea).
    QWidget *Etat_Poste_Radio_Zone = nullptr;
    QWidget *Annonce_Cluster_Zone = nullptr;
};
