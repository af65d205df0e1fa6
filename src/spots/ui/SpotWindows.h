#pragma once

struct AppContext;
class RadioPoller;
class SpotDesk;
class SpotFeed;

// The abbeys on the air: wires 'Diplome ZEL > Abbayes sur l'air (cluster)' to its
// window, connects the cluster (made by the composition root, with the desk that
// works a spot) as the operator left it, and announces a needed abbey in the
// cluster's place of the main window's status area. radio: the transceiver, or none.
void installSpotWindows(const AppContext &context, SpotFeed &feed, SpotDesk &desk, RadioPoller *radio);
