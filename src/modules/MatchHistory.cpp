#include "modules/MatchHistory.h"

namespace stumpcraft {

int InningsHistory::Runs() const
{
    int runs = 0;
    for (const OverRecord& over : overs)
        runs += over.runs;
    return runs;
}

int InningsHistory::RunsAfter(int ball) const
{
    int runs = 0;
    for (int b = 0; b <= ball && b < Balls(); ++b)
        runs += balls[static_cast<std::size_t>(b)].runs;
    return runs;
}

void MatchHistory::Begin(InningsHistory& h, int side)
{
    h.side = side;
    // An innings of fifty overs, reserved once so a season does not grow it ball by ball.
    h.balls.reserve(300);
    h.overs.reserve(50);
}

} // namespace stumpcraft
