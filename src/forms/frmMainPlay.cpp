// The play buttons: "Next &Bowl" plays one delivery, "&Next Over" the rest of the over.
// Between them they keep the quota, start and close overs, change ends and end an innings
// whose overs are used up.
#include "forms/frmBowlChange.h"
#include "forms/frmMain.h"
#include "modules/BattingLevel.h"
#include "modules/ComputerBowler.h"
#include "modules/MatchResult.h"
#include "modules/MatchText.h"
#include "modules/NumberFormat.h"
#include "modules/Quota.h"
#include "modules/Scoreboard.h"
#include "modules/modRun.h"
#include "modules/modVars.h"

#include <utility>

namespace stumpcraft {

namespace {
    MatchTeam& Batting() { return Teams[CurrBatSide]; }
    MatchTeam& Fielding() { return Teams[1 - CurrBatSide]; }

    int StrikeEnd() { return Batting().Plr[Batsman1].OnStrike ? 1 : 2; }
} // namespace

// A bowler who has bowled his quota bowls no more: the user is told and must choose another.
bool FrmMain::QuotaAllows()
{
    const MatchPlayer& bowler = Fielding().Plr[CurrBowler];
    if (!QuotaBowled(bowler.BallsBowled))
        return true;
    SayOrShow(
        Line("Sorry! ")
            .Name(Trim(bowler.Name))
            .Words(" has used up his quota of overs. Please change him and choose a new bowler."));
    ShowBowlerChange();
    return false;
}

void FrmMain::ClearOverLines()
{
    for (auto& line : lblDesc)
        line.Caption = "";
    lblRunsInOver.Caption = kEmptyCounter;
}

void FrmMain::ShowBowlerCaptions()
{
    lblCurrBlr.Caption = "Current Bowler: " + Trim(Fielding().Plr[CurrBowler].Name);
    lblNxtBlr.Caption = "Next Bowler: " + Trim(Fielding().Plr[OtherBowler].Name);
}

void FrmMain::SetComputerLevelsAtOverStart()
{
    if (BallOfOver == 0 && Batting().PlayerName == kComputer)
        SetComputerBattingLevel(!FirstInnings);
}

// The end of an over: the computer may rest its bowler, the bowlers swap ends and the
// batsmen's ends change with them.
void FrmMain::ChangeEnds()
{
    const int bowled = Fielding().Plr[CurrBowler].BallsBowled;
    if (Fielding().PlayerName == kComputer
        && (bowled == RoundDiv(Overs, 10) * 6 || bowled == QuotaBalls()))
        ComputerChooseBowler();
    std::swap(CurrBowler, OtherBowler);
    BallOfOver = 0;

    MatchTeam& bat = Batting();
    const bool firstFacesNow = !bat.Plr[Batsman1].OnStrike;
    bat.Plr[Batsman1].OnStrike = firstFacesNow;
    bat.Plr[Batsman2].OnStrike = !firstFacesNow;
    picInStrike[0].Visible = firstFacesNow;
    picInStrike[1].Visible = !firstFacesNow;
}

void FrmMain::ShowScoreLine()
{
    const MatchTeam& bat = Batting();
    lblMsg[0].CaptionFrom({ CurrBatSide, bat.Runs, bat.Wickets }, [](const CaptionNumbers& n) {
        std::string text = Teams[n[0]].Country + " ";
        AppendNumber(text, n[1]);
        text += '/';
        AppendNumber(text, n[2]);
        return text;
    });
}

void FrmMain::CreditMaiden()
{
    if (BallOfOver == 6 && CaptionNumber(lblRunsInOver.Caption) == 0) {
        Fielding().Plr[CurrBowler].Maidens += 1;
        ShowScoreAndBowling();
    }
}

void FrmMain::EndInningsByOvers()
{
    if (Batting().Balls == Overs * 6)
        EndInnings();
}

void FrmMain::CmdNBowl_Click()
{
    // The computer rests its own bowlers as an over ends. On its side the quota test waits
    // for that change, as it does after "Next Over"; otherwise the player was asked to choose
    // the computer's bowler whenever its bowler finished his quota ball by ball.
    const bool computerChangesFirst = BallOfOver == 6 && Fielding().PlayerName == kComputer;
    if ((!computerChangesFirst && !QuotaAllows()) || MatchOver)
        return;
    const bool decided = MatchOver;
    if (BallOfOver == 0 || BallOfOver == 6) {
        ClearOverLines();
        if (BallOfOver == 0)
            SetComputerLevelsAtOverStart();
        else
            ChangeEnds();
        ShowBowlerCaptions();
        if (computerChangesFirst && !QuotaAllows())
            return;
    }
    BallOfOver += 1;
    PlayRecordedBall(StrikeEnd());
    if (!MatchScreenLoaded())
        return;
    ShowScoreLine();
    EndInningsByOvers();
    CreditMaiden();
    KeepScorecardOnResult(decided);
}

void FrmMain::CmdNOver_Click()
{
    if (!QuotaAllows())
        return;
    const bool decided = MatchOver;
    CmdNOver.Enabled = false;
    CmdNBowl.Enabled = false;
    while (BallOfOver < 6 && !MatchOver) {
        if (BallOfOver == 0) {
            ClearOverLines();
            ShowBowlerCaptions();
            SetComputerLevelsAtOverStart();
        }
        BallOfOver += 1;
        // After the first innings is all out the over is only counted out, not bowled.
        const bool bowled = Batting().Wickets < 10;
        if (bowled)
            PlayRecordedBall(StrikeEnd());
        if (!MatchScreenLoaded())
            return;
        ShowScoreLine();
        if (bowled)
            CreditMaiden();
        EndInningsByOvers();
    }
    if (BallOfOver == 6) {
        ChangeEnds();
        CmdNOver.Enabled = true;
        CmdNBowl.Enabled = true;
        if (CmdNOver.Visible)
            CmdNOver.SetFocus();
    }
    KeepScorecardOnResult(decided);
}

} // namespace stumpcraft
