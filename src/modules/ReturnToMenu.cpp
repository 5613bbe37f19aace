#include "modules/ReturnToMenu.h"

#include "platform/Services.h"

namespace stumpcraft {

void ReturnToMainMenu()
{
    // The main menu is not part of the game yet: leaving the match ends the program.
    EndGame();
}

void EndGame()
{
    if (Toolkit* toolkit = Platform().toolkit)
        toolkit->EndProgram();
}

} // namespace stumpcraft
