#pragma once

namespace stumpcraft {

// Deciding the match and closing an innings, shared by the delivery engine and the play
// buttons.

// Decides the match on the totals of the two sides: a tie, the batting side by wickets in
// hand, or the side that batted first by runs. Sets MatchOver, hides the play buttons, writes
// the result line and announces and counts the result.
void DecideOnTotals();

// The records of the innings just ended: compared, and written back when one was broken.
void CloseInningsRecords();

} // namespace stumpcraft
