// The play buttons: the bowling quota, the start and end of overs, maidens, the change of
// ends and the end of an innings by overs.
#include "MatchFixture.h"
#include "forms/frmBowlChange.h"
#include "modules/Quota.h"
#include "modules/modProcs.h"

namespace stumpcraft::testing {
namespace {

    struct MatchOverTest : MatchFixture {
        std::vector<int> Over(int result)
        {
            std::vector<int> draws;
            for (int i = 0; i < 6; ++i) {
                const auto ball = BallDraws(1, result);
                draws.insert(draws.end(), ball.begin(), ball.end());
            }
            return draws;
        }
    };

    TEST_F(MatchOverTest, ABowlerWhoseQuotaIsUsedUpMustBeChanged)
    {
        MatchSetup setup;
        setup.overs = 10;
        FrmMain& f = StartMatch(setup);
        Field().Plr[10].BallsBowled = 12; // two overs: a fifth of ten
        int modalShows = 0;
        platform.toolkit.onModal = [&](Form& form) {
            ++modalShows;
            if (modalShows == 2)
                static_cast<FrmBowlChange&>(form).lblBlrName[8].UserClick();
        };

        f.CmdNBowl.UserClick();
        f.CmdNOver.UserClick();
        ASSERT_EQ(MessageTexts().size(), 2u) << "asked again on every press until changed";
        EXPECT_EQ(MessageTexts()[0],
            "Sorry! Ash Tremaine has used up his quota of overs. Please change him and choose a "
            "new bowler.");
        EXPECT_EQ(Bat().Balls, 0);
        EXPECT_EQ(modalShows, 2);
        EXPECT_EQ(CurrBowler, 8) << "at the start of the innings the choice bowls the first over";
        EXPECT_TRUE(f.CmdNOver.Enabled()) << "the refused over leaves the buttons usable";

        ScriptRandomDraw(BallDraws(1, DotBall));
        f.CmdNBowl.UserClick();
        EXPECT_EQ(Field().Plr[8].BallsBowled, 1);
        EXPECT_EQ(f.lblCurrBlr.Caption(), "Current Bowler: Yul Dacre");
    }

    // One rule for the play buttons, the bowler change and the computer's choice. They once
    // worked it out each their own way, and agreed only for the menu's overs; twelve overs
    // (a quota of Round(2.4) = 2) tell them apart.
    TEST_F(MatchOverTest, TheQuotaIsAFifthOfTheOversRoundedToWholeOvers)
    {
        MatchSetup setup;
        setup.overs = 25;
        FrmMain& f = StartMatch(setup);
        Field().Plr[10].BallsBowled = 29;
        Bowl(f, BallDraws(1, DotBall));
        EXPECT_TRUE(MessageTexts().empty()) << "29 balls are inside a quota of five overs";
        Field().Plr[10].BallsBowled = 30;
        f.CmdNBowl.UserClick();
        EXPECT_EQ(MessageTexts().size(), 1u);
        f.Unload();

        setup.overs = 12;
        setup.computerSide1 = false;
        FrmMain& g = StartMatch(setup);
        Field().Plr[10].BallsBowled = 12;
        g.CmdNBowl.UserClick();
        EXPECT_EQ(MessageTexts().back().find("Sorry! Ash Tremaine has used up his quota"), 0u);

        g.lblBlrName[1].Caption = Field().Plr[4].Name;
        g.lblOvers[1].Caption = "2";
        platform.toolkit.onModal
            = [](Form& form) { static_cast<FrmBowlChange&>(form).lblBlrName[4].UserClick(); };
        g.lblNxtBlr.UserClick();
        EXPECT_EQ(MessageTexts().back(), "Sorry! Ulf Barrow has bowled out his quota of 2 overs");

        Teams[1].PlayerName = kComputer;
        Bat().Balls = 6 * 9; // the last fifth but one: the card is searched from its top
        g.lblBlrName[0].Caption = Field().Plr[10].Name;
        Field().Plr[4].BallsBowled = 12;
        CurrBowler = 10;
        OtherBowler = 9;
        ComputerChooseBowler();
        EXPECT_NE(CurrBowler, 4) << "a bowler who has bowled his two overs is not brought back";
        EXPECT_FALSE(QuotaBowled(Field().Plr[CurrBowler].BallsBowled));
    }

    TEST_F(MatchOverTest, AMaidenNeedsSixBallsWithoutARunAndSurvivesAWicket)
    {
        FrmMain& f = StartMatch();
        const auto dot = BallDraws(1, DotBall);
        ScriptRandomDraw(Join({ BallDraws(1, Out, 1), dot, dot, dot, dot, dot }));
        f.CmdNOver.UserClick();
        EXPECT_EQ(ScriptedDrawsLeft(), 0);
        EXPECT_EQ(Teams[1].Plr[10].Maidens, 1);
        EXPECT_EQ(f.lblMaidens[0].Caption(), "1");
        EXPECT_EQ(f.lblOvers[0].Caption(), "1");
        EXPECT_EQ(f.lblSmallScore[1].Caption(), "Overs: 1");

        f.HScroll1[1].Value = 1; // the new batsman came in at level 2
        ScriptRandomDraw(Join({ dot, dot, dot, dot, dot, BallDraws(1, 1) }));
        f.CmdNOver.UserClick();
        EXPECT_EQ(ScriptedDrawsLeft(), 0);
        EXPECT_EQ(Teams[1].Plr[9].Maidens, 0) << "one run spoils the maiden";
    }

