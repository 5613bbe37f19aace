// The match screen's own figures and windows: the bowling card's rows, the bowler change
// screen's refusals, the batting statistics, and the Charts tab's worm and Manhattan, which
// follow every ball while their tab is shown and cost nothing while it is not.
#include "MatchFixture.h"
#include "forms/frmBatStat.h"
#include "forms/frmBowlChange.h"
#include "modules/Scoreboard.h"
#include "modules/modProcs.h"
#include "modules/modRecords.h"

#include <charconv>

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
        // Every field of a chart, each number in its shortest exact form, ten points a line.
        static std::string ChartText(const ChartData& c)
        {
            const auto n = [](double v) {
                char text[32];
                return std::string(text, std::to_chars(text, text + sizeof text, v).ptr);
            };
            std::string out = c.Title + (c.Legend ? " (legend)\n" : "\n");
            for (const ChartAxis* a : { &c.X, &c.Y })
                out += a->Title + " " + n(a->Min) + ".." + n(a->Max) + " by " + n(a->TickInterval)
                    + "\n";
            for (const ChartSeries& s : c.Series) {
                out += "'" + s.Name + "' style " + std::to_string(static_cast<int>(s.Style))
                    + " colour " + std::to_string(s.Colour.r) + "," + std::to_string(s.Colour.g)
                    + "," + std::to_string(s.Colour.b) + (s.Colour.set ? "" : " unset")
                    + " bar width " + n(s.BarWidth);
                for (std::size_t i = 0; i < s.Points.size(); ++i)
                    out += (i % 10 ? " " : "\n ") + n(s.Points[i].x) + "," + n(s.Points[i].y);
                out += "\n";
            }
            return out;
        }
    };

    // Catches a worm or Manhattan that misstates the runs, overs or wickets of a match: both
    // charts of the seeded match, every point and style, pinned in a golden file.
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
        const std::string charts = ChartText(f.chtWorm.Data) + ChartText(f.chtManhattan.Data);
        EXPECT_EQ(charts, Golden("seeded-match-charts.txt", charts));
        for (int side = 0; side < 2; ++side) { // the worm ends at the card's total and tenth wicket
            const auto& worm = f.chtWorm.Data().Series;
            EXPECT_EQ(worm[static_cast<std::size_t>(2 * side)].Points.back().y, Teams[side].Runs);
            EXPECT_EQ(worm[static_cast<std::size_t>(2 * side + 1)].Points.back().y,
                Teams[side].FallOfWicket[10]);
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
