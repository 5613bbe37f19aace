#pragma once

#include "platform/Chart.h"

namespace stumpcraft {

// The charts of the match screen, drawn from the match's history of both innings.

// The worm: runs against overs for each innings in its side's colour, a dot at each wicket,
// and in the second innings the target as a dashed line.
ChartData WormChart();

// The Manhattan: the runs of each over as bars, the two innings side by side in their sides'
// colours, a dot above an over's bar for each wicket in it.
ChartData ManhattanChart();

} // namespace stumpcraft
