#pragma once

#include "modules/WorldCup.h"
#include "platform/Chart.h"

namespace stumpcraft::worldcup {

// Group g's points race: each side's points after each round, one line a side in its own
// colour, from round 0 to the rounds played.
ChartData PointsRaceChart(const Cup& cup, int g);

} // namespace stumpcraft::worldcup
