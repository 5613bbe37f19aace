#pragma once

namespace stumpcraft {

// The way out of the program, in one place: every close box and "E&xit" comes here. (The way
// back from a finished match to the main menu is the menu's own, beside its window model.)

// Ends the program once the current event has been handled.
void EndGame();

} // namespace stumpcraft
