#pragma once

// Two invented sides set up by hand, the match screen loaded for them, and the means to reach
// exact paths of the engine: the draws that give a chosen ball result at a chosen level.
#include "fakes/FakeServices.h"
#include "forms/frmMain.h"
#include "modules/modVars.h"

namespace stumpcraft::testing {

struct MatchSetup {
    int overs = 50;
    int firstBatSide = 0;
    bool computerSide0 = false;
    bool computerSide1 = true;
    bool oneInnings = false;
    int target = 0; // one-innings game: the entered total of the side batting first
};

// Fills Teams[0] ("Northland") and Teams[1] ("Southmere") with squads, ratings, captain,
// keeper (slot 5) and opening bowlers (slots 10 and 9), and the players' empty records.
void SetUpSides(const MatchSetup& setup = {});

// The draws that make DeliveryOutcome give `result` at `level`.
std::vector<int> OutcomeDraws(int level, int result);
// The draws of a whole scripted delivery: an out is kept (reprieve draw 1) and given the
// dismissal kind `kind` (1-8) and, for a catch or run out, the fielder draw `fielder`.
std::vector<int> BallDraws(int level, int result, int kind = 1, int fielder = 1);
// Several deliveries' draws one after the other.
std::vector<int> Join(std::initializer_list<std::vector<int>> parts);
// One delivery's draws `n` times over.
std::vector<int> Times(int n, const std::vector<int>& draws);

// The captions of these controls, in order.
template <typename... Controls> std::vector<std::string> Captions(const Controls&... controls)
{
    return { controls.Caption()... };
}

// The whole scorecard of the match so far, line by line, for golden comparisons.
std::string Scorecard();

// The text of the golden file `name` in tests/golden. With STUMPCRAFT_UPDATE_GOLDEN set, the
// file is first written afresh from `now`, what the game makes today (then look at the
// difference before committing it).
std::string Golden(const std::string& name, const std::string& now);

// A player who, asked for a new bowler, clicks up the list from the bottom until one is taken.
void ChooseBowlersWhenAsked(fakes::FakeToolkit& toolkit);

// Plays a match to its result through the play buttons and the innings button, as a user
// would press them. Returns false if a press made no progress (a blocked bowling change).
bool PlayThrough(FrmMain& f);

class MatchFixture : public ::testing::Test {
protected:
    // Sets the sides up and loads the match screen.
    FrmMain& StartMatch(const MatchSetup& setup = {});

    MatchTeam& Bat() { return Teams[CurrBatSide]; }
    MatchTeam& Field() { return Teams[1 - CurrBatSide]; }
    // Plays one delivery with CmdNBowl, with these draws.
    void Bowl(FrmMain& f, const std::vector<int>& draws);

    std::vector<std::string> MessageTexts() const { return platform.toolkit.Texts(); }
    // The commentator on the screen, its bookmarks reported back as the main menu does.
    void EnableCommentator();
    void ChooseBowlersWhenAsked() { testing::ChooseBowlersWhenAsked(platform.toolkit); }
    // Opens the bowler change from the next-bowler label and clicks `row` in it.
    void ChooseBowler(FrmMain& f, int row);

    fakes::FakePlatform platform;
};

} // namespace stumpcraft::testing
