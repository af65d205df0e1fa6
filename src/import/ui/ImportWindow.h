#pragma once

#include <QDate>
#include <QDialog>
#include <QStringList>

#include <memory>

class ImportListModel;
class ImportPlan;
class LogIndex;
class LogSession;
class Messages;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;

// "Importation ADIF": what an ADIF file would bring into the log, record by record,
// with the counts, before anything is written. "Importer" adds the accepted QSOs and
// marks the QSL of the log QSOs the file confirms, in one rewrite; "Enregistrer le rapport" saves the list beside the log; "Annuler"
// (or Escape) leaves every file as it was.
class ImportWindow : public QDialog
{
    Q_OBJECT
public:
    // today: the date the report is saved under. The outcomes are decided again,
    // through index, whenever the log changes while the window is open.
    ImportWindow(std::unique_ptr<ImportPlan> plan, LogSession &session, const LogIndex &index, Messages &messages,
                 QDate today, QWidget *parent = nullptr);
    ~ImportWindow() override;

    const ImportPlan &plan() const { return *m_plan; }

private:
    void showCounts();
    void onImport();
    void onSaveReport();
    void onLogChanged();
    // The file's stations that are not the current one (base callsigns compared).
    QStringList otherStations() const;

    std::unique_ptr<ImportPlan> m_plan;
    LogSession &m_session;
    const LogIndex &m_index;
    Messages &m_messages;
    QDate m_today;
    ImportListModel *m_model;
    QLabel *Fichier;
    QLabel *Autre_Station;
    QLabel *A_Importer;
    QLabel *Qsl_A_Marquer;
    QLabel *Deja_Dans_Log;
    QLabel *Refuses;
    QLabel *Sans_Reference;
    QLabel *Hors_Liste;
    QLabel *Sans_Qso;
    QLabel *Indicatif_Absent;
    QCheckBox *Tout_Afficher;
    QTableView *Liste_Import;
    QPushButton *Importer;
    QPushButton *Enregistrer_Rapport;
    QPushButton *Annuler;
};
