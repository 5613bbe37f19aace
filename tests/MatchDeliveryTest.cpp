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
    };

    TEST_F(MatchDeliveryTest, AFourIsBookedEverywhereItShows)
    {
        FrmMain& f = StartMatch();
        f.HScroll1[0].Value = 3;
        Bowl(f, BallDraws(3, 4));

        const MatchPlayer& striker = Bat().Plr[0];
        const MatchPlayer& bowler = Field().Plr[10];
        EXPECT_EQ((std::vector<int> { striker.Runs, striker.Fours, striker.BallsFaced, Bat().Runs,
                      Bat().Balls, bowler.RunsGiven, bowler.BallsBowled }),
            (std::vector<int> { 4, 1, 1, 4, 1, 4, 1 }));
        EXPECT_TRUE(striker.OnStrike) << "an even number keeps the strike";

        std::vector<std::string> captions { f.lblDesc[0].Caption(), f.lblRunsInOver.Caption(),
            f.lblPart[0].Caption(), f.lblBatRuns[0].Caption(), f.lblBatBowlsFaced[0].Caption(),
            f.lblMsg[0].Caption(), f.lblMsg[1].Caption(), f.lblSmallScore[0].Caption(),
            f.lblSmallScore[1].Caption(), f.lblTotal.Caption(), f.lblTotalBalls.Caption(),
            f.lblCurrBlr.Caption(), f.lblNxtBlr.Caption(), f.lblBlrName[0].Caption(),
            f.lblOvers[0].Caption(), f.lblRunsGiven[0].Caption(), f.lblWicketsTaken[0].Caption() };
        for (int i = 0; i < 5; ++i)
            captions.push_back(f.lblDetails[i].Caption());
        EXPECT_EQ(captions,
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
        const struct {
            int runs;
            bool firstOnStrikeAfter;
        } balls[] = { { 1, false }, { 2, false }, { 3, true }, { 6, true }, { 5, false } };
        Bowl(f, BallDraws(1, DotBall));
        EXPECT_EQ(f.lblDesc[0].Caption(), "Arlo Penhale: Dot Ball");
        EXPECT_EQ(Bat().Plr[0].Dots, 1);
        EXPECT_EQ(f.lblDetails[4].Caption(), "0");
        EXPECT_EQ(f.lblRunsInOver.Caption(), "00");
        for (const auto& ball : balls) {
            Bowl(f, BallDraws(1, ball.runs));
            EXPECT_EQ(Bat().Plr[Batsman1].OnStrike, ball.firstOnStrikeAfter) << ball.runs;
            EXPECT_NE(Bat().Plr[Batsman1].OnStrike, Bat().Plr[Batsman2].OnStrike);
            EXPECT_EQ(f.picInStrike[0].Visible(), ball.firstOnStrikeAfter);
            EXPECT_EQ(f.picInStrike[1].Visible(), !ball.firstOnStrikeAfter);
        }
        EXPECT_EQ(Bat().Plr[0].Fives, 1);
        EXPECT_EQ(f.lblDesc[5].Caption(), "Arlo Penhale: 5 Runs");
        EXPECT_EQ(f.lblRunsInOver.Caption(), "17");
        EXPECT_EQ(f.lblDetails[0].Caption(), "12");
        EXPECT_EQ(f.lblDetails[5].Caption(), "5") << "the second frame shows the second batsman";
    }

    TEST_F(MatchDeliveryTest, AWicketAtTheFirstEndBringsTheNewManInAtLevelTwo)
    {
        FrmMain& f = StartMatch();
        f.HScroll1[0].Value = 3;
        f.HScroll1[1].Value = 4;
        Bowl(f, BallDraws(3, 2));
        Bowl(f, BallDraws(3, Out, 1)); // bowled

        EXPECT_EQ(Bat().Wickets, 1);
        EXPECT_EQ(Field().Plr[10].WicketsTaken, 1);
        EXPECT_EQ(Batsman1, 1);
        EXPECT_EQ(Batsman2, 2);
        EXPECT_TRUE(Bat().Plr[1].OnStrike) << "the survivor moves to the first frame and faces";
        EXPECT_FALSE(Bat().Plr[2].OnStrike);
        EXPECT_EQ(f.HScroll1[0].Value(), 4);
        EXPECT_EQ(f.HScroll1[1].Value(), 2);
        EXPECT_EQ(f.lbls[11].Caption(), "Level 2");

        EXPECT_EQ((std::vector<std::string> { f.lblDesc[1].Caption(), f.lblBatOut[0].Caption(),
                      f.lblBatRuns[0].Caption(), f.lblBatBowlsFaced[0].Caption(),
                      f.lblFoW[0].Caption(), f.lblPart[0].Caption(), f.lblPlrs[1].Caption(),
                      f.frameBatter[0].Caption(), f.frameBatter[1].Caption() }),
            (std::vector<std::string> { "Arlo Penhale: Out", " b: Ash Tremaine", "2", "2", "2/1",
                "2", "Bram Quillet / Cato Vennick", "Bram Quillet", "Cato Vennick" }))
            << "a finished stand has no star";
        EXPECT_EQ(f.lblBatOut[0].BackColor(), kNotAtCrease);
        EXPECT_EQ(f.lblBatOut[1].BackColor(), kAtCrease);
        EXPECT_EQ(f.lblBatOut[2].BackColor(), kAtCrease);
        EXPECT_EQ(Bat().FallOfWicket[1], 2);
        EXPECT_EQ(Bat().PartnershipRuns[1], 2);
        EXPECT_EQ(f.lblWicketsTaken[0].Caption(), "1");
    }

    TEST_F(MatchDeliveryTest, AWicketAtTheSecondEndKeepsTheLevelOfTheManOut)
    {
        FrmMain& f = StartMatch();
        f.HScroll1[0].Value = 1;
        f.HScroll1[1].Value = 4;
        Bowl(f, BallDraws(1, 1));
        Bowl(f, BallDraws(4, Out, 3)); // caught and bowled
        EXPECT_EQ(Batsman1, 0);
        EXPECT_EQ(Batsman2, 2);
        EXPECT_TRUE(Bat().Plr[2].OnStrike);
        EXPECT_FALSE(Bat().Plr[0].OnStrike);
        EXPECT_EQ(f.HScroll1[1].Value(), 4);
        EXPECT_EQ(f.lblBatOut[1].Caption(), " c and b: Ash Tremaine");
        EXPECT_EQ(f.lblFoW[0].Caption(), "1/1");
        EXPECT_EQ(f.lblPlrs[1].Caption(), "Arlo Penhale / Cato Vennick");

        // The next runs start the new stand's running figure.
        Bowl(f, BallDraws(4, 4));
        EXPECT_EQ(f.lblPart[1].Caption(), "4*");
    }

    TEST_F(MatchDeliveryTest, ARunOutIsNotCreditedToTheBowler)
    {
        FrmMain& f = StartMatch();
        Bowl(f, BallDraws(1, Out, 8, 11)); // run out by the bowler himself
        EXPECT_EQ(Bat().Wickets, 1);
        EXPECT_EQ(Field().Plr[10].WicketsTaken, 0);
        EXPECT_EQ(f.lblBatOut[0].Caption(), "Run Out (Ash Tremaine) ");
    }

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
        auto speeches = platform.agent.Of("Speak");
        ASSERT_EQ(std::count_if(speeches.begin(), speeches.end(),
                      [](const std::string& s) { return s.find("50") != std::string::npos; }),
            1);
        EXPECT_NE(std::find(speeches.begin(), speeches.end(),
                      "That's his 50. Well played, Arlo Penhale.|That 's an outstanding 50 by "
                      "Arlo Penhale.|What a great 50 by Arlo Penhale."),
            speeches.end());
        EXPECT_EQ(f.chk50[0].Value(), 1);
        EXPECT_EQ(PlayerRecords[0].FastestHalfCentury.Value, 9);
        EXPECT_FALSE(RecordBroken);

        for (int i = 0; i < 8; ++i)
            Face(f, 0, 6); // 100 from 18 balls
        EXPECT_EQ(f.chk100[0].Value(), 1);
        EXPECT_EQ(PlayerRecords[0].FastestCentury.Value, 18);
        EXPECT_EQ(PlayerRecords[0].FastestCentury.Who, "Arlo Penhale");
        EXPECT_EQ(PlayerRecords[0].FastestCentury.Team, "Northland");
        EXPECT_TRUE(RecordBroken);
        speeches = platform.agent.Of("Speak");
        EXPECT_EQ(std::count_if(speeches.begin(), speeches.end(),
                      [](const std::string& s) { return s.rfind("That's his 100.", 0) == 0; }),
            1);
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

    TEST_F(MatchDeliveryTest, AnAddressedControlThatDoesNotExistEndsTheDeliveryQuietly)
    {
        StartMatch();
        BallOfOver = 7; // a seventh ball has no line to be written to
        ScriptRandomDraw(BallDraws(1, 2));
        PlayBall(1);
        EXPECT_TRUE(platform.toolkit.messages.empty());
        EXPECT_EQ(Bat().Runs, 2) << "what was booked before the failure stays booked";
        EXPECT_EQ(Bat().Balls, 1);
    }

    TEST_F(MatchDeliveryTest, OtherFailuresAreReportedWithNumberAndDescription)
    {
        FrmMain& f = StartMatch();
        Batsman2 = 16; // a slot beyond the squad, reached when the batsmen cross
        ScriptRandomDraw(BallDraws(1, 1));
        f.CmdNBowl.UserClick();
        ASSERT_EQ(platform.toolkit.messages.size(), 1u);
        EXPECT_EQ(platform.toolkit.messages[0].text, "9 - index 16 outside 0..15");
        EXPECT_EQ(Bat().Runs, 1);
    }

} // namespace
} // namespace stumpcraft::testing
