#pragma once

#include <string>

namespace stumpcraft::testing {

// A squad of fifteen invented players as a squad text: the names start with `prefix`, slot 6
// is the keeper, and the bowling gets better down the order.
std::string InventedSquadText(const std::string& prefix);

// Writes the squad text as the team file of `country` in the program's folder.
void ShipSquad(const std::string& country, const std::string& text);

} // namespace stumpcraft::testing
