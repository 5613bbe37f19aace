#pragma once

#include "platform/Color.h"

namespace stumpcraft::palette {

// The colours the game's windows share, so that every screen before the match looks like one
// game: the green hint panel down a window's left edge and its pale gold writing.
inline constexpr Color Panel = RGB(24, 88, 48);
inline constexpr Color PanelText = RGB(255, 236, 160);

// A name box whose name will not be saved as typed, and one that will confuse the match.
inline constexpr Color NameChanged = RGB(255, 196, 196);
inline constexpr Color NameSuspicious = RGB(255, 232, 150);

} // namespace stumpcraft::palette
