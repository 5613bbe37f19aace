#include "platform/AppPath.h"

#include "platform/RecordFile.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

// Where an installed program finds its shipped files, from the folder it runs in. The build
// sets it from the install folders it was configured with.
#ifndef STUMPCRAFT_SHARE_FROM_BIN
#define STUMPCRAFT_SHARE_FROM_BIN "../share/stumpcraft"
#endif

namespace stumpcraft {

namespace {
    namespace fs = std::filesystem;

    std::string NoTrailingSeparator(std::string folder)
    {
        while (folder.size() > 1 && folder.back() == '/')
            folder.pop_back();
        return folder;
    }

    std::string Join(const std::string& folder, const std::string& name)
    {
        if (!folder.empty() && folder.back() == '/')
            return folder + name;
        return folder + "/" + name;
    }

    bool Set(const char* value) { return value && *value; }

    // The player's data folder as the desktop's base directories define it: a relative
    // XDG_DATA_HOME is not valid and is ignored.
    std::string PlayerDataFolder(const char* xdgDataHome, const char* home)
    {
        if (Set(xdgDataHome) && xdgDataHome[0] == '/')
            return Join(NoTrailingSeparator(xdgDataHome), "stumpcraft");
        std::string homeFolder = Set(home) ? home : "";
        if (homeFolder.empty())
            if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
                homeFolder = entry->pw_dir;
        return Join(NoTrailingSeparator(homeFolder), ".local/share/stumpcraft");
    }

    std::string ExecutableFolder()
    {
        std::error_code ec;
        const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
        if (ec)
            return fs::current_path(ec).string();
        return exe.parent_path().string();
    }

    FileLayout& Layout()
    {
        static FileLayout layout = [] {
            return LayoutFor(ExecutableFolder(), std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
        }();
        return layout;
    }
} // namespace

FileLayout LayoutFor(const std::string& exeFolder, const char* xdgDataHome, const char* home)
{
    const std::string folder = NoTrailingSeparator(exeFolder);
    std::error_code ec;
    const fs::path share = (fs::path(folder) / STUMPCRAFT_SHARE_FROM_BIN).lexically_normal();
    // The character file is what every installed game ships; a folder of that name without it
    // belongs to something else.
    if (fs::is_regular_file(share / "Merlin.acs", ec))
        return { NoTrailingSeparator(share.string()), PlayerDataFolder(xdgDataHome, home) };
    return { folder, folder };
}

const FileLayout& CurrentLayout() { return Layout(); }

void SetFileLayout(const FileLayout& layout)
{
    Layout() = { NoTrailingSeparator(layout.shipped), NoTrailingSeparator(layout.player) };
}

void SetAppPath(const std::string& folder) { SetFileLayout({ folder, folder }); }

std::string ShippedFile(const std::string& name) { return Join(Layout().shipped, name); }

std::string PlayerFile(const std::string& name) { return Join(Layout().player, name); }

std::string PlayerOrShippedFile(const std::string& name)
{
    std::string own = PlayerFile(name);
    if (FileExistsExactCase(own))
        return own;
    return ShippedFile(name);
}

std::string MakePlayerFolder()
{
    std::error_code ec;
    const fs::path folder = Layout().player;
    if (fs::is_directory(folder, ec))
        return "";
    fs::create_directories(folder, ec);
    if (ec)
        return "The folder " + folder.string() + " cannot be made: " + ec.message();
    return "";
}

} // namespace stumpcraft
