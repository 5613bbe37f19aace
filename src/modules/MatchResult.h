#pragma once

#include <functional>
#include <string>

namespace stumpcraft {

// Deciding the match and closing an innings, shared by the delivery engine and the play
// buttons.

// The result on the totals of the two sides, as the status line shows it once the match is
// decided: "It is a tie between ...", "<side batting now> win by n wickets" or "<side that
// batted first> win by n runs".
std::string ResultLine();

// Decides the match on the totals of the two sides: a tie, the batting side by wickets in
// hand, or the side that batted first by runs. Sets MatchOver, closes the innings (the play
// buttons go), puts the result on the status line and announces and counts the result.
void DecideOnTotals();

// Told once a press of a play button has decided the match, when everything of the press is
// done (the last ball booked, the result counted, the records written): a World Cup keeps its
// result then. Empty for a match nobody follows.
inline std::function<void()> OnMatchDecided;

// The records of the innings just ended: compared, and written back when one was broken.
void CloseInningsRecords();

// The innings is over, all out or its overs bowled: the play buttons go. After the first
// innings the innings button offers the second; after the second the match is decided on
// the totals, unless this delivery's chase has already decided it. The innings' records
// follow either way.
void EndInnings();

} // namespace stumpcraft
