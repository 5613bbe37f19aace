#include "modules/CommentLines.h"

#include <array>

namespace stumpcraft {

namespace {
    using Slot = CommentPiece::Slot;
    constexpr CommentPiece kFirst { "", Slot::FirstName };
    constexpr CommentPiece kSecond { "", Slot::SecondName };

    const std::array<CommentLine, 8>& Lines()
    {
        static const std::array<CommentLine, 8> lines { {
            { outcome::Four, "pleased",
                { { "That's smashed back over the bowler for Four!|What a shot! Four Runs!|Edged! "
                    "But, it's gone for four." },
                    { "|A copybook cover drive for four.|He has pulled it for four right from his "
                      "nose." },
                    { "|Super Shot! Four!|Oh, he has missed the catch and it has gone for "
                      "four!" } } },
            { outcome::Six, "pleased",
                { { "Its gone! Get a new ball! Six!|What a shot! Six Runs!|Thats gone high in the "
                    "air. A huge six!" },
                    { "|He has smashed it over the offside for six!|He has pulled it for six! "
                      "What a powerful shot!" },
                    { "|Thats six, right from the moment he struck it!|Has he caught it? No! It "
                      "has gone for six!" } } },
            { outcome::Bowled, "sad",
                { { "Bowled him! Out!| Oh, he is Bowled. What a ball.| That's a fast inswinging "
                    "yorker. Bowled him." },
                    { "|Yes, he's out. The middle stump has gone for a walk!|Oh no! The ball's "
                      "just kissed the off stump and its bowled him." },
                    { "|What a fast ball by " }, kFirst } },
            { outcome::CaughtAndBowled, "sad",
                { { "Good catch by the bowler! Out| Has he caught it? Oh, yes. Out" },
                    { "|Great catch by " }, kFirst } },
            { outcome::Lbw, "sad",
                { { "They are appealing for lbw! The umpire has given it!|He's put the pad right "
                    "in line and the umpire had an easy decision." },
                    { "|" }, kFirst,
                    { " is bowling a good stump to stump line and has got his man." } } },
            { outcome::CaughtByKeeper, "sad",
                { { "Good catch by the keeper! Out| Has he caught it? Oh, yes. Out" },
                    { "|Great catch by " }, kSecond } },
            { outcome::Caught, "sad",
                { { "Oh! That's a great catch! Out|Has he caught it? Oh, yes. Out" },
                    { "|Great catch by " }, kSecond, { ".|The batsman thought it was a six but " },
                    kSecond, { " plucked it out of thin air." } } },
            { outcome::RunOut, "sad",
                { { "Thats a great piece of fielding! He is out, run out!|Good fielding by " },
                    kFirst, { ". He's out." } } },
        } };
        return lines;
    }
} // namespace

std::string CommentLine::Text(const std::string& firstName, const std::string& secondName) const
{
    std::string text;
    for (const CommentPiece& piece : pieces) {
        switch (piece.slot) {
        case Slot::Words:
            text += piece.words;
            break;
        case Slot::FirstName:
            text += firstName;
            break;
        case Slot::SecondName:
            text += secondName;
            break;
        }
    }
    return text;
}

const CommentLine* CommentLineFor(int code)
{
    for (const CommentLine& line : Lines())
        if (line.code == code)
            return &line;
    return nullptr;
}

} // namespace stumpcraft
