#pragma once

#include <string>

namespace stumpcraft {

// Where the game's files live. This is the one place that knows; every window and procedure
// asks for a file by what it is, never by where the program runs from.
//
// Run from a folder of its own (the build folder, or a copy of it), the game keeps every file
// beside the program, shipped and written alike. Installed, the program sits in <prefix>/bin
// and the files it ships (squads, character file, manual) lie read-only in
// <prefix>/share/stumpcraft, while what a player's games write (records, the squads he
// edits, the scorecards he keeps) goes to his own data folder, $XDG_DATA_HOME/stumpcraft
// (~/.local/share/stumpcraft when that is not set).
struct FileLayout {
    std::string shipped; // read: squads, Merlin.acs, manual.htm
    std::string player; // written: stmp.bin, edited squads, Scorecards/
};

// The layout of a program whose executable lies in exeFolder: installed when the shipped
// files are found in the share folder of its prefix, else everything beside the program.
// xdgDataHome and home are the environment's values (null or empty when unset).
FileLayout LayoutFor(const std::string& exeFolder, const char* xdgDataHome, const char* home);

// The layout in use: LayoutFor the running executable and the environment, unless a test or
// tool has set another.
const FileLayout& CurrentLayout();
void SetFileLayout(const FileLayout& layout);
// Everything in one folder, as a program run from there keeps it (tests and tools).
void SetAppPath(const std::string& folder);

// A file the game ships, such as "Merlin.acs" or "manual.htm".
std::string ShippedFile(const std::string& name);
// A file the player's games write, such as "stmp.bin" or an edited squad.
std::string PlayerFile(const std::string& name);
// A shipped file the player may have replaced with his own (a squad he edited): his copy
// when he has one of exactly that name, letter case included, else the shipped one.
std::string PlayerOrShippedFile(const std::string& name);

// Makes the player's data folder when it is not there yet (an installed game's first start).
// Returns "" when it is there, else what went wrong.
std::string MakePlayerFolder();

} // namespace stumpcraft
