// How a batsman is out: the card's text for every kind, who may take a catch or run him out,
// and which dismissals the bowler is credited with.
#include "MatchFixture.h"
#include "modules/Dismissal.h"
#include "modules/modProcs.h"

#include <algorithm>
#include <set>

namespace stumpcraft::testing {
namespace {

    struct MatchDismissalTest : MatchFixture {
        // A dismissal drawn for the current bowler, in the batting card's words.
        std::string Drawn() { return DismissalText(DrawDismissal(), Field()); }
    };

    // The kind's draw, then the fielder's where it needs one. A catch drawn for the bowler or
    // the keeper is drawn again; anyone, the bowler too, can run a batsman out.
    TEST_F(MatchDismissalTest, EveryKindHasItsOwnText)
    {
        StartMatch();
        const struct {
            std::vector<int> draws;
            const char* text;
        } kinds[] = {
            { { 1 }, " b: Ash Tremaine" },
            { { 2 }, " b: Ash Tremaine" },
            { { 3 }, " c and b: Ash Tremaine" },
            { { 4 }, " lbw b: Ash Tremaine" },
            { { 5 }, " c: Vic Hemsley b: Ash Tremaine" },
            { { 6, 1 }, " c: Quin Harlow b: Ash Tremaine" },
            { { 7, 10 }, " c: Zeb Lindell b: Ash Tremaine" },
            { { 6, 11, 6, 11, 4 }, " c: Tam Ridley b: Ash Tremaine" },
            { { 8, 3 }, "Run Out (Sol Kettering) " },
            { { 8, 6 }, "Run Out (Vic Hemsley) " },
            { { 8, 11 }, "Run Out (Ash Tremaine) " },
        };
        for (const auto& kind : kinds) {
            ScriptRandomDraw(kind.draws);
            EXPECT_EQ(Drawn(), kind.text);
            EXPECT_EQ(ScriptedDrawsLeft(), 0) << kind.text;
        }
    }

    TEST_F(MatchDismissalTest, TheCommentatorDescribesTheDismissalWithItsPlayers)
    {
        FrmMain& f = StartMatch();
        EnableCommentator();
        Bowl(f, BallDraws(1, Out, 6, 3)); // caught by Sol Kettering
        const auto lines = platform.agent.Of("Speak");
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
            return line.find("Great catch by Sol Kettering") != std::string::npos;
        }));
        EXPECT_FALSE(AgentSpeaking) << "the delivery waited until the line was spoken";
    }

    TEST_F(MatchDismissalTest, OnlyTheElevenFieldAndTheBowlerGetAllButRunOuts)
    {
        FrmMain& f = StartMatch();
        std::set<std::string> eleven;
        for (int s = 0; s <= 10; ++s)
            eleven.insert(Field().Plr[s].Name);
        SeedRandomDraw(99);
        int runOuts = 0;
        for (int i = 0; i < 400; ++i) {
            const std::string text = Drawn();
            if (text[0] == 'R') {
                ++runOuts;
                EXPECT_TRUE(eleven.count(text.substr(9, text.size() - 11))) << text;
            } else if (text.rfind(" c: ", 0) == 0) {
                const std::string catcher = text.substr(4, text.find(" b: ") - 4);
                EXPECT_TRUE(eleven.count(catcher)) << text;
                EXPECT_NE(catcher, "Ash Tremaine") << text;
            }
        }
        EXPECT_NEAR(runOuts, 50, 25);

        // Through the engine: the bowler's wickets count all but the run outs.
        for (int ball = 0; ball < 9; ++ball) {
            ScriptRandomDraw(BallDraws(1, Out, ball % 8 + 1, 3));
            f.CmdNBowl_Click();
            f.HScroll1[0].Value = 1;
            f.HScroll1[1].Value = 1;
        }
        int taken = 0;
        for (int s = 0; s <= 10; ++s)
            taken += Field().Plr[s].WicketsTaken;
        EXPECT_EQ(taken, 8) << "nine wickets, one of them a run out";
        EXPECT_EQ(Bat().Wickets, 9);
    }

} // namespace
} // namespace stumpcraft::testing
