#pragma once

#include <functional>

struct AppContext;

// Wires 'Station > Nouvel Indicatif' to the station window; `stationChosen` runs once
// the operator has chosen or created a station (the main window then shows its log).
void installStationWindows(const AppContext &context, std::function<void()> stationChosen);
