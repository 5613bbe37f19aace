// The Charts tab: what the worm and the Manhattan show of a seeded match, and charts that
// follow every ball while their tab is shown and cost nothing while it is not.
#include "MatchFixture.h"
#include "forms/Look.h"
#include "modules/modProcs.h"

#include <cmath>
#include <numeric>

namespace stumpcraft::testing {
namespace {

    struct MatchChartsTest : MatchFixture {
        static double SumOfHeights(const ChartSeries& bars)
        {
            return std::accumulate(bars.Points.begin(), bars.Points.end(), 0.0,
                [](double sum, const ChartPoint& p) { return sum + p.y; });
        }
    };

    TEST_F(MatchChartsTest, TheChartsOfTheSeededMatch)
    {
        FrmMain& f = StartMatch({ .computerSide0 = true });
        SeedRandomDraw(20261206);
        ASSERT_TRUE(PlayThrough(f));
        EXPECT_EQ(f.chtWorm.Data(), ChartData {}) << "nothing drawn while the tab was hidden";

        f.UserMouseUp(MouseButton::Left, 5, 5); // only a right click turns to the next tab
        for (int click = 0; click < 4; ++click)
            f.UserMouseUp(MouseButton::Right, 5, 5);
        ASSERT_EQ(f.SSTab1.Tab(), FrmMain::kChartsTab);

        // Northland 246 all out in 42.5 overs, Southmere 186 all out in 39.4 chasing 247.
        const ChartData& worm = f.chtWorm.Data;
        EXPECT_EQ(worm.X, (ChartAxis { "Overs", 0, 50, 5 }));
        EXPECT_EQ(worm.Y, (ChartAxis { "Runs", 0, 300, 50 }));
        ASSERT_EQ(worm.Series.size(), 5u);
        const int balls[] = { 257, 238 };
        for (int side = 0; side < 2; ++side) {
            const ChartSeries& line = worm.Series[static_cast<std::size_t>(2 * side)];
            const ChartSeries& wickets = worm.Series[static_cast<std::size_t>(2 * side + 1)];
            EXPECT_EQ(line.Name, Teams[side].Country);
            ASSERT_EQ(line.Points.size(), static_cast<std::size_t>(balls[side] + 1));
            EXPECT_EQ(line.Points.front(), (ChartPoint { 0, 0 }));
            EXPECT_EQ(
                line.Points.back(), (ChartPoint { balls[side] / 6.0, double(Teams[side].Runs) }));
            EXPECT_EQ(wickets.Name, "") << "the dots are not listed in the legend";
            ASSERT_EQ(wickets.Points.size(), 10u);
            for (int w = 1; w <= 10; ++w)
                EXPECT_EQ(
                    wickets.Points[static_cast<std::size_t>(w - 1)].y, Teams[side].FallOfWicket[w]);
        }
        EXPECT_EQ(worm.Series[4],
            (ChartSeries { "Target 247", SeriesStyle::Dashed, look::kTargetLine,
                { { 0, 247 }, { 50, 247 } }, 0 }));

        const ChartData& manhattan = f.chtManhattan.Data;
        EXPECT_EQ(manhattan.X, (ChartAxis { "Over", 0.5, 50.5, 5 }));
        EXPECT_FALSE(manhattan.Legend);
        ASSERT_EQ(manhattan.Series.size(), 4u);
        for (int side = 0; side < 2; ++side) {
            const ChartSeries& bars = manhattan.Series[static_cast<std::size_t>(2 * side)];
            const ChartSeries& wickets = manhattan.Series[static_cast<std::size_t>(2 * side + 1)];
            ASSERT_EQ(bars.Points.size(), side == 0 ? 43u : 40u) << "one bar an over begun";
            EXPECT_EQ(SumOfHeights(bars), Teams[side].Runs);
            // Over n's two bars meet at n, the first innings' on the left.
            EXPECT_DOUBLE_EQ(bars.Points[0].x + (side == 0 ? bars.BarWidth : 0), 1.0);
            EXPECT_EQ(wickets.Points.size(), 10u);
            // A wicket dot stands over the middle of its over's bar, above it.
            const double middle = bars.BarWidth / 2;
            for (const ChartPoint& dot : wickets.Points) {
                const auto over = std::lround(dot.x + (side == 0 ? middle : -middle));
                ASSERT_TRUE(over >= 1 && over <= std::ssize(bars.Points)) << dot.x;
                const ChartPoint& bar = bars.Points[static_cast<std::size_t>(over - 1)];
                EXPECT_DOUBLE_EQ(bar.x + middle, dot.x);
                EXPECT_TRUE(dot.y > bar.y && dot.y < manhattan.Y.Max) << dot.y;
            }
        }
        f.UserMouseUp(MouseButton::Right, 5, 5);
        EXPECT_EQ(f.SSTab1.Tab(), 0) << "and round again";
    }

    TEST_F(MatchChartsTest, TheChartsFollowEveryBallOnlyWhileTheirTabIsShown)
    {
        FrmMain& f = StartMatch();
        f.SSTab1.Tab = FrmMain::kChartsTab;
        ASSERT_EQ(f.chtWorm.Data().Series.size(), 2u) << "drawn as the tab opens";
        EXPECT_EQ(f.chtWorm.Data().Series[0].Points.size(), 1u);

        Bowl(f, BallDraws(1, 4));
        EXPECT_EQ(f.chtWorm.Data().Series[0].Points.back(), (ChartPoint { 1 / 6.0, 4 }));
        EXPECT_EQ(f.chtManhattan.Data().Series[0].Points.back().y, 4);

        f.SSTab1.Tab = 0;
        Bowl(f, BallDraws(1, 2));
        EXPECT_EQ(f.chtWorm.Data().Series[0].Points.size(), 2u) << "a hidden tab is not redrawn";
        f.SSTab1.Tab = FrmMain::kChartsTab;
        EXPECT_EQ(f.chtWorm.Data().Series[0].Points.back(), (ChartPoint { 2 / 6.0, 6 }));
        EXPECT_EQ(f.chtManhattan.Data().Series[0].Points.back().y, 6);
    }

} // namespace
} // namespace stumpcraft::testing
