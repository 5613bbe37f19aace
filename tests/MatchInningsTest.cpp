// The innings button: the second innings against the first side's total, the one-innings
// game that opens straight into its chase, and the way out of a finished match.
#include "MatchFixture.h"
#include "modules/modProcs.h"
#include "modules/modRun.h"

namespace stumpcraft::testing {
namespace {

    struct MatchInningsTest : MatchFixture { };

    TEST_F(MatchInningsTest, TheRequiredRateIsTheTargetOverTheOvers)
    {
        FrmMain& f = StartMatch();
        f.cmdChange_Click();
        EXPECT_EQ(f.lblMsg[1].Caption(), "       Required Run Rate for Southmere: 0.02");

        Teams[0].Runs = 299;
        f.cmdChange_Click();
        EXPECT_EQ(f.lblMsg[1].Caption(), "       Required Run Rate for Southmere: 6");
    }

    TEST_F(MatchInningsTest, TheFirstInningsScoreStaysInViewWithoutWicketsWhenAllOut)
    {
        FrmMain& f = StartMatch();
        Teams[0].Runs = 187;
        Teams[0].Wickets = 10;
        f.cmdChange_Click();
        EXPECT_EQ(f.lblSmallScore[2].Caption(), "Northland: 187");
        EXPECT_TRUE(f.lblSmallScore[2].Visible());
        Teams[0].Wickets = 6;
        f.cmdChange_Click();
        EXPECT_EQ(f.lblSmallScore[2].Caption(), "Northland: 187/6");
    }

    TEST_F(MatchInningsTest, TheSecondInningsStartsWithClearCardsAndTheOtherOpeners)
    {
        FrmMain& f = StartMatch();
        ScriptRandomDraw(Join({ BallDraws(1, 4), BallDraws(1, Out, 1) }));
        f.CmdNBowl.UserClick();
        f.CmdNBowl.UserClick();
        f.HScroll1[0].Enabled = false;
        f.cmdChange_Click();

        EXPECT_FALSE(FirstInnings);
        EXPECT_EQ((std::vector<int> { CurrBatSide, CurrBowler, OtherBowler, Batsman1, Batsman2,
                      BallOfOver, f.chk50[0].Value() }),
            (std::vector<int> { 1, 10, 9, 0, 1, 0, 0 }));
        EXPECT_TRUE(Teams[1].Plr[0].OnStrike);
        const std::vector<std::string> captions { f.lblNxtBlr.Caption(), f.lblBatName[0].Caption(),
            f.lblBatOut[0].Caption(), f.lblBatRuns[0].Caption(), f.lblBlrName[0].Caption(),
            f.lblFoW[0].Caption(), f.lblPlrs[0].Caption(), f.lblWickets[9].Caption(),
            f.lblDesc[0].Caption(), f.lblTotal.Caption(), f.lblRunsInOver.Caption(),
            f.lblMsg[0].Caption(), f.frameBatter[0].Caption(), f.lblSmallScore[0].Caption(),
            f.lblSmallScore[1].Caption() };
        EXPECT_EQ(captions,
            (std::vector<std::string> { "Next Bowler: Kit Morrow", "Quin Harlow", "Not Out", "",
                "Kit Morrow", "", "Quin Harlow / Rafe Dunmore", "Wicket 10", "", "00", "00", "",
                "Quin Harlow", "Southmere: 0/0", "Overs: 0.0" }));
        EXPECT_EQ(f.lblBatOut[0].BackColor(), kAtCrease);
        EXPECT_EQ(f.lblBatOut[2].BackColor(), kNotAtCrease);
        const std::vector<bool> shown { f.lblBlrName[0].Visible(), f.lblBlrName[1].Visible(),
            f.HScroll1[0].Enabled(), f.CmdNOver.Visible(), f.cmdChange.Visible(),
            f.picInStrike[0].Visible(), f.picInStrike[1].Visible() };
        EXPECT_EQ(shown, (std::vector<bool> { true, false, true, true, false, true, false }));
    }

    TEST_F(MatchInningsTest, AOneInningsGameOpensStraightIntoTheChase)
    {
        MatchSetup setup;
        setup.oneInnings = true;
        setup.target = 250;
        FrmMain& f = StartMatch(setup);
        EXPECT_FALSE(FirstInnings);
        EXPECT_EQ(CurrBatSide, 1);
        EXPECT_EQ(f.lblMsg[1].Caption(), "       Required Run Rate for Southmere: 5.02");
        EXPECT_EQ(f.lblSmallScore[2].Caption(), "Northland: 250/0");
    }

