#pragma once

#include <cstdint>
#include <vector>

namespace stumpcraft {

namespace draw_detail {
    // The generator: a small permuted congruential generator (64 bits of state, 32-bit
    // draws), fully specified here so a seed gives the same draws with every compiler. Its
    // step is inline because the engine makes seven or more draws a ball.
    struct Generator {
        std::uint64_t state = 0;
        bool scripted = false; // a test's values come first (ScriptRandomDraw)
    };
    extern Generator generator;

    inline std::uint32_t Next(std::uint64_t& state)
    {
        const std::uint64_t old = state;
        state = old * 6364136223846793005ULL + 1442695040888963407ULL;
        const auto xorshifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
        const auto rot = static_cast<std::uint32_t>(old >> 59U);
        return (xorshifted >> rot) | (xorshifted << ((32U - rot) & 31U));
    }

    // The generator's 32-bit output u made a whole number in 1..Max: Int(Max * r) + 1 with
    // r = u / 2^32 uniform in [0, 1).
    constexpr int InRange(std::uint64_t u, int Max)
    {
        return static_cast<int>((u * static_cast<std::uint64_t>(Max)) >> 32U) + 1;
    }

    // Every draw but the plain one: scripted values, several draws averaged, bad arguments.
    int DrawOtherwise(int Count, int Max);
} // namespace draw_detail

// Count draws of a whole number uniform in 1..Max, averaged and rounded halves to even. The
// generator is seeded once per run; every caller of the game passes Count = 1.
inline int RandomDraw(int Count, int Max)
{
    if (Count == 1 && Max >= 1 && !draw_detail::generator.scripted) [[likely]] {
        return draw_detail::InRange(draw_detail::Next(draw_detail::generator.state), Max);
    }
    return draw_detail::DrawOtherwise(Count, Max);
}

// The generator's outputs one after another, held by the caller where the compiler can keep
// it in a register: draw_detail::InRange(Raw(), Max) is what RandomDraw(1, Max) would give.
// For a caller that makes several draws with nothing else drawing in between, and only while
// the generator is not scripted.
class DrawRun {
public:
    DrawRun()
        : state_(draw_detail::generator.state)
    {
    }
    ~DrawRun() { draw_detail::generator.state = state_; }
    DrawRun(const DrawRun&) = delete;
    DrawRun& operator=(const DrawRun&) = delete;

    static bool Available() { return !draw_detail::generator.scripted; }
    std::uint32_t Raw() { return draw_detail::Next(state_); }

private:
    std::uint64_t state_;
};

// For tests and benchmarks: restart the generator from a seed, so a match is reproducible,
// or have the next draws come out as the given values (each must lie in 1..Max of its draw).
void SeedRandomDraw(std::uint32_t seed);
void ScriptRandomDraw(const std::vector<int>& values);
// The generator's whole state, and the generator put back to such a state: a kept match goes
// on with the draws it would have had.
std::uint64_t RandomDrawState();
void RestoreRandomDraw(std::uint64_t state);
// The scripted values not drawn yet.
int ScriptedDrawsLeft();

} // namespace stumpcraft

// The scoreboard, the computer's bowling changes and the manual opener belong with these
// shared procedures.
#include "modules/ComputerBowler.h"
#include "modules/Manual.h"
#include "modules/Scoreboard.h"
