#pragma once

#include "kit/ui/MainItems.h"

class Clock;
class LogIndex;
class LogSession;
class Messages;
class QWidget;
class Settings;
class SharedPrinter;

// What every subsystem's windows are given by the composition root (src/Composition.cpp):
// the shared log session, its index of the award standing, the message boxes, the clock, the settings, the
// printer chosen in the printer dialog, the main window (parent of the other windows)
// and its menu items and buttons that open them.
struct AppContext
{
    LogSession &session;
    LogIndex &index; // the award standing, kept beside the log
    Messages &messages;
    Clock &clock;
    Settings &settings;
    SharedPrinter &printer; // printer.get(): made on first use
    QWidget *mainWindow = nullptr;
    MainItems items{};
};
