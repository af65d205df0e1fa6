#pragma once

#include "kit/ui/AppContext.h"

#include <QList>
#include <QWidget>

struct LogChange;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QsoRowsModel;

// "QSL à recevoir": every QSO of the log whose card has not come back, by abbey
// reference, with their count and a filter on callsign or reference. The ticked
// QSOs are marked confirmed in one rewrite; the list is saved beside the log or
// printed; Enter or a double click on a line shows that QSO in the main window.
// It follows the log as it changes.
class PendingQslWindow : public QWidget
{
    Q_OBJECT
public:
    explicit PendingQslWindow(const AppContext &context, QWidget *parent = nullptr);

    // Shows the window, centred when it opens, or brings it to the front.
    void open();
    // Reads the pending QSOs from the session again (the ticks are dropped).
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Follows a change of the log: QSOs added at its end go into the list at their
    // place; any other change reads the list again.
    void follow(const LogChange &change);
    void applyFilter();
    void markReceived();
    void save();
    void print();

    AppContext m_context;
    QList<int> m_pending;
    int m_logRows = 0; // the log's lines when the list was last read
    QsoRowsModel *m_model;
    QLineEdit *m_filter;
    QLabel *m_count;
    QTableView *m_list;
    QPushButton *m_mark;
    QPushButton *m_save;
    QPushButton *m_print;
    QPushButton *m_close;
};