    TEST_F(MatchOverTest, NextOverAfterNextBowlHasFinishedTheOverOnlyChangesEnds)
    {
        FrmMain& f = StartMatch();
        for (int i = 0; i < 6; ++i)
            Bowl(f, BallDraws(1, DotBall));
        EXPECT_EQ(BallOfOver, 6);
        EXPECT_EQ(Teams[1].Plr[10].Maidens, 1);

        f.CmdNOver.UserClick(); // no draws scripted: nothing is bowled
        EXPECT_EQ(Bat().Balls, 6);
        EXPECT_EQ(BallOfOver, 0);
        EXPECT_EQ(CurrBowler, 9);
        EXPECT_EQ(OtherBowler, 10);
        EXPECT_TRUE(Bat().Plr[1].OnStrike);
        EXPECT_FALSE(f.picInStrike[0].Visible());
        EXPECT_TRUE(f.picInStrike[1].Visible());
        EXPECT_TRUE(f.CmdNBowl.Enabled());
        EXPECT_EQ(f.ActiveControl(), &f.CmdNOver);

        ScriptRandomDraw(Over(DotBall));
        f.CmdNOver.UserClick();
        EXPECT_EQ(Teams[1].Plr[9].BallsBowled, 6);
        EXPECT_EQ(f.lblCurrBlr.Caption(), "Current Bowler: Zeb Lindell");
        EXPECT_EQ(f.lblNxtBlr.Caption(), "Next Bowler: Ash Tremaine");
    }

    TEST_F(MatchOverTest, NextBowlChangesEndsOnThePressAfterTheSixthBall)
    {
        FrmMain& f = StartMatch();
        for (int i = 0; i < 6; ++i)
            Bowl(f, BallDraws(1, 2));
        EXPECT_EQ(f.lblDesc[5].Caption(), "Arlo Penhale: 2 Runs");
        Bowl(f, BallDraws(1, 1));
        EXPECT_EQ(Teams[1].Plr[9].BallsBowled, 1);
        EXPECT_EQ(Bat().Plr[1].Ones, 1) << "the other batsman faces the new over";
        EXPECT_EQ(f.lblDesc[0].Caption(), "Bram Quillet: 1 Runs");
        EXPECT_EQ(f.lblDesc[1].Caption(), "") << "the over's lines start afresh";
        EXPECT_EQ(f.lblRunsInOver.Caption(), "1");
        EXPECT_EQ(f.lblCurrBlr.Caption(), "Current Bowler: Zeb Lindell");
        EXPECT_EQ(f.lblBlrName[1].Caption(), "Zeb Lindell") << "a new bowler takes the next row";
        EXPECT_TRUE(f.lblWicketsTaken[1].Visible());
        EXPECT_EQ(f.lblMsg[0].Caption(), "Northland 13/0");
    }

    TEST_F(MatchOverTest, TheFirstInningsEndsWhenItsOversAreBowled)
    {
        MatchSetup setup;
        setup.overs = 10;
        FrmMain& f = StartMatch(setup);
        Bat().Balls = 54;
        Bat().Runs = 54;
        Bat().Plr[0].Runs = 54;
        Field().Plr[10].BallsBowled = 6;
        ScriptRandomDraw(Over(DotBall));
        f.CmdNOver.UserClick();
        EXPECT_EQ(Bat().Balls, 60);
        EXPECT_FALSE(f.CmdNBowl.Visible());
        EXPECT_FALSE(f.CmdNOver.Visible());
        EXPECT_TRUE(f.cmdChange.Visible());
        EXPECT_EQ(PlayerRecords[0].HighestRuns.Value, 54) << "the innings' records are checked";
        EXPECT_EQ(PlayerRecords[0].HighestRunsPlr.Value, 54);
        EXPECT_TRUE(RecordBroken);
    }

    TEST_F(MatchOverTest, AfterAllOutTheOverIsCountedOutWithoutAMaiden)
    {
        FrmMain& f = StartMatch();
        Bat().Wickets = 9;
        Batsman2 = 10;
        ScriptRandomDraw(BallDraws(1, Out, 1));
        f.CmdNOver.UserClick();
        EXPECT_EQ(ScriptedDrawsLeft(), 0) << "nobody is left to bowl to";
        EXPECT_EQ(Bat().Balls, 1);
        EXPECT_EQ(Teams[1].Plr[10].Maidens, 0) << "one ball is no maiden";
        EXPECT_TRUE(f.cmdChange.Visible());
        EXPECT_EQ(BallOfOver, 0);
    }

    TEST_F(MatchOverTest, TheComputerSetsItsLevelsAtTheStartOfItsInnings)
    {
        MatchSetup setup;
        setup.firstBatSide = 1; // the computer bats first
        FrmMain& f = StartMatch(setup);
        ScriptRandomDraw(BallDraws(3, DotBall));
        f.CmdNBowl.UserClick();
        EXPECT_EQ(f.HScroll1[0].Value(), 3);
        EXPECT_EQ(f.HScroll1[1].Value(), 3);
        EXPECT_FALSE(f.HScroll1[0].Enabled());
        EXPECT_EQ(f.lbls[10].Caption(), "Level 3");
    }

    TEST_F(MatchOverTest, TwoHumansKeepTheirOwnLevels)
    {
        MatchSetup setup;
        setup.computerSide1 = false;
        FrmMain& f = StartMatch(setup);
        f.HScroll1[0].Value = 2;
        // Level 2's dot ball draws differ from level 1's.
        ScriptRandomDraw(Join({ BallDraws(2, DotBall), BallDraws(2, DotBall), BallDraws(2, DotBall),
            BallDraws(2, DotBall), BallDraws(2, DotBall), BallDraws(2, DotBall) }));
        f.CmdNOver.UserClick();
        EXPECT_EQ(ScriptedDrawsLeft(), 0);
        EXPECT_TRUE(f.HScroll1[0].Enabled());
        EXPECT_EQ(f.HScroll1[0].Value(), 2);
    }

} // namespace
} // namespace stumpcraft::testing
