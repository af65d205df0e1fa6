#pragma once

class Clock;
class LogSession;
class Messages;
class QAction;
class QPushButton;
class QWidget;
class QsoEntry;
class Settings;
class SharedPrinter;

// What every window of the logbook is given when src/app wires it in: the shared
// log session and entry, the message boxes, the clock, the settings, the printer
// chosen in the printer dialog, and the main window (parent of the other windows,
// owner of the menu items and buttons that open them).
struct AppContext
{
    LogSession &session;
    QsoEntry &entry;
    Messages &messages;
    Clock &clock;
    Settings &settings;
    SharedPrinter &printer; // printer.get(): made on first use
    QWidget *mainWindow = nullptr;

    // A menu item or button of the main window, by its object name ("Mnu_ADIF", "QSL").
    QAction *action(const char *name) const;
    QPushButton *button(const char *name) const;
};

// Connects every subsystem's windows to the main window's menus and buttons.
void installWindows(const AppContext &context);
