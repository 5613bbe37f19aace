#pragma once

#include "modules/MatchArchive.h"

#include <functional>
#include <optional>
#include <string>

namespace stumpcraft {

class FrmMain;

// A kept match played again from its opening and its log of presses, through the match
// screen's own controls, with nobody looking: nothing is said, shown, counted or kept, and
// the generator gives the draws it gave. It leaves the match in the match state and the match
// screen loaded, unseen, exactly as the last kept press left them. `stop`, when given, is told
// at every moment the match may be watched at: as the screen opens, after each delivery and
// after each press of the innings button.
// Throws KeptMatchDamaged when the presses do not lead where the kept match says they led;
// the screen is then unloaded.
FrmMain& ReplayKeptMatch(const MatchArchive::Kept& kept, const std::function<void()>& stop = {});

// The main menu's offer of the match in progress: the match, checked by playing it again,
// and what the menu says of it. A kept file that is damaged, cut short, another program's or
// another version's is refused with one message and set aside, and there is no offer. The
// match state is left afresh either way.
struct KeptMatchOffer {
    MatchArchive::Kept kept;
    std::string text; // "Australia 143/4 in 27.3 overs against Bangladesh, Ann against ..."
};
std::optional<KeptMatchOffer> OfferKeptMatch();

// Opens the match screen on the kept match exactly as it was, kept on from there; the
// commentator greets the player in one line. False (told in one message, the file set
// aside) when the match could not be taken back.
bool ResumeKeptMatch(const MatchArchive::Kept& kept);

// Removes the match in progress for good. A failure is told in the standard error box.
void DiscardKeptMatch(const MatchArchive::Kept& kept);

// The one message of a kept file refused, and the file set aside.
void RefuseKeptFile(const std::string& path);

} // namespace stumpcraft
