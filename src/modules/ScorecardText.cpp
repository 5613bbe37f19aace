// The scorecard as plain text: each innings' batting, total, fall of wickets and bowling in
// columns, then the result.
#include "modules/Scoreboard.h"
#include "modules/Scorecard.h"

#include <algorithm>

namespace stumpcraft {

namespace {
    constexpr std::size_t kLineWidth = 100;

    // Characters, not bytes: a name may hold letters beyond ASCII.
    std::size_t Width(const std::string& text)
    {
        return static_cast<std::size_t>(std::count_if(text.begin(), text.end(),
            [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    }

    std::string Left(const std::string& text, std::size_t width)
    {
        const std::size_t w = Width(text);
        return w >= width ? text : text + std::string(width - w, ' ');
    }

    std::string Right(const std::string& text, std::size_t width)
    {
        const std::size_t w = Width(text);
        return w >= width ? text : std::string(width - w, ' ') + text;
    }

    std::string Batting(const InningsCard& innings)
    {
        std::size_t nameWidth = 7, howWidth = 7;
        for (const BattingLine& b : innings.batting) {
            nameWidth = std::max(nameWidth, Width(b.name));
            howWidth = std::max(howWidth, Width(b.howOut));
        }
        nameWidth += 2;
        howWidth += 2;
        std::string out = Left("Batsman", nameWidth) + Left("How out", howWidth) + Right("R", 5)
            + Right("B", 5) + Right("4s", 4) + Right("6s", 4) + Right("SR", 8) + "\n";
        for (const BattingLine& b : innings.batting)
            out += Left(b.name, nameWidth) + Left(b.howOut, howWidth)
                + Right(std::to_string(b.runs), 5) + Right(std::to_string(b.balls), 5)
                + Right(std::to_string(b.fours), 4) + Right(std::to_string(b.sixes), 4)
                + Right(StrikeRate(b.runs, b.balls), 8) + "\n";
        const std::string total = "Total (" + TotalDetail(innings) + ")";
        out += Left(total, nameWidth + howWidth) + Right(std::to_string(innings.runs), 5) + "\n";
        return out;
    }

    // Items joined by ", " and wrapped to the line width, later lines indented.
    std::string Wrapped(const std::string& head, const std::vector<std::string>& items)
    {
        std::string out = head;
        std::size_t column = Width(head);
        for (std::size_t i = 0; i < items.size(); ++i) {
            const std::string item = items[i] + (i + 1 < items.size() ? "," : "");
            if (column + 1 + Width(item) > kLineWidth && column > Width(head)) {
                out += "\n" + std::string(4, ' ');
                column = 4;
            } else {
                out += " ";
                column += 1;
            }
            out += item;
            column += Width(item);
        }
        return out + "\n";
    }

    std::string Bowling(const InningsCard& innings)
    {
        std::size_t nameWidth = 6;
        for (const BowlingLine& b : innings.bowling)
            nameWidth = std::max(nameWidth, Width(b.name));
        nameWidth += 2;
        std::string out = Left("Bowler", nameWidth) + Right("O", 6) + Right("M", 4) + Right("R", 5)
            + Right("W", 4) + Right("Econ", 7) + "\n";
        for (const BowlingLine& b : innings.bowling)
            out += Left(b.name, nameWidth) + Right(OversText(b.balls), 6)
                + Right(std::to_string(b.maidens), 4) + Right(std::to_string(b.runs), 5)
                + Right(std::to_string(b.wickets), 4) + Right(Economy(b), 7) + "\n";
        return out;
    }

    std::string Innings(const InningsCard& innings)
    {
        std::string out = innings.country + " innings\n";
        if (innings.enteredTotal)
            return out + "A total of " + std::to_string(innings.runs) + " set to be chased\n";
        out += Batting(innings);
        if (!innings.didNotBat.empty())
            out += Wrapped("Did not bat:", innings.didNotBat);
        if (!innings.fall.empty())
            out += Wrapped("Fall of wickets:", FallTexts(innings));
        return out + "\n" + Bowling(innings);
    }
} // namespace

std::string ScorecardText(const MatchCard& card)
{
    std::string out = card.title + "\n" + "Kept " + card.played + "."
        + (card.toss.empty() ? "" : " " + card.toss) + "\n";
    for (const InningsCard& innings : card.innings)
        out += "\n" + Innings(innings);
    return out + "\n" + card.result + "\n";
}

} // namespace stumpcraft
