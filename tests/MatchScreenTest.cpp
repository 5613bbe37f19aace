// The match screen's own figures and windows: the bowling card's rows, the bowler change
// screen's refusals, the batting statistics, and the Charts tab's worm and Manhattan, which
// follow every ball while their tab is shown and cost nothing while it is not.
#include "MatchFixture.h"
#include "forms/Look.h"
#include "forms/frmBatStat.h"
#include "forms/frmBowlChange.h"
#include "modules/Scoreboard.h"
#include "modules/modProcs.h"
#include "modules/modRecords.h"

#include <cmath>
#include <numeric>

namespace stumpcraft::testing {
namespace {

    struct MatchScreenTest : MatchFixture { };

    // Catches the keeper, a bowler out of overs or the other end's bowler being chosen.
    TEST_F(MatchScreenTest, TheBowlerChangeRefusesTheKeeperTheQuotaAndTheOtherEnd)
    {
        FrmMain& f = StartMatch({ .overs = 10, .computerSide1 = false });
        ChooseBowler(f, 5);
        EXPECT_EQ(MessageTexts().back(), "Sorry! You can not choose the keeper!");

        Field().Plr[8].Name = "Vic Hemsley"; // the same name as the keeper is refused alike
        ChooseBowler(f, 8);
        EXPECT_EQ(MessageTexts().size(), 2u);

        ChooseBowler(f, 9); // between overs Zeb is at the other end
        EXPECT_EQ(MessageTexts().back(),
            "Sorry! You can not choose Zeb Lindell, as he is bowling at the other end!");
        EXPECT_EQ(CurrBowler, 10);

        State.BowlingOrder[1] = 6; // Wes Calder on the card with 1.5 overs
        State.BowlersOnCard = 2;
        Field().Plr[6].BallsBowled = 11; // counts as two overs: a ten-over quota
        ChooseBowler(f, 6);
        EXPECT_EQ(MessageTexts().back(), "Sorry! Wes Calder has bowled out his quota of 2 overs");
        Field().Plr[6].BallsBowled = 9; // 1.3 rounds to the even one
        ChooseBowler(f, 6);
        EXPECT_EQ(CurrBowler, 6);
        EXPECT_EQ(f.lblNxtBlr.Caption(), "Next Bowler: Wes Calder");
        EXPECT_EQ(MessageTexts().size(), 4u);
    }

    // Cancel (Escape) closes the screen without a choice, after a refusal too: the bowlers and
    // the next-bowler line stay as they were.
    TEST_F(MatchScreenTest, CancelOnTheBowlerChangeChangesNothing)
    {
        FrmMain& f = StartMatch({ .computerSide1 = false });
        const int current = CurrBowler, other = OtherBowler;
        const std::string next = f.lblNxtBlr.Caption();
        platform.toolkit.onModal = [](Form& form) {
            auto& change = static_cast<FrmBowlChange&>(form);
            change.lblBlrName[5].UserClick(); // the keeper
            ASSERT_TRUE(change.IsLoaded());
            ASSERT_TRUE(change.cmdCancel.Cancel());
            change.cmdCancel.KeyPress();
        };
        f.lblNxtBlr.UserClick();
        EXPECT_EQ(forms::IfLoaded<FrmBowlChange>(), nullptr);
        EXPECT_EQ(CurrBowler, current);
        EXPECT_EQ(OtherBowler, other);
        EXPECT_EQ(f.lblNxtBlr.Caption(), next);
        EXPECT_EQ(
            MessageTexts(), std::vector<std::string> { "Sorry! You can not choose the keeper!" });
    }

