#pragma once

#include <cstdint>
#include <vector>

namespace stumpcraft {

// Count draws of a whole number uniform in 1..Max, averaged and rounded halves to even. The
// generator is seeded once per run; every caller of the game passes Count = 1.
int RandomDraw(int Count, int Max);

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
