#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;
class LogSession;
class Messages;

// "Enregistrement des QSL multiples" (Multi_QSL): lists the unconfirmed QSOs of a
// callsign and marks those ticked as confirmed. Modal: the main window waits
// until it is closed.
class MultiQslWindow : public QDialog
{
    Q_OBJECT
public:
    MultiQslWindow(LogSession &session, Messages &messages, QWidget *parent = nullptr);

    // Shows the window centred, with this callsign in the search field.
    void open(const QString &callsign);

private:
    void onRecherche();
    void onEnregistre();

    LogSession &m_session;
    Messages &m_messages;
    QLineEdit *Indicatif;
    QPushButton *Recherche;
    QListWidget *Liste_QSO;
    QPushButton *Enregistre;
};
