#pragma once

#include <ctime>
#include <string>

namespace stumpcraft {

// Scorecards the player keeps: the card of the match as plain text and as a page, in the
// folder "Scorecards" of the player's folder (beside the program when it runs from its own), named
// by the moment and the two countries.

// Whether a decided match keeps its scorecard by itself. The game turns it on; the tests, the
// benchmarks and the season simulator, which must write nothing, leave it off.
inline bool KeepScorecardsOnResult = false;

// The folder the scorecards go to.
std::string ScorecardFolder();

// Writes "<yyyy-mm-dd hh-mm-ss> <first side> v <second side>.txt" and ".html" into the folder,
// made when missing, with the card of the match as it stands at the local time `when`.
// Returns the path of both without the extension. A folder or file that cannot be written
// throws RuntimeError saying which and why; nothing half-written is left behind.
std::string WriteScorecards(const std::tm& when);

// Writes a page of its own into the folder as "<yyyy-mm-dd hh-mm-ss> <what>.html" and returns
// its path; failures as WriteScorecards.
std::string KeepPage(const std::tm& when, const std::string& what, const std::string& html);

// Keeps the scorecard now, and the status line says where it went. A folder that cannot be
// written is told in a message box, and the match goes on.
void KeepScorecard();

} // namespace stumpcraft
