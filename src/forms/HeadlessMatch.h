#pragma once

#include "modules/QuickMatch.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace stumpcraft {

class AgentCharacter;
class RecordsStore;
class Toolkit;
struct Services;

// For as long as it lives, a match is played with nobody looking: the given toolkit in place
// of the live one, no commentator, no records store, no scorecards, nothing kept and no one
// told of the result. All of it comes back afterwards.
class QuietMatch {
public:
    explicit QuietMatch(Toolkit& toolkit);
    ~QuietMatch();
    QuietMatch(const QuietMatch&) = delete;
    QuietMatch& operator=(const QuietMatch&) = delete;

private:
    std::unique_ptr<Services> platform_;
    bool agentOn_;
    AgentCharacter* agentChar_;
    std::unique_ptr<RecordsStore> store_;
    bool keepCards_;
    bool keepMatches_;
    std::function<void()> decided_;
};

// A whole match played with nobody looking: through the match screen's window model and the
// engine exactly as a player's match, the computer captaining both sides. Nothing is spoken,
// shown, counted in the records or kept as a scorecard, whatever the running game has open.

// What the match came to. The finished match also stays in the match state (sides, figures,
// history) for the caller to read until the next match is set up.
struct HeadlessOutcome {
    std::array<int, 2> runs {};
    std::array<int, 2> wickets {};
    std::array<int, 2> balls {};
    int battedFirst = 0;
    std::string result; // the status line's result: "Kenya win by 4 wickets"
};

// Plays the match already set up in the match state, from the screen's load to its result.
// Throws std::runtime_error when the match asked a person to choose, the engine reported a
// failure, or it did not finish.
HeadlessOutcome PlayHeadlessMatch();

// Sets the match up from the two squads (SetUpQuickMatch, both sides the computer's) and
// plays it. Throws RuntimeError when a squad cannot be read.
HeadlessOutcome PlayHeadlessMatch(
    const std::string& country0, const std::string& country1, int overs, int firstBatSide);

} // namespace stumpcraft
