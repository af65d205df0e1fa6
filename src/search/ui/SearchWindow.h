#pragma once

#include "search/QsoSearch.h"

#include <QWidget>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class LogSession;
class Messages;

// "Recherche QSO" (Recherche_Indicatif): finds QSOs of the open log by callsign,
// date or reference; a click on a QSO found selects it in the main window's list
// and closes the window.
class SearchWindow : public QWidget
{
    Q_OBJECT
public:
    SearchWindow(LogSession &session, Messages &messages, QWidget *parent = nullptr);

    // Shows the window (once), centred, with the cursor in the callsign box.
    void open();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QsoSearch::Criterion selected() const;
    QLineEdit *boxOf(int criterion) const;
    void onEnter(QsoSearch::Criterion box);
    void search();
    void jumpTo(QListWidgetItem *item);

    LogSession &m_session;
    Messages &m_messages;
    QButtonGroup *m_options;
    QLineEdit *Indica;
    QLineEdit *Data;
    QLineEdit *Depa;
    QListWidget *QSO_Effectues;
    QLabel *Label13;
    QPushButton *Command1;
};
