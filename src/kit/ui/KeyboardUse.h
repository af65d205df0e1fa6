#pragma once

#include <QModelIndex>

#include <functional>

class LogSession;
class QAbstractItemView;
class QWidget;

// The lists that lead to QSOs: Enter or a double click on a list line chooses it,
// and Tab leaves the list for the next control. The keys every window shares
// (Escape, Enter on a button) are WindowKeys'.
namespace KeyboardUse {

// Double click or Enter on a line calls `chosen` with its index; Tab leaves the list.
void onRowChosen(QAbstractItemView *view, std::function<void(const QModelIndex &)> chosen);

// Selects a QSO in the main window's list as if the operator had clicked it, and
// brings the main window to the front.
void showInMainWindow(LogSession &session, QWidget *mainWindow, int row);

} // namespace KeyboardUse
