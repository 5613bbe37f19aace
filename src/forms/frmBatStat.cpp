#include "forms/frmBatStat.h"

#include "forms/frmMain.h"
#include "modules/Dismissal.h"
#include "modules/MatchText.h"
#include "modules/Scoreboard.h"
#include "modules/modVars.h"
#include "platform/Services.h"

#include <string>

namespace stumpcraft {

FrmBatStat& frmBatStat() { return forms::Instance<FrmBatStat>(); }

FrmBatStat::FrmBatStat()
    : Form("frmBatStat")
{
    using namespace look;
    Caption = "Batting Stats For ";
    Width = 320;
    Height = 300;

    Picture1.Move(0, 0, Width, 58);
    Picture1.BackColor = kPitch;
    Label1.SetContainer(Picture1);
    Label1.Move(10, 6, 300, 20);
    Label1.Caption = "Label1";
    Label1.ForeColor = kChalk;
    Label1.FontBold = true;
    lblBatOut.SetContainer(Picture1);
    lblBatOut.Move(10, 30, 300, 20);
    lblBatOut.Caption = "Not Out";
    lblBatOut.BackColor = kAtCrease;

    static const char* const kTitles[] = { "Runs Scored :", "Balls Faced :", "0's", "1's", "2's",
        "3's", "4's", "5's", "6's", "Strike Rate :" };
    for (int i = 0; i < 10; ++i)
        lbls[i].Caption = kTitles[i];
    const int mainRows[] = { 0, 1, 9 };
    for (int row = 0; row < 3; ++row) {
        const int i = mainRows[row];
        lbls[i].Move(16, 68 + row * 26, 104, 20);
        txt[i].Move(124, 66 + row * 26, 70, 22);
    }
    Frame1.Move(10, 146, 300, 104);
    Frame1.Caption = "Scored From";
    for (int i = 2; i <= 8; ++i) {
        const int column = i <= 5 ? 0 : 1;
        const int row = column == 0 ? i - 2 : i - 6;
        lbls[i].SetContainer(Frame1);
        lbls[i].Move(16 + column * 144, 20 + row * 20, 40, 18);
        txt[i].SetContainer(Frame1);
        txt[i].Move(60 + column * 144, 19 + row * 20, 70, 20);
    }
    for (auto& box : txt) {
        box.Locked = true;
        box.MaxLength = 0;
    }

    Picture2.Move(0, 256, Width, 44);
    cmdExit.SetContainer(Picture2);
    cmdExit.Move(110, 8, 100, 28);
    cmdExit.Caption = "&Back";
    cmdExit.Cancel = true;
    cmdExit.Click = [this] { cmdExit_Click(); };
}

void FrmBatStat::cmdExit_Click() { Unload(); }

void ShowBattingStats(int slot)
{
    FrmBatStat& stats = frmBatStat();
    const MatchPlayer& p = Teams[CurrBatSide].Plr[slot];
    stats.Label1.Caption = Trim(p.Name);
    // The card's own words for how he is out; a reserve has no row and stays "Not Out".
    if (slot <= 10)
        stats.lblBatOut.Caption = DismissalText(p.Out, Teams[1 - CurrBatSide]);
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
