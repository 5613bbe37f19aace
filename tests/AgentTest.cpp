// The commentator module against a fake agent: the greeting's queue, the lines for each
// outcome as the player hears them, the wait for the bookmark, and what the player sees when
// the character cannot be loaded or is hidden.
#include "MatchFixture.h"
#include "modules/modAgent.h"

#include <tuple>

namespace stumpcraft {
namespace {

    using Lines = std::vector<std::string>;

    class AgentTest : public ::testing::Test {
    protected:
        // Loads the character as the main menu does and lets its shown event arrive.
        void Load()
        {
            LoadAgent(700, 120);
            platform.toolkit.DoEvents();
            platform.agent.requests.clear();
        }

        fakes::FakePlatform platform;
    };

    // Catches a greeting spoken out of order, or Merlin left hidden or in the wrong place.
    TEST_F(AgentTest, LoadShowsMovesAndQueuesTheGreetingInOrder)
    {
        LoadAgent(700, 137);
        EXPECT_EQ(AgentChar, &platform.agent);
        EXPECT_TRUE(platform.toolkit.messages.empty());
        EXPECT_EQ(platform.agent.Lines(),
            (Lines { "Show", "MoveTo 700,137", "Speak Welcome to Stumpcraft", "Play Announce",
                "Play Greet",
                "Speak My name is Merlin, and I will be your friend, cum commentator, from "
                "here-on, throughout the game!",
                "Play GestureRight",
                "Speak Here, you can choose the type of game, you want to play" }));
        platform.toolkit.DoEvents();
        EXPECT_TRUE(AgentOn);
    }

    // A player who hid Merlin on the match screen met him again, greeting in full, at every
    // return to the menu; and every return replayed the whole greeting.
    TEST_F(AgentTest, AHiddenCommentatorStaysHiddenForTheRunAndAReturnGreetsInOneLine)
    {
        Load();
        platform.agent.Hidden("Merlin", kAgentCauseUser); // the player's Hide, on any screen
        LoadAgent(700, 120); // the menu again, after the match
        platform.toolkit.DoEvents();
        EXPECT_FALSE(AgentOn) << "the game is silent, and shows its boxes";
        EXPECT_EQ(AgentChar, &platform.agent) << "Ctrl+M can still bring him back";
        EXPECT_EQ(platform.agent.Lines(), (Lines { "MoveTo 700,120" }));

        platform.agent.Shown("Merlin", kAgentCauseUser); // Ctrl+M
        EXPECT_TRUE(AgentOn);
        platform.agent.requests.clear();
        LoadAgent(700, 120);
        platform.toolkit.DoEvents();
        EXPECT_TRUE(AgentOn);
        EXPECT_EQ(platform.agent.Lines(),
            (Lines { "Show", "MoveTo 700,120", "Play Greet",
                "Speak Welcome back! What shall we play next?" }));

        // Hidden by the program (not the player), he comes back with the menu as before.
        platform.agent.Hidden("Merlin", 0);
        LoadAgent(700, 120);
        platform.toolkit.DoEvents();
        EXPECT_TRUE(AgentOn);
    }

    // A missing file asks for Merlin, any other error shows the standard box, and a refusal
    // without an error shows nothing; each leaves the game silent.
    TEST_F(AgentTest, ACharacterThatCannotLoadLeavesTheGameSilent)
    {
        platform.agent.loadStatus = 1;
        for (long error : { kAgentFileMissing, -2147467259L, 0L }) {
            platform.agent.loadError = error;
            LoadAgent(700, 120);
            EXPECT_FALSE(AgentOn || AgentChar) << error;
        }
        EXPECT_TRUE(platform.agent.requests.empty());
        ASSERT_EQ(platform.toolkit.messages.size(), 2u);
        EXPECT_EQ(platform.toolkit.messages[0].title, "Please Get Merlin !!!");
        EXPECT_TRUE(platform.toolkit.messages[0].text.ends_with(
            "get Merlin from https://stumpcraft.example/merlin"));
        EXPECT_EQ(
            platform.toolkit.messages[1].text, "-2147467259: The character could not be loaded");
        EXPECT_EQ(platform.toolkit.messages[1].title, "Stumpcraft");
    }

