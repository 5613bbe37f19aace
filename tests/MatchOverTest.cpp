// The play buttons: the bowling quota, the start and end of overs, maidens, the change of
// ends and the end of an innings by overs.
#include "MatchFixture.h"
#include "forms/frmBowlChange.h"
#include "modules/Quota.h"
#include "modules/modProcs.h"

namespace stumpcraft::testing {
namespace {

    struct MatchOverTest : MatchFixture { };

    TEST_F(MatchOverTest, ABowlerWhoseQuotaIsUsedUpMustBeChanged)
    {
        FrmMain& f = StartMatch({ .overs = 10 });
        Field().Plr[10].BallsBowled = 12; // two overs: a fifth of ten
        int modalShows = 0;
        platform.toolkit.onModal = [&](Form& form) {
            if (++modalShows == 2)
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

        Bowl(f, BallDraws(1, DotBall));
        EXPECT_EQ(Field().Plr[8].BallsBowled, 1);
        EXPECT_EQ(f.lblCurrBlr.Caption(), "Current Bowler: Yul Dacre");
    }

    // One rule for the play buttons, the bowler change and the computer's choice. They once
    // worked it out each their own way, and agreed only for the menu's overs; twelve overs
    // (a quota of Round(2.4) = 2) tell them apart.
    TEST_F(MatchOverTest, TheQuotaIsAFifthOfTheOversRoundedToWholeOvers)
    {
        FrmMain& f = StartMatch({ .overs = 25 });
        Field().Plr[10].BallsBowled = 29;
        Bowl(f, BallDraws(1, DotBall));
        EXPECT_TRUE(MessageTexts().empty()) << "29 balls are inside a quota of five overs";
        Field().Plr[10].BallsBowled = 30;
        f.CmdNBowl.UserClick();
        EXPECT_EQ(MessageTexts().size(), 1u);
        f.Unload();

        FrmMain& g = StartMatch({ .overs = 12, .computerSide1 = false });
        Field().Plr[10].BallsBowled = 12;
        g.CmdNBowl.UserClick();
        EXPECT_EQ(MessageTexts().back().find("Sorry! Ash Tremaine has used up his quota"), 0u);

        State.BowlingOrder[1] = 4; // two overs on the card
        State.BowlersOnCard = 2;
        Field().Plr[4].BallsBowled = 12;
        ChooseBowler(g, 4);
        EXPECT_EQ(MessageTexts().back(), "Sorry! Ulf Barrow has bowled out his quota of 2 overs");

        Teams[1].PlayerName = kComputer;
        Bat().Balls = 6 * 9; // the last fifth but one: the card is searched from its top
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
        ScriptRandomDraw(Join({ BallDraws(1, Out, 1), Times(5, dot) }));
        f.CmdNOver.UserClick();
        EXPECT_EQ(ScriptedDrawsLeft(), 0);
        EXPECT_EQ(Teams[1].Plr[10].Maidens, 1);
        EXPECT_EQ(Captions(f.lblMaidens[0], f.lblOvers[0], f.lblSmallScore[1]),
            (std::vector<std::string> { "1", "1", "Overs: 1" }));

        f.HScroll1[1].Value = 1; // the new batsman came in at level 2
        ScriptRandomDraw(Join({ Times(5, dot), BallDraws(1, 1) }));
        f.CmdNOver.UserClick();
        EXPECT_EQ(ScriptedDrawsLeft(), 0);
        EXPECT_EQ(Teams[1].Plr[9].Maidens, 0) << "one run spoils the maiden";
    }

    TEST_F(MatchOverTest, NextOverAfterNextBowlHasFinishedTheOverOnlyChangesEnds)
    {
        FrmMain& f = StartMatch();
        for (int i = 0; i < 6; ++i)
            Bowl(f, BallDraws(1, DotBall));
        f.CmdNOver.UserClick(); // no draws scripted: nothing is bowled
        EXPECT_EQ((std::vector<int> { Bat().Balls, BallOfOver, CurrBowler, OtherBowler }),
            (std::vector<int> { 6, 0, 9, 10 }));
        EXPECT_TRUE(Bat().Plr[1].OnStrike);
        EXPECT_TRUE(f.picInStrike[1].Visible());
        EXPECT_TRUE(f.CmdNBowl.Enabled());
        EXPECT_EQ(f.ActiveControl(), &f.CmdNOver);

        ScriptRandomDraw(Times(6, BallDraws(1, DotBall)));
        f.CmdNOver.UserClick();
        EXPECT_EQ(Teams[1].Plr[9].BallsBowled, 6);
        EXPECT_EQ(Captions(f.lblCurrBlr, f.lblNxtBlr),
            (std::vector<std::string> {
                "Current Bowler: Zeb Lindell", "Next Bowler: Ash Tremaine" }));
    }

    TEST_F(MatchOverTest, NextBowlChangesEndsOnThePressAfterTheSixthBall)
    {
        FrmMain& f = StartMatch();
        for (int i = 0; i < 6; ++i)
            Bowl(f, BallDraws(1, 2));
        Bowl(f, BallDraws(1, 1));
        EXPECT_EQ(Teams[1].Plr[9].BallsBowled, 1);
        EXPECT_EQ(Bat().Plr[1].Ones, 1) << "the other batsman faces the new over";
        EXPECT_EQ(Captions(f.lblDesc[0], f.lblDesc[1], f.lblRunsInOver, f.lblCurrBlr,
                      f.lblBlrName[1], f.lblMsg[0]),
            (std::vector<std::string> { "Bram Quillet: 1 Runs", "", "1",
                "Current Bowler: Zeb Lindell", "Zeb Lindell", "Northland 13/0" }))
            << "the over's lines start afresh; a new bowler takes the next row";
        EXPECT_TRUE(f.lblWicketsTaken[1].Visible());
    }

    // Ball by ball, the computer changes a bowler who has finished his quota before the quota
    // test, as it does when the over is played in one go: nobody is asked to choose for it.
    TEST_F(MatchOverTest, TheComputerChangesItsOwnBowlerAfterHisLastOverBallByBall)
    {
        FrmMain& f = StartMatch({ .overs = 10 });
        Field().Plr[10].BallsBowled = 6;
        for (int i = 0; i < 7; ++i)
            Bowl(f, BallDraws(1, DotBall));
        EXPECT_TRUE(MessageTexts().empty());
        EXPECT_EQ(Field().Plr[9].BallsBowled, 1) << "the other end bowls the new over";
        EXPECT_NE(OtherBowler, 10) << "the bowler out of overs has been rested";
        EXPECT_FALSE(QuotaBowled(Field().Plr[OtherBowler].BallsBowled));
    }

    TEST_F(MatchOverTest, TheFirstInningsEndsWhenItsOversAreBowled)
    {
        FrmMain& f = StartMatch({ .overs = 10 });
        Bat().Balls = 54;
        Bat().Runs = Bat().Plr[0].Runs = 54;
        Field().Plr[10].BallsBowled = 6;
        ScriptRandomDraw(Times(6, BallDraws(1, DotBall)));
        f.CmdNOver.UserClick();
        EXPECT_EQ(Bat().Balls, 60);
        EXPECT_FALSE(f.CmdNBowl.Visible());
        EXPECT_FALSE(f.CmdNOver.Visible());
        EXPECT_TRUE(f.cmdChange.Visible());
        EXPECT_EQ(PlayerRecords[0].HighestRunsPlr.Value, 54) << "the innings' records are checked";
    }

    TEST_F(MatchOverTest, AfterAllOutTheOverIsCountedOutWithoutAMaiden)
    {
        FrmMain& f = StartMatch();
        Bat().Wickets = 9;
        Batsman2 = 10;
        ScriptRandomDraw(BallDraws(1, Out, 1));
        f.CmdNOver.UserClick();
        EXPECT_EQ(ScriptedDrawsLeft(), 0) << "nobody is left to bowl to";
        EXPECT_EQ((std::vector<int> { Bat().Balls, BallOfOver, Teams[1].Plr[10].Maidens }),
            (std::vector<int> { 1, 0, 0 }))
            << "one ball is no maiden";
        EXPECT_FALSE(MatchOver);
        EXPECT_TRUE(f.cmdChange.Visible());
        EXPECT_EQ(f.cmdChange.Caption(), "&Change Innings");
        EXPECT_FALSE(f.CmdNBowl.Visible());
        EXPECT_EQ(MessageTexts(), std::vector<std::string> {});
    }

    TEST_F(MatchOverTest, TwoHumansKeepTheirOwnLevels)
    {
        FrmMain& f = StartMatch({ .computerSide1 = false });
        f.HScroll1[0].Value = 2;
        // Level 2's dot ball draws differ from level 1's.
        ScriptRandomDraw(Times(6, BallDraws(2, DotBall)));
        f.CmdNOver.UserClick();
        EXPECT_EQ(ScriptedDrawsLeft(), 0);
        EXPECT_TRUE(f.HScroll1[0].Enabled());
        EXPECT_EQ(f.HScroll1[0].Value(), 2);
    }

} // namespace
} // namespace stumpcraft::testing
