// The innings button: the second innings against the first side's total, the one-innings
// game that opens straight into its chase, and the way out of a finished match.
#include "MatchFixture.h"
#include "modules/modProcs.h"
#include "modules/modRun.h"

namespace stumpcraft::testing {
namespace {

    struct MatchInningsTest : MatchFixture { };

    // The required rate is the target over the overs; the first score stays in view, without
    // its wickets when all out.
    TEST_F(MatchInningsTest, TheChaseOpensWithTheRequiredRateAndTheFirstScore)
    {
        FrmMain& f = StartMatch();
        const struct {
            int runs, wickets;
            const char *rate, *score;
        } cases[] = {
            { 0, 0, "0.02", "Northland: 0/0" },
            { 299, 6, "6", "Northland: 299/6" },
            { 187, 10, "3.76", "Northland: 187" },
        };
        for (const auto& c : cases) {
            Teams[0].Runs = c.runs;
            Teams[0].Wickets = c.wickets;
            f.cmdChange_Click();
            EXPECT_EQ(Captions(f.lblMsg[1], f.lblSmallScore[2]),
                (std::vector<std::string> {
                    std::string("       Required Run Rate for Southmere: ") + c.rate, c.score }));
            EXPECT_TRUE(f.lblSmallScore[2].Visible());
        }
    }

    TEST_F(MatchInningsTest, TheSecondInningsStartsWithClearCardsAndTheOtherOpeners)
    {
        FrmMain& f = StartMatch();
        ScriptRandomDraw(Join({ BallDraws(1, 4), BallDraws(1, Out, 1) }));
        f.CmdNBowl.UserClick();
        f.CmdNBowl.UserClick();
        State.LevelsLocked = true; // as the computer's batting leaves them
        f.cmdChange_Click();

        EXPECT_FALSE(FirstInnings);
        EXPECT_EQ((std::vector<int> { CurrBatSide, CurrBowler, OtherBowler, Batsman1, Batsman2,
                      BallOfOver, f.chk50[0].Value(), Teams[1].Plr[0].OnStrike }),
            (std::vector<int> { 1, 10, 9, 0, 1, 0, 0, true }));
        EXPECT_EQ(Captions(f.lblNxtBlr, f.lblBatName[0], f.lblBatOut[0], f.lblBatRuns[0],
                      f.lblBlrName[0], f.lblFoW[0], f.lblPlrs[0], f.lblWickets[9], f.lblDesc[0],
                      f.lblTotal, f.lblRunsInOver, f.lblMsg[0], f.frameBatter[0],
                      f.lblSmallScore[0], f.lblSmallScore[1]),
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

    // After bowling to the computer, a player's openers once began the chase at Level 5, the
    // level the computer had left on the sliders.
    TEST_F(MatchInningsTest, TheChaseStartsAtLevelOneWhoeverBats)
    {
        FrmMain& f = StartMatch({ .computerSide0 = true, .computerSide1 = false });
        State.BatLevel = { { 5, 4 } }; // as the computer left them
        f.cmdChange_Click();
        EXPECT_EQ(
            Captions(f.lbls[10], f.lbls[11]), (std::vector<std::string> { "Level 1", "Level 1" }));
        EXPECT_EQ(f.HScroll1[0].Value(), 1);
    }

    // The required runs and rates stay right for the largest total a player can enter.
    TEST_F(MatchInningsTest, AHugeTargetStillGivesTheRightChaseFigures)
    {
        FrmMain& f = StartMatch({ .firstBatSide = 1, .oneInnings = true, .target = 32767 });
        EXPECT_EQ(f.lblMsg[1].Caption(), "       Required Run Rate for Northland: 655.36");
        Bowl(f, BallDraws(1, DotBall));
        EXPECT_EQ(f.lblMsg[1].Caption(),
            "Current Run Rate for Northland: 0. Require a further 32768 runs from 299 balls at "
            "657.55 runs per over.");
    }

    // What a new match must not inherit (a second match from the menu is played in MenuTest).
    TEST_F(MatchInningsTest, ExitClearsTheMatchAndLeavesForTheMenu)
    {
        FrmMain& f = StartMatch();
        Teams[0].Plr[3].Runs = 20;
        Teams[1].Plr[4].WicketsTaken = 2;
        Teams[1].Plr[4].BallsBowled = 30;
        BallOfOver = 4;
        Batsman2 = 6;
        MatchOver = true;
        State.InningsButtonMode = InningsButton::ExitToMenu;
        f.Repaint();
        f.cmdChange.UserClick();

        EXPECT_FALSE(MatchScreenLoaded());
        EXPECT_EQ(platform.toolkit.endRequests, 0) << "the game goes on at the main menu";
        EXPECT_EQ(platform.toolkit.shownForms.back(), "frmMenu");
        EXPECT_TRUE(FirstInnings && !MatchOver);
        EXPECT_EQ((std::vector<int> { BallOfOver, Batsman1, Batsman2, Teams[0].Plr[3].Runs,
                      Teams[1].Plr[4].WicketsTaken, Teams[1].Plr[4].BallsBowled }),
            (std::vector<int> { 0, 0, 1, 0, 0, 0 }));
        EXPECT_EQ(Teams[1].Plr[10].Name, "");
    }

    TEST_F(MatchInningsTest, TheCommentatorAnnouncesTheConditionsWhenTheScreenOpens)
    {
        EnableCommentator();
        StartMatch();
        EXPECT_EQ(platform.agent.Of("Play"), std::vector<std::string> { "Greet" });
        EXPECT_EQ(platform.agent.Of("Speak").size(), 3u);
    }

} // namespace
} // namespace stumpcraft::testing
