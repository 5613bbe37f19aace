// The play buttons and the innings button: the bowling quota, the start and end of overs,
// maidens, the change of ends, the end of an innings, the chase against the first side's
// total (or a one-innings game's), and the three results, each decided and announced once.
#include "MatchFixture.h"
#include "forms/frmBowlChange.h"
#include "modules/Quota.h"
#include "modules/modProcs.h"
#include "modules/modRun.h"

namespace stumpcraft::testing {
namespace {

    struct MatchOverTest : MatchFixture { };

    // Catches a bowler going on past his quota, or the buttons dead after the refusal.
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

    // Catches an extra over bowled when Next Over follows an over finished ball by ball.
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

    // Ball by ball, the computer changes a bowler who has finished his quota before the quota
    // test, as it does when the over is played in one go: nobody is asked to choose for it, and
    // a click on its next bowler opens no choice for the player.
    TEST_F(MatchOverTest, TheComputerChangesItsOwnBowlerAfterHisLastOverBallByBall)
    {
        FrmMain& f = StartMatch({ .overs = 10 });
        f.lblNxtBlr.UserClick();
        EXPECT_TRUE(platform.toolkit.shownForms.empty());
        Field().Plr[10].BallsBowled = 6;
        for (int i = 0; i < 7; ++i)
            Bowl(f, BallDraws(1, DotBall));
        EXPECT_TRUE(MessageTexts().empty());
        EXPECT_EQ(Field().Plr[9].BallsBowled, 1) << "the other end bowls the new over";
        EXPECT_NE(OtherBowler, 10) << "the bowler out of overs has been rested";
        EXPECT_FALSE(QuotaBowled(Field().Plr[OtherBowler].BallsBowled));
    }

    // Catches balls bowled to nobody after the last wicket, or a one-ball maiden.
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

    // Catches a player's level reset or locked when the other side is a person too.
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

    struct MatchInningsTest : MatchFixture { };

