#pragma once

#include "regions/ui/TallyRequest.h"

#include <QList>
#include <QWidget>

class ItalyMapView;
class LogSession;
class Messages;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class Settings;
struct MapLayout;

// "Carte des Regions contactées": the map of Italy with the 21 region boxes, green
// where the band chosen has at least one QSO, the number of such regions out of 21,
// and the regions' own shapes coloured by whether their cards have come back.
class ActivityMapWindow : public QWidget
{
    Q_OBJECT
public:
    ActivityMapWindow(Settings &settings, const LogSession &session, Messages &messages,
                      TallyRequest tally, QWidget *parent = nullptr);

    // The station's last band and mode selected, then their tally drawn and counted.
    void startUp();
    // Tallies the band and mode shown and counts the result.
    void Affiche_Carte();
    // Colours boxes, shapes and legend from a tally, whichever window asked for it.
    // The count beside "sur 21 Régions" is this window's own and stays as it is.
    void showTally(const RegionTally &tally);
    // The band and mode this window last tallied itself (none yet: empty band).
    QString ownBand() const { return m_ownBand; }
    QString ownMode() const { return m_ownMode; }
    // Its own tally again, on the log as it now stands: boxes, shapes and count.
    void showOwnTally(const RegionTally &tally);
    // A size that fits the screen's free area, for the first showing.
    QSize openingSize(const QRect &available) const;

signals:
    // A click on a region's shape or box, or Enter on its box: the region's QSOs on the band shown.
    void regionChosen(int slot, const QString &band);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onShapeClicked(const QString &id, const QPointF &point);
    void placeBoxes(const MapLayout &layout);
    void setBoxColour(int slot, bool marked);

    Settings &m_settings;
    const LogSession &m_session;
    Messages &m_messages;
    TallyRequest m_tally;

    QComboBox *Bande_A;
    QComboBox *Mode_AX;
    QPushButton *Afficher;
    QLabel *NbReg;
    QLabel *Label1;
    ItalyMapView *Picture1;
    QList<QLabel *> Dep; // by slot - 1
    QWidget *m_panel;
    QLabel *m_legendBand;
    QList<QLabel *> m_legendCounts; // confirmed, worked, not worked
    QString m_shownBand;            // the band of the tally the boxes show
    QString m_ownBand;
    QString m_ownMode;
};
