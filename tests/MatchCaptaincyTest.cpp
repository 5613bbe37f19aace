// The computer as captain: its bowling changes by stage of the innings, and its batting
// levels from the state of its innings.
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
            { 270, { 60, 30, 30, 60 }, 8, 9, 5, 8, "the last fifth changes nobody" },
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

    // Setting a total it opens up for the last ten overs and always attacks the last; chasing
    // it plays to the required rate, more carefully with wickets down.
    TEST_F(MatchCaptaincyTest, TheComputerBatsToTheStateOfItsInnings)
    {
        FrmMain& f = StartMatch();
        CurrBatSide = 1;
        FirstBatSide = 0;
        const struct {
            bool chasing;
            int balls, wickets, needed, level;
        } cases[] = {
            { false, 240, 3, 0, 5 },
            { false, 240, 8, 0, 3 },
            { false, 294, 9, 0, 5 },
            { false, 60, 0, 0, 3 },
            { true, 264, 0, 45, 4 },
            { true, 264, 0, 49, 5 },
            { true, 264, 0, 36, 4 },
            { true, 264, 0, 30, 3 },
            { true, 264, 0, 24, 2 },
            { true, 240, 1, 20, 1 },
            { true, 240, 2, 20, 3 },
        };
        for (const auto& c : cases) {
            Bat().Balls = c.balls;
            Bat().Wickets = c.wickets;
            Bat().Runs = 100;
            Teams[0].Runs = 100 + c.needed - 1;
            SetComputerBattingLevel(c.chasing);
            f.Repaint();
            EXPECT_EQ(f.HScroll1[0].Value(), c.level) << c.balls << "/" << c.wickets;
            EXPECT_EQ(f.HScroll1[1].Value(), c.level) << c.balls << "/" << c.wickets;
            EXPECT_FALSE(f.HScroll1[0].Enabled());
            EXPECT_FALSE(f.HScroll1[1].Enabled());
            EXPECT_EQ(f.lbls[11].Caption(), "Level " + std::to_string(c.level));
        }

        // A 10-over side opened up from its first ball and threw its wickets away: the last
        // fifth of a short match is its last two overs.
        const int overs = Overs;
        Overs = 10;
        for (const auto& [balls, level] : { std::pair { 0, 3 }, { 44, 3 }, { 48, 5 } }) {
            Bat().Balls = balls;
            Bat().Wickets = 2;
            SetComputerBattingLevel(false);
            EXPECT_EQ(State.BatLevel[0], level) << balls << " balls of 10 overs";
        }
        Overs = overs;

        State.LevelsLocked = false;
        State.BatLevel[0] = 2;
        Teams[0].Runs = 99; // a won chase leaves the levels but locks them
        SetComputerBattingLevel(true);
        f.Repaint();
        EXPECT_EQ(f.HScroll1[0].Value(), 2);
        EXPECT_FALSE(f.HScroll1[0].Enabled());
    }

} // namespace
} // namespace stumpcraft::testing
