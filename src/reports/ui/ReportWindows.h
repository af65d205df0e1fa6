#pragma once

struct AppContext;

// Wires 'Afficher > les Abbayes contactées', 'Diplome ZEL > Liste des Abbayes contactées' and 'Scores ZEL' to their windows.
void installReportWindows(const AppContext &context);
