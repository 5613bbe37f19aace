// Whole matches: the figures and the match history that must always agree, one seeded match
// pinned ball for ball, and deliveries that never overlap while the commentator speaks.
#include "MatchFixture.h"
#include "forms/frmBowlChange.h"
#include "modules/Dismissal.h"
#include "modules/modAgent.h"
#include "modules/modProcs.h"

#include <algorithm>
#include <map>

namespace stumpcraft::testing {
namespace {

    struct MatchWholeTest : MatchFixture {
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

        // The innings in its history against the sides' figures and the batting card.
        void ExpectInningsMatchesCard(FrmMain& f, int inning)
        {
            const InningsHistory& h = History.innings[static_cast<std::size_t>(inning)];
            ASSERT_EQ(h.side, CurrBatSide);
            const MatchTeam& bat = Teams[h.side];
            const MatchTeam& field = Teams[1 - h.side];
            EXPECT_EQ(h.Runs(), bat.Runs);
            EXPECT_EQ(h.Balls(), bat.Balls);
            EXPECT_EQ(h.Wickets(), bat.Wickets);
            int overWickets = 0;
            for (std::size_t o = 0; o < h.overs.size(); ++o) {
                overWickets += h.overs[o].wickets;
                const int full = o + 1 < h.overs.size() ? 6 : h.overs[o].balls;
                EXPECT_EQ(h.overs[o].balls, full) << "over " << o + 1;
            }
            EXPECT_EQ(overWickets, bat.Wickets);

            std::map<int, int> faced, scored, bowled, given;
            for (const BallRecord& b : h.balls) {
                faced[b.striker] += 1;
                scored[b.striker] += b.runs;
                bowled[b.bowler] += 1;
                given[b.bowler] += b.runs;
                EXPECT_GE(b.level, 1);
                EXPECT_LE(b.level, 5);
            }
            for (int s = 0; s <= 10; ++s) {
                EXPECT_EQ(faced[s], bat.Plr[s].BallsFaced) << "slot " << s;
                EXPECT_EQ(scored[s], bat.Plr[s].Runs) << "slot " << s;
                EXPECT_EQ(bowled[s], field.Plr[s].BallsBowled) << "bowler " << s;
                EXPECT_EQ(given[s], field.Plr[s].RunsGiven) << "bowler " << s;
            }
            for (std::size_t w = 0; w < h.wickets.size(); ++w) {
                const WicketRecord& wk = h.wickets[w];
                EXPECT_TRUE(h.balls[static_cast<std::size_t>(wk.ball)].wicket);
                EXPECT_EQ(h.RunsAfter(wk.ball), bat.FallOfWicket[static_cast<int>(w) + 1]);
                EXPECT_EQ(DismissalText(wk.out, field), f.lblBatOut[wk.batsman].Caption());
            }
        }
    };

    // Between any two presses the figures agree; at each innings' end the match history
    // tells the story of the card; the result is announced once. Where the computer captains
    // both sides, played an over at a time, the player is never asked to choose its bowler:
    // it rests nobody in the last fifth, yet replaces a bowler who has bowled out.
    TEST_F(MatchWholeTest, TheFiguresAgreeAfterEveryPressOfManySeededMatches)
    {
        const int overs[] = { 10, 20, 25, 30, 35, 40, 50 };
        for (std::uint32_t seed = 1; seed <= 28; ++seed) {
            forms::ResetAll();
            State = MatchState {};
            platform.toolkit.messages.clear();
            platform.toolkit.shownForms.clear();
            const bool computerOnly = seed % 4 == 0; // every menu's overs once
            FrmMain& f = StartMatch({ .overs = overs[seed % 7],
                .firstBatSide = static_cast<int>(seed % 2),
                .computerSide0 = computerOnly });
            ChooseBowlersWhenAsked();
            SeedRandomDraw(seed);
            const bool oneBallAtATime = seed % 2 == 1;
            for (int presses = 0; !MatchOver; ++presses) {
                ASSERT_LT(presses, 2000) << "seed " << seed;
                if (f.cmdChange.Visible) {
                    ExpectInningsMatchesCard(f, 0);
                    f.cmdChange.UserClick();
                } else
                    (oneBallAtATime ? f.CmdNBowl : f.CmdNOver).UserClick();
                ASSERT_NO_FATAL_FAILURE(ExpectConsistent()) << "seed " << seed;
            }
            ExpectInningsMatchesCard(f, 1);
            EXPECT_EQ(f.cmdChange.Caption(), "E&xit to Main Menu");
            int results = 0;
            for (const auto& text : MessageTexts())
                results += text.rfind("Congratulations", 0) == 0 || text.rfind("Fantastic", 0) == 0;
            EXPECT_EQ(results, 1) << "seed " << seed << ": the result is announced once";
            const auto& shown = platform.toolkit.shownForms;
            EXPECT_FALSE(computerOnly && std::count(shown.begin(), shown.end(), "frmBowlChange"))
                << "the player chose the computer's bowler, seed " << seed;
        }
    }

    // One seeded match, both sides captained by the computer. A change here changes how the
    // game plays: make it only on purpose, and say why. Played unwatched, as a season or a
    // tournament plays thousands, it hands no text to any control until one is read.
    TEST_F(MatchWholeTest, GoldenSeededMatch)
    {
        FrmMain& f = StartMatch({ .computerSide0 = true });
        SeedRandomDraw(20261206);
        const long long before = TextsHandedToControls;
        for (int press = 0; !MatchOver && press < 1000; ++press)
            (State.InningsButtonMode == InningsButton::ChangeInnings ? f.cmdChange : f.CmdNOver)
                .UserClick();
        ASSERT_TRUE(MatchOver);
        EXPECT_EQ(TextsHandedToControls, before) << "a match nobody watches makes no caption";
        const std::string figures = Scorecard() + f.lblMsg[1].Caption() + "\n";
        EXPECT_GT(TextsHandedToControls, before) << "the first look paints the board";
        EXPECT_EQ(figures, Golden("seeded-match-figures.txt", figures));
    }

    // While the four is being described, the play buttons, the innings button and a bowler
    // change are all refused: the card and the state stay in step.
    TEST_F(MatchWholeTest, NothingThatChangesTheMatchRunsWhileTheCommentatorSpeaks)
    {
        // The fielding side chooses its own bowlers.
        FrmMain& f = StartMatch({ .computerSide1 = false });
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

    // The close box and Escape end the program, even while the commentator speaks; the
    // program's own unload ends nothing.
    TEST_F(MatchWholeTest, ClosingTheWindowOrEscapeEndsTheProgramCleanly)
    {
        StartMatch().Unload();
        EXPECT_EQ(platform.toolkit.endRequests, 0);
        frmMain().RequestClose(UnloadMode::FormControlMenu);
        EXPECT_EQ(platform.toolkit.endRequests, 1);

        FrmMain& f = StartMatch();
        EnableCommentator();
        platform.toolkit.Post([&] { f.Command1.Click(); });
        ScriptRandomDraw(BallDraws(1, 6));
        f.CmdNBowl.UserClick();
        EXPECT_EQ(platform.toolkit.endRequests, 2);
        EXPECT_FALSE(f.IsLoaded());
        EXPECT_FALSE(MatchScreenLoaded()) << "no fresh match screen was loaded behind the user";
        EXPECT_EQ(Bat().Balls, 1);
    }

} // namespace
} // namespace stumpcraft::testing
