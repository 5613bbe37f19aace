#pragma once

#include "platform/Color.h"

namespace stumpcraft::look {

// The two sides in the match charts, Teams(0) and Teams(1), and the target they chase. The
// charts are made here among the match's procedures and the windows draw them in the same
// colours, so both read them from this one place.
inline constexpr Color kSideColours[2] = { RGB(255, 200, 40), RGB(120, 200, 255) };
inline constexpr Color kTargetLine = RGB(255, 255, 255);

} // namespace stumpcraft::look
