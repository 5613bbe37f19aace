#include "TestSquads.h"

#include "modules/SquadText.h"
#include "modules/TeamFile.h"
#include "modules/modVars.h"

#include <sstream>

namespace stumpcraft::testing {

std::string InventedSquadText(const std::string& prefix, int keeperSlot, bool keeperBowlsBest)
{
    std::string text;
    for (int i = 0; i < 15; ++i) {
        const bool keeper = i == keeperSlot;
        const char* type = keeper ? "WicketKeeper" : i < 5 ? "Batsman" : "Bowler";
        const int bowling = keeper && keeperBowlsBest ? 5 : 1 + i / 3;
        text += prefix + " " + std::to_string(i + 1) + " | " + type + " | "
            + std::to_string(5 - i / 3) + " | " + std::to_string(bowling) + "\n";
    }
    return text;
}

void ShipSquad(const std::string& country, const std::string& text)
{
    std::istringstream in(text);
    const Squad squad = ParseSquadText(in, country);
    for (int i = 0; i < kSquadSize; ++i)
        TeamList[i] = squad[static_cast<std::size_t>(i)];
    TeamFileName = country;
    WriteSquad();
}

} // namespace stumpcraft::testing
