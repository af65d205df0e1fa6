#pragma once

struct AppContext;

// Wires 'Fichier > Exporter le log au format ADIF' to the ADIF export.
void installExportWindows(const AppContext &context);
