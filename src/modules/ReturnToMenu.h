#pragma once

namespace stumpcraft {

// The way out of a finished match and out of the program, in one place each.

// Leaves a finished match for the main menu, which loads afresh. Until the main menu exists,
// the game ends here instead.
void ReturnToMainMenu();

// Ends the program once the current event has been handled.
void EndGame();

} // namespace stumpcraft
