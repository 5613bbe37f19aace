// The innings button: "&Change Innings" starts the second innings against the first side's
// total; once the match is decided, "E&xit to Main Menu" clears the sides and leaves.
#include "forms/frmMain.h"
#include "forms/frmMenu.h"
#include "modules/MatchText.h"
#include "modules/NumberFormat.h"
#include "modules/ReturnToMenu.h"
#include "modules/Scoreboard.h"
#include "modules/modRun.h"
#include "modules/modVars.h"

namespace stumpcraft {

namespace {
    constexpr const char* kExitCaption = "E&xit to Main Menu";
} // namespace

void FrmMain::cmdChange_Click()
{
    Batsman2 = 1;
    BallOfOver = 0;
    Batsman1 = 0;
    if (cmdChange.Caption() == kExitCaption) {
        FirstInnings = true;
        MatchOver = false;
        ClearSidesForExit();
        Unload();
        ReturnToMainMenu();
        return;
    }
    StartChase();
}

void FrmMain::StartChase()
{
    FirstInnings = false;
    BallOfOver = 0;
    Batsman1 = 0;
    CurrBatSide = 1 - FirstBatSide;
    Batsman2 = 1;
    CurrBowler = Teams[FirstBatSide].Bowler1;
    OtherBowler = Teams[FirstBatSide].Bowler2;
    ResetInningsDisplay();
    HScroll1[0].Enabled = true;
    HScroll1[1].Enabled = true;
    lblNxtBlr.Caption = "Next Bowler: " + Trim(Teams[1 - CurrBatSide].Plr[CurrBowler].Name);
    Teams[CurrBatSide].Plr[Batsman1].OnStrike = true;
    picInStrike[0].Visible = true;
    picInStrike[1].Visible = false;

    const MatchTeam& first = Teams[FirstBatSide];
    lblMsg[1].Caption = "       Required Run Rate for " + Teams[CurrBatSide].Country + ": "
        + FormatRatio(static_cast<long long>(first.Runs) + 1, Overs);
    lblRunsInOver.Caption = kEmptyCounter;
    CmdNOver.Visible = true;
    CmdNBowl.Visible = true;
    cmdChange.Visible = false;
    lblSmallScore[2].Caption = ScoreText(FirstBatSide);
    lblSmallScore[2].Visible = true;
}

// The finished match leaves nothing behind but the reserves, the ratings and the tables of
// partnerships and fall of wickets, which are always written before they are shown.
void FrmMain::ClearSidesForExit()
{
    for (int side = 0; side < 2; ++side) {
        MatchTeam& team = Teams[side];
        team.Runs = team.Wickets = team.Balls = 0;
        team.Captain = team.Keeper = team.Bowler1 = team.Bowler2 = 0;
        team.Country.clear();
        for (int s = 0; s <= 10; ++s) {
            MatchPlayer& p = team.Plr[s];
            const int batRate = p.BatRate;
            const int ballRate = p.BallRate;
            p = MatchPlayer {};
            p.BatRate = batRate;
            p.BallRate = ballRate;
        }
    }
}

} // namespace stumpcraft
