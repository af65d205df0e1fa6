#pragma once

struct AppContext;

// Wires the 'Gestion des QSL' button to their windows.
void installQslWindows(const AppContext &context);
