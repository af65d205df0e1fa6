#pragma once

struct AppContext;
class QsoEntry;
class RadioPoller;

// The abbeys on the air: wires 'Diplome ZEL > Abbayes sur l'air (cluster)' to its
// window, keeps the cluster connection and its spots while the logbook runs,
// announces a needed abbey in the main window's status area, and works a spot with
// the radio given (none: the entry alone).
void installSpotWindows(const AppContext &context, QsoEntry &entry, RadioPoller *radio);
