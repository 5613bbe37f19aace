#include "modules/BattingStats.h"

#include "forms/frmBatStat.h"
#include "forms/frmMain.h"
#include "modules/MatchText.h"
#include "modules/Scoreboard.h"
#include "modules/modVars.h"
#include "platform/Services.h"

#include <string>

namespace stumpcraft {

void ShowBattingStats(int slot)
{
    FrmBatStat& stats = frmBatStat();
    const MatchPlayer& p = Teams[CurrBatSide].Plr[slot];
    stats.Label1.Caption = Trim(p.Name);
    // The card's own words for how he is out; a reserve has no row and stays "Not Out".
    if (slot <= 10)
        stats.lblBatOut.Caption = frmMain().lblBatOut[slot].Caption();
    const int figures[]
        = { p.Runs, p.BallsFaced, p.Dots, p.Ones, p.Twos, p.Threes, p.Fours, p.Fives, p.Sixes };
    for (int i = 0; i < 9; ++i)
        stats.txt[i].Text = std::to_string(figures[i]);
    stats.txt[9].Text = StrikeRate(p.Runs, p.BallsFaced);

    const ScreenSize screen
        = Platform().toolkit ? Platform().toolkit->Screen() : ScreenSize { 0, 0 };
    stats.Top = (screen.height - stats.Height) / 2;
    stats.Left = (screen.width - stats.Width) / 2;
    stats.Caption = "Batting Stats for " + stats.Label1.Caption();
    stats.Show(true);
    if (stats.IsLoaded())
        stats.Unload();
}

} // namespace stumpcraft
