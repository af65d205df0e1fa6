#pragma once

#include "spots/SpotModel.h"

#include <QPointer>
#include <QWidget>

class ClusterConnection;
class LogSession;
class Messages;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QSpinBox;
class QTableView;
class RadioPoller;
class Settings;
class SpotDesk;
class SpotFeed;

// "Abbayes sur l'air": the cluster's settings (node, port, login callsign, connect
// and disconnect), the abbeys being announced with their status in the log, needed
// ones first, Enter or a double click to work one, and "Annoncer" to spot a station.
class SpotWindow : public QWidget
{
    Q_OBJECT
public:
    SpotWindow(SpotFeed &feed, SpotDesk &desk, LogSession &session, Settings &settings, Messages &messages,
               RadioPoller *radio, QWidget *parent = nullptr);
    ~SpotWindow() override;

    void open();

private:
    void connectNode();
    void disconnectNode();
    void showState();
    void storeChoices();
    void workRow(int proxyRow);
    void announce();
    // The list holds still while a row is selected or the pointer is over it.
    void updateHold();
    void showWaiting(int count);
    bool eventFilter(QObject *watched, QEvent *event) override;

    SpotFeed &m_feed;
    SpotDesk &m_desk;
    LogSession &m_session;
    Settings &m_settings;
    Messages &m_messages;
    RadioPoller *m_radio;

    QLineEdit *m_host;
    QSpinBox *m_port;
    QLineEdit *m_login;
    QPushButton *m_connect;
    QPushButton *m_disconnect;
    QLabel *m_state;
    QCheckBox *m_neededOnly;
    QCheckBox *m_sound;
    QTableView *m_list;
    QSortFilterProxyModel *m_filter;
    QLabel *m_count;
    QPushButton *m_announce;
    QLabel *m_waiting;
    QPushButton *m_showWaiting;
    bool m_pointerOver = false;
    QPointer<SpotModel> m_heldModel; // the feed may go first when the program ends
};
