#pragma once

struct AppContext;
class MainWindow;
class QsoEntry;

// The composition root: connects every subsystem's windows to the main window's menu
// items and buttons. A new subsystem adds its install…Windows call here, and nowhere
// else learns of it.
void installWindows(MainWindow &window, QsoEntry &entry, const AppContext &context);
