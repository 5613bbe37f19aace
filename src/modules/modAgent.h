#pragma once

#include "modules/MatchText.h"

#include <string>

namespace stumpcraft {

// The commentator: loading and greeting, the match's opening announcement, the line for a
// delivery's outcome, and the match's own news (milestones, the result). Everything goes
// through the agent service of the platform.

// The outcomes the commentator has a line for: the boundaries and the kinds of dismissal.
namespace outcome {
    enum Code : int {
        Four = 4,
        Six = 6,
        Bowled = 11,
        CaughtAndBowled = 13,
        Lbw = 14,
        CaughtByKeeper = 15,
        Caught = 16,
        RunOut = 18,
    };
} // namespace outcome

// Loads the character "Merlin" from "Merlin.acs", shows it at (x, y) on the screen, beside
// the main menu's game-type frame, and greets: in full the first time in a run, in one short
// line after that. A character the player hid stays hidden for the rest of the run (the game
// silent) until the player brings him back. On failure one message box, and the game stays
// silent.
void LoadAgent(int x, int y);
// Venue, weather and pitch; called by the match screen's load when AgentOn.
void AnnounceConditions();
// Speaks the line for an outcome code and returns once it has been spoken, or once the
// character has had far longer than any line takes. Codes without a line say nothing but
// still wait for the bookmark. Callers call it only when AgentOn.
void CommentBall(int code, const std::string& firstName, const std::string& secondName);

// The longest CommentBall (or any other spoken wait) lets the character take. A character
// that never reports its bookmark (its voice engine died, its window went) holds the game no
// longer than this, and is then told to stop.
inline constexpr long long kSpokenWaitLimitMs = 60000;

// News of the match: a milestone (said only, when the commentator is on) or the result (said,
// or shown in a box when the commentator is off). While a delivery is being played the news
// waits until the delivery's own line has been said, and each piece is then said in turn and
// waited for, so that nothing the delivery brings cuts off anything else.
void Announce(const Line& line, bool boxWhenSilent);

// The news of one delivery: from construction to Deliver, Announce holds what it is given.
// A delivery that stops early (the screen went) drops what it held.
class DeliveryNews {
public:
    // Inline, as the checks are all most balls need: they bring nothing to hold.
    DeliveryNews() { holding = true; }
    ~DeliveryNews()
    {
        holding = false;
        if (holdsAny) [[unlikely]]
            DropHeld();
    }
    DeliveryNews(const DeliveryNews&) = delete;
    DeliveryNews& operator=(const DeliveryNews&) = delete;

    // Says (or shows) what was held, in the order it came.
    void Deliver()
    {
        holding = false;
        if (holdsAny) [[unlikely]]
            DeliverHeld();
    }

private:
    friend void Announce(const Line& line, bool boxWhenSilent);
    static void DropHeld();
    static void DeliverHeld();
    // One delivery at a time holds its news; there is never more than one list.
    static inline bool holding = false;
    static inline bool holdsAny = false;
};

// The agent control's events, for a character loaded without the main menu to hear them.
// A hide caused by the player is remembered for the rest of the run.
void Agent1_Show(const std::string& character, int cause);
void Agent1_Hide(const std::string& character, int cause);
void Agent1_Bookmark(long bookmark);
// The cause of a show or hide that the player asked for (his menu, a key).
inline constexpr int kAgentCauseUser = 1;
// A new run: greeted in full again, and shown however the last one left him.
void ForgetCommentatorRun();

} // namespace stumpcraft
