#pragma once

#include <string>

namespace stumpcraft {

// How the striker who is out was dismissed, and by whom: the text for his row of the batting
// card. The commentator says the matching line (and the call returns once it has). Only a run
// out's text begins with "R"; the bowler is credited with every other kind.
std::string DismissalText();

} // namespace stumpcraft