    // The match screen opens to the venue, the weather and the pitch; each line offers its
    // alternatives, one of which the character picks.
    TEST_F(AgentTest, AnnouncementStopsGreetsAndSpeaksVenueWeatherAndPitch)
    {
        Load();
        testing::SetUpSides();
        frmMain();
        const auto ops = platform.agent.Lines();
        ASSERT_EQ(ops.size(), 5u);
        EXPECT_EQ(Lines(ops.begin(), ops.begin() + 2), (Lines { "StopAll", "Play Greet" }));
        const std::pair<const char*, long> lines[] = { { "Speak Welcome to the Eden Gardens", 2 },
            { "Speak Players will have", 3 }, { "Speak It is going to be a run feast", 2 } };
        for (int i = 0; i < 3; ++i) {
            const std::string& line = ops[static_cast<std::size_t>(i + 2)];
            EXPECT_TRUE(line.starts_with(lines[i].first)) << line;
            EXPECT_EQ(std::count(line.begin(), line.end(), '|'), lines[i].second) << line;
        }
    }

    // Every code stops what is being said and waits for bookmark 1; one with a line first plays
    // its animation and speaks the line, the names in their places: empty names leave nothing
    // there, and a name can add no alternative and no bookmark. Every line is pinned.
    TEST_F(AgentTest, EachOutcomeStopsPlaysSpeaksThenWaitsForBookmarkOne)
    {
        const std::tuple<int, const char*, const char*> cases[] = { { 4, "", "" }, { 6, "", "" },
            { 11, "Brack", "" }, { 13, "Brack", "" }, { 14, "Brack", "" },
            { 15, "Brack", "Tolley" }, { 16, "Brack", "Oyelaran" }, { 18, "Mbeki-Rowe", "" },
            { 11, "", "" }, { 16, "Brack", "Al|fie \\Mrk=1\\" }, { 0, "Brack", "Tolley" },
            { 1, "Brack", "Tolley" }, { 5, "Brack", "Tolley" }, { 7, "Brack", "Tolley" },
            { 8, "Brack", "Tolley" }, { 12, "Brack", "Tolley" }, { 17, "Brack", "Tolley" },
            { -1, "Brack", "Tolley" }, { 32767, "Brack", "Tolley" } };
        Load();
        std::string said;
        for (const auto& [code, first, second] : cases) {
            platform.agent.requests.clear();
            const int pumps = platform.toolkit.pumps;
            CommentBall(code, first, second);
            EXPECT_FALSE(AgentSpeaking);
            EXPECT_GT(platform.toolkit.pumps, pumps) << "returns only once bookmark 1 arrives";
            const auto ops = platform.agent.Lines();
            ASSERT_GE(ops.size(), 2u);
            EXPECT_EQ(ops.back(), "Speak \\Mrk=1\\") << code;
            said += std::to_string(code) + " " + first + " / " + second + ":\n";
            for (std::size_t i = 0; i + 1 < ops.size(); ++i) {
                EXPECT_EQ(ops[i].find('\\'), std::string::npos) << "no bookmark but the last";
                said += "  " + ops[i] + "\n";
            }
        }
        EXPECT_EQ(said, testing::Golden("comment-lines.txt", said));
    }

    // Other bookmarks reach the game first and leave it waiting; a second boundary handled
    // while the first line is spoken stops that line, and its bookmark ends both waits.
    TEST_F(AgentTest, WaitEndsAtBookmarkOneEvenWhenALineInterruptsIt)
    {
        Load();
        platform.toolkit.Post([] { Agent1_Bookmark(2); });
        platform.toolkit.Post([] { Agent1_Bookmark(0); });
        platform.toolkit.Post([] { EXPECT_TRUE(AgentSpeaking); });
        platform.toolkit.Post([] { CommentBall(6, "", ""); });
        CommentBall(4, "", "");
        EXPECT_FALSE(AgentSpeaking);
        EXPECT_EQ(platform.agent.Lines("Speak"),
            (Lines { "StopAll", "Play pleased", "StopAll", "Play pleased" }));
    }

    // Catches a game frozen for ever by a commentator whose voice engine died mid-line.
    TEST_F(AgentTest, ACharacterThatNeverReportsItsBookmarkHoldsTheGameAMinuteAtMost)
    {
        Load();
        platform.agent.mute = true; // its voice engine has died
        const long long start = platform.toolkit.clock;
        CommentBall(4, "", "");
        EXPECT_FALSE(AgentSpeaking);
        EXPECT_GE(platform.toolkit.clock - start, kSpokenWaitLimitMs);
        EXPECT_LT(platform.toolkit.clock - start, kSpokenWaitLimitMs + 1000);
        EXPECT_EQ(platform.agent.Lines().back(), "StopAll") << "the stuck line is dropped";
    }

} // namespace
} // namespace stumpcraft
