#pragma once

struct AppContext;
class QsoEntry;
class RadioPoller;

// The radio read through Hamlib: wires 'Station > Poste radio (CAT)' to its window,
// reads the radio on its own thread while it is in use, shows what it reads in the
// main window's status area and gives its band and mode to each new QSO. Returns
// the radio as the other subsystems reach it (to tune it), owned by the main window.
RadioPoller *installRadioWindows(const AppContext &context, QsoEntry &entry);
