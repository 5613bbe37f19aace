#include "modules/Scoreboard.h"

#include "modules/MatchText.h"
#include "modules/NumberFormat.h"
#include "modules/modVars.h"

namespace stumpcraft {

std::string StrikeRate(int runs, int ballsFaced)
{
    return ballsFaced != 0 ? FormatRatio(static_cast<long long>(runs) * 100, ballsFaced) : "0";
}

// "12.4" for 76 balls with the fourth ball of the over just bowled, "13" once the over is done
// (ball 6).
std::string OversText(int balls, int ball)
{
    std::string text;
    AppendNumber(text, balls / 6);
    if (ball < 6) {
        text += '.';
        AppendNumber(text, ball);
    }
    return text;
}

std::string ScoreText(int side)
{
    const MatchTeam& team = Teams[side];
    return ScoreText(team.Country, team.Runs, team.Wickets);
}

std::string ScoreText(const std::string& country, int runs, int wickets)
{
    std::string text = country;
    text += ": ";
    AppendNumber(text, runs);
    if (wickets < 10) {
        text += '/';
        AppendNumber(text, wickets);
    }
    return text;
}

void StartInningsCard()
{
    ClearOver();
    State.BowlingOrder[0] = CurrBowler;
    State.BowlersOnCard = 1;
    State.Stands = {};
    State.Stands[0] = { Batsman1, Batsman2 };
    for (int s = 0; s <= 10; ++s) {
        MatchPlayer& p = Teams[CurrBatSide].Plr[s];
        p.Out = {};
        p.ReachedFifty = p.ReachedHundred = false;
    }
    State.Status = StatusLine::Empty;
    State.KeptScorecardNoted = false;
}

void ClearOver()
{
    State.OverBalls = {};
    State.RunsInOver = 0;
}

void BookBowlerInRow()
{
    const MatchTeam& field = Teams[1 - CurrBatSide];
    const std::string& name = field.Plr[CurrBowler].Name;
    int row = 0;
    for (int r = 0; r <= 10; ++r) {
        if (r >= State.BowlersOnCard) {
            State.BowlersOnCard = r + 1;
            row = r;
            break;
        }
        // His own row is found by his slot; another of his name shares it.
        const int slot = State.BowlingOrder[r];
        if (slot == CurrBowler || field.Plr[slot].Name == name) {
            row = r;
            break;
        }
    }
    // Players of the same name share a row, which shows whoever bowled last.
    State.BowlingOrder[row] = CurrBowler;
}

} // namespace stumpcraft
