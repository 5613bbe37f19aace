// How a delivery's result is drawn: every entry of the outcome table per level, and the
// reprieve of a batsman who is out. The frequencies the table implies are checked against
// the odds the player is told (LevelOddsTest).
#include "MatchFixture.h"
#include "modules/OutcomeTable.h"
#include "modules/modProcs.h"
#include "modules/modRun.h"

namespace stumpcraft::testing {
namespace {

    struct MatchOutcomeTest : MatchFixture { };

    // Each test of a level's table gives its result when its draw hits and every test before
    // it misses; when all miss, the level's last word stands.
    TEST_F(MatchOutcomeTest, EveryResultOfEveryLevelComesFromItsOwnTest)
    {
        FrmMain& f = StartMatch();
        for (int level = 1; level <= kLevelCount; ++level) {
            f.HScroll1[1].Value = level;
            std::vector<int> results { LevelTableOf(level).otherwise };
            for (const OutcomeTest& test : LevelTableOf(level).tests)
                results.push_back(test.result);
            for (int result : results) {
                ScriptRandomDraw(OutcomeDraws(level, result));
                EXPECT_EQ(DeliveryOutcome(2), result) << "level " << level;
                EXPECT_EQ(ScriptedDrawsLeft(), 0) << "level " << level << " result " << result;
            }
        }
    }

    // An out stands when a draw from 1 to N = 1 + Round((5 BatRate - BallRate) / BatRate)
    // comes out 1; otherwise the ball is drawn again and that draw stands. There is no
    // reprieve at the top level.
    TEST_F(MatchOutcomeTest, AnOutStandsOrIsReprievedByTheRatingsDraw)
    {
        FrmMain& f = StartMatch();
        f.HScroll1[0].Value = 5;
        Bowl(f, BallDraws(5, Out)); // no reprieve draw in the script
        EXPECT_EQ(Bat().Wickets, 1);

        // Arlo Penhale is out; Bram Quillet, rated 5 and 1: N = 1 + Round(24 / 5) = 6.
        f.HScroll1[0].Value = 3;
        Bowl(f, Join({ OutcomeDraws(3, Out), { 6 }, OutcomeDraws(3, 2) }));
        EXPECT_EQ(Bat().Wickets, 1);
        EXPECT_EQ(Bat().Plr[1].Runs, 2);
        EXPECT_EQ(Bat().Balls, 2) << "one delivery, whatever the draws";
        // The second draw stands even when it is out again.
        Bowl(f, Join({ OutcomeDraws(3, Out), { 2 }, OutcomeDraws(3, Out), { 1 } }));
        EXPECT_EQ(Bat().Wickets, 2);

        // Rated 1 and 5: N = 1, the reprieve draw can only come out 1.
        Bat().Plr[2].BatRate = 1;
        Bat().Plr[2].BallRate = 5;
        f.HScroll1[0].Value = 4;
        Bowl(f, Join({ OutcomeDraws(4, Out), { 1 }, { 1 } }));
        EXPECT_EQ(Bat().Wickets, 3);
        EXPECT_TRUE(platform.toolkit.messages.empty());

        // Rated 3 and 2: N = 1 + Round(13 / 3) = 5. A scripted 6 lies outside the draw.
        Bat().Plr[3].BatRate = 3;
        Bat().Plr[3].BallRate = 2;
        f.HScroll1[0].Value = 1;
        ScriptRandomDraw(Join({ OutcomeDraws(1, Out), { 6 } }));
        f.CmdNBowl.UserClick();
        ASSERT_EQ(MessageTexts().size(), 1u);
        EXPECT_EQ(MessageTexts()[0].rfind("5 - ", 0), 0u)
            << "a failing delivery is reported as number - description";
        EXPECT_EQ(Bat().Balls, 4) << "the delivery stopped before the ball was counted";
        Bowl(f, Join({ OutcomeDraws(1, Out), { 5 }, OutcomeDraws(1, DotBall) }));
        EXPECT_EQ(MessageTexts().size(), 1u);
        EXPECT_EQ(Bat().Plr[3].Dots, 1);
    }

} // namespace
} // namespace stumpcraft::testing
