// The commentator module against a fake agent: the greeting's queue, the lines for each
// outcome as the player hears them, the wait for the bookmark, and what the player sees when
// the character cannot be loaded or is hidden.
#include "fakes/FakeServices.h"
#include "modules/modAgent.h"
#include "modules/modVars.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace stumpcraft {
namespace {

    using fakes::AgentRequest;

    class AgentTest : public ::testing::Test {
    protected:
        // Loads the character as the main menu does and lets its shown event arrive.
        void Load(int frameTop = 120)
        {
            LoadAgent(700, frameTop);
            platform.toolkit.DoEvents();
            platform.agent.requests.clear();
        }

        std::vector<std::string> Ops() const
        {
            std::vector<std::string> ops;
            for (const auto& r : platform.agent.requests)
                ops.push_back(r.op + (r.arg.empty() ? "" : " " + r.arg));
            return ops;
        }

        fakes::FakePlatform platform;
    };

    TEST_F(AgentTest, LoadShowsMovesAndQueuesTheGreetingInOrder)
    {
        LoadAgent(700, 137);
        EXPECT_TRUE(AgentOn);
        EXPECT_EQ(AgentChar, &platform.agent);
        EXPECT_TRUE(platform.toolkit.messages.empty());
        const std::vector<std::string> expected { "Show", "MoveTo 700,137",
            "Speak Welcome to Stumpcraft", "Play Announce", "Play Greet",
            "Speak My name is Merlin, and I will be your friend, cum commentator, from here-on, "
            "throughout the game!",
            "Play GestureRight", "Speak Here, you can choose the type of game, you want to play" };
        EXPECT_EQ(Ops(), expected);
    }

    TEST_F(AgentTest, HidingSilencesTheGameAndShowingBringsItBack)
    {
        Load();
        platform.agent.Hide();
        EXPECT_TRUE(AgentOn) << "the hidden event arrives between events, not inside Hide";
        platform.toolkit.DoEvents();
        EXPECT_FALSE(AgentOn);
        platform.agent.Show();
        platform.toolkit.DoEvents();
        EXPECT_TRUE(AgentOn);
    }

    TEST_F(AgentTest, MissingCharacterFileShowsTheGetMerlinBoxAndStaysSilent)
    {
        platform.agent.loadError = kAgentFileMissing;
        LoadAgent(700, 120);
        ASSERT_EQ(platform.toolkit.messages.size(), 1u);
        const auto& box = platform.toolkit.messages[0];
        EXPECT_EQ(box.title, "Please Get Merlin !!!");
        EXPECT_EQ(box.icon, MsgIcon::Exclamation);
        EXPECT_EQ(box.buttons, MsgButtons::OK);
        EXPECT_EQ(box.text,
            "It seems that you do not have Merlin installed on your computer !!!\n"
            "\tYou can still run the game, but for best results,\n"
            "it is advisable to get Merlin from https://stumpcraft.example/merlin");
        EXPECT_FALSE(AgentOn);
        EXPECT_EQ(AgentChar, nullptr);
        EXPECT_TRUE(platform.agent.requests.empty());
    }

    TEST_F(AgentTest, OtherLoadFailuresLeaveTheGameSilent)
    {
        // Any other error shows the standard box; a refusal without an error shows nothing.
        platform.agent.loadError = -2147467259;
        LoadAgent(700, 120);
        platform.agent.loadError = 0;
        platform.agent.loadStatus = 1;
        LoadAgent(700, 120);
        ASSERT_EQ(platform.toolkit.messages.size(), 1u);
        const auto& box = platform.toolkit.messages[0];
        EXPECT_EQ(box.text, "-2147467259: The character could not be loaded");
        EXPECT_EQ(box.title, "Stumpcraft");
        EXPECT_EQ(box.icon, MsgIcon::None);
        EXPECT_FALSE(AgentOn);
        EXPECT_TRUE(platform.agent.requests.empty());
    }

