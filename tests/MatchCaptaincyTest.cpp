// The computer as captain: its bowling changes by stage of the innings, and a won chase that
// leaves its batting levels alone.
#include "MatchFixture.h"
#include "modules/BattingLevel.h"
#include "modules/ComputerBowler.h"
#include "modules/modProcs.h"

namespace stumpcraft::testing {
namespace {

    struct MatchCaptaincyTest : MatchFixture { };

    // Northland bats; the computer's Southmere has had bowlers in slots 10, 9, 8 and 7 on the
    // card in that order, with the given balls each, in a 50-over innings (a quota of 60 balls).
    TEST_F(MatchCaptaincyTest, TheComputerChangesBowlersByTheStageOfTheInnings)
    {
        const struct {
            int balls;
            std::array<int, 4> bowled;
            int current, other, keeper, chosen;
            const char* why;
        } cases[] = {
            { 54, { 30, 24, 0, 0 }, 10, 8, 7, 6,
                "early on a fresh man from the bottom: 9 has bowled, 8 is at the other end, 7 "
                "keeps" },
            { 120, { 30, 30, 30, 30 }, 10, 9, 5, 6, "after exactly 20 overs still fresh legs" },
            { 126, { 30, 30, 30, 30 }, 10, 9, 5, 7, "after 21 the card from its fourth row" },
            { 150, { 30, 30, 30, 60 }, 10, 6, 5, 8,
                "the fourth has bowled out; the third is next" },
            { 210, { 30, 30, 60, 60 }, 8, 7, 5, 10, "later the openers come back" },
            { 270, { 30, 30, 30, 60 }, 8, 9, 5, 8, "the last fifth changes nobody" },
            { 270, { 60, 30, 60, 60 }, 8, 9, 5, 6,
                "but one who has bowled out must go: nobody on the card has overs left" },
            { 270, { 30, 30, 60, 60 }, 8, 9, 5, 10, "the opener still has overs left" },
        };
        const int slots[] = { 10, 9, 8, 7 };
        for (const auto& c : cases) {
            StartMatch();
            Bat().Balls = c.balls;
            for (int k = 0; k < 4; ++k) {
                Field().Plr[slots[k]].BallsBowled = c.bowled[static_cast<std::size_t>(k)];
                State.BowlingOrder[k] = slots[k];
            }
            State.BowlersOnCard = 4;
            Field().Keeper = c.keeper;
            CurrBowler = c.current;
            OtherBowler = c.other;
            ComputerChooseBowler();
            EXPECT_EQ(CurrBowler, c.chosen) << c.balls << " balls: " << c.why;
        }

        Bat().Balls = 150; // nobody qualifies: the bowler stays
        for (int r = 0; r <= 10; ++r)
            Field().Plr[r].BallsBowled = r == Field().Keeper ? 0 : 60;
        CurrBowler = 7;
        OtherBowler = 9;
        ComputerChooseBowler();
        EXPECT_EQ(CurrBowler, 7);
    }

    // Catches a won chase that frees the sliders or moves them: the computer's levels stay as
    // they were, locked. (The levels it sets from the state of its innings are pinned by the
    // seeded matches, season and World Cup.)
    TEST_F(MatchCaptaincyTest, AWonChaseLeavesTheComputersLevelsLocked)
    {
        FrmMain& f = StartMatch();
        CurrBatSide = 1;
        Bat().Runs = 100;
        Teams[0].Runs = 99;
        State.BatLevel[0] = 2;
        SetComputerBattingLevel(true);
        f.Repaint();
        EXPECT_EQ(f.HScroll1[0].Value(), 2);
        EXPECT_FALSE(f.HScroll1[0].Enabled());
    }

} // namespace
} // namespace stumpcraft::testing
