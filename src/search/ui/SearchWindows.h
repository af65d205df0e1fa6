#pragma once

struct AppContext;

// Wires the 'Rechercher un QSO' button to their windows.
void installSearchWindows(const AppContext &context);
