#pragma once

#include "kit/ui/MainItems.h"

#include <QColor>
#include <QCoreApplication>
#include <QList>

class QAbstractItemModel;
class QAction;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QTableView;
class QTimer;
class QWidget;

// The controls of the main window `Main`, built in code and named as the operator's
// documentation names them (Ind_A, Liste_QSO, Mnu_ADIF...). The window's behaviour
// lives in MainWindow; this only lays the controls out.
class MainForm
{
    Q_DECLARE_TR_FUNCTIONS(MainForm)

public:
    void setupUi(QMainWindow *window, QAbstractItemModel *model);
    // The captions given at start-up.
    void Init_Libelles();
    // The entry fields in the order Enter walks them.
    QList<QWidget *> chain() const;
    // The menu items and buttons that other subsystems wire to their windows.
    MainItems items() const;

    static const QColor Active;  // the field accepting input
    static const QColor Waiting; // a field done or waiting its turn
    static void paint(QWidget *w, const QColor &colour);

    QLineEdit *Ind_A, *Prenom_A, *Ref_A, *Loc_A, *Date_A, *Heure_A;
    QComboBox *Mode_A, *Bande_A;
    QLineEdit *RST_A, *RSTE_A, *Rem_A;
    QCheckBox *QSL_A;
    QLabel *Mode_Aff, *I_Station, *Label_Liste_QSO, *Label33, *Label37, *Label34;
    QTableView *Liste_QSO;
    QPushButton *Valide_A, *Efface_A, *Annule_Saisie, *Ajout_QSO, *Recherche, *QSL;
    QTimer *Timer1;
    QMenu *Mnu_Fichier, *Mnu_Station, *Mnu_Affichage, *Mnu_Carte, *Mnu_Statistiques, *Mnu_Diplome_ZEL,
        *Mnu_Aide;
    // Afficher > Langue: one checkable item per language, in Language::codes()'s
    // order, each named in its own language; one only is ticked.
    QMenu *Mnu_Langue;
    QList<QAction *> Mnu_Langues;
    QAction *Mnu_Quitter, *Mnu_Import_ADIF, *Mnu_ADIF, *Mnu_Dossier, *Mnu_New_Indicatif, *Mnu_Poste_Radio,
        *Mnu_C_Contacte, *Mnu_Carte_HB, *Mnu_Region_Contact, *Mnu_Reglement, *Mnu_Abbayes_Contactees,
        *Mnu_Scores_ZEL, *Mnu_QSL_A_Recevoir, *Mnu_Abbayes_Sur_Air, *Mnu_Telecharger_Confirmations, *Mnu_Maj_Abbayes,
        *Mnu_Abbayes_Precedentes, *Mnu_Historique,
        *Mnu_Mode_Emploi, *Mnu_Apropos;

private:
    // Station and clock; the entry fields and buttons; the QSO list.
    QHBoxLayout *buildHeader();
    QWidget *buildEntry();
    QWidget *buildList(QAbstractItemModel *model);
    void buildMenus(QMainWindow *window);
};
