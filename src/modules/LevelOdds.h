#pragma once

#include <array>
#include <string>

namespace stumpcraft {

struct MatchPlayer;

// What a batting level means per ball for one batsman: the chance of each ball result once
// his reprieve has been taken into account, worked out from the engine's own table and
// reprieve rule, and what follows from them.
struct LevelOdds {
    // Indexed by ball result: 1 to 6 runs, DotBall, Out (element 0 is unused).
    std::array<double, 9> chance {};
    double outBeforeReprieve = 0;
    // An out stands one time in this many; 1 when there is no reprieve.
    int outStandsOneIn = 1;

    double Boundary() const { return chance[4] + chance[6]; }
    double RunsPerBall() const;
    double RunsPerOver() const { return 6 * RunsPerBall(); }
};

// The odds of a ball at `level` (1 to 5) for a batsman of these ratings (1 to 5). There is no
// reprieve at the top level.
LevelOdds OddsOf(int level, int BatRate, int BallRate);

// The odds as the tooltips and the manual write them: a chance as "12.3%", a number of runs
// as "4.5", both to the nearest tenth.
std::string OddsPercent(double chance);
std::string OddsTenths(double value);

// The tooltip of a batter frame's level: the chances of a dot, a single, a boundary and an
// out, and the runs an over to expect, for this batsman at this level.
std::string LevelOddsText(int level, const MatchPlayer& batsman);

} // namespace stumpcraft
