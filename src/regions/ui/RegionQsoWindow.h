#pragma once

#include <QString>
#include <QWidget>

class LogIndex;
class LogSession;
class QLabel;
class QPushButton;
class QTableView;
class QsoRowsModel;

// "QSO de la région <name>": the QSOs behind one region of the regions list or of
// the map, on the band they were tallied for, in log order. Enter or a double
// click on one selects it in the main window. It follows the log as it changes.
class RegionQsoWindow : public QWidget
{
    Q_OBJECT
public:
    RegionQsoWindow(LogSession &session, const LogIndex &index, QWidget *mainWindow, QWidget *parent = nullptr);

    // Lists the region's QSOs and shows the window (centred when it opens).
    void showRegion(int slot, const QString &band);
    // The region's name as the map's box shows it ("Latium", "Val d'Aoste").
    static QString regionName(int slot);

private:
    void refresh();

    LogSession &m_session;
    const LogIndex &m_index;
    QWidget *m_mainWindow;
    int m_slot = 0;
    QString m_band;
    QsoRowsModel *m_model;
    QLabel *m_title;
    QLabel *m_count;
    QTableView *m_list;
    QPushButton *m_close;
};
