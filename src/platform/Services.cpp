#include "platform/Services.h"

#include "platform/Errors.h"

#include <string>

namespace stumpcraft {

Services& Platform()
{
    static Services services;
    return services;
}

MsgResult MsgBox(
    const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title)
{
    if (Toolkit* toolkit = Platform().toolkit)
        return toolkit->MessageBox(text, buttons, icon, title.empty() ? kAppTitle : title);
    return MsgResult::OK;
}

void DoEvents()
{
    if (Toolkit* toolkit = Platform().toolkit)
        toolkit->DoEvents();
}

void Pause(int milliseconds)
{
    if (Toolkit* toolkit = Platform().toolkit)
        toolkit->Pause(milliseconds);
}

void ShowErrorBox(const RuntimeError& error)
{
    MsgBox(std::to_string(error.Number()) + ": " + error.Description());
}

void ShowErrorBox(const std::exception& error)
{
    if (const auto* runtime = dynamic_cast<const RuntimeError*>(&error))
        ShowErrorBox(*runtime);
    else
        ShowErrorBox(RuntimeError(errors::InvalidProcedureCall, error.what()));
}

} // namespace stumpcraft
