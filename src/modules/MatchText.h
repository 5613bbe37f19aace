#pragma once

#include <string>

namespace stumpcraft {

// Small text helpers of the match: names as the screens compare them, numbers read back from
// captions, and messages that the commentator says or a message box shows.

// The text without its surrounding blanks (spaces and tabs).
std::string Trim(const std::string& text);

// The whole number at the start of a caption ("00" is 0, "" is 0, "12" is 12).
int CaptionNumber(const std::string& caption);

// A message for the user: the commentator stops what it is doing and says it when it is on
// the screen; otherwise a message box with the default title shows it.
void SayOrShow(const std::string& text);

// The commentator says the text after whatever it is saying now, when it is on the screen.
void SayIfOn(const std::string& text);

} // namespace stumpcraft
