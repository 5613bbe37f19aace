// Whole matches: the figures that must always agree, one seeded match pinned ball for ball,
// and deliveries that never overlap while the commentator speaks.
#include "MatchFixture.h"
#include "forms/frmBowlChange.h"
#include "modules/modAgent.h"
#include "modules/modProcs.h"

#include <algorithm>

namespace stumpcraft::testing {
namespace {

    struct MatchWholeTest : MatchFixture {
        // A user who, asked for a new bowler, clicks down the list until one is taken.
        void ChooseBowlersWhenAsked()
        {
            platform.toolkit.onModal = [](Form& form) {
                auto& change = static_cast<FrmBowlChange&>(form);
                for (int row = 10; row >= 0 && change.IsLoaded(); --row)
                    change.lblBlrName[row].UserClick();
            };
        }

        // What must hold between any two deliveries of an innings.
        void ExpectConsistent()
        {
            const MatchTeam& bat = Bat();
            const MatchTeam& field = Field();
            int runs = 0, faced = 0, given = 0, bowled = 0, credited = 0;
            for (int s = 0; s <= 15; ++s) {
                runs += bat.Plr[s].Runs;
                faced += bat.Plr[s].BallsFaced;
                given += field.Plr[s].RunsGiven;
                bowled += field.Plr[s].BallsBowled;
                credited += field.Plr[s].WicketsTaken;
            }
            ASSERT_EQ(runs, bat.Runs);
            ASSERT_EQ(given, bat.Runs);
            ASSERT_EQ(faced, bat.Balls);
            ASSERT_EQ(bowled, bat.Balls);
            ASSERT_LE(credited, bat.Wickets);
            ASSERT_LE(bat.Balls, Overs * 6);
            ASSERT_LE(bat.Wickets, 10);
            if (bat.Wickets < 10) {
                ASSERT_EQ(Batsman2, bat.Wickets + 1);
                ASSERT_LT(Batsman1, Batsman2);
                ASSERT_NE(bat.Plr[Batsman1].OnStrike, bat.Plr[Batsman2].OnStrike);
            }
            int partnerships = 0;
            for (int w = 1; w <= bat.Wickets; ++w)
                partnerships += bat.PartnershipRuns[w];
            ASSERT_EQ(partnerships, bat.Wickets > 0 ? bat.FallOfWicket[bat.Wickets] : 0);
        }
    };

    TEST_F(MatchWholeTest, TheFiguresAgreeAfterEveryPressOfManySeededMatches)
    {
        const int overs[] = { 10, 20, 25, 30, 35, 40, 50 };
        for (std::uint32_t seed = 1; seed <= 21; ++seed) {
            MatchSetup setup;
            setup.overs = overs[seed % 7];
            setup.firstBatSide = static_cast<int>(seed % 2);
            setup.computerSide0 = seed % 3 == 0;
            forms::ResetAll();
            State = MatchState {};
            platform.toolkit.messages.clear();
            FrmMain& f = StartMatch(setup);
            ChooseBowlersWhenAsked();
            SeedRandomDraw(seed);
            const bool oneBallAtATime = seed % 2 == 0;
            int presses = 0;
            while (!MatchOver && presses < 2000) {
                ++presses;
                if (f.cmdChange.Visible)
                    f.cmdChange.UserClick();
                else if (oneBallAtATime)
                    f.CmdNBowl.UserClick();
                else
                    f.CmdNOver.UserClick();
                ASSERT_NO_FATAL_FAILURE(ExpectConsistent()) << "seed " << seed;
            }
            ASSERT_TRUE(MatchOver) << "seed " << seed;
            EXPECT_EQ(f.cmdChange.Caption(), "E&xit to Main Menu");
            int results = 0;
            for (const auto& text : MessageTexts())
                results += text.rfind("Congratulations", 0) == 0 || text.rfind("Fantastic", 0) == 0;
            EXPECT_EQ(results, 1) << "seed " << seed << ": the result is announced once";
        }
    }

    // The computer rests nobody in the last fifth of an innings. With 10, 20, 30, 40 or 50
    // overs its rotation still ends with the innings; with 25 or 35 a bowler who finishes
    // his quota late is due again, and the user is asked to choose a bowler for it.
    TEST_F(MatchWholeTest, TheComputerCaptainsAWholeMatchOnItsOwn)
    {
        for (int overs : { 10, 20, 25, 30, 35, 40, 50 }) {
            forms::ResetAll();
            State = MatchState {};
            platform.toolkit.shownForms.clear();
            MatchSetup setup;
            setup.overs = overs;
            setup.computerSide0 = true;
            FrmMain& f = StartMatch(setup);
            ChooseBowlersWhenAsked();
            SeedRandomDraw(static_cast<std::uint32_t>(overs));
            EXPECT_TRUE(PlayThrough(f)) << overs;
            const bool asked = std::count(platform.toolkit.shownForms.begin(),
                                   platform.toolkit.shownForms.end(), "frmBowlChange")
                > 0;
            EXPECT_FALSE(asked) << "the player chose the computer's bowler at " << overs
                                << " overs";
        }
    }

