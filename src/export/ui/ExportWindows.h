#pragma once

struct AppContext;

// Wires 'Fichier > Exporter le log au format ADIF' to their windows.
void installExportWindows(const AppContext &context);
