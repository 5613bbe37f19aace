#pragma once

#include <string>

namespace stumpcraft {

class Form;

// Opens a document with the desktop's default viewer, the program's folder as working
// folder; `owner` is the window that asks. When the desktop cannot show it, a message box
// says so and names the file.
void OpenDocument(const Form& owner, const std::string& path);

// What every help button does: opens "manual.htm" beside the program, or says where to get
// it when it is missing. Failures are shown in the standard error box.
void ShowManual(const Form& owner);

// Where the manual can be downloaded.
inline constexpr const char* kManualAddress = "https://stumpcraft.example/manual";

} // namespace stumpcraft
