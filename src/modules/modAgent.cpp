#include "modules/modAgent.h"

#include "modules/modVars.h"
#include "platform/Errors.h"
#include "platform/Services.h"

#include <algorithm>

namespace stumpcraft {

namespace {

    // Where the missing-character box sends the player for the character file.
    constexpr const char* kMerlinDownload = "https://stumpcraft.example/merlin";

    // The line for one delivery's outcome: the animation played first, then the text.
    struct CommentLine {
        const char* animation;
        std::string text;
    };

    // A name goes into a speech text as plain words. "|" would split it into alternatives of
    // its own and a backslash could smuggle in a bookmark that ends the wait too early, so
    // both become spaces.
    std::string SpokenName(std::string name)
    {
        std::replace(name.begin(), name.end(), '|', ' ');
        std::replace(name.begin(), name.end(), '\\', ' ');
        return name;
    }

    bool LineFor(int code, const std::string& first, const std::string& second, CommentLine& out)
    {
        switch (code) {
        case 4:
            out = { "pleased",
                std::string("That's smashed back over the bowler for Four!|What a shot! Four "
                            "Runs!|Edged! But, it's gone for four.")
                    + "|A copybook cover drive for four.|He has pulled it for four right from "
                      "his nose."
                    + "|Super Shot! Four!|Oh, he has missed the catch and it has gone for four!" };
            return true;
        case 6:
            out = { "pleased",
                std::string("Its gone! Get a new ball! Six!|What a shot! Six Runs!|Thats gone "
                            "high in the air. A huge six!")
                    + "|He has smashed it over the offside for six!|He has pulled it for six! "
                      "What a powerful shot!"
                    + "|Thats six, right from the moment he struck it!|Has he caught it? No! It "
                      "has gone for six!" };
            return true;
        case 11:
            out = { "sad",
                std::string("Bowled him! Out!| Oh, he is Bowled. What a ball.| That's a fast "
                            "inswinging yorker. Bowled him.")
                    + "|Yes, he's out. The middle stump has gone for a walk!|Oh no! The ball's "
                      "just kissed the off stump and its bowled him."
                    + "|What a fast ball by " + first };
            return true;
        case 13:
            out = { "sad",
                std::string("Good catch by the bowler! Out| Has he caught it? Oh, yes. Out")
                    + "|Great catch by " + first };
            return true;
        case 14:
            out = { "sad",
                std::string("They are appealing for lbw! The umpire has given it!|He's put the "
                            "pad right in line and the umpire had an easy decision.")
                    + "|" + first + " is bowling a good stump to stump line and has got his man." };
            return true;
        case 15:
            out = { "sad",
                std::string("Good catch by the keeper! Out| Has he caught it? Oh, yes. Out")
                    + "|Great catch by " + second };
            return true;
        case 16:
            out = { "sad",
                std::string("Oh! That's a great catch! Out|Has he caught it? Oh, yes. Out")
                    + "|Great catch by " + second + ".|The batsman thought it was a six but "
                    + second + " plucked it out of thin air." };
            return true;
        case 18:
            out = { "sad",
                std::string("Thats a great piece of fielding! He is out, run out!|Good fielding "
                            "by ")
                    + first + ". He's out." };
            return true;
        default:
            return false;
        }
    }

    void ShowLoadFailure(const RuntimeError& error)
    {
        if (error.Number() != kAgentFileMissing) {
            ShowErrorBox(error);
            return;
        }
        MsgBox(std::string("It seems that you do not have Merlin installed on your computer !!!")
                + "\n\tYou can still run the game, but for best results,"
                + "\nit is advisable to get Merlin from " + kMerlinDownload,
            MsgButtons::OK, MsgIcon::Exclamation, "Please Get Merlin !!!");
    }

} // namespace

void LoadAgent(int x, int y)
{
    AgentService* agent = Platform().agent;
    if (!agent)
        return;
    // The character's events arrive between later events; the main menu, which hosts the
    // character, puts its own handlers in their place as soon as this returns.
    agent->Shown = Agent1_Show;
    agent->Hidden = Agent1_Hide;
    agent->Bookmark = Agent1_Bookmark;
    try {
        if (agent->Load("Merlin", "Merlin.acs") != 0)
            return;
        // A service that loads without error yet hands out no character leaves the game
        // silent, rather than with AgentOn and nobody to talk to.
        AgentCharacter* merlin = agent->Character("Merlin");
        if (!merlin)
            return;
        AgentOn = true;
        AgentChar = merlin;
        AgentChar->Show();
        AgentChar->MoveTo(x, y);
        AgentChar->Speak("Welcome to Stumpcraft");
        AgentChar->Play("Announce");
        AgentChar->Play("Greet");
        AgentChar->Speak("My name is Merlin, and I will be your friend, cum commentator, from "
                         "here-on, throughout the game!");
        AgentChar->Play("GestureRight");
        AgentChar->Speak("Here, you can choose the type of game, you want to play");
    } catch (const RuntimeError& error) {
        ShowLoadFailure(error);
    } catch (const std::exception& error) {
        ShowErrorBox(error);
    }
}

void AnnounceConditions()
{
    if (!AgentChar)
        return;
    AgentChar->StopAll();
    AgentChar->Play("Greet");
    AgentChar->Speak(std::string("Welcome to the Eden Gardens at Calcutta. Oops, sorry! Now it "
                                 "is known as Kolkata.")
        + "|Welcome to the spectacular Desert City of Sharjah."
        + "|A big hello to all of you, from the Lords, England.");
    AgentChar->Speak(std::string("Players will have a tough time today with the heat as well as "
                                 "the humidity.")
        + "|It is a very hot day and will be tough for the players."
        + "|I am afraid it might rain today. We have black clouds all over the stadium."
        + "|It is raining cats and dogs here over the last two days or so and I am afraid, "
          "today seems to be no exception. It is not raining yet but might start at any time.");
    AgentChar->Speak(
        std::string("It is going to be a run feast today as we have a belter of a pitch.")
        + "|I am afraid runs might be hard to come by today, as we have a green-top."
        + "|It is a great pitch that we have today. It will benefit the bowlers to start with, "
          "but then, the batters will have a great time.");
}

void CommentBall(int code, const std::string& firstName, const std::string& secondName)
{
    if (!AgentChar)
        return;
    AgentSpeaking = true;
    AgentChar->StopAll();
    CommentLine line;
    if (LineFor(code, SpokenName(firstName), SpokenName(secondName), line)) {
        AgentChar->Play(line.animation);
        AgentChar->Speak(line.text);
    }
    AgentChar->Speak("\\Mrk=1\\");
    // A nested call (a click handled while we wait) stops this line and waits for its own;
    // both waits end with the newest bookmark 1, since they watch the same flag.
    while (AgentSpeaking)
        DoEvents();
}

void Agent1_Show(const std::string&, int) { AgentOn = true; }

void Agent1_Hide(const std::string&, int) { AgentOn = false; }

void Agent1_Bookmark(long bookmark)
{
    if (bookmark == 1)
        AgentSpeaking = false;
}

} // namespace stumpcraft
