// The chase and the three results: a win by wickets, a tie and a win by runs, each decided
// and announced once, in order after the ball's own lines.
#include "MatchFixture.h"
#include "modules/modProcs.h"

namespace stumpcraft::testing {
namespace {

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

    // Northland chases 10 in ten overs and stands at 8 before the last ball, which decides
    // the match once, though the overs run out with it. A tie names the menu's first side
    // first on the status line.
    TEST_F(MatchResultTest, TheLastBallOfTheChaseDecidesTheMatchOnce)
    {
        const std::string byTwoRuns
            = "Congratulations Computer,\r\nSouthmere has defeated Northland by 2 runs!";
        const struct {
            int wickets;
            std::vector<int> draws;
            const char* status;
            std::string box;
        } cases[] = {
            { 0, BallDraws(1, 2), "It is a tie between Northland and Southmere",
                "Fantastic Game of Cricket!\r\nIt is a tie between Southmere and Northland" },
            { 0, BallDraws(1, DotBall), "Southmere win by 2 runs", byTwoRuns },
            { 9, BallDraws(1, Out, 1), "Southmere win by 2 runs", byTwoRuns },
        };
        for (const auto& c : cases) {
            forms::ResetAll();
            State = MatchState {};
            platform.toolkit.messages.clear();
            FrmMain& f = StartChase(10, 10, 1);
            LastOver(5, 8, c.wickets);
            Bowl(f, c.draws);
            EXPECT_TRUE(MatchOver) << c.status;
            EXPECT_EQ(f.lblMsg[1].Caption(), c.status);
            EXPECT_EQ(MessageTexts(), std::vector<std::string> { c.box });
        }
        FrmMain& f = frmMain(); // the last man's ball is on the card
        EXPECT_EQ(Captions(f.lblBatOut[10], f.lblBatBowlsFaced[10], f.lblSmallScore[0]),
            (std::vector<std::string> { " b: Ash Tremaine", "1", "Northland: 8" }));
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

} // namespace
} // namespace stumpcraft::testing
