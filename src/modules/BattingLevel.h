#pragma once

namespace stumpcraft {

// The computer sets both batting levels from the state of its innings and locks the sliders
// (LevelsLocked).
// Setting first, it plays steadily (3) and opens up (5) for the last fifth of its overs while it
// has wickets in hand, or in the last over whatever happens. Chasing, it plays to the required
// rate: over 7 an over all out (5), 6-7 hard (4), 5 steady (3), 4 careful (2), and below that
// very carefully (1) only while it has lost fewer than two wickets.
void SetComputerBattingLevel(bool chasing);

} // namespace stumpcraft
