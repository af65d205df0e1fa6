#pragma once

#include "radio/RadioConfig.h"
#include "radio/RadioModels.h"
#include "radio/RadioReading.h"

#include <QDialog>

class Messages;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;
class QSortFilterProxyModel;
class QSpinBox;
class QStandardItemModel;
class RadioModels;
class RadioPoller;
class Settings;

// "Poste radio": whether the logbook reads band and mode from the transceiver, which
// radio (Hamlib's list from rigctl, filtered as typed) and how it is reached (a
// serial port and its speed, through a rigctld the logbook starts, or a rigctld on
// the network). "Tester" reads the radio once.
class RadioWindow : public QDialog
{
    Q_OBJECT
public:
    RadioWindow(Settings &settings, Messages &messages, RadioPoller &poller, QWidget *parent = nullptr);

    // Shows the window (once), filled with the radio in use, centred.
    void open() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    RadioConfig formConfig() const;
    // A serial radio chosen without the port it needs.
    bool portMissing(const RadioConfig &c) const;
    void showConfig(const RadioConfig &config);
    void selectModel(int number);
    void fillModels(const QList<RadioModel> &models);
    void updateLink();
    void onTest();
    void onProbed(const RadioReading &reading);
    void onValidate();

    Settings &m_settings;
    Messages &m_messages;
    RadioPoller &m_poller;
    bool m_testing = false;

    QCheckBox *m_use;
    QRadioButton *m_serial;
    QRadioButton *m_network;
    QLineEdit *m_filter;
    QListView *m_models;
    QStandardItemModel *m_modelList;
    QLabel *m_modelsNote;
    RadioModels *m_loader;
    QSortFilterProxyModel *m_filtered;
    QComboBox *m_port;
    QComboBox *m_speed;
    QLineEdit *m_host;
    QSpinBox *m_tcpPort;
    QPushButton *m_test;
    QLabel *m_result;
    QPushButton *m_validate;
    QPushButton *m_cancel;
};
