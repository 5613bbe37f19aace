#pragma once

#include <array>

namespace stumpcraft {

// The twelve countries of the game, in the order every list of them shows: the menu's, the
// team sheet's and the World Cup's draw.
inline constexpr std::array<const char*, 12> kCountryNames { "Australia", "Bangladesh", "Holland",
    "India", "Kenya", "New Zealand", "Pakistan", "South Africa", "Sri Lanka", "U.A.E",
    "West Indies", "Zimbabwe" };

} // namespace stumpcraft