    TEST_F(AgentTest, AnnouncementStopsGreetsAndSpeaksVenueWeatherAndPitch)
    {
        Load();
        AnnounceConditions();
        const auto ops = Ops();
        ASSERT_EQ(ops.size(), 5u);
        EXPECT_EQ(ops[0], "StopAll");
        EXPECT_EQ(ops[1], "Play Greet");
        EXPECT_EQ(ops[2],
            "Speak Welcome to the Eden Gardens at Calcutta. Oops, sorry! Now it is known as "
            "Kolkata.|Welcome to the spectacular Desert City of Sharjah.|A big hello to all of "
            "you, from the Lords, England.");
        EXPECT_EQ(ops[3],
            "Speak Players will have a tough time today with the heat as well as the humidity."
            "|It is a very hot day and will be tough for the players.|I am afraid it might rain "
            "today. We have black clouds all over the stadium.|It is raining cats and dogs here "
            "over the last two days or so and I am afraid, today seems to be no exception. It "
            "is not raining yet but might start at any time.");
        EXPECT_EQ(ops[4],
            "Speak It is going to be a run feast today as we have a belter of a pitch.|I am "
            "afraid runs might be hard to come by today, as we have a green-top.|It is a great "
            "pitch that we have today. It will benefit the bowlers to start with, but then, the "
            "batters will have a great time.");
    }

    struct LineCase {
        int code;
        const char* first;
        const char* second;
        const char* animation;
        const char* text;
    };

    class CommentLineTest : public AgentTest, public ::testing::WithParamInterface<LineCase> { };

    TEST_P(CommentLineTest, StopsPlaysSpeaksThenWaitsForBookmarkOne)
    {
        const LineCase& c = GetParam();
        Load();
        CommentBall(c.code, c.first, c.second);
        EXPECT_FALSE(AgentSpeaking);
        const std::vector<std::string> expected { "StopAll", std::string("Play ") + c.animation,
            std::string("Speak ") + c.text, "Speak \\Mrk=1\\" };
        EXPECT_EQ(Ops(), expected);
    }

    INSTANTIATE_TEST_SUITE_P(EveryOutcome, CommentLineTest,
        ::testing::Values(
            LineCase { 4, "", "", "pleased",
                "That's smashed back over the bowler for Four!|What a shot! Four Runs!|Edged! "
                "But, it's gone for four.|A copybook cover drive for four.|He has pulled it for "
                "four right from his nose.|Super Shot! Four!|Oh, he has missed the catch and it "
                "has gone for four!" },
            LineCase { 6, "", "", "pleased",
                "Its gone! Get a new ball! Six!|What a shot! Six Runs!|Thats gone high in the "
                "air. A huge six!|He has smashed it over the offside for six!|He has pulled it "
                "for six! What a powerful shot!|Thats six, right from the moment he struck "
                "it!|Has he caught it? No! It has gone for six!" },
            LineCase { 11, "Brack", "", "sad",
                "Bowled him! Out!| Oh, he is Bowled. What a ball.| That's a fast inswinging "
                "yorker. Bowled him.|Yes, he's out. The middle stump has gone for a walk!|Oh "
                "no! The ball's just kissed the off stump and its bowled him.|What a fast ball "
                "by Brack" },
            LineCase { 13, "Brack", "", "sad",
                "Good catch by the bowler! Out| Has he caught it? Oh, yes. Out|Great catch by "
                "Brack" },
            LineCase { 14, "Brack", "", "sad",
                "They are appealing for lbw! The umpire has given it!|He's put the pad right in "
                "line and the umpire had an easy decision.|Brack is bowling a good stump to "
                "stump line and has got his man." },
            LineCase { 15, "Brack", "Tolley", "sad",
                "Good catch by the keeper! Out| Has he caught it? Oh, yes. Out|Great catch by "
                "Tolley" },
            LineCase { 16, "Brack", "Oyelaran", "sad",
                "Oh! That's a great catch! Out|Has he caught it? Oh, yes. Out|Great catch by "
                "Oyelaran.|The batsman thought it was a six but Oyelaran plucked it out of thin "
                "air." },
            LineCase { 18, "Mbeki-Rowe", "", "sad",
                "Thats a great piece of fielding! He is out, run out!|Good fielding by "
                "Mbeki-Rowe. He's out." },
            // Empty names leave nothing in their place.
            LineCase { 11, "", "", "sad",
                "Bowled him! Out!| Oh, he is Bowled. What a ball.| That's a fast inswinging "
                "yorker. Bowled him.|Yes, he's out. The middle stump has gone for a walk!|Oh "
                "no! The ball's just kissed the off stump and its bowled him.|What a fast ball "
                "by " }));

