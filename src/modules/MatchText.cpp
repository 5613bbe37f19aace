#include "modules/MatchText.h"

#include "modules/modVars.h"
#include "platform/Services.h"

#include <charconv>

namespace stumpcraft {

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

int CaptionNumber(const std::string& caption)
{
    int value = 0;
    const std::string trimmed = Trim(caption);
    std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    return value;
}

void SayOrShow(const std::string& text)
{
    if (AgentOn && AgentChar) {
        AgentChar->StopAll();
        AgentChar->Speak(text);
    } else {
        MsgBox(text);
    }
}

void SayIfOn(const std::string& text)
{
    if (AgentOn && AgentChar)
        AgentChar->Speak(text);
}

} // namespace stumpcraft
