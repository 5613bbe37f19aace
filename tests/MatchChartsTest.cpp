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
        MatchSetup setup;
        setup.computerSide0 = true;
        FrmMain& f = StartMatch(setup);
        SeedRandomDraw(20261206);
        ASSERT_TRUE(PlayThrough(f));
        EXPECT_EQ(f.chtWorm.Data(), ChartData {}) << "nothing drawn while the tab was hidden";

        f.UserMouseUp(MouseButton::Right, 5, 5);
        f.UserMouseUp(MouseButton::Right, 5, 5);
        f.UserMouseUp(MouseButton::Right, 5, 5);
        f.UserMouseUp(MouseButton::Right, 5, 5);
        ASSERT_EQ(f.SSTab1.Tab(), FrmMain::kChartsTab);

        // Northland 319 all out in 49.1 overs, Southmere 301 all out in 47.1 chasing 320.
        const ChartData& worm = f.chtWorm.Data;
        EXPECT_EQ(worm.X, (ChartAxis { "Overs", 0, 50, 5 }));
        EXPECT_EQ(worm.Y, (ChartAxis { "Runs", 0, 400, 100 }));
        ASSERT_EQ(worm.Series.size(), 5u);
        const int balls[] = { 295, 283 };
        for (int side = 0; side < 2; ++side) {
            const ChartSeries& line = worm.Series[static_cast<std::size_t>(2 * side)];
            const ChartSeries& wickets = worm.Series[static_cast<std::size_t>(2 * side + 1)];
            EXPECT_EQ(line.Name, Teams[side].Country);
            EXPECT_EQ(line.Style, SeriesStyle::Line);
            EXPECT_EQ(line.Colour, look::kSideColours[side]);
            ASSERT_EQ(line.Points.size(), static_cast<std::size_t>(balls[side] + 1));
            EXPECT_EQ(line.Points.front(), (ChartPoint { 0, 0 }));
            EXPECT_EQ(
                line.Points.back(), (ChartPoint { balls[side] / 6.0, double(Teams[side].Runs) }));
            EXPECT_EQ(wickets.Name, "") << "the dots are not listed in the legend";
            EXPECT_EQ(wickets.Style, SeriesStyle::Markers);
            ASSERT_EQ(wickets.Points.size(), 10u);
            for (int w = 1; w <= 10; ++w)
                EXPECT_EQ(
                    wickets.Points[static_cast<std::size_t>(w - 1)].y, Teams[side].FallOfWicket[w]);
        }
        EXPECT_EQ(worm.Series[4],
            (ChartSeries { "Target 320", SeriesStyle::Dashed, look::kTargetLine,
                { { 0, 320 }, { 50, 320 } }, 0 }));

        const ChartData& manhattan = f.chtManhattan.Data;
        EXPECT_EQ(manhattan.X, (ChartAxis { "Over", 0.5, 50.5, 5 }));
        EXPECT_FALSE(manhattan.Legend);
        ASSERT_EQ(manhattan.Series.size(), 4u);
        for (int side = 0; side < 2; ++side) {
            const ChartSeries& bars = manhattan.Series[static_cast<std::size_t>(2 * side)];
            const ChartSeries& wickets = manhattan.Series[static_cast<std::size_t>(2 * side + 1)];
            EXPECT_EQ(bars.Style, SeriesStyle::Bars);
            ASSERT_EQ(bars.Points.size(), side == 0 ? 50u : 48u) << "one bar an over begun";
            EXPECT_EQ(SumOfHeights(bars), Teams[side].Runs);
            // Over n's two bars meet at n, the first innings' on the left.
            EXPECT_DOUBLE_EQ(bars.Points[0].x + (side == 0 ? bars.BarWidth : 0), 1.0);
            EXPECT_EQ(wickets.Points.size(), 10u);
            for (const ChartPoint& dot : wickets.Points) {
                // A dot stands over the middle of its bar.
                const double middle = bars.BarWidth / 2;
                const long over = std::lround(dot.x + (side == 0 ? middle : -middle));
                ASSERT_GE(over, 1);
                ASSERT_LE(over, static_cast<long>(bars.Points.size()));
                const ChartPoint& bar = bars.Points[static_cast<std::size_t>(over - 1)];
                EXPECT_DOUBLE_EQ(bar.x + middle, dot.x);
                EXPECT_GT(dot.y, bar.y) << "a wicket dot stands above its over";
                EXPECT_LT(dot.y, manhattan.Y.Max);
            }
        }
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
