#pragma once

#include "modules/NumberFormat.h"
#include "modules/modVars.h"

namespace stumpcraft {

// The bowling quota, worked out here and nowhere else: a fifth of the innings' overs, rounded
// halves to even, per bowler (2 overs of 10, 5 of 25, 10 of 50). The over control, the bowler
// change and the computer's choice all ask these.

inline int QuotaOvers() { return static_cast<int>(RoundDiv(Overs, 5)); }
inline int QuotaBalls() { return QuotaOvers() * 6; }

// Whether a bowler with these deliveries, or with these whole overs on the card, has bowled
// his quota.
inline bool QuotaBowled(int ballsBowled) { return ballsBowled >= QuotaBalls(); }
inline bool QuotaOversBowled(long long wholeOvers) { return wholeOvers >= QuotaOvers(); }

} // namespace stumpcraft