    // Catches a chase opened by the wrong bowlers or batsmen, or named with the first innings'
    // last bowler, or with the sliders still locked by the computer's innings (the cleared
    // cards are pinned in the screen's golden file).
    TEST_F(MatchInningsTest, TheSecondInningsStartsWithClearCardsAndTheOtherOpeners)
    {
        FrmMain& f = StartMatch();
        // The first innings ends in the second over, its bowler not the chase's opener.
        ScriptRandomDraw(
            Join({ Times(6, BallDraws(1, DotBall)), BallDraws(1, 4), BallDraws(1, Out, 1) }));
        for (int ball = 0; ball < 8; ++ball)
            f.CmdNBowl.UserClick();
        State.LevelsLocked = true; // as the computer's batting leaves them
        f.cmdChange_Click();
        EXPECT_EQ(f.lblCurrBlr.Caption(), "Current Bowler: Kit Morrow");

        EXPECT_FALSE(FirstInnings);
        EXPECT_EQ((std::vector<int> { CurrBatSide, CurrBowler, OtherBowler, Batsman1, Batsman2,
                      BallOfOver, f.chk50[0].Value(), Teams[1].Plr[0].OnStrike }),
            (std::vector<int> { 1, 10, 9, 0, 1, 0, 0, true }));
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

    struct MatchResultTest : MatchFixture {
        // The second innings of a match whose first side made `target`/`wickets`.
        FrmMain& StartChase(int target, int overs = 50, int firstBatSide = 0, int wickets = 4)
        {
            FrmMain& f = StartMatch({ .overs = overs, .firstBatSide = firstBatSide });
            Teams[FirstBatSide].Runs = target;
            Teams[FirstBatSide].Wickets = wickets;
            f.cmdChange.Click(); // as when the first innings has ended and the user presses it
            return f;
        }

        // Jumps the chase to the last over's `ball`-th ball with `runs` scored and `wickets` down.
        void LastOver(int ball, int runs, int wickets)
        {
            Bat().Balls = Overs * 6 - 6 + ball;
            Bat().Runs = runs;
            Bat().Plr[0].Runs = runs;
            Bat().Wickets = wickets;
            BallOfOver = ball;
            Field().Plr[CurrBowler].BallsBowled = ball;
            if (wickets > 0) {
                Bat().Plr[0].OnStrike = false;
                Batsman1 = 0;
                Batsman2 = wickets + 1;
                Bat().Plr[Batsman2].OnStrike = true;
            }
        }
    };

    // The winning four brings up the striker's fifty too: with the commentator the four's line,
    // the fifty and the result are each heard once, to the end and in that order; without him
    // one box gives the result, and the fifty still counts for the fastest record.
    TEST_F(MatchResultTest, AWinningBoundaryIsFollowedByItsMilestoneAndTheResult)
    {
        const std::string result
            = "Congratulations Computer,\r\nSouthmere has defeated Northland by 10 wickets!";
        for (const bool commentator : { false, true }) {
            SCOPED_TRACE(commentator ? "with the commentator" : "without");
            forms::ResetAll();
            State = MatchState {};
            FrmMain& f = StartChase(150);
            if (commentator)
                EnableCommentator();
            LastOver(2, 147, 0);
            Bat().Plr[0].Runs = 46;
            Bowl(f, BallDraws(1, 4));
            ASSERT_TRUE(MatchOver);
            EXPECT_EQ(PlayerRecords[1].FastestHalfCentury.Who, "Quin Harlow");
            if (!commentator) {
                EXPECT_EQ(MessageTexts(), std::vector<std::string> { result });
                EXPECT_TRUE(platform.agent.requests.empty());
                platform.toolkit.messages.clear();
                continue;
            }
            const auto& heard = platform.agent.heard;
            ASSERT_EQ(heard.size(), 3u);
            EXPECT_EQ(heard[0].rfind("That's smashed back over the bowler for Four!", 0), 0u);
            EXPECT_EQ(heard[1].rfind("That's his 50. Well played, Quin Harlow.|", 0), 0u);
            EXPECT_EQ(heard[2], result);
            EXPECT_TRUE(MessageTexts().empty());
        }
    }

    // The ball that decides the match decides it once, and no ball follows it. Southmere, nine
    // down, win with a four; Northland chase 10 in ten overs and stand at 8 before the last
    // ball, which decides the match though the overs run out with it. A tie names the menu's
    // first side first on the status line.
    TEST_F(MatchResultTest, TheBallThatDecidesTheMatchDecidesItOnceAndEndsIt)
    {
        const std::string byTwoRuns
            = "Congratulations Computer,\r\nSouthmere has defeated Northland by 2 runs!";
        const struct {
            int target, overs, firstBatSide, ball, runs, wickets;
            std::vector<int> draws;
            const char* status;
            std::string box;
        } cases[] = {
            { 150, 50, 0, 2, 147, 9, BallDraws(1, 4), "Southmere win by 1 wickets",
                "Congratulations Computer,\r\nSouthmere has defeated Northland by 1 wickets!" },
            { 10, 10, 1, 5, 8, 0, BallDraws(1, 2), "It is a tie between Northland and Southmere",
                "Fantastic Game of Cricket!\r\nIt is a tie between Southmere and Northland" },
            { 10, 10, 1, 5, 8, 0, BallDraws(1, DotBall), "Southmere win by 2 runs", byTwoRuns },
            { 10, 10, 1, 5, 8, 9, BallDraws(1, Out, 1), "Southmere win by 2 runs", byTwoRuns },
        };
        for (const auto& c : cases) {
            forms::ResetAll();
            State = MatchState {};
            platform.toolkit.messages.clear();
            FrmMain& f = StartChase(c.target, c.overs, c.firstBatSide);
            LastOver(c.ball, c.runs, c.wickets);
            f.HScroll1[1].Value = 1;
            Bowl(f, c.draws);
            EXPECT_TRUE(MatchOver) << c.status;
            EXPECT_EQ(f.lblMsg[1].Caption(), c.status);
            EXPECT_EQ(MessageTexts(), std::vector<std::string> { c.box });
            EXPECT_FALSE(f.CmdNBowl.Visible() || f.CmdNOver.Visible()) << c.status;
            EXPECT_EQ(f.cmdChange.Caption(), "E&xit to Main Menu");
            EXPECT_TRUE(f.cmdChange.Visible());
            EXPECT_EQ(f.ActiveControl(), &f.cmdChange);
            f.CmdNBowl.UserClick();
            f.CmdNBowl_Click(); // even called directly, a decided match bowls no more
            EXPECT_EQ(Bat().Balls, c.overs * 6 - 6 + c.ball + 1) << c.status;
        }
        FrmMain& f = frmMain(); // the last man's ball is on the card
        EXPECT_EQ(Captions(f.lblBatOut[10], f.lblBatBowlsFaced[10], f.lblSmallScore[0]),
            (std::vector<std::string> { " b: Ash Tremaine", "1", "Northland: 8" }));
    }

} // namespace
} // namespace stumpcraft::testing
