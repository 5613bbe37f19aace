// The commentator module against a fake agent: the greeting's queue, the lines for each
// outcome as the player hears them, the wait for the bookmark, and what the player sees when
// the character cannot be loaded or is hidden.
#include "MatchFixture.h"
#include "fakes/FakeServices.h"
#include "modules/modAgent.h"
#include "modules/modVars.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

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

    struct LineCase {
        int code;
        const char* first;
        const char* second;
        const char* animation; // none: the code has no line
        const char* opening = ""; // how the line's first alternative begins
        const char* naming = ""; // where the names went
        bool ends = false; // the line ends there
    };

    class CommentLineTest : public AgentTest, public ::testing::WithParamInterface<LineCase> { };

    // Every code stops what is being said and waits for bookmark 1; one with a line first plays
    // its animation and speaks the line, the names in their places.
    TEST_P(CommentLineTest, StopsPlaysSpeaksThenWaitsForBookmarkOne)
    {
        const LineCase& c = GetParam();
        Load();
        const int pumps = platform.toolkit.pumps;
        CommentBall(c.code, c.first, c.second);
        EXPECT_FALSE(AgentSpeaking);
        EXPECT_GT(platform.toolkit.pumps, pumps) << "returns only once bookmark 1 arrives";
        const auto ops = platform.agent.Lines();
        if (!c.animation) {
            EXPECT_EQ(ops, (Lines { "StopAll", "Speak \\Mrk=1\\" }));
            return;
        }
        ASSERT_EQ(ops.size(), 4u);
        EXPECT_EQ(ops[0], "StopAll");
        EXPECT_EQ(ops[1], std::string("Play ") + c.animation);
        const std::string line = ops[2];
        EXPECT_TRUE(line.starts_with(std::string("Speak ") + c.opening)) << line;
        EXPECT_NE(line.find(c.naming), std::string::npos) << line;
        EXPECT_TRUE(!c.ends || line.ends_with(c.naming)) << "nothing in the empty name's place";
        EXPECT_EQ(line.find('\\'), std::string::npos) << "no bookmark but the last";
        EXPECT_EQ(ops[3], "Speak \\Mrk=1\\");
    }

    INSTANTIATE_TEST_SUITE_P(EveryOutcome, CommentLineTest,
        ::testing::Values(LineCase { 4, "", "", "pleased", "That's smashed back", "for four!" },
            LineCase { 6, "", "", "pleased", "Its gone! Get a new ball!", "gone for six!" },
            LineCase { 11, "Brack", "", "sad", "Bowled him!", "What a fast ball by Brack" },
            LineCase { 13, "Brack", "", "sad", "Good catch by the bowler!", "catch by Brack" },
            LineCase { 14, "Brack", "", "sad", "They are appealing for lbw!", "|Brack is bowling" },
            LineCase { 15, "Brack", "Tolley", "sad", "Good catch by the keeper!", "by Tolley" },
            LineCase { 16, "Brack", "Oyelaran", "sad", "Oh! That's a great catch!",
                "but Oyelaran plucked" },
            LineCase { 18, "Mbeki-Rowe", "", "sad", "Thats a great piece", "by Mbeki-Rowe. He's" },
            // Empty names leave nothing in their place.
            LineCase { 11, "", "", "sad", "Bowled him!", "What a fast ball by ", true },
            // A name can add no alternative and no bookmark.
            LineCase { 16, "Brack", "Al|fie \\Mrk=1\\", "sad", "Oh! That's a great catch!",
                "Great catch by Al fie  Mrk=1 ." },
            LineCase { 0, "Brack", "Tolley", nullptr }, LineCase { 1, "Brack", "Tolley", nullptr },
            LineCase { 5, "Brack", "Tolley", nullptr }, LineCase { 7, "Brack", "Tolley", nullptr },
            LineCase { 8, "Brack", "Tolley", nullptr }, LineCase { 12, "Brack", "Tolley", nullptr },
            LineCase { 17, "Brack", "Tolley", nullptr },
            LineCase { -1, "Brack", "Tolley", nullptr },
            LineCase { 32767, "Brack", "Tolley", nullptr }));

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
