#pragma once

#include "regions/RegionTally.h"

#include <functional>

// How a window asks for a region tally: the answer has already been shown in
// every region window that exists when it comes back.
using TallyRequest = std::function<RegionTally(const QString &band, const QString &mode)>;
