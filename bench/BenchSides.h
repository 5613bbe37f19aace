#pragma once

// The two invented sides every match benchmark plays: both captained by the computer, with
// batting and bowling ratings spread down the order, over 50 overs.
#include "modules/modVars.h"

#include <string>

namespace stumpcraft::bench {

inline void SetUpSides()
{
    State = MatchState {};
    for (int side = 0; side < 2; ++side) {
        MatchTeam& team = Teams[side];
        team.Country = side == 0 ? "Northland" : "Southmere";
        team.PlayerName = kComputer;
        for (int s = 0; s < 16; ++s) {
            team.Plr[s].Name = team.Country.substr(0, 5) + " Player " + std::to_string(s + 1);
            team.Plr[s].BatRate = s <= 10 ? 5 - s / 3 : 3;
            team.Plr[s].BallRate = s <= 10 ? 1 + s / 3 : 3;
        }
        team.Keeper = 5;
        team.Bowler1 = 10;
        team.Bowler2 = 9;
        PlayerRecords[side] = PlayerRecord::Empty();
    }
    Overs = 50;
}

} // namespace stumpcraft::bench
