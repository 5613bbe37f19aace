#pragma once

#include "modules/NumberFormat.h"
#include "modules/modVars.h"

namespace stumpcraft {

// The bowling quota in deliveries: a fifth of the innings' overs, rounded halves to even, per
// bowler (2 overs of 10, 5 of 25, 10 of 50).
inline int QuotaBalls() { return static_cast<int>(RoundDiv(Overs, 5)) * 6; }

} // namespace stumpcraft
