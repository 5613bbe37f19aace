#pragma once

#include <string>
#include <string_view>

namespace stumpcraft {

// Small text helpers of the match: names as the screens compare them, numbers read back from
// captions, and the lines the player is told, which the commentator says or a box shows.

// The text without its surrounding blanks (spaces and tabs).
std::string Trim(const std::string& text);
// The same, as a view into `text`: for comparing names without making new ones. Inline: the
// computer's bowler choice compares a card of names every over, and names are rarely padded.
inline std::string_view TrimmedView(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The text without its surrounding blanks, written at the end of `out`.
void AppendTrimmed(std::string& out, const std::string& text);

// The whole number at the start of a caption ("00" is 0, "" is 0, "12" is 12).
int CaptionNumber(const std::string& caption);

// A caption as it reads, without the "&" that marks its access key ("&&" is one "&"): the
// text to quote when a message or the commentator names a button.
std::string PlainCaption(std::string_view caption);

// A name as the commentator may say it. "|" would split a line into alternatives of its own
// and a backslash could smuggle in a bookmark that ends a wait too early, so both become
// spaces. Every name that goes into a spoken line goes through here.
std::string SpokenName(std::string_view name);

// A line for the player, built from the program's own words and from names that players
// typed or files hold. A box shows the names as they are; the commentator says them cleaned
// (SpokenName), so that no name can change what is said.
class Line {
public:
    Line() = default;
    Line(std::string_view words) { Words(words); }
    Line(const char* words) { Words(words); }

    Line& Words(std::string_view words);
    Line& Name(std::string_view name);

    const std::string& Shown() const { return shown_; }
    const std::string& Spoken() const { return spoken_; }
    bool Empty() const { return shown_.empty(); }

private:
    std::string shown_;
    std::string spoken_;
};

// A message for the user: the commentator stops what it is doing and says it when it is on
// the screen; otherwise a message box with the default title shows it.
void SayOrShow(const Line& line);

} // namespace stumpcraft
