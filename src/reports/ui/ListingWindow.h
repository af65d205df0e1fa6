#pragma once

#include "kit/ui/AppContext.h"
#include "reports/ReportListing.h"

#include <QWidget>

class QButtonGroup;
class QLabel;
class QPushButton;
class QTableView;
class ListingModel;

// The two windows that list QSOs by abbey reference: `Aff_Contacte`, the
// alphanumeric list of every QSO, and `Aff_Contacte_ZEL`, the award list of the
// contacted or only the confirmed QSOs with their count. Both follow the log as it
// changes, and save or print the log as it stands at that moment.
class ListingWindow : public QWidget
{
    Q_OBJECT
public:
    enum class Type { Contacte, ContacteZel };

    ListingWindow(const AppContext &context, Type type, QWidget *parent = nullptr);
    ~ListingWindow() override;

    // Shows the window, centred when it opens, or brings it to the front.
    void open();
    // Rebuilds the list (and the count) from the log in the selected mode; on a
    // large log, says so while it sorts.
    void Affiche();
    ReportListing::Kind kind() const;

private:
    // The same without a word: the log has just changed, and the windows that
    // follow it are being brought up to date (nothing may be drawn meanwhile).
    void refill();
    void save();
    void print();

    AppContext m_context;
    Type m_type;
    ListingModel *m_model = nullptr;
    QTableView *m_list = nullptr;
    QLabel *m_header = nullptr;
    QLabel *m_count = nullptr;        // Nb_C
    QButtonGroup *m_mode = nullptr;   // Option1
    QPushButton *m_save = nullptr;
    QPushButton *m_print = nullptr;
};
