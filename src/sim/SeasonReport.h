#pragma once

#include "sim/Season.h"

#include <string>

namespace stumpcraft::sim {

// The season as a person reads it: a heading, the results table by side (played, won, lost,
// tied, average and highest totals, centuries, five-wicket innings) and the calibration table
// by level (runs an over, dots, boundaries and outs a ball, each observed and as the engine's
// table implies for the batsmen who faced the balls).
std::string SeasonTable(const SeasonTally& season);

// The same figures as one JSON object, for scripts.
std::string SeasonJson(const SeasonTally& season);

} // namespace stumpcraft::sim
