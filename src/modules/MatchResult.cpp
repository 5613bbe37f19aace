#include "modules/MatchResult.h"

#include "forms/frmMain.h"
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
    FrmMain& f = frmMain();
    MatchOver = true;
    f.CmdNBowl.Visible = false;
    f.CmdNOver.Visible = false;

    const MatchTeam& bat = Teams[CurrBatSide];
    const MatchTeam& first = Teams[FirstBatSide];
    f.lblMsg[1].Caption = ResultLine();
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
        frmMain().UpdateRecord();
}

void EndInnings()
{
    FrmMain& f = frmMain();
    f.CmdNBowl.Visible = false;
    f.CmdNOver.Visible = false;
    if (FirstInnings)
        f.cmdChange.Visible = true;
    else if (!MatchOver)
        DecideOnTotals();
    CloseInningsRecords();
}

} // namespace stumpcraft
