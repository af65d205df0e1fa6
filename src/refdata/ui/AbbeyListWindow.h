#pragma once

#include "kit/ui/AppContext.h"
#include "refdata/AbbeyListFile.h"
#include "refdata/AbbeyListUpdate.h"

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;

// "Nouvelle liste des abbayes": what a new abbey list changes, each kind of change
// as a count and a list that opens, before anything is written. "Remplacer la
// liste" puts it in use, "Enregistrer le rapport" saves what it changes beside the
// list, "Annuler" (Escape) leaves every file as it was. Going back, the same window
// is "Revenir à la liste précédente" on the previous list, its button "Revenir à
// cette liste". The log's names can follow either way; the option shows only when
// some QSO's name would change.
class AbbeyListWindow : public QDialog
{
    Q_OBJECT
public:
    enum class Kind { Update, Revert };

    // chosenPath: the file the new list comes from, already read (chosenBytes) and
    // found to be an abbey list; currentBytes: the list in use as read.
    AbbeyListWindow(const AppContext &context, Kind kind, QString chosenPath, QByteArray chosenBytes,
                    QByteArray currentBytes, bool currentExists, QWidget *parent = nullptr);
    ~AbbeyListWindow() override;

    const AbbeyListUpdate &update() const { return *m_update; }
    bool replaced() const { return m_replaced; }

signals:
    // The list in use was replaced (or put back): what shows its abbeys reads it again.
    void listReplaced();

private:
    void compare();
    void fill();
    void onReplace();
    void onSaveReport();
    void onLogChanged();
    AbbeyListUpdate::Context reportContext() const;
    QString listPath() const;

    AppContext m_context;
    Kind m_kind;
    QString m_chosenPath;
    QByteArray m_chosenBytes;
    QByteArray m_currentBytes;
    bool m_currentExists;
    AbbeyListFile m_current;
    AbbeyListFile m_chosen;
    std::unique_ptr<AbbeyListUpdate> m_update;
    bool m_replaced = false;
    bool m_namesRewritten = false;
    // The chosen list holds the same abbeys as the one in use: nothing to replace.
    bool m_same = false;

    QLabel *Fichier;
    QLabel *Nb_Ajoutees;
    QLabel *Nb_Corrigees;
    QLabel *Nb_Retirees;
    QLabel *Nb_Illisibles;
    QLabel *Nb_Doubles;
    QLabel *QSO_Retires;
    QTreeWidget *Detail;
    QCheckBox *Maj_Noms;
    QLabel *Nb_Noms;
    QLabel *Etat;
    QPushButton *Remplacer;
    QPushButton *Enregistrer_Rapport;
    QPushButton *Annuler;
};
