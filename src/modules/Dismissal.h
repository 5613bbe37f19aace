#pragma once

#include "modules/modVars.h"

#include <string>

namespace stumpcraft {

// How the striker who is out was dismissed, and by whom. The kind is drawn (bowled twice as
// often as the rarer kinds, a fielder's catch too), with the fielder of a catch or a run out.
// Nothing is booked or said: the delivery books it and the match screen tells it.
Dismissal DrawDismissal();

// The batting card's words for a dismissal by the side `field`: " b: Bowler", " c: Fielder b:
// Bowler", "Run Out (Fielder) " and the like, or "Not Out".
std::string DismissalText(const Dismissal& out, const MatchTeam& field);

// What the commentator is given for a dismissal: its outcome code and the two names.
struct DismissalComment {
    int code = 0;
    std::string first;
    std::string second;
};
DismissalComment CommentOn(const Dismissal& out, const MatchTeam& field);

// A run out is the one kind the bowler is not credited with.
inline bool BowlerCredited(const Dismissal& out) { return out.kind != HowOut::RunOut; }

} // namespace stumpcraft
