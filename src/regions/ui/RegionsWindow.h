#pragma once

#include "regions/ui/TallyRequest.h"

#include <QWidget>

class Messages;
class QComboBox;
class QListWidget;
class QPushButton;

// "Regions contactées": the regions with at least one QSO on the band chosen,
// one line each, in code order.
class RegionsWindow : public QWidget
{
    Q_OBJECT
public:
    RegionsWindow(Messages &messages, TallyRequest tally, QWidget *parent = nullptr);

    // Selectors filled, "SSB" and "Toutes" selected, the list empty; no tally.
    void startUp();
    // Lists the lines of a tally, whichever window asked for it.
    void showTally(const RegionTally &tally);
    // The band and mode of the last tally this window asked for with "Afficher";
    // before that, of the tally its list shows (none yet: empty band).
    QString lastBand() const { return m_ownBand.isEmpty() ? m_shownBand : m_ownBand; }
    QString lastMode() const { return m_ownBand.isEmpty() ? m_shownMode : m_ownMode; }

signals:
    // Enter or a double click on a line: the region's QSOs on the band listed.
    void regionChosen(int slot, const QString &band);

private:
    // Where a line of the list keeps its region's slot.
    static constexpr int SlotRole = Qt::UserRole + 1;

    void onAfficher();

    Messages &m_messages;
    TallyRequest m_tally;
    QComboBox *Bande_A;
    QComboBox *Mode_AX;
    QPushButton *Afficher;
    QListWidget *Regions;
    QString m_shownBand; // the band of the tally listed
    QString m_shownMode;
    QString m_ownBand;
    QString m_ownMode;
};
