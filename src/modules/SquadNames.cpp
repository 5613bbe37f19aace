#include "modules/SquadNames.h"

#include "modules/MatchText.h"
#include "platform/CodePage.h"

#include <algorithm>

namespace stumpcraft {

namespace {

    // The name as the team sheet will compare it: as the file keeps it, without its blanks.
    std::string Compared(const std::string& name) { return Trim(FitPlrName(name)); }

    std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

    // "a", "a and b", "a, b and c".
    std::string Listed(const std::vector<int>& rows)
    {
        std::string out;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (i > 0)
                out += i + 1 == rows.size() ? " and " : ", ";
            out += std::to_string(rows[i] + 1);
        }
        return out;
    }

} // namespace

std::array<NameCheck, kSquadSize> CheckNames(const SquadNamesTyped& names)
{
    std::array<NameCheck, kSquadSize> checks;
    for (std::size_t i = 0; i < names.size(); ++i) {
        NameCheck& check = checks[i];
        const std::string& name = names[i];
        check.lacking = CharactersCp1252Lacks(name);
        check.control = std::any_of(name.begin(), name.end(), [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return byte < 0x20 || byte == 0x7F;
        });
        const std::string bytes = Utf8ToCp1252(name);
        check.cut = bytes.size() > kPlrNameLength
            && bytes.find_first_not_of(' ', kPlrNameLength) != std::string::npos;
        const std::string compared = Compared(name);
        check.blank = compared.empty();
        for (std::size_t j = 0; j < names.size() && !check.blank; ++j) {
            if (j != i && Compared(names[j]) == compared) {
                check.sameAs = static_cast<int>(j);
                break;
            }
        }
    }
    return checks;
}

std::string NameCheckText(const NameCheck& check, const std::string& name)
{
    std::string text;
    auto add
        = [&text](const std::string& sentence) { text += (text.empty() ? "" : "\n") + sentence; };
    if (!check.lacking.empty())
        add("The squad file cannot keep " + Quoted(check.lacking) + ": this name would be saved as "
            + Quoted(Compared(name)) + ".");
    if (check.control)
        add("The squad file cannot keep a tab, line break or other control character: this "
            "name would be saved with a space in its place, as "
            + Quoted(Compared(name)) + ".");
    if (check.cut)
        add("Only the first " + std::to_string(kPlrNameLength)
            + " letters are kept: " + Quoted(Compared(name)) + ".");
    if (check.blank)
        add("This player has no name, so nobody can tell him apart on the team sheet or the "
            "scorecard.");
    if (check.sameAs >= 0)
        add("Row " + std::to_string(check.sameAs + 1)
            + " has the same name: the team sheet, the bowler change and the scorecard tell "
              "players apart by name.");
    return text;
}

std::string NameChecksSummary(const std::array<NameCheck, kSquadSize>& checks)
{
    std::vector<int> changed, suspicious;
    for (std::size_t i = 0; i < checks.size(); ++i) {
        if (checks[i].ChangedOnSaving())
            changed.push_back(static_cast<int>(i));
        else if (checks[i].Suspicious())
            suspicious.push_back(static_cast<int>(i));
    }
    std::string out;
    auto rows = [](const std::vector<int>& marked) {
        return (marked.size() == 1 ? "Row " : "Rows ") + Listed(marked);
    };
    if (!changed.empty())
        out += rows(changed) + " will not be saved as typed (red). ";
    if (!suspicious.empty())
        out += rows(suspicious)
            + " will confuse the match (yellow): a player with no name, or a name twice. ";
    if (!out.empty())
        out += "Point at a name to see why.";
    return out;
}

} // namespace stumpcraft
