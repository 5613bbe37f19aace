#include "modules/QuickMatch.h"

#include "modules/TeamFile.h"
#include "modules/modVars.h"

#include <array>

namespace stumpcraft {

namespace {
    constexpr int kWicketKeeper = 3;

    // Slots 0 to 14 from the country's squad; slot 15 stays empty, as the team sheet leaves
    // it with a squad of fifteen. Returns the player types of the squad.
    std::array<int, kSquadSize> FillSide(
        int side, const std::string& country, const std::string& player)
    {
        std::array<int, kSquadSize> types {};
        TeamFileName = country;
        ReadSquad();
        MatchTeam& team = Teams[side];
        team.Country = country;
        team.PlayerName = player;
        for (int slot = 0; slot < kSquadSize; ++slot) {
            const TeamListEntry& entry = TeamList[slot];
            team.Plr[slot].Name = entry.PlrName;
            team.Plr[slot].BatRate = RatingFromIndex(entry.BatRateIndex);
            team.Plr[slot].BallRate = RatingFromIndex(entry.BallRateIndex);
            types[static_cast<std::size_t>(slot)] = ClampPlayerType(entry.PlrType);
        }
        team.Plr[15].Name.clear();
        return types;
    }

    // The first wicket-keeper of the eleven, or its weakest bowler when it has none.
    int FirstKeeper(const MatchTeam& team, const std::array<int, kSquadSize>& types)
    {
        for (int slot = 0; slot <= 10; ++slot)
            if (types[static_cast<std::size_t>(slot)] == kWicketKeeper)
                return slot;
        int weakest = 10;
        for (int slot = 10; slot >= 0; --slot)
            if (team.Plr[slot].BallRate < team.Plr[weakest].BallRate)
                weakest = slot;
        return weakest;
    }

    int BestBowler(const MatchTeam& team, int except1, int except2)
    {
        int best = -1;
        for (int slot = 10; slot >= 0; --slot) {
            if (slot == except1 || slot == except2)
                continue;
            if (best < 0 || team.Plr[slot].BallRate > team.Plr[best].BallRate)
                best = slot;
        }
        return best;
    }

    // The opening bowlers are the two best bowlers besides the keeper (the later in the order
    // on equal ratings), the captain the best batsman.
    void ChooseSpecials(MatchTeam& team, const std::array<int, kSquadSize>& types)
    {
        team.Keeper = FirstKeeper(team, types);
        team.Bowler1 = BestBowler(team, team.Keeper, -1);
        team.Bowler2 = BestBowler(team, team.Keeper, team.Bowler1);
        team.Captain = 0;
        for (int slot = 1; slot <= 10; ++slot)
            if (team.Plr[slot].BatRate > team.Plr[team.Captain].BatRate)
                team.Captain = slot;
    }
} // namespace

void SetUpQuickMatch(const QuickMatchSettings& settings)
{
    // A fresh match; the commentator stays as it is.
    const bool agentOn = AgentOn;
    AgentCharacter* const agentChar = AgentChar;
    State = MatchState {};
    AgentOn = agentOn;
    AgentChar = agentChar;
    OneInningsGame = false;
    OnePlayer = settings.player1 == kComputer;
    Overs = settings.overs;
    FirstBatSide = settings.firstBatSide;
    Teams[FirstBatSide].WonToss = true;
    ChooseSpecials(Teams[0], FillSide(0, settings.country0, settings.player0));
    ChooseSpecials(Teams[1], FillSide(1, settings.country1, settings.player1));
    for (int side = 0; side < 2; ++side)
        PlayerRecords[side] = PlayerRecord::Empty();
}

} // namespace stumpcraft
