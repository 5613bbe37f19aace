#include "modules/ReturnToMenu.h"

#include "platform/Services.h"

namespace stumpcraft {

void EndGame()
{
    if (Toolkit* toolkit = Platform().toolkit)
        toolkit->EndProgram();
}

} // namespace stumpcraft
