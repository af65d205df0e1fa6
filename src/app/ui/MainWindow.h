#pragma once

#include <QByteArray>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QTimer;

class Clock;
class FirstNameList;
class LogSession;
class Messages;
class QsoEntry;
class QsoListModel;
class Settings;
class StationWindow;

// The logbook's main window, `Main`: entry fields, the station's QSO list, clock,
// menus and buttons. It reads the widgets and hands the work to the log store and
// the reference lists.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(Settings &settings, Messages &messages, Clock &clock, LogSession &session,
               QsoEntry &entry, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up: settings, lists, first-installation notice, the log, idle entry.
    void startUp();

    // Fills the list from the current station's log.
    void Charge_Liste_QSO();
    // Back to the idle entry state.
    void Raz_Saisie();
    // Selects a list line as if the operator had clicked it (none: -1).
    void selectLine(int row);
    void selectLastLine();

    QString Ligne_Selectionnee() const { return m_ligneSelectionnee; }
    bool modeModification() const { return m_modeModification; }
    bool modeInsertion() const { return m_modeInsertion; }
    bool editionEnCours() const { return m_editionEnCours; }
    QsoListModel *listModel() const { return m_model; }

    // The session has a new station: show it and its log.
    void applyStation();
    void refreshClock();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    struct Controls {
        QLineEdit *Ind_A, *Prenom_A, *Ref_A, *Loc_A, *Date_A, *Heure_A;
        QComboBox *Mode_A, *Bande_A;
        QLineEdit *RST_A, *RSTE_A, *Rem_A;
        QCheckBox *QSL_A;
        QLabel *Mode_Aff, *I_Station, *Label_Liste_QSO, *Label33, *Label37, *Label34;
        QTableView *Liste_QSO;
        QPushButton *Valide_A, *Efface_A, *Annule_Saisie, *Ajout_QSO, *Recherche, *QSL;
        QTimer *Timer1;
        QMenu *Mnu_Fichier, *Mnu_Station, *Mnu_Affichage, *Mnu_Carte, *Mnu_Statistiques,
            *Mnu_Diplome_ZEL, *Mnu_Aide;
        QAction *Mnu_Quitter, *Mnu_ADIF, *Mnu_New_Indicatif, *Mnu_C_Contacte, *Mnu_Carte_HB,
            *Mnu_Region_Contact, *Mnu_Reglement, *Mnu_Abbayes_Contactees, *Mnu_Scores_ZEL,
            *Mnu_Historique, *Mnu_Mode_Emploi, *Mnu_Apropos;
    };

    void buildWindow();
    void buildMenus();
    void Init_Libelles();
    QList<QWidget *> chain() const;

    // Entry chain.
    // The check Enter runs in a field: the message to show, or empty.
    QString checkField(QWidget *field) const;
    bool onEnter(QWidget *field);
    void referenceSteps();
    void moveOn(QWidget *from, QWidget *to);
    void focusField(QWidget *field);
    void setActive(QWidget *field);
    void setWaiting(QWidget *field);
    void rememberPosition(QComboBox *combo, int position);
    static int positionOf(const QComboBox *combo);
    static void setComboText(QComboBox *combo, const QString &text);
    void showMiniCarte();
    void closeMiniCarte();

    // Commit, view, edit, insert, delete.
    void onListClicked(int row);
    void onListDoubleClicked(int row);
    void onValide();
    void onSupprime();
    void onInsere();
    void showLine(const QString &listLine);
    QString recheckAll(QWidget **failing) const;
    QString buildLogLine() const;
    void restoreBandAndMode();
    // The fields after the callsign back to waiting, empty, reports at "59".
    void clearFields();
    // The callsign field empty and open, with the cursor.
    void openCallsign();
    bool writeLog(const QByteArray &line);

    void openStation();
    // Tells the operator, once, of a log that cannot be read or holds hand-edited lines.
    void reportLogProblems();

    Settings &m_settings;
    Messages &m_messages;
    Clock &m_clock;
    LogSession &m_session;
    QsoEntry &m_entry;

    Controls m_ui{};
    QsoListModel *m_model = nullptr;
    std::unique_ptr<FirstNameList> m_firstNames;
    QPointer<StationWindow> m_station;

    QString m_ligneSelectionnee;
    QByteArray m_selectedLogLine; // the selected QSO's line exactly as in the file
    bool m_modeModification = false;
    bool m_modeInsertion = false;
    bool m_editionEnCours = false;
    bool m_selecting = false;
    QString m_lastMalformedNotice;
};
