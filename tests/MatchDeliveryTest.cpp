// One delivery booked in the match state and shown on the match screen: runs, balls and
// wickets, the ball's line and the cards, the strike, milestones and the fastest records.
#include "MatchFixture.h"
#include "modules/modProcs.h"
#include "modules/modRun.h"

#include <algorithm>

namespace stumpcraft::testing {
namespace {

    struct MatchDeliveryTest : MatchFixture {
        // The batsman in `slot` plays a ball for `result` at level 1; until he has the strike,
        // his partner takes singles.
        void Face(FrmMain& f, int slot, int result)
        {
            f.HScroll1[0].Value = 1;
            f.HScroll1[1].Value = 1;
            // After the sixth ball the next press changes ends before it bowls.
            auto faces = [&] { return Bat().Plr[slot].OnStrike != (BallOfOver == 6); };
            while (!faces())
                Bowl(f, BallDraws(1, 1));
            Bowl(f, BallDraws(1, result));
        }

        // How many of the lines given to the commentator begin with `start`.
        long Said(const std::string& start) const
        {
            const auto lines = platform.agent.Of("Speak");
            return std::count_if(lines.begin(), lines.end(),
                [&](const std::string& s) { return s.rfind(start, 0) == 0; });
        }
    };

    TEST_F(MatchDeliveryTest, AFourIsBookedEverywhereItShows)
    {
        FrmMain& f = StartMatch();
        f.HScroll1[0].Value = 3;
        Bowl(f, BallDraws(3, 4));

        const MatchPlayer& striker = Bat().Plr[0];
        const MatchPlayer& bowler = Field().Plr[10];
        EXPECT_EQ((std::vector<int> { striker.Runs, striker.Fours, striker.BallsFaced, Bat().Runs,
                      Bat().Balls, bowler.RunsGiven, bowler.BallsBowled, striker.OnStrike }),
            (std::vector<int> { 4, 1, 1, 4, 1, 4, 1, true }));
        EXPECT_EQ(Captions(f.lblDesc[0], f.lblRunsInOver, f.lblPart[0], f.lblBatRuns[0],
                      f.lblBatBowlsFaced[0], f.lblMsg[0], f.lblMsg[1], f.lblSmallScore[0],
                      f.lblSmallScore[1], f.lblTotal, f.lblTotalBalls, f.lblCurrBlr, f.lblNxtBlr,
                      f.lblBlrName[0], f.lblOvers[0], f.lblRunsGiven[0], f.lblWicketsTaken[0],
                      f.lblDetails[0], f.lblDetails[1], f.lblDetails[2], f.lblDetails[3],
                      f.lblDetails[4]),
            (std::vector<std::string> { "Arlo Penhale: 4 Runs", "4", "4*", "4", "1",
                "Northland 4/0", "Current Run Rate for Northland: 24", "Northland: 4/0",
                "Overs: 0.1", "4", "1", "Current Bowler: Ash Tremaine", "Next Bowler: Zeb Lindell",
                "Ash Tremaine", "0.1", "4", "0", "4", "1", "1", "0", "400" }));
    }

    TEST_F(MatchDeliveryTest, OddRunsChangeTheStrikeAndEvenRunsKeepIt)
    {
        FrmMain& f = StartMatch();
        f.HScroll1[0].Value = 1;
        f.HScroll1[1].Value = 1;
        Bowl(f, BallDraws(1, DotBall));
        EXPECT_EQ(Captions(f.lblDesc[0], f.lblDetails[4], f.lblRunsInOver),
            (std::vector<std::string> { "Arlo Penhale: Dot Ball", "0", "00" }));
        const struct {
            int runs;
            bool firstOnStrikeAfter;
        } balls[] = { { 1, false }, { 2, false }, { 3, true }, { 6, true }, { 5, false } };
        for (const auto& ball : balls) {
            Bowl(f, BallDraws(1, ball.runs));
            EXPECT_EQ(Bat().Plr[Batsman1].OnStrike, ball.firstOnStrikeAfter) << ball.runs;
            EXPECT_EQ(f.picInStrike[0].Visible(), ball.firstOnStrikeAfter);
            EXPECT_EQ(f.picInStrike[1].Visible(), !ball.firstOnStrikeAfter);
        }
        EXPECT_EQ((std::vector<int> { Bat().Plr[0].Dots, Bat().Plr[0].Fives }),
            (std::vector<int> { 1, 1 }));
        EXPECT_EQ(Captions(f.lblDesc[5], f.lblRunsInOver, f.lblDetails[0], f.lblDetails[5]),
            (std::vector<std::string> { "Arlo Penhale: 5 Runs", "17", "12", "5" }))
            << "the second frame shows the second batsman";
    }

