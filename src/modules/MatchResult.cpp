#include "modules/MatchResult.h"

#include "forms/frmMain.h"
#include "modules/modRecords.h"
#include "modules/modVars.h"

#include <string>

namespace stumpcraft {

void DecideOnTotals()
{
    FrmMain& f = frmMain();
    MatchOver = true;
    f.CmdNBowl.Visible = false;
    f.CmdNOver.Visible = false;

    const MatchTeam& bat = Teams[CurrBatSide];
    const MatchTeam& first = Teams[FirstBatSide];
    if (bat.Runs == first.Runs) {
        f.lblMsg[1].Caption
            = "It is a tie between " + Teams[0].Country + " and " + Teams[1].Country;
        ShowResult(-1, 0);
    } else if (bat.Runs > first.Runs) {
        const int inHand = 10 - bat.Wickets;
        f.lblMsg[1].Caption = bat.Country + " win by " + std::to_string(inHand) + " wickets";
        ShowResult(1, inHand);
    } else {
        const int margin = first.Runs - bat.Runs;
        f.lblMsg[1].Caption = first.Country + " win by " + std::to_string(margin) + " runs";
        ShowResult(0, margin);
    }
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
