#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class Messages;
class Settings;

// "Selection Indicaif": the operator types the station callsign and validates it.
class StationWindow : public QWidget
{
    Q_OBJECT
public:
    StationWindow(Settings &settings, Messages &messages, QString programDir, QWidget *parent = nullptr);

    // Shows the window (once), empty and centred, with the cursor in the field.
    void open();

signals:
    // A station is now current; the main window shows it and its log.
    void stationChosen();

private:
    void onValidation();

    Settings &m_settings;
    Messages &m_messages;
    QString m_dir;
    QLineEdit *New_Indicatif;
    QPushButton *Validation;
};