    TEST_F(AgentTest, CodeWithoutALineStillStopsBookmarksAndWaits)
    {
        Load();
        for (int code : { 0, 1, 5, 7, 8, 12, 17, -1, 32767 }) {
            platform.agent.requests.clear();
            const int pumps = platform.toolkit.pumps;
            CommentBall(code, "Brack", "Tolley");
            EXPECT_FALSE(AgentSpeaking);
            EXPECT_EQ(Ops(), (std::vector<std::string> { "StopAll", "Speak \\Mrk=1\\" }))
                << "code " << code;
            EXPECT_GT(platform.toolkit.pumps, pumps) << "returns only once bookmark 1 arrives";
        }
    }

    TEST_F(AgentTest, WaitLastsUntilBookmarkOneAndIgnoresOtherNumbers)
    {
        Load();
        // Other bookmarks reach the game first; only number 1 ends the wait.
        platform.toolkit.Post([] { Agent1_Bookmark(2); });
        platform.toolkit.Post([] { Agent1_Bookmark(0); });
        platform.toolkit.Post([] { EXPECT_TRUE(AgentSpeaking); });
        CommentBall(4, "", "");
        EXPECT_FALSE(AgentSpeaking);
    }

    TEST_F(AgentTest, ACharacterThatNeverReportsItsBookmarkHoldsTheGameAMinuteAtMost)
    {
        Load();
        platform.agent.mute = true; // its voice engine has died
        const long long start = platform.toolkit.clock;
        CommentBall(4, "", "");
        EXPECT_FALSE(AgentSpeaking);
        EXPECT_GE(platform.toolkit.clock - start, kSpokenWaitLimitMs);
        EXPECT_LT(platform.toolkit.clock - start, kSpokenWaitLimitMs + 1000);
        EXPECT_EQ(Ops().back(), "StopAll") << "the stuck line is dropped";
    }

    TEST_F(AgentTest, NestedCommentStopsTheOuterLineAndBothWaitsEnd)
    {
        Load();
        // A second boundary handled while the first line is still being spoken.
        platform.toolkit.Post([] { CommentBall(6, "", ""); });
        CommentBall(4, "", "");
        EXPECT_FALSE(AgentSpeaking);
        const auto stops = platform.agent.Of("StopAll");
        const auto plays = platform.agent.Of("Play");
        EXPECT_EQ(stops.size(), 2u);
        EXPECT_EQ(plays, (std::vector<std::string> { "pleased", "pleased" }));
    }

    TEST_F(AgentTest, NamesCannotAddAlternativesOrBookmarks)
    {
        Load();
        CommentBall(16, "Brack", "Al|fie \\Mrk=1\\");
        const auto spoken = platform.agent.Of("Speak");
        ASSERT_EQ(spoken.size(), 2u);
        EXPECT_EQ(std::count(spoken[0].begin(), spoken[0].end(), '|'), 3);
        EXPECT_EQ(spoken[0].find('\\'), std::string::npos);
        EXPECT_NE(spoken[0].find("Great catch by Al fie  Mrk=1 ."), std::string::npos);
    }

} // namespace
} // namespace stumpcraft
