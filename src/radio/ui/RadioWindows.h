#pragma once

struct AppContext;
class RadioPoller;

// The radio read through Hamlib: wires 'Station > Poste radio (CAT)' to its window
// and shows what the radio (made by the composition root) reads in the radio's place
// of the main window's status area.
void installRadioWindows(const AppContext &context, RadioPoller &poller);
