#pragma once

#include <string>

namespace stumpcraft::testing {

// A squad of fifteen invented players as a squad text: the names start with `prefix`, the
// keeper is in `keeperSlot` (counted from 0), and the bowling gets better down the order; with
// `keeperBowlsBest` the keeper is the best bowler of all on paper.
std::string InventedSquadText(
    const std::string& prefix, int keeperSlot = 5, bool keeperBowlsBest = false);

// Writes the squad text as the team file of `country` in the program's folder.
void ShipSquad(const std::string& country, const std::string& text);

} // namespace stumpcraft::testing
