// The team sheet's choices across a visit to the team editor: the batting order, the swaps
// with the reserves and the specials are kept for every player who is still in the squad
// under the same name, and the player is told which choices could not be kept.
#include "forms/frmStart.h"
#include "modules/MatchText.h"
#include "modules/modVars.h"

namespace stumpcraft {

namespace {
    constexpr const char* kSpecialNames[4] = { "Captain", "Keeper", "Bowler 1", "Bowler 2" };

    // "a", "a and b", "a, b and c".
    std::string Listed(const std::vector<std::string>& items)
    {
        std::string out;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (i > 0)
                out += i + 1 == items.size() ? " and " : ", ";
            out += items[i];
        }
        return out;
    }
} // namespace

FrmStart::Choices FrmStart::ChoicesMade() const
{
    Choices made;
    made.country = Teams[SheetSide()].Country;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        made.rows[row] = rows_[row];
        made.names[row] = Trim(squad_[static_cast<std::size_t>(rows_[row])].PlrName);
    }
    made.specials = special_;
    return made;
}

void FrmStart::RestoreChoices(const Choices& kept)
{
    constexpr auto n = static_cast<std::size_t>(kSquadSize);
    std::array<int, n> placed;
    placed.fill(-1);
    std::array<bool, n> used {};
    std::array<bool, n> sameName {};
    const auto place = [&](std::size_t row, int entry) {
        placed[row] = entry;
        used[static_cast<std::size_t>(entry)] = true;
    };
    const auto nameOf
        = [this](int entry) { return Trim(squad_[static_cast<std::size_t>(entry)].PlrName); };

    // The same player under the same name: first where he came from in the file, then anywhere
    // in the squad (the editor may have moved him to another record).
    for (std::size_t row = 0; row < n; ++row) {
        const int entry = kept.rows[row];
        if (!used[static_cast<std::size_t>(entry)] && nameOf(entry) == kept.names[row])
            place(row, entry);
    }
    for (std::size_t row = 0; row < n; ++row) {
        for (int entry = 0; entry < kSquadSize && placed[row] < 0; ++entry)
            if (!used[static_cast<std::size_t>(entry)] && nameOf(entry) == kept.names[row])
                place(row, entry);
        sameName[row] = placed[row] >= 0;
    }
    // A player renamed in the editor stands where he stood; whoever is left fills the rest.
    for (std::size_t row = 0; row < n; ++row)
        if (placed[row] < 0 && !used[static_cast<std::size_t>(kept.rows[row])])
            place(row, kept.rows[row]);
    for (std::size_t row = 0; row < n; ++row)
        for (int entry = 0; entry < kSquadSize && placed[row] < 0; ++entry)
            if (!used[static_cast<std::size_t>(entry)])
                place(row, entry);
    rows_ = placed;

    // A special stays with his player only when the player is still there by name.
    std::array<std::vector<std::string>, n> roles;
    std::vector<std::string> chooseAgain;
    for (std::size_t k = 0; k < special_.size(); ++k) {
        special_[k] = -1;
        for (std::size_t row = 0; row < static_cast<std::size_t>(kElevenRows); ++row) {
            if (kept.specials[k] < 0 || kept.rows[row] != kept.specials[k])
                continue;
            if (sameName[row]) {
                special_[k] = placed[row];
            } else {
                roles[row].push_back(kSpecialNames[k]);
                chooseAgain.push_back(kSpecialNames[k]);
            }
        }
    }
    ShowSquad();

    // Say which choices were lost: the places and the specials of players gone by name.
    Line message("Some of your choices for Team ");
    message.Name(kept.country)
        .Words(" could not be kept, because these players are no longer in the squad under the "
               "same name:");
    bool anyLost = false;
    for (std::size_t row = 0; row < n; ++row) {
        const bool moved = kept.rows[row] != static_cast<int>(row);
        if (sameName[row] || (!moved && roles[row].empty()))
            continue;
        anyLost = true;
        std::vector<std::string> held;
        if (moved)
            held.push_back(row < static_cast<std::size_t>(kElevenRows)
                    ? "number " + std::to_string(row + 1) + " in the Eleven"
                    : "a reserve");
        held.insert(held.end(), roles[row].begin(), roles[row].end());
        message.Words("\n").Name(kept.names[row]).Words(" (" + Listed(held) + "): ");
        const std::string now = nameOf(placed[row]);
        if (now.empty())
            message.Words("a player with no name");
        else
            message.Name(now);
        message.Words(" stands in his place.");
    }
    if (!chooseAgain.empty())
        message.Words("\nPlease choose the " + Listed(chooseAgain) + " again.");
    if (anyLost)
        Tell(message, false);
}

} // namespace stumpcraft
