#pragma once

namespace stumpcraft {

// The computer's bowling changes, made at the end of an over in which its bowler finished a
// spell or his quota. The bowler chosen here (put into CurrBowler) bowls the over after next,
// once the ends have been changed. Early in the innings it brings on fresh bowlers, from the
// bottom of the order up; in the middle it turns back to those on the bowling card, the later
// ones first; then to the openers; in the last fifth it changes nobody.
void ComputerChooseBowler();

} // namespace stumpcraft