    // A name with "|" or a bookmark tag in it can neither add an alternative nor end a wait,
    // in any line the commentator says; a box shows it as typed.
    TEST_F(MatchScreenTest, NoNameCanChangeWhatTheCommentatorSays)
    {
        const std::string odd = "Al|fie \\Mrk=1\\";
        FrmMain& f = StartMatch({ .computerSide1 = false });
        Teams[0].PlayerName = odd;
        Bat().Plr[0].Name = odd; // the striker
        Field().Plr[9].Name = odd; // at the other end
        Field().Plr[10].Name = odd; // bowling now
        EnableCommentator();
        Bat().Plr[0].Runs = 48;
        Bowl(f, BallDraws(1, 2)); // his fifty
        ChooseBowler(f, 9); // the other end
        Field().Plr[10].BallsBowled = 60;
        platform.toolkit.onModal = [](Form& form) { form.Unload(); };
        f.CmdNBowl.UserClick(); // his quota
        ShowResult(1, 3);

        int lines = 0;
        for (const std::string& text : platform.agent.Of("Speak")) {
            if (text == "\\Mrk=1\\")
                continue;
            ++lines;
            EXPECT_EQ(text.find('\\'), std::string::npos) << text;
            EXPECT_EQ(text.find("Al|fie"), std::string::npos) << text;
        }
        EXPECT_EQ(lines, 4) << "the fifty, the refusal, the quota and the result";
        AgentOn = false;
        ChooseBowler(f, 9); // his name has bowled out its quota on the card
        EXPECT_EQ(MessageTexts().back(), "Sorry! " + odd + " has bowled out his quota of 10 overs");
    }

    // During an over the choice bowls the next over; after the sixth ball it replaces the
    // bowler who finished, and the other end still bowls the next over.
    TEST_F(MatchScreenTest, TheChoiceOfBowlerTakesTheNextOverFromTheEndThatIsFree)
    {
        FrmMain& f = StartMatch({ .computerSide1 = false });
        Bowl(f, BallDraws(1, DotBall));
        ChooseBowler(f, 10);
        EXPECT_EQ(MessageTexts().back(),
            "Sorry! You can not choose Ash Tremaine, as he is bowling at the other end!");
        ChooseBowler(f, 4);
        EXPECT_EQ(OtherBowler, 4);
        EXPECT_EQ(CurrBowler, 10);

        for (int i = 0; i < 5; ++i)
            Bowl(f, BallDraws(1, DotBall));
        ChooseBowler(f, 3);
        EXPECT_EQ(CurrBowler, 3);
        Bowl(f, BallDraws(1, DotBall));
        EXPECT_EQ(Field().Plr[4].BallsBowled, 1) << "the other end still bowls the next over";
        EXPECT_EQ(OtherBowler, 3);
    }

    // Catches a batsman's figures shown wrong, or for somebody else.
    TEST_F(MatchScreenTest, ANameOnTheCardOpensHisBattingFigures)
    {
        FrmMain& f = StartMatch();
        f.HScroll1[0].Value = 1;
        Bowl(f, BallDraws(1, 4));
        Bowl(f, BallDraws(1, DotBall));
        Bowl(f, BallDraws(1, 3));
        Bowl(f, BallDraws(1, Out, 4)); // Bram, lbw
        std::vector<std::string> seen; // the ten figures, the title and how he is out
        platform.toolkit.onModal = [&](Form& form) {
            auto& stats = static_cast<FrmBatStat&>(form);
            seen.clear();
            for (auto& box : stats.txt)
                seen.push_back(box.Text());
            seen.push_back(stats.Caption);
            seen.push_back(stats.lblBatOut.Caption());
            stats.cmdExit.UserClick();
        };
        f.SSTab1.Tab = 1; // the batting card
        f.lblBatName[0].UserClick();
        EXPECT_EQ(seen,
            (std::vector<std::string> { "7", "3", "1", "0", "0", "1", "1", "0", "0", "233.33",
                "Batting Stats for Arlo Penhale", "Not Out" }));
        f.lblBatName[1].UserClick();
        EXPECT_EQ(seen[9], "0");
        EXPECT_EQ(seen[11], " lbw b: Ash Tremaine");
        f.lblBatName[9].UserClick(); // not in yet
        EXPECT_EQ(seen[9], "0");
        EXPECT_EQ(seen[11], "Not Out");
    }

    struct MatchChartsTest : MatchFixture {
        static double SumOfHeights(const ChartSeries& bars)
        {
            return std::accumulate(bars.Points.begin(), bars.Points.end(), 0.0,
                [](double sum, const ChartPoint& p) { return sum + p.y; });
        }
    };

    // Catches a worm or Manhattan that misstates the runs, overs or wickets of a match.
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

    // Catches charts that lag behind the score, or are redrawn at cost while hidden.
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
