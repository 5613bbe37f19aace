// The history of a match, kept ball by ball by the play buttons: it must tell the same story
// as the cards, innings by innings, whichever button plays the balls.
#include "MatchFixture.h"
#include "forms/frmBowlChange.h"
#include "modules/modProcs.h"

#include <map>

namespace stumpcraft::testing {
namespace {

    struct MatchHistoryTest : MatchFixture {
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
                EXPECT_EQ(wk.howOut, f.lblBatOut[wk.batsman].Caption());
            }
        }
    };

    TEST_F(MatchHistoryTest, TheHistoryOfSeededMatchesTellsTheStoryOfTheirCards)
    {
        for (std::uint32_t seed : { 20261206u, 3u, 8u }) {
            forms::ResetAll();
            State = MatchState {};
            MatchSetup setup;
            setup.computerSide0 = true;
            setup.overs = seed == 3 ? 20 : 50;
            FrmMain& f = StartMatch(setup);
            SeedRandomDraw(seed);
            // Bowled a ball at a time, the computer's bowler may finish his quota at the end
            // of an over and is then changed by hand, as a player would.
            platform.toolkit.onModal = [](Form& form) {
                auto& change = static_cast<FrmBowlChange&>(form);
                for (int row = 10; row >= 0 && change.IsLoaded(); --row)
                    change.lblBlrName[row].UserClick();
            };
            const bool oneBallAtATime = seed == 8;
            int presses = 0;
            auto press = [&] {
                (oneBallAtATime ? f.CmdNBowl : f.CmdNOver).UserClick();
                return ++presses < 1000;
            };
            while (!f.cmdChange.Visible)
                ASSERT_TRUE(press()) << "seed " << seed;
            ExpectInningsMatchesCard(f, 0);
            f.cmdChange.UserClick();
            while (!MatchOver)
                ASSERT_TRUE(press()) << "seed " << seed;
            ExpectInningsMatchesCard(f, 1);
        }
    }

    TEST_F(MatchHistoryTest, ANewMatchStartsWithAnEmptyHistory)
    {
        FrmMain& f = StartMatch();
        SeedRandomDraw(1);
        f.CmdNOver.UserClick();
        ASSERT_EQ(History.innings[0].Balls(), 6);
        f.Unload();
        forms::CollectUnloaded();
        frmMain();
        EXPECT_EQ(History, MatchHistory {});
    }

} // namespace
} // namespace stumpcraft::testing
