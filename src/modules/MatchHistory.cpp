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

void MatchHistory::RecordBall(int inning, int side, const BallRecord& ball, const Dismissal& out)
{
    InningsHistory& h = innings.at(static_cast<std::size_t>(inning));
    if (h.balls.empty()) {
        h.side = side;
        // An innings of fifty overs, reserved once so a season does not grow it ball by ball.
        h.balls.reserve(300);
        h.overs.reserve(50);
    }
    const int n = h.Balls();
    h.balls.push_back(ball);
    if (static_cast<int>(h.overs.size()) <= n / 6)
        h.overs.emplace_back();
    OverRecord& over = h.overs.back();
    over.runs += ball.runs;
    over.balls += 1;
    if (ball.wicket) {
        over.wickets += 1;
        h.wickets.push_back({ n, ball.striker, out });
    }
}

} // namespace stumpcraft
