#include "modules/MatchResult.h"

#include "modules/modRecords.h"
#include "modules/modVars.h"

#include <string>

namespace stumpcraft {

std::string ResultLine()
{
    const MatchTeam& bat = Teams[CurrBatSide];
    const MatchTeam& first = Teams[FirstBatSide];
    if (bat.Runs == first.Runs)
        return "It is a tie between " + Teams[0].Country + " and " + Teams[1].Country;
    if (bat.Runs > first.Runs)
        return bat.Country + " win by " + std::to_string(10 - bat.Wickets) + " wickets";
    return first.Country + " win by " + std::to_string(first.Runs - bat.Runs) + " runs";
}

void DecideOnTotals()
{
    MatchOver = true;
    State.InningsClosed = true;
    State.Status = StatusLine::Result;

    const MatchTeam& bat = Teams[CurrBatSide];
    const MatchTeam& first = Teams[FirstBatSide];
    if (bat.Runs == first.Runs)
        ShowResult(-1, 0);
    else if (bat.Runs > first.Runs)
        ShowResult(1, 10 - bat.Wickets);
    else
        ShowResult(0, first.Runs - bat.Runs);
}

void CloseInningsRecords()
{
    CheckRecords();
    if (RecordBroken)
        UpdateRecords();
}

void EndInnings()
{
    State.InningsClosed = true;
    if (FirstInnings)
        State.InningsButtonMode = InningsButton::ChangeInnings;
    else if (!MatchOver)
        DecideOnTotals();
    CloseInningsRecords();
}

} // namespace stumpcraft
