#pragma once

struct AppContext;

// Wires the 'Rechercher un QSO' button to the search window.
void installSearchWindows(const AppContext &context);
