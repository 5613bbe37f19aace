#pragma once

#include <string>

namespace stumpcraft {

// A match set up straight from two shipped squads, without the pre-match screens: each side
// takes its file's first eleven in file order and the rest as reserves, and the specials a
// sensible captain would pick. Used by the program until its menus exist, by the snapshot
// tool and by the benchmarks.
struct QuickMatchSettings {
    std::string country0 = "Australia";
    std::string country1 = "Bangladesh";
    std::string player0 = "Player";
    std::string player1 = "Computer";
    int overs = 50;
    int firstBatSide = 0;
};

// Fills the match state for a two-innings match. Throws RuntimeError when a squad file is
// missing or damaged.
void SetUpQuickMatch(const QuickMatchSettings& settings);

} // namespace stumpcraft
