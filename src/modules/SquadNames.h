#pragma once

#include "modules/TeamFile.h"

#include <array>
#include <string>

namespace stumpcraft {

// What the team editor tells the player about the names of a squad before it is saved. Any
// name may be saved, but some are not kept as typed, and some will confuse the match: the
// team sheet, the bowler change and the dismissals tell players apart by their names.
struct NameCheck {
    std::string lacking; // the characters the squad file cannot keep (saved as "?")
    bool control = false; // a tab, line break or other control character (read back as a space)
    bool cut = false; // longer than the file keeps
    bool blank = false; // nothing but blanks
    int sameAs = -1; // the first other row with the same name, as the team sheet compares them

    bool ChangedOnSaving() const { return !lacking.empty() || control || cut; }
    bool Suspicious() const { return blank || sameAs >= 0; }
    bool Fine() const { return !ChangedOnSaving() && !Suspicious(); }
};

using SquadNamesTyped = std::array<std::string, kSquadSize>;

// The check of every row of a squad as typed.
std::array<NameCheck, kSquadSize> CheckNames(const SquadNamesTyped& names);

// What a row's check says, in sentences for its tooltip ("" when the name is fine).
std::string NameCheckText(const NameCheck& check, const std::string& name);

// A note over all rows for the editor: which rows will not be saved as typed, and which will
// confuse the match ("" when every name is fine).
std::string NameChecksSummary(const std::array<NameCheck, kSquadSize>& checks);

} // namespace stumpcraft
