#pragma once

#include <string>

namespace stumpcraft {

// The commentator: loading and greeting, the match's opening announcement, and the line for a
// delivery's outcome. Everything goes through the agent service of the platform.

// Loads the character "Merlin" from "Merlin.acs", shows it at (x, y) on the screen, beside
// the main menu's game-type frame, and greets. On failure one message box, and the game stays
// silent.
void LoadAgent(int x, int y);
// Venue, weather and pitch; called by the match screen's load when AgentOn.
void AnnounceConditions();
// Speaks the line for outcome code (4, 6, 11, 13, 14, 15, 16, 18) and returns once it has
// been spoken. Callers call it only when AgentOn.
void CommentBall(int code, const std::string& firstName, const std::string& secondName);

// The agent control's events, for a character loaded without the main menu to hear them.
void Agent1_Show(const std::string& character, int cause);
void Agent1_Hide(const std::string& character, int cause);
void Agent1_Bookmark(long bookmark);

} // namespace stumpcraft
