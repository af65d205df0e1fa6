#pragma once

struct AppContext;

// Wires the 'Gestion des QSL' button to the QSL marking window and 'Diplome ZEL >
// QSL à recevoir' to the list of the cards still to come.
void installQslWindows(const AppContext &context);
