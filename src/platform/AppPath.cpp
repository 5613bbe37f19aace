#include "platform/AppPath.h"

#include <filesystem>
#include <system_error>

namespace stumpcraft {

namespace {
    std::string& Folder()
    {
        static std::string folder = [] {
            std::error_code ec;
            auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
            if (ec)
                return std::filesystem::current_path(ec).string();
            return exe.parent_path().string();
        }();
        return folder;
    }
} // namespace

const std::string& AppPath() { return Folder(); }

void SetAppPath(const std::string& folder)
{
    std::string f = folder;
    while (f.size() > 1 && f.back() == '/')
        f.pop_back();
    Folder() = f;
}

std::string AppFile(const std::string& name)
{
    const std::string& folder = AppPath();
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

} // namespace stumpcraft
