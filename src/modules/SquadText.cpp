#include "modules/SquadText.h"

#include "platform/CodePage.h"

#include <charconv>
#include <vector>

namespace stumpcraft {

namespace {

    std::string Trim(const std::string& text)
    {
        const auto first = text.find_first_not_of(" \t\r");
        if (first == std::string::npos)
            return {};
        return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
    }

    std::vector<std::string> SplitFields(const std::string& line)
    {
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (;;) {
            const auto bar = line.find('|', start);
            fields.push_back(Trim(line.substr(start, bar - start)));
            if (bar == std::string::npos)
                return fields;
            start = bar + 1;
        }
    }

    // Reads and checks one player line; a problem is returned as its description.
    std::string ParsePlayer(const std::string& line, TeamListEntry& entry)
    {
        const std::vector<std::string> fields = SplitFields(line);
        if (fields.size() != 4)
            return "expected four fields: name | type | batting | bowling";
        const std::string& name = fields[0];
        if (name.empty())
            return "the name is empty";
        const std::string stored = Utf8ToCp1252(name);
        if (Cp1252ToUtf8(stored) != name)
            return "the name \"" + name + "\" has a letter the squad file cannot hold";
        if (stored.size() > static_cast<std::size_t>(kPlrNameLength))
            return "the name \"" + name + "\" is longer than " + std::to_string(kPlrNameLength)
                + " characters";
        int type = 0;
        while (type < 4 && PlayerTypeName(type) != fields[1])
            ++type;
        if (type == 4)
            return "unknown type \"" + fields[1]
                + "\" (use Batsman, Bowler, AllRounder or WicketKeeper)";
        int ratings[2] = {};
        for (int k = 0; k < 2; ++k) {
            const std::string& text = fields[2 + static_cast<std::size_t>(k)];
            const auto [end, ec]
                = std::from_chars(text.data(), text.data() + text.size(), ratings[k]);
            if (ec != std::errc {} || end != text.data() + text.size() || ratings[k] < 1
                || ratings[k] > 5)
                return std::string(k == 0 ? "batting" : "bowling") + " rating \"" + text
                    + "\" is not a whole number from 1 to 5";
        }
        entry.PlrName = FitPlrName(name);
        entry.PlrType = type;
        entry.BatRateIndex = RatingIndexOf(ratings[0]);
        entry.BallRateIndex = RatingIndexOf(ratings[1]);
        return {};
    }

} // namespace

Squad ParseSquadText(std::istream& in, const std::string& source)
{
    Squad squad;
    int players = 0;
    int lineNo = 0;
    std::string line;
    while (std::getline(in, line)) {
        ++lineNo;
        line = Trim(line.substr(0, line.find('#')));
        if (line.empty())
            continue;
        const std::string where = source + ":" + std::to_string(lineNo) + ": ";
        if (players == kSquadSize)
            throw SquadTextError(where + "more than " + std::to_string(kSquadSize) + " players");
        if (const std::string problem = ParsePlayer(line, squad[static_cast<std::size_t>(players)]);
            !problem.empty())
            throw SquadTextError(where + problem);
        ++players;
    }
    if (players != kSquadSize)
        throw SquadTextError(source + ":" + std::to_string(lineNo) + ": " + std::to_string(players)
            + " players; a squad has exactly " + std::to_string(kSquadSize));
    return squad;
}

} // namespace stumpcraft
