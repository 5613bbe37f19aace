#include "modules/BattingLevel.h"

#include "modules/NumberFormat.h"
#include "modules/modVars.h"

namespace stumpcraft {

namespace {
    void SetBoth(int level)
    {
        State.BatLevel[0] = level;
        State.BatLevel[1] = level;
    }

    // Level 3, then Level 5 for the last fifth of the innings (ten overs of fifty, two of ten)
    // while fewer than eight are out, and in the last over whatever the score.
    int SettingLevel(const MatchTeam& bat)
    {
        const long long oversLeft = RoundDiv(static_cast<long long>(Overs) * 6 - bat.Balls, 6);
        if (oversLeft <= RoundDiv(Overs, 5) && bat.Wickets < 8)
            return 5;
        if (oversLeft == 1)
            return 5;
        return 3;
    }
} // namespace

void SetComputerBattingLevel(bool chasing)
{
    State.LevelsLocked = true;
    const MatchTeam& bat = Teams[CurrBatSide];
    if (!chasing) {
        SetBoth(SettingLevel(bat));
        return;
    }

    const long long needed = static_cast<long long>(Teams[FirstBatSide].Runs) - bat.Runs + 1;
    const long long ballsLeft = static_cast<long long>(Overs) * 6 - bat.Balls;
    if (needed < 1 || ballsLeft < 1)
        return;
    // Both at 3 unless the rate says otherwise; set once, to the level that stands.
    const long long perOver = needed * 6 / ballsLeft;
    int level = 3;
    if (perOver > 7)
        level = 5;
    else if (perOver >= 6)
        level = 4;
    else if (perOver == 4)
        level = 2;
    else if (perOver < 4 && bat.Wickets < 2)
        level = 1;
    SetBoth(level);
}

} // namespace stumpcraft
