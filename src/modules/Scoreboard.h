#pragma once

#include "modules/modVars.h"

#include <algorithm>
#include <string>

namespace stumpcraft {

// The match screen's scoreboard as the match state keeps it, and the texts its figures are
// written in.

// A new innings: the over's lines and runs, the bowling card (the opening bowler in its first
// row), the stands (the opening pair in the first) and the batsmen's milestones start afresh;
// the status line is cleared.
void StartInningsCard();

// The over's lines and its runs are cleared as a new over begins.
void ClearOver();

// The current bowler's row of the bowling card: the first row that is free or already
// carries his name (exactly), else row 0. A free row is taken; the row then shows his figures.
// Inline for every ball but a spell's first, which finds him under his own slot among the
// latest rows: no earlier row can carry his name, since he would have taken it when booked.
void BookBowlerInRow();
inline void BookBowlerOnCard()
{
    const auto& order = State.BowlingOrder;
    for (int r = std::min(State.BowlersOnCard, order.size()) - 1; r >= 0; --r)
        if (order.items_[static_cast<std::size_t>(r)] == CurrBowler)
            return;
    BookBowlerInRow();
}

// "Runs/Balls" strike rate as the cards show it: 233.33, 100, 0 before the first ball.
std::string StrikeRate(int runs, int ballsFaced);

// Overs as the card and the scoreboard show them: the completed overs of `balls`, a point and
// the ball of the over in progress, or the whole overs alone once `ball` is 6.
std::string OversText(int balls, int ball);

// "Country: 187/6", or "Country: 187" for a side all out.
std::string ScoreText(int side);
std::string ScoreText(const std::string& country, int runs, int wickets);

} // namespace stumpcraft
