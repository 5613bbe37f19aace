// The innings button: "&Change Innings" starts the second innings against the first side's
// total; once the match is decided, "E&xit to Main Menu" clears the sides and leaves. Its mode
// is kept in the match state (InningsButtonMode).
#include "forms/frmMain.h"
#include "forms/frmMenu.h"
#include "modules/MatchText.h"
#include "modules/NumberFormat.h"
#include "modules/ReturnToMenu.h"
#include "modules/Scoreboard.h"
#include "modules/modRun.h"
#include "modules/modVars.h"

namespace stumpcraft {

void FrmMain::cmdChange_Click()
{
    PaintAfter paint { *this };
    Batsman2 = 1;
    BallOfOver = 0;
    Batsman1 = 0;
    if (State.InningsButtonMode == InningsButton::ExitToMenu) {
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
    StartInningsCard();
    State.LevelsLocked = false; // the computer's batting locked them
    // Whoever bats now starts at Level 1, as the sliders stand when the screen loads, not at
    // the level the other side left them.
    State.BatLevel = { { 1, 1 } };
    State.ShownNextBowler = CurrBowler;
    // The fielding side's opening bowler, not the last bowler of the innings before.
    State.ShownBowler = CurrBowler;
    Teams[CurrBatSide].Plr[Batsman1].OnStrike = true;
    State.Status = StatusLine::RequiredRate;
    State.InningsClosed = false;
    State.InningsButtonMode = InningsButton::Hidden;
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