    TEST_F(MatchDeliveryTest, AWicketAtTheFirstEndBringsTheNewManInAtLevelTwo)
    {
        FrmMain& f = StartMatch();
        f.HScroll1[0].Value = 3;
        f.HScroll1[1].Value = 4;
        Bowl(f, BallDraws(3, 2));
        Bowl(f, BallDraws(3, Out, 1)); // bowled

        EXPECT_EQ((std::vector<int> { Bat().Wickets, Field().Plr[10].WicketsTaken, Batsman1,
                      Batsman2, f.HScroll1[0].Value(), f.HScroll1[1].Value() }),
            (std::vector<int> { 1, 1, 1, 2, 4, 2 }));
        EXPECT_TRUE(Bat().Plr[1].OnStrike) << "the survivor moves to the first frame and faces";
        EXPECT_EQ(Captions(f.lblDesc[1], f.lblBatOut[0], f.lblBatRuns[0], f.lblBatBowlsFaced[0],
                      f.lblFoW[0], f.lblPart[0], f.lblPlrs[1], f.frameBatter[0], f.frameBatter[1],
                      f.lbls[11], f.lblWicketsTaken[0]),
            (std::vector<std::string> { "Arlo Penhale: Out", " b: Ash Tremaine", "2", "2", "2/1",
                "2", "Bram Quillet / Cato Vennick", "Bram Quillet", "Cato Vennick", "Level 2",
                "1" }))
            << "a finished stand has no star";
        EXPECT_EQ(f.lblBatOut[0].BackColor(), kNotAtCrease);
        EXPECT_EQ(f.lblBatOut[1].BackColor(), kAtCrease);
        EXPECT_EQ(f.lblBatOut[2].BackColor(), kAtCrease);
    }

    TEST_F(MatchDeliveryTest, AWicketAtTheSecondEndKeepsTheLevelOfTheManOut)
    {
        FrmMain& f = StartMatch();
        f.HScroll1[0].Value = 1;
        f.HScroll1[1].Value = 4;
        Bowl(f, BallDraws(1, 1));
        Bowl(f, BallDraws(4, Out, 3)); // caught and bowled
        EXPECT_EQ((std::vector<int> { Batsman1, Batsman2, f.HScroll1[1].Value() }),
            (std::vector<int> { 0, 2, 4 }));
        EXPECT_TRUE(Bat().Plr[2].OnStrike);
        Bowl(f, BallDraws(4, 4)); // the next runs start the new stand's running figure
        EXPECT_EQ(Captions(f.lblBatOut[1], f.lblFoW[0], f.lblPlrs[1], f.lblPart[1]),
            (std::vector<std::string> {
                " c and b: Ash Tremaine", "1/1", "Arlo Penhale / Cato Vennick", "4*" }));
    }

    // With the commentator, a fifty reached with a six is heard after the six's own line.
    TEST_F(MatchDeliveryTest, FiftyAndHundredAreCelebratedOnceAndSetTheFastestRecords)
    {
        FrmMain& f = StartMatch();
        EnableCommentator();
        PlayerRecords[0].FastestHalfCentury.Value = 9; // beaten only by fewer balls
        for (int i = 0; i < 7; ++i)
            Face(f, 0, 6); // 42
        Face(f, 0, 2); // 44
        Face(f, 0, 6); // 50 from 9 balls, with a six: equals the record, does not beat it
        const auto& heard = platform.agent.heard;
        ASSERT_EQ(heard.size(), 9u) << "eight sixes and the fifty, each heard to the end";
        EXPECT_EQ(heard[7].rfind("Its gone! Get a new ball! Six!", 0), 0u);
        EXPECT_EQ(heard[8].rfind("That's his 50.", 0), 0u) << "after the six's own line";
        Face(f, 0, 2); // 52: no second celebration
        const auto speeches = platform.agent.Of("Speak");
        EXPECT_EQ(std::count(speeches.begin(), speeches.end(),
                      "That's his 50. Well played, Arlo Penhale.|That 's an outstanding 50 by "
                      "Arlo Penhale.|What a great 50 by Arlo Penhale."),
            1);
        EXPECT_EQ(f.chk50[0].Value(), 1);
        EXPECT_EQ(PlayerRecords[0].FastestHalfCentury.Value, 9);
        EXPECT_FALSE(RecordBroken);

        for (int i = 0; i < 8; ++i)
            Face(f, 0, 6); // 100 from 18 balls
        EXPECT_EQ(f.chk100[0].Value(), 1);
        EXPECT_EQ(
            PlayerRecords[0].FastestCentury, (RecordFigure { 18, "Arlo Penhale", "Northland" }));
        EXPECT_TRUE(RecordBroken);
        EXPECT_EQ(Said("That's his 100."), 1);
    }

    TEST_F(MatchDeliveryTest, WithoutTheCommentatorAFiftyIsStillRecorded)
    {
        FrmMain& f = StartMatch();
        for (int i = 0; i < 9; ++i)
            Face(f, 0, 6); // 54 from 9
        EXPECT_EQ(PlayerRecords[0].FastestHalfCentury.Value, 9);
        EXPECT_EQ(PlayerRecords[0].FastestHalfCentury.Who, "Arlo Penhale");
        EXPECT_TRUE(platform.toolkit.messages.empty()) << "nothing is said without the agent";
    }

    // A ball beyond the over's sixth has no line of the over to be listed in: it is booked
    // all the same, and nothing is reported. (Failures are reported: MatchOutcomeTest.)
    TEST_F(MatchDeliveryTest, ABallBeyondTheSixthIsBookedQuietly)
    {
        StartMatch();
        BallOfOver = 7; // a seventh ball has no line to be written to
        ScriptRandomDraw(BallDraws(1, 2));
        PlayBall(1);
        EXPECT_TRUE(platform.toolkit.messages.empty());
        EXPECT_EQ(Bat().Runs, 2);
        EXPECT_EQ(Bat().Balls, 1);
    }

} // namespace
} // namespace stumpcraft::testing
