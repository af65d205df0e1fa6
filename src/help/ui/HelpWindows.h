#pragma once

struct AppContext;

// Wires the 'Diplome ZEL > Reglement' and 'Aide' menu items to their windows.
void installHelpWindows(const AppContext &context);
