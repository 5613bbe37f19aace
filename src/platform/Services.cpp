#include "platform/Services.h"

#include "platform/Errors.h"

#include <chrono>
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

void WhenDrawn(Form& form, std::function<void()> then)
{
    if (Toolkit* toolkit = Platform().toolkit)
        toolkit->WhenDrawn(form, std::move(then));
    else
        then();
}

namespace {
    long long SteadyMilliseconds()
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
} // namespace

long long Toolkit::Milliseconds() { return SteadyMilliseconds(); }

long long Milliseconds()
{
    Toolkit* toolkit = Platform().toolkit;
    return toolkit ? toolkit->Milliseconds() : SteadyMilliseconds();
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
