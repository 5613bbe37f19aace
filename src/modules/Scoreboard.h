#pragma once

#include <string>

namespace stumpcraft {

// The match screen's scoreboard: clearing it for a new innings and refreshing it after each
// delivery, from the match state.

// Clears the cards, the over's lines and the batter figures, and fills the names of the
// batting side, the opening pair and the opening bowler for the innings that is starting.
void ResetInningsDisplay();

// The striker marker leaves batter frame `frame` (1 or 2) for the other one.
void MoveStrikeMarker(int frame);

// The five figures of the batsman in `slot` of the batting side, in batter frame `frame`
// (1: the first frame; any other value: the second).
void ShowBatterFigures(int slot, int frame);

// The totals, the small scoreboard and the current bowler's row of the bowling card, which
// he takes (the first free row) when he first bowls.
void ShowScoreAndBowling();

// "Runs/Balls" strike rate as the cards show it: 233.33, 100, 0 before the first ball.
std::string StrikeRate(int runs, int ballsFaced);

// Overs as the card and the scoreboard show them: the completed overs of `balls`, a point and
// the ball of the over in progress, or the whole overs alone once `ball` is 6.
std::string OversText(int balls, int ball);

// "Country: 187/6", or "Country: 187" for a side all out.
std::string ScoreText(int side);
std::string ScoreText(const std::string& country, int runs, int wickets);

} // namespace stumpcraft
