#pragma once

#include <QList>
#include <QWidget>

class ItalyMapView;
class QLabel;
class QPushButton;
struct MapLayout;

// "Nouvelle Région": pops up while a QSO is typed when its reference opens a region
// the log has no QSO in yet, and shows that region on a small map of Italy.
class MiniMapWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MiniMapWindow(QWidget *parent = nullptr);

    // Centred, every marker hidden, then the region of the reference marked.
    void startUp(const QString &reference);
    // Lights the marker of the reference's region (first two characters, as typed)
    // and names it; a code of no region changes nothing. "Continuer" takes the
    // focus either way, so Enter closes the window.
    void Marque_Region(const QString &reference);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void placeMarkers(const MapLayout &layout);

    ItalyMapView *Picture1;
    QList<QWidget *> Shape1; // by slot - 1
    QLabel *Label2;
    QLabel *N_Pro;
    QPushButton *Suite;
};
