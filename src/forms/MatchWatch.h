#pragma once

#include "modules/MatchArchive.h"

namespace stumpcraft {

// A decided match watched again on the match screen, from its kept log: "Next Bowl" shows the
// next ball and "Next Over" the rest of the over, each told by the commentator as it was;
// "Change Innings" goes on to the second innings, and at the end "Exit to Main Menu" goes
// back. Nothing is counted in the records and nothing is kept. The main menu is hidden while
// it lasts. False (told in one message) when the match could not be played again.
bool WatchKeptMatch(long long id);

// The decided matches kept for watching again, newest first; none when there is no file.
std::vector<MatchArchive::Listed> KeptDecidedMatches();

} // namespace stumpcraft
