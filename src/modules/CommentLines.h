#pragma once

#include "modules/modAgent.h"

#include <string>
#include <vector>

namespace stumpcraft {

// What the commentator says about each outcome: the animation played first, then the text,
// kept as data so that a line is found and changed in one place.

// A piece of a line's text: the program's own words, or one of the two names CommentBall is
// given.
struct CommentPiece {
    enum class Slot { Words, FirstName, SecondName };
    const char* words = "";
    Slot slot = Slot::Words;
};

struct CommentLine {
    outcome::Code code;
    const char* animation;
    std::vector<CommentPiece> pieces;

    // The text with the names in their places, joined as it is spoken ("|" separates the
    // alternatives, of which the character says one).
    std::string Text(const std::string& firstName, const std::string& secondName) const;
};

// The line for an outcome code, or nullptr for a code without one.
const CommentLine* CommentLineFor(int code);

} // namespace stumpcraft
