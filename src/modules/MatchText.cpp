#include "modules/MatchText.h"

#include "modules/modVars.h"
#include "platform/Services.h"

#include <charconv>

namespace stumpcraft {

std::string Trim(const std::string& text) { return std::string(TrimmedView(text)); }

void AppendTrimmed(std::string& out, const std::string& text) { out += TrimmedView(text); }

int CaptionNumber(const std::string& caption)
{
    const auto first = caption.find_first_not_of(" \t");
    if (first == std::string::npos)
        return 0;
    int value = 0;
    std::from_chars(caption.data() + first, caption.data() + caption.size(), value);
    return value;
}

std::string PlainCaption(std::string_view caption)
{
    std::string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        plain += caption[i];
    }
    return plain;
}

std::string SpokenName(std::string_view name)
{
    std::string spoken(name);
    for (char& c : spoken)
        if (c == '|' || c == '\\')
            c = ' ';
    return spoken;
}

Line& Line::Words(std::string_view words)
{
    shown_ += words;
    spoken_ += words;
    return *this;
}

Line& Line::Name(std::string_view name)
{
    shown_ += name;
    spoken_ += SpokenName(name);
    return *this;
}

void SayOrShow(const Line& line)
{
    if (AgentOn && AgentChar) {
        AgentChar->StopAll();
        AgentChar->Speak(line.Spoken());
    } else {
        MsgBox(line.Shown());
    }
}

} // namespace stumpcraft
