// The odds of each batting level, as the player is told them, against what the engine
// actually draws: the same table and the same reprieve, so the same frequencies.
#include "modules/LevelOdds.h"

#include "MatchFixture.h"
#include "modules/modProcs.h"
#include "modules/modRun.h"

#include <array>
#include <cmath>

namespace stumpcraft::testing {
namespace {

    struct LevelOddsTest : MatchFixture { };

    // Catches odds shown to the player that differ from how the engine really plays.
    TEST_F(LevelOddsTest, TheOddsAreTheEnginesFrequenciesOverManyDraws)
    {
        FrmMain& f = StartMatch();
        SeedRandomDraw(424242);
        constexpr int kDraws = 100000;
        // A batsman reprieved five times in six, one never reprieved, and one in between.
        const std::array<std::array<int, 2>, 3> ratings { { { 5, 1 }, { 1, 5 }, { 3, 3 } } };
        for (int level = 1; level <= 5; ++level) {
            f.HScroll1[0].Value = level;
            for (const auto& [bat, ball] : ratings) {
                MatchPlayer striker;
                striker.BatRate = bat;
                striker.BallRate = ball;
                std::array<int, 9> seen {};
                for (int i = 0; i < kDraws; ++i)
                    seen.at(static_cast<std::size_t>(DrawBallResult(1, striker))) += 1;
                const LevelOdds odds = OddsOf(level, bat, ball);
                double total = 0;
                for (int r = 1; r <= 8; ++r) {
                    const double p = odds.chance[static_cast<std::size_t>(r)];
                    total += p;
                    // Within five standard errors, and a little for the rarest results.
                    const double tolerance = 5 * std::sqrt(p * (1 - p) / kDraws) + 1e-4;
                    EXPECT_NEAR(seen[static_cast<std::size_t>(r)] / double(kDraws), p, tolerance)
                        << "level " << level << ", ratings " << bat << "/" << ball << ", result "
                        << r;
                }
                EXPECT_NEAR(total, 1.0, 1e-12);
            }
        }
    }

    // Each frame tells the batsman in it what his level means; it follows a new batsman in
    // and a level moved on the slider, and the caption stays "Level n".
    TEST_F(LevelOddsTest, EachBatterFramesTooltipTellsItsBatsmanWhatHisLevelMeans)
    {
        FrmMain& f = StartMatch();
        f.HScroll1[0].Value = 3;
        // Arlo Penhale bats 5 and bowls 1: five outs in six are taken back below level 5.
        const std::string arlo = "Level 3 for Arlo Penhale, each ball:\n"
                                 "Dot 29.5%, single 53.3%, boundary 3.3%\n"
                                 "Out 1.9% (8.0% before his reprieve: an out stands 1 time in 6)\n"
                                 "About 5.5 runs an over";
        EXPECT_EQ((std::vector<std::string> { f.HScroll1[0].ToolTipText(), f.lbls[10].ToolTipText(),
                      f.lbls[10].Caption() }),
            (std::vector<std::string> { arlo, arlo, "Level 3" }));
        EXPECT_EQ(f.HScroll1[1].ToolTipText(), LevelOddsText(1, Bat().Plr[1]));

        f.HScroll1[1].Value = 5;
        EXPECT_NE(
            f.lbls[11].ToolTipText().find("Out 20.0% (no reprieve at level 5)"), std::string::npos)
            << f.lbls[11].ToolTipText();

        // Arlo is out at end 1: his partner moves to the first frame, the new man to the second.
        Bowl(f, BallDraws(3, Out));
        EXPECT_EQ(f.HScroll1[0].ToolTipText(), LevelOddsText(5, Bat().Plr[1]));
        EXPECT_EQ(f.HScroll1[1].ToolTipText(), LevelOddsText(2, Bat().Plr[2]));
        EXPECT_NE(f.lbls[11].ToolTipText().find("Level 2 for Cato Vennick"), std::string::npos);
    }

} // namespace
} // namespace stumpcraft::testing
