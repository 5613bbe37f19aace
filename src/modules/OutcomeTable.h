#pragma once

#include "modules/modVars.h"

#include <array>

namespace stumpcraft {

// How each batting level plays, as the delivery engine draws it. The tests of a level are
// tried in order; a test succeeds when RandomDraw(1, K) comes out `hit`, and the first that
// succeeds gives the ball's result. When none does, the level's `otherwise` stands.
//
// Cautious levels rarely score and rarely get out, aggressive ones score quickly and lose
// wickets quickly. Fives are a freak (the last test only). The engine and the odds shown to
// the player both read this one table.
struct OutcomeTest {
    int K;
    int result;
    int hit = 1;
};

struct LevelTable {
    std::array<OutcomeTest, 7> tests;
    int otherwise;
};

inline constexpr int kLevelCount = 5;

inline constexpr std::array<LevelTable, kLevelCount> kLevels { {
    { { { { 5, 1 }, { 10, 2 }, { 50, 3 }, { 100, 4 }, { 25, Out }, { 10000, 6 }, { 32767, 5 } } },
        DotBall },
    { { { { 20, 4, 4 }, { 10, 1 }, { 20, 2 }, { 50, 3 }, { 15, Out }, { 100, 6 }, { 32767, 5 } } },
        DotBall },
    { { { { 2, 1 }, { 5, 2 }, { 5, Out }, { 25, 3 }, { 10, 4 }, { 5000, 6 }, { 32767, 5 } } },
        DotBall },
    { { { { 5, 4 }, { 3, Out }, { 10, 6 }, { 10, 2 }, { 50, 3 }, { 20, DotBall }, { 32767, 5 } } },
        1 },
    { { { { 5, Out }, { 3, 4 }, { 5, 6 }, { 10, 2 }, { 50, 3 }, { 10, DotBall }, { 32767, 5 } } },
        1 },
} };

// The table of a level from 1 to 5.
inline const LevelTable& LevelTableOf(int level)
{
    return kLevels.at(static_cast<std::size_t>(level - 1));
}

// The level at which an out is never reprieved.
inline constexpr int kNoReprieveLevel = 5;

// The reprieve of a batsman who is out below the top level: the out stands only when
// RandomDraw(1, N) comes out 1, with N = 1 + (5 x BatRate - BallRate) / BatRate rounded halves
// to even. The better his batting against his bowling, the likelier the ball is drawn again.
int OutStandsOneIn(int BatRate, int BallRate);

} // namespace stumpcraft
