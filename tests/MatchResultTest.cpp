// The chase and the three results: the required runs after every ball, a win by wickets, a
// tie and a win by runs, each decided, announced and counted once.
#include "MatchFixture.h"
#include "modules/modProcs.h"

namespace stumpcraft::testing {
namespace {

    struct MatchResultTest : MatchFixture {
        // The second innings of a match whose first side made `target`/`wickets`.
        FrmMain& StartChase(int target, int overs = 50, int firstBatSide = 0, int wickets = 4)
        {
            MatchSetup setup;
            setup.overs = overs;
            setup.firstBatSide = firstBatSide;
            FrmMain& f = StartMatch(setup);
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

    TEST_F(MatchResultTest, EveryBallOfTheChaseSaysWhatIsStillNeeded)
    {
        FrmMain& f = StartChase(98);
        EXPECT_EQ(f.lblMsg[1].Caption(), "       Required Run Rate for Southmere: 1.98");
        Bowl(f, BallDraws(1, 1));
        EXPECT_EQ(f.lblMsg[1].Caption(),
            "Current Run Rate for Southmere: 6. Require a further 98 runs from 299 balls at 1.97 "
            "runs per over.");
        EXPECT_EQ(RunsRequired, 98);
        EXPECT_EQ(BallsRemaining, 299);
        EXPECT_FALSE(MatchOver);
    }

    // The winning four brings up the striker's fifty too: the four's line, the fifty and the
    // result, each heard once and to the end, in that order.
    TEST_F(MatchResultTest, AWinningBoundaryIsFollowedByItsMilestoneAndTheResult)
    {
        FrmMain& f = StartChase(150);
        EnableCommentator();
        LastOver(2, 147, 0);
        Bat().Plr[0].Runs = 46;
        Bowl(f, BallDraws(1, 4));
        ASSERT_TRUE(MatchOver);
        const auto& heard = platform.agent.heard;
        ASSERT_EQ(heard.size(), 3u);
        EXPECT_EQ(heard[0].rfind("That's smashed back over the bowler for Four!", 0), 0u);
        EXPECT_EQ(heard[1].rfind("That's his 50. Well played, Quin Harlow.|", 0), 0u);
        EXPECT_EQ(heard[2],
            "Congratulations Computer,\r\nSouthmere has defeated Northland by 10 wickets!");
        EXPECT_TRUE(MessageTexts().empty());
    }

    TEST_F(MatchResultTest, WithoutTheCommentatorTheWinningBoundaryShowsTheResultOnce)
    {
        FrmMain& f = StartChase(150);
        LastOver(2, 147, 0);
        Bat().Plr[0].Runs = 46;
        Bowl(f, BallDraws(1, 4));
        EXPECT_EQ(MessageTexts(),
            std::vector<std::string> {
                "Congratulations Computer,\r\nSouthmere has defeated Northland by 10 wickets!" });
        EXPECT_TRUE(platform.agent.requests.empty());
    }

    TEST_F(MatchResultTest, AWinWithNineDownIsByOneWickets)
    {
        FrmMain& f = StartChase(150);
        LastOver(2, 147, 9);
        f.HScroll1[1].Value = 1;
        Bowl(f, BallDraws(1, 4));
        EXPECT_TRUE(MatchOver);
        EXPECT_EQ(f.lblMsg[1].Caption(), "Southmere win by 1 wickets");
        EXPECT_FALSE(f.CmdNBowl.Visible());
        EXPECT_FALSE(f.CmdNOver.Visible());
        ASSERT_EQ(MessageTexts().size(), 1u);
        EXPECT_EQ(MessageTexts()[0],
            "Congratulations Computer,\r\nSouthmere has defeated Northland by 1 wickets!");
        EXPECT_EQ(f.cmdChange.Caption(), "E&xit to Main Menu");
        EXPECT_TRUE(f.cmdChange.Visible());
        EXPECT_EQ(f.ActiveControl(), &f.cmdChange);

        f.CmdNBowl.UserClick();
        f.CmdNBowl_Click(); // even called directly, a decided match bowls no more
        EXPECT_EQ(Bat().Balls, 300 - 6 + 3);
    }

    TEST_F(MatchResultTest, LevelScoresOnTheLastBallTieNamingTheFirstSideOfTheMenuFirst)
    {
        FrmMain& f = StartChase(10, 10, 1);
        ASSERT_EQ(Bat().Country, "Northland");
        LastOver(5, 8, 0);
        Bowl(f, BallDraws(1, 2));
        EXPECT_TRUE(MatchOver);
        EXPECT_EQ(f.lblMsg[1].Caption(), "It is a tie between Northland and Southmere");
        ASSERT_EQ(MessageTexts().size(), 1u) << "decided once, though the overs also ran out";
        EXPECT_EQ(MessageTexts()[0],
            "Fantastic Game of Cricket!\r\nIt is a tie between Southmere and Northland");
    }

    TEST_F(MatchResultTest, ShortOfTheTargetOnTheLastBallTheFirstSideWinsByRuns)
    {
        FrmMain& f = StartChase(10, 10, 1);
        LastOver(5, 8, 0);
        Bowl(f, BallDraws(1, DotBall));
        EXPECT_EQ(f.lblMsg[1].Caption(), "Southmere win by 2 runs");
        ASSERT_EQ(MessageTexts().size(), 1u);
        EXPECT_EQ(MessageTexts()[0],
            "Congratulations Computer,\r\nSouthmere has defeated Northland by 2 runs!");
    }

    TEST_F(MatchResultTest, TheTenthWicketOnTheLastBallDecidesTheMatchOnce)
    {
        FrmMain& f = StartChase(10, 10, 1);
        LastOver(5, 8, 9);
        Bowl(f, BallDraws(1, Out, 1));
        EXPECT_EQ(Bat().Wickets, 10);
        EXPECT_EQ(f.lblMsg[1].Caption(), "Southmere win by 2 runs");
        EXPECT_EQ(MessageTexts().size(), 1u);
        EXPECT_EQ(f.lblBatOut[10].Caption(), " b: Ash Tremaine");
        EXPECT_EQ(f.lblBatBowlsFaced[10].Caption(), "1") << "the last man's ball is on the card";
        EXPECT_EQ(f.lblSmallScore[0].Caption(), "Northland: 8");
    }

    TEST_F(MatchResultTest, AllOutWithBallsLeftLosesByTheDifference)
    {
        FrmMain& f = StartChase(200, 50, 1); // the human chases: his levels stay as set
        LastOver(0, 120, 9);
        Bat().Balls = 100;
        BallOfOver = 0;
        Field().Plr[CurrBowler].BallsBowled = 0;
        Bowl(f, BallDraws(1, Out, 4));
        EXPECT_TRUE(MatchOver);
        EXPECT_EQ(f.lblMsg[1].Caption(), "Southmere win by 80 runs");
        EXPECT_EQ(MessageTexts().size(), 1u);
    }

    TEST_F(MatchResultTest, AFirstInningsAllOutOffersTheChangeOfInnings)
    {
        FrmMain& f = StartMatch();
        Bat().Wickets = 9;
        Batsman2 = 10;
        Bowl(f, BallDraws(1, Out, 2));
        EXPECT_FALSE(MatchOver);
        EXPECT_TRUE(f.cmdChange.Visible());
        EXPECT_EQ(f.cmdChange.Caption(), "&Change Innings");
        EXPECT_FALSE(f.CmdNBowl.Visible());
        EXPECT_TRUE(MessageTexts().empty());
    }

} // namespace
} // namespace stumpcraft::testing
