#pragma once

namespace stumpcraft {

// Opens the batting statistics of the batsman in `slot` of the side batting now, modally, and
// returns when the window is closed.
void ShowBattingStats(int slot);

} // namespace stumpcraft
