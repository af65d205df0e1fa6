#pragma once

struct AppContext;

// The radio read through Hamlib: wires 'Station > Poste radio (CAT)' to its window,
// reads the radio on its own thread while it is in use, shows what it reads in the
// main window's status bar and gives its band and mode to each new QSO.
void installRadioWindows(const AppContext &context);
