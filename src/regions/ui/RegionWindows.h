#pragma once

struct AppContext;
class QsoEntry;

// Wires 'Statistiques > des Regions contactées', 'Carte > des regions contactées' and the new-region mini map to their windows.
void installRegionWindows(const AppContext &context, QsoEntry &entry);
