#pragma once

#include <string>

namespace stumpcraft {

// The program's own folder, where every file of the game lives: the folder of the running
// executable, unless a test has pointed it elsewhere. No trailing separator.
const std::string& AppPath();
void SetAppPath(const std::string& folder);
// AppPath() joined with a file name.
std::string AppFile(const std::string& name);

} // namespace stumpcraft