    // One seeded match, both sides captained by the computer. A change here changes how the
    // game plays: make it only on purpose, and say why.
    TEST_F(MatchWholeTest, GoldenSeededMatch)
    {
        MatchSetup setup;
        setup.computerSide0 = true;
        FrmMain& f = StartMatch(setup);
        SeedRandomDraw(20261206);
        ASSERT_TRUE(PlayThrough(f));
        const std::string expected = R"(Northland 319/10 in 295 balls
  Arlo Penhale: 57 (52) 8/30/12/1/0/0/0
  Bram Quillet: 134 (128) 35/69/13/3/6/0/1
  Cato Vennick: 42 (43) 8/26/8/0/0/0/0
  Dov Marrable: 17 (23) 10/10/0/1/1/0/0
  Eli Strand: 2 (4) 1/2/0/0/0/0/0 | 30b 0m 30r 1w
  Finn Osgood: 18 (8) 0/4/0/0/2/0/1
  Gus Tarrow: 5 (3) 0/1/0/0/1/0/0 | 30b 0m 28r 1w
  Hal Brenner: 12 (16) 7/6/1/0/1/0/0 | 60b 0m 59r 1w
  Ivo Castell: 8 (4) 0/1/0/1/1/0/0 | 60b 1m 70r 0w
  Jem Fairlie: 24 (14) 3/6/1/0/1/0/2 | 49b 0m 73r 3w
  Kit Morrow: 0 (0) 0/0/0/0/0/0/0 | 54b 1m 41r 2w
  FoW: 110/110 198/88 230/32 241/11 264/23 271/7 275/4 285/10 318/33 319/1
Southmere 301/10 in 283 balls
  Quin Harlow: 67 (63) 13/40/5/1/2/0/1
  Rafe Dunmore: 0 (1) 0/0/0/0/0/0/0
  Sol Kettering: 16 (9) 0/4/2/0/2/0/0
  Tam Ridley: 15 (7) 0/3/0/0/3/0/0
  Ulf Barrow: 18 (7) 0/2/0/0/4/0/0 | 30b 0m 33r 0w
  Vic Hemsley: 54 (65) 20/38/4/0/2/0/0
  Wes Calder: 73 (63) 10/38/10/1/3/0/0 | 30b 0m 28r 0w
  Xan Prothero: 39 (31) 4/17/7/0/2/0/0 | 60b 0m 55r 0w
  Yul Dacre: 13 (22) 13/4/3/1/0/0/0 | 60b 1m 52r 3w
  Zeb Lindell: 4 (12) 7/4/0/0/0/0/0 | 55b 0m 66r 3w
  Ash Tremaine: 2 (3) 1/2/0/0/0/0/0 | 60b 0m 85r 3w
  FoW: 1/1 19/18 40/21 62/22 165/103 178/13 247/69 279/32 297/18 301/4
Northland win by 18 runs
)";
        EXPECT_EQ(Scorecard() + f.lblMsg[1].Caption() + "\n", expected);
    }

    // While the four is being described, the play buttons, the innings button and a bowler
    // change are all refused: the card and the state stay in step.
    TEST_F(MatchWholeTest, NothingThatChangesTheMatchRunsWhileTheCommentatorSpeaks)
    {
        MatchSetup setup;
        setup.computerSide1 = false; // the fielding side chooses its own bowlers
        FrmMain& f = StartMatch(setup);
        EnableCommentator();
        // The commentator takes a while: its bookmark comes back two pumps late.
        platform.agent.Bookmark = [this](long mark) {
            platform.toolkit.Post(
                [this, mark] { platform.toolkit.Post([mark] { Agent1_Bookmark(mark); }); });
        };
        platform.toolkit.onModal
            = [](Form& form) { static_cast<FrmBowlChange&>(form).lblBlrName[3].UserClick(); };
        bool pressed = false;
        platform.toolkit.Post([&] {
            pressed = true;
            f.CmdNBowl.UserClick();
            f.CmdNOver.UserClick();
            f.cmdChange.Click();
            f.lblNxtBlr.UserClick();
        });
        f.HScroll1[0].Value = 1;
        Bowl(f, BallDraws(1, 4));
        EXPECT_TRUE(pressed) << "the presses came while the four was being described";
        EXPECT_EQ(Bat().Balls, 1);
        EXPECT_TRUE(FirstInnings);
        EXPECT_FALSE(AgentSpeaking);
        EXPECT_TRUE(platform.toolkit.shownForms.empty()) << "no bowler change was opened";
        EXPECT_EQ(CurrBowler, 10);
        EXPECT_EQ(OtherBowler, 9);
        EXPECT_EQ(f.lblBlrName[0].Caption(), Field().Plr[10].Name);
        EXPECT_EQ(f.lblOvers[0].Caption(), "0.1");
        EXPECT_EQ(f.lblRunsGiven[0].Caption(), "4");
        EXPECT_FALSE(f.lblBlrName[1].Visible());

        Bowl(f, BallDraws(1, DotBall));
        EXPECT_EQ(Bat().Balls, 2) << "once the delivery is over, presses work again";
        f.lblNxtBlr.UserClick();
        EXPECT_EQ(OtherBowler, 3) << "and so does the bowler change";
    }

    TEST_F(MatchWholeTest, EscapeWhileTheCommentatorSpeaksEndsTheGameCleanly)
    {
        FrmMain& f = StartMatch();
        EnableCommentator();
        platform.toolkit.Post([&] { f.Command1.Click(); });
        ScriptRandomDraw(BallDraws(1, 6));
        f.CmdNBowl.UserClick();
        EXPECT_EQ(platform.toolkit.endRequests, 1);
        EXPECT_FALSE(MatchScreenLoaded()) << "no fresh match screen was loaded behind the user";
        EXPECT_EQ(Bat().Balls, 1);
    }

} // namespace
} // namespace stumpcraft::testing
