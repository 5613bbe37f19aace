#include "modules/Manual.h"

#include "platform/AppPath.h"
#include "platform/Errors.h"
#include "platform/Services.h"

#include <filesystem>
#include <system_error>

namespace stumpcraft {

void OpenDocument(const Form& owner, const std::string& path)
{
    if (Shell* shell = Platform().shell)
        shell->OpenDocument(&owner, path, CurrentLayout().shipped, [path] {
            MsgBox("The manual could not be opened: this desktop has no program to show it, or "
                   "that program would not start.\nYou can open it yourself in a web browser: "
                    + path,
                MsgButtons::OK, MsgIcon::Exclamation, kAppTitle);
        });
}

void ShowManual(const Form& owner)
{
    try {
        const std::string path = ShippedFile("manual.htm");
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec)) {
            OpenDocument(owner, path);
        } else {
            MsgBox(std::string("It seems that you have not downloaded the manual, yet.\r\n")
                    + " You can download the manual from the StumpC website, i.e. "
                    + kManualAddress,
                MsgButtons::OK, MsgIcon::Exclamation, kAppTitle);
        }
    } catch (const std::exception& e) {
        ShowErrorBox(e);
    }
}

} // namespace stumpcraft
