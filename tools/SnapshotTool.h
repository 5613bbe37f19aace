#pragma once

// What the pieces of the snapshot tool share: where the pictures go and how one is taken.
#include "platform/Controls.h"
#include "platform/Form.h"

#include <filesystem>
#include <string>

namespace stumpcraft::snapshot {

// Draws the window as it looks now into "<name>.png" in the output folder; a picture that
// cannot be written is counted as a failure of the run.
void Save(Form& form, const std::string& name);

// Picks the entry of a drop-down list by its text, as a player would.
void Pick(ComboBox& list, const std::string& entry);

// The screens before the first ball, a player's way through them: the toss, both team
// sheets, the team editor for a new and an existing squad, and the one-innings setup. The
// program's folder must hold the records store and the squads; a squad edited here is saved
// there, so it must be a scratch copy.
void PreMatchStages();

// The World Cup window at the draw, halfway through the groups and after the final, and one
// group's points race on its own. The program's folder must hold the squads.
void WorldCupStages();

// Where the pictures go.
const std::filesystem::path& OutFolder();

} // namespace stumpcraft::snapshot
