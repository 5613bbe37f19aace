#include "modules/modAgent.h"

#include "modules/CommentLines.h"
#include "modules/modVars.h"
#include "platform/Errors.h"
#include "platform/Services.h"

#include <utility>
#include <vector>

namespace stumpcraft {

namespace {

    // Where the missing-character box sends the player for the character file.
    constexpr const char* kMerlinDownload = "https://stumpcraft.example/merlin";

    struct News {
        Line line;
        bool boxWhenSilent;
    };
    // What the commentator remembers for the rest of the run: the menu loads him afresh on
    // every return, and he neither greets in full again nor comes back when the player sent
    // him away.
    struct RunMemory {
        bool greeted = false;
        bool hiddenByPlayer = false;
    };
    RunMemory run;

    // What the delivery in progress holds (see DeliveryNews).
    std::vector<News> held;

    // Queues bookmark 1 behind what the character is saying and lets events run until it
    // arrives, or until the character has had far longer than any line takes.
    void WaitUntilSpoken()
    {
        AgentChar->Speak("\\Mrk=1\\");
        // A nested call (a click handled while we wait) stops this line and waits for its own;
        // both waits end with the newest bookmark 1, since they watch the same flag.
        const long long start = Milliseconds();
        while (AgentSpeaking) {
            if (Milliseconds() - start > kSpokenWaitLimitMs) {
                AgentSpeaking = false;
                if (AgentChar)
                    AgentChar->StopAll();
                return;
            }
            DoEvents();
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
        AgentChar = merlin;
        if (run.hiddenByPlayer) {
            // He waits, hidden, beside the menu until the player asks for him (Ctrl+M).
            AgentChar->MoveTo(x, y);
            return;
        }
        AgentOn = true;
        AgentChar->Show();
        AgentChar->MoveTo(x, y);
        if (run.greeted) {
            AgentChar->Play("Greet");
            AgentChar->Speak("Welcome back! What shall we play next?");
            return;
        }
        run.greeted = true;
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
    if (const CommentLine* line = CommentLineFor(code)) {
        AgentChar->Play(line->animation);
        AgentChar->Speak(line->Text(SpokenName(firstName), SpokenName(secondName)));
    }
    WaitUntilSpoken();
}

void Announce(const Line& line, bool boxWhenSilent)
{
    if (DeliveryNews::holding) {
        held.push_back({ line, boxWhenSilent });
        DeliveryNews::holdsAny = true;
        return;
    }
    if (AgentOn && AgentChar)
        AgentChar->Speak(line.Spoken());
    else if (boxWhenSilent)
        MsgBox(line.Shown());
}

void DeliveryNews::DropHeld()
{
    held.clear();
    holdsAny = false;
}

void DeliveryNews::DeliverHeld()
{
    holdsAny = false;
    for (const auto& [line, boxWhenSilent] : std::exchange(held, {})) {
        if (AgentOn && AgentChar) {
            AgentSpeaking = true;
            AgentChar->Speak(line.Spoken());
            WaitUntilSpoken();
        } else if (boxWhenSilent) {
            MsgBox(line.Shown());
        }
    }
}

void Agent1_Show(const std::string&, int)
{
    AgentOn = true;
    run.hiddenByPlayer = false;
}

void Agent1_Hide(const std::string&, int cause)
{
    AgentOn = false;
    if (cause == kAgentCauseUser)
        run.hiddenByPlayer = true;
}

void ForgetCommentatorRun() { run = {}; }

void Agent1_Bookmark(long bookmark)
{
    if (bookmark == 1)
        AgentSpeaking = false;
}

} // namespace stumpcraft
