#pragma once

struct AppContext;

// Wires the 'Gestion des QSL' button to the QSL marking window.
void installQslWindows(const AppContext &context);