    TEST_F(MatchInningsTest, AHugeTargetStillGivesTheRightChaseFigures)
    {
        MatchSetup setup;
        setup.oneInnings = true;
        setup.target = 32767;
        setup.firstBatSide = 1; // the human chases
        FrmMain& f = StartMatch(setup);
        EXPECT_EQ(f.lblMsg[1].Caption(), "       Required Run Rate for Northland: 655.36");
        Bowl(f, BallDraws(1, DotBall));
        EXPECT_EQ(f.lblMsg[1].Caption(),
            "Current Run Rate for Northland: 0. Require a further 32768 runs from 299 balls at "
            "657.55 runs per over.");
        EXPECT_EQ(RunsRequired, 32768);
    }

    TEST_F(MatchInningsTest, ExitClearsTheSidesButNotTheReservesAndLeavesTheMatch)
    {
        FrmMain& f = StartMatch();
        Teams[0].FallOfWicket[1] = 45;
        Teams[0].Plr[3].Runs = 20;
        Teams[1].Plr[4].WicketsTaken = 2;
        Teams[1].Plr[4].BallsBowled = 30;
        Teams[0].Keeper = 5;
        BallOfOver = 4;
        Batsman2 = 6;
        MatchOver = true;
        f.cmdChange.Caption = "E&xit to Main Menu";
        f.cmdChange.Visible = true;
        f.cmdChange.UserClick();

        EXPECT_FALSE(MatchScreenLoaded());
        EXPECT_EQ(platform.toolkit.endRequests, 0) << "the game goes on at the main menu";
        EXPECT_EQ(platform.toolkit.shownForms.back(), "frmMenu");
        EXPECT_TRUE(FirstInnings && !MatchOver);
        EXPECT_EQ(
            (std::vector<int> { BallOfOver, Batsman1, Batsman2 }), (std::vector<int> { 0, 0, 1 }));
        for (int side = 0; side < 2; ++side) {
            EXPECT_EQ(Teams[side].Country, "");
            EXPECT_EQ(Teams[side].Runs, 0);
            EXPECT_EQ(Teams[side].Keeper, 0);
            EXPECT_EQ(Teams[side].Plr[0].Name, "");
            EXPECT_EQ(Teams[side].Plr[10].Name, "");
            EXPECT_EQ(Teams[side].Plr[10].BatRate, 1) << "ratings stay";
            EXPECT_EQ(Teams[side].Plr[11].Name, side == 0 ? "Lew Ashdown" : "Bo Sutter");
        }
        EXPECT_EQ(Teams[0].PlayerName, "Ann");
        EXPECT_EQ(Teams[0].Plr[3].Runs, 0);
        EXPECT_EQ(Teams[1].Plr[4].WicketsTaken, 0);
        EXPECT_EQ(Teams[1].Plr[4].BallsBowled, 0);
        EXPECT_EQ(Teams[0].FallOfWicket[1], 45);
    }

    TEST_F(MatchInningsTest, ClosingTheWindowOrEscapeEndsTheProgram)
    {
        FrmMain& f = StartMatch();
        f.Unload(); // the program's own unload ends nothing
        EXPECT_EQ(platform.toolkit.endRequests, 0);

        FrmMain& g = frmMain();
        g.RequestClose(UnloadMode::FormControlMenu);
        EXPECT_EQ(platform.toolkit.endRequests, 1);

        FrmMain& h = frmMain();
        h.Command1_Click();
        EXPECT_EQ(platform.toolkit.endRequests, 2);
        EXPECT_FALSE(h.IsLoaded());
    }

    TEST_F(MatchInningsTest, TheCommentatorAnnouncesTheConditionsWhenTheScreenOpens)
    {
        EnableCommentator();
        StartMatch();
        EXPECT_EQ(platform.agent.Of("Play"), std::vector<std::string> { "Greet" });
        EXPECT_EQ(platform.agent.Of("Speak").size(), 3u);
    }

    TEST_F(MatchInningsTest, ARightClickCyclesTheTabs)
    {
        FrmMain& f = StartMatch();
        f.UserMouseUp(MouseButton::Left, 5, 5);
        f.UserMouseUp(MouseButton::Middle, 5, 5);
        EXPECT_EQ(f.SSTab1.Tab(), 0);
        for (int expected : { 1, 2, 3, 4, 0 }) {
            f.UserMouseUp(MouseButton::Right, 5, 5);
            EXPECT_EQ(f.SSTab1.Tab(), expected);
        }
    }

} // namespace
} // namespace stumpcraft::testing
