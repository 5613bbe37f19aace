#pragma once

#include "modules/modProcs.h"
#include "modules/modVars.h"

#include <array>
#include <cstdint>

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

// The same tests read off the generator's 32-bit output u, for the engine's own draws:
// RandomDraw(1, K) is draw_detail::InRange(u, K), which is `hit` exactly when u lies in
// [lo, lo + span). One subtraction and one comparison a test instead of a multiplication.
struct OutcomeWindow {
    std::uint64_t lo = 0;
    std::uint64_t span = 0;
    int result = 0;

    constexpr bool Holds(std::uint64_t u) const { return u - lo < span; }
};

struct LevelWindows {
    std::array<OutcomeWindow, 7> windows;
    int otherwise;
};

namespace outcome_detail {
    // The least u with (u x K) / 2^32 >= n: ceil(n x 2^32 / K).
    constexpr std::uint64_t FirstWith(std::uint64_t n, std::uint64_t K)
    {
        return ((n << 32U) + K - 1) / K;
    }

    constexpr std::array<LevelWindows, kLevelCount> Windows()
    {
        std::array<LevelWindows, kLevelCount> all {};
        for (std::size_t l = 0; l < kLevelCount; ++l) {
            for (std::size_t t = 0; t < kLevels[l].tests.size(); ++t) {
                const OutcomeTest& test = kLevels[l].tests[t];
                const auto K = static_cast<std::uint64_t>(test.K);
                const auto hit = static_cast<std::uint64_t>(test.hit);
                const std::uint64_t lo = FirstWith(hit - 1, K);
                all[l].windows[t] = { lo, FirstWith(hit, K) - lo, test.result };
            }
            all[l].otherwise = kLevels[l].otherwise;
        }
        return all;
    }

    // Every window agrees with the draw at its edges, on both sides of each.
    constexpr bool WindowsAgree(const std::array<LevelWindows, kLevelCount>& all)
    {
        for (std::size_t l = 0; l < kLevelCount; ++l) {
            for (std::size_t t = 0; t < kLevels[l].tests.size(); ++t) {
                const OutcomeTest& test = kLevels[l].tests[t];
                const OutcomeWindow& w = all[l].windows[t];
                for (const std::uint64_t u : { w.lo - 1, w.lo, w.lo + w.span - 1, w.lo + w.span }) {
                    if (u > 0xFFFFFFFFULL)
                        continue;
                    if ((draw_detail::InRange(u, test.K) == test.hit) != w.Holds(u))
                        return false;
                }
            }
        }
        return true;
    }
} // namespace outcome_detail

inline constexpr std::array<LevelWindows, kLevelCount> kLevelWindows = outcome_detail::Windows();
static_assert(outcome_detail::WindowsAgree(kLevelWindows));

// The level at which an out is never reprieved.
inline constexpr int kNoReprieveLevel = 5;

// The reprieve of a batsman who is out below the top level: the out stands only when
// RandomDraw(1, N) comes out 1, with N = 1 + (5 x BatRate - BallRate) / BatRate rounded halves
// to even. The better his batting against his bowling, the likelier the ball is drawn again.
int OutStandsOneIn(int BatRate, int BallRate);

} // namespace stumpcraft
