// How a delivery's result is drawn: every entry of the outcome table per level, the reprieve
// of a batsman who is out, and the frequencies the table implies.
#include "MatchFixture.h"
#include "modules/modProcs.h"
#include "modules/modRun.h"

#include <cmath>
#include <map>

namespace stumpcraft::testing {
namespace {

    struct MatchOutcomeTest : MatchFixture { };

    TEST_F(MatchOutcomeTest, EveryResultOfEveryLevelComesFromItsOwnTest)
    {
        FrmMain& f = StartMatch();
        const std::map<int, std::vector<int>> results {
            { 1, { 1, 2, 3, 4, Out, 6, 5, DotBall } },
            { 2, { 4, 1, 2, 3, Out, 6, 5, DotBall } },
            { 3, { 1, 2, Out, 3, 4, 6, 5, DotBall } },
            { 4, { 4, Out, 6, 2, 3, DotBall, 5, 1 } },
            { 5, { Out, 4, 6, 2, 3, DotBall, 5, 1 } },
        };
        for (const auto& [level, outcomes] : results) {
            f.HScroll1[1].Value = level;
            for (int result : outcomes) {
                ScriptRandomDraw(OutcomeDraws(level, result));
                EXPECT_EQ(DeliveryOutcome(2), result) << "level " << level;
                EXPECT_EQ(ScriptedDrawsLeft(), 0) << "level " << level << " result " << result;
            }
        }
    }

    TEST_F(MatchOutcomeTest, AnOutAtTheTopLevelIsNeverReprieved)
    {
        FrmMain& f = StartMatch();
        f.HScroll1[0].Value = 5;
        Bowl(f, BallDraws(5, Out)); // no reprieve draw in the script
        EXPECT_EQ(Bat().Wickets, 1);
    }

    TEST_F(MatchOutcomeTest, ABatsmanRatedOneAgainstFiveIsAlwaysOut)
    {
        FrmMain& f = StartMatch();
        Bat().Plr[0].BatRate = 1;
        Bat().Plr[0].BallRate = 5;
        f.HScroll1[0].Value = 4;
        // N = 1: the reprieve draw can only come out 1.
        Bowl(f, Join({ OutcomeDraws(4, Out), { 1 }, { 1 } }));
        EXPECT_EQ(Bat().Wickets, 1);
        EXPECT_TRUE(platform.toolkit.messages.empty());
    }

    TEST_F(MatchOutcomeTest, AReprievedBatsmanFacesASecondDrawThatStands)
    {
        FrmMain& f = StartMatch();
        // Rated 5 and 1: N = 1 + Round(24 / 5) = 6, so a draw of 6 is possible and reprieves.
        f.HScroll1[0].Value = 3;
        Bowl(f, Join({ OutcomeDraws(3, Out), { 6 }, OutcomeDraws(3, 2) }));
        EXPECT_EQ(Bat().Wickets, 0);
        EXPECT_EQ(Bat().Plr[0].Runs, 2);
        EXPECT_EQ(Bat().Balls, 1) << "one delivery, whatever the draws";

        // The second draw stands even when it is out again.
        Bowl(f, Join({ OutcomeDraws(3, Out), { 2 }, OutcomeDraws(3, Out), { 1 } }));
        EXPECT_EQ(Bat().Wickets, 1);
        EXPECT_TRUE(platform.toolkit.messages.empty());
    }

    TEST_F(MatchOutcomeTest, TheReprieveDrawRunsToExactlyN)
    {
        FrmMain& f = StartMatch();
        // Rated 3 and 2: N = 1 + Round(13 / 3) = 5. A scripted 6 lies outside the draw.
        Bat().Plr[0].BatRate = 3;
        Bat().Plr[0].BallRate = 2;
        f.HScroll1[0].Value = 1;
        ScriptRandomDraw(Join({ OutcomeDraws(1, Out), { 6 } }));
        f.CmdNBowl.UserClick();
        ASSERT_EQ(platform.toolkit.messages.size(), 1u);
        EXPECT_EQ(platform.toolkit.messages[0].text.rfind("5 - ", 0), 0u)
            << "a failing delivery is reported as number - description";
        EXPECT_EQ(Bat().Balls, 0) << "the delivery stopped before the ball was counted";

        platform.toolkit.messages.clear();
        Bowl(f, Join({ OutcomeDraws(1, Out), { 5 }, OutcomeDraws(1, DotBall) }));
        EXPECT_TRUE(platform.toolkit.messages.empty());
        EXPECT_EQ(Bat().Plr[0].Dots, 1);
    }

    // The chance of each result at a level, worked out from the table: each test is reached
    // only when all before it failed.
    std::map<int, double> Chances(int level)
    {
        static const std::vector<std::vector<std::pair<int, int>>> table {
            { { 5, 1 }, { 10, 2 }, { 50, 3 }, { 100, 4 }, { 25, Out }, { 10000, 6 }, { 32767, 5 } },
            { { 20, 4 }, { 10, 1 }, { 20, 2 }, { 50, 3 }, { 15, Out }, { 100, 6 }, { 32767, 5 } },
            { { 2, 1 }, { 5, 2 }, { 5, Out }, { 25, 3 }, { 10, 4 }, { 5000, 6 }, { 32767, 5 } },
            { { 5, 4 }, { 3, Out }, { 10, 6 }, { 10, 2 }, { 50, 3 }, { 20, DotBall },
                { 32767, 5 } },
            { { 5, Out }, { 3, 4 }, { 5, 6 }, { 10, 2 }, { 50, 3 }, { 10, DotBall }, { 32767, 5 } },
        };
        std::map<int, double> chances;
        double reach = 1;
        for (auto [k, result] : table[static_cast<std::size_t>(level - 1)]) {
            chances[result] += reach / k;
            reach *= 1.0 - 1.0 / k;
        }
        chances[level >= 4 ? 1 : DotBall] += reach;
        return chances;
    }

    TEST_F(MatchOutcomeTest, OutcomeFrequenciesFollowTheTable)
    {
        FrmMain& f = StartMatch();
        const int n = 200000;
        const double outs[] = { 0.028, 0.053, 0.080, 0.267, 0.200 };
        const double runsPerOver[] = { 2.6, 2.8, 5.2, 9.9, 12.9 };
        for (int level = 1; level <= 5; ++level) {
            f.HScroll1[0].Value = level;
            SeedRandomDraw(static_cast<std::uint32_t>(1000 + level));
            std::map<int, int> counts;
            for (int i = 0; i < n; ++i)
                counts[DeliveryOutcome(1)] += 1;
            const auto chances = Chances(level);
            double expectedRuns = 0;
            for (const auto& [result, p] : chances) {
                const double sigma = std::sqrt(n * p * (1 - p));
                EXPECT_NEAR(counts[result], n * p, 6 * sigma + 2)
                    << "level " << level << " result " << result;
                if (result <= 6)
                    expectedRuns += 6 * p * result;
            }
            EXPECT_NEAR(chances.at(Out), outs[level - 1], 0.001) << "level " << level;
            EXPECT_NEAR(expectedRuns, runsPerOver[level - 1], 0.05) << "level " << level;
        }
    }

} // namespace
} // namespace stumpcraft::testing
