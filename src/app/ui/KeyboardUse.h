#pragma once

#include <QModelIndex>

#include <functional>

class LogSession;
class QAbstractItemView;
class QWidget;

// Keyboard habits shared by the lists that lead to QSOs: Escape closes the
// window, Enter presses the button that has the focus, Enter or a double click on
// a list line chooses it, and Tab leaves a list for the next control.
namespace KeyboardUse {

void closeOnEscape(QWidget *window);
// Every push button of the window, now made: Enter (and the keypad's) clicks it.
void enterClicksButtons(QWidget *window);
// Double click or Enter on a line calls `chosen` with its index; Tab leaves the list.
void onRowChosen(QAbstractItemView *view, std::function<void(const QModelIndex &)> chosen);

// Selects a QSO in the main window's list as if the operator had clicked it, and
// brings the main window to the front.
void showInMainWindow(LogSession &session, QWidget *mainWindow, int row);

} // namespace KeyboardUse
