#pragma once

#include "modules/TeamFile.h"

#include <istream>
#include <stdexcept>
#include <string>

namespace stumpcraft {

// The readable form of a squad, from which the squads shipped with the game are built:
//
//     # Anything after a hash is a comment; blank lines are skipped.
//     Name | Type | Batting | Bowling
//
// one line a player, in file order: the default eleven in batting order, then the reserves.
// Type is Batsman, Bowler, AllRounder or WicketKeeper; ratings are 1 (worst) to 5 (best).
// A squad has exactly 15 players, and each name must fit the file's 30 bytes of Windows-1252.

// A mistake in a squad text: "source:line: what is wrong".
class SquadTextError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The squad of the text, names padded as the file keeps them. `source` names the text in
// error messages.
Squad ParseSquadText(std::istream& in, const std::string& source);

} // namespace stumpcraft
