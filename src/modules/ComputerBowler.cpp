#include "modules/ComputerBowler.h"

#include "modules/MatchText.h"
#include "modules/NumberFormat.h"
#include "modules/Quota.h"
#include "modules/modVars.h"

#include <initializer_list>

namespace stumpcraft {

namespace {
    // A bowler who has not bowled yet, neither the keeper nor the bowler at the other end.
    bool FreshSearch(const MatchTeam& field)
    {
        for (int r = 10; r >= 0; --r) {
            if (field.Plr[r].BallsBowled == 0 && r != field.Keeper && r != OtherBowler) {
                CurrBowler = r;
                return true;
            }
        }
        return false;
    }

    // The first card row in `rows` whose bowler (by name) still has overs left and is not at
    // the other end.
    bool CardSearch(const MatchTeam& field, std::initializer_list<int> rows)
    {
        for (int k : rows) {
            if (k >= State.BowlersOnCard)
                continue;
            const std::string_view caption = TrimmedView(field.Plr[State.BowlingOrder[k]].Name);
            if (caption.empty())
                continue;
            for (int r = 10; r >= 0; --r) {
                const MatchPlayer& p = field.Plr[r];
                if (caption == TrimmedView(p.Name) && !QuotaBowled(p.BallsBowled)
                    && r != OtherBowler) {
                    CurrBowler = r;
                    return true;
                }
            }
        }
        return false;
    }

    // Whether the overs done so far (Balls / 6) are within k fifths of the innings.
    bool WithinFifths(int k)
    {
        return Teams[CurrBatSide].Balls <= 6 * RoundDiv(static_cast<long long>(k) * Overs, 5);
    }
} // namespace

void ComputerChooseBowler()
{
    const MatchTeam& field = Teams[1 - CurrBatSide];
    if (WithinFifths(2))
        FreshSearch(field);
    else if (WithinFifths(3))
        CardSearch(field, { 3, 2, 1, 0 });
    else if (WithinFifths(4))
        CardSearch(field, { 0, 1, 2, 3, 4, 5 });

    // No stage found a change, yet the bowler has bowled out his quota and cannot go on. The
    // computer brings on whoever has overs left, as a captain would, rather than leaving the
    // choice of its bowler to the player.
    if (QuotaBowled(field.Plr[CurrBowler].BallsBowled)
        && !CardSearch(field, { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 }))
        FreshSearch(field);
}

} // namespace stumpcraft
