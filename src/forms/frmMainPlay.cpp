// The play buttons: "Next &Bowl" plays one delivery, "&Next Over" the rest of the over.
// Between them they keep the quota, start and close overs, change ends and end an innings
// whose overs are used up. Each delivery is painted on the board before the commentator
// tells it.
#include "forms/frmBowlChange.h"
#include "forms/frmMain.h"
#include "modules/BattingLevel.h"
#include "modules/ComputerBowler.h"
#include "modules/Dismissal.h"
#include "modules/KeepMatch.h"
#include "modules/MatchResult.h"
#include "modules/MatchText.h"
#include "modules/NumberFormat.h"
#include "modules/Quota.h"
#include "modules/Scoreboard.h"
#include "modules/ScorecardFile.h"
#include "modules/modAgent.h"
#include "modules/modRun.h"
#include "modules/modVars.h"

#include <utility>

namespace stumpcraft {

namespace {
    MatchTeam& Batting() { return Teams[CurrBatSide]; }
    MatchTeam& Fielding() { return Teams[1 - CurrBatSide]; }

    int StrikeEnd() { return Batting().Plr[Batsman1].OnStrike ? 1 : 2; }

    // The commentator's line for the ball itself: a boundary or the dismissal.
    void TellBall(const BallNews& news)
    {
        if (!AgentOn || !news.counted)
            return;
        if (news.result == 4 || news.result == 6) {
            CommentBall(news.result, "", "");
        } else if (news.result == Out) {
            const DismissalComment line = CommentOn(news.out, Fielding());
            CommentBall(line.code, line.first, line.second);
        }
    }
} // namespace

// A bowler who has bowled his quota bowls no more: the user is told and must choose another.
bool FrmMain::QuotaAllows()
{
    const MatchPlayer& bowler = Fielding().Plr[CurrBowler];
    if (!QuotaBowled(bowler.BallsBowled))
        return true;
    Repaint(); // the player sees the board he is asked about
    SayOrShow(
        Line("Sorry! ")
            .Name(Trim(bowler.Name))
            .Words(" has used up his quota of overs. Please change him and choose a new bowler."));
    ShowBowlerChange();
    return false;
}

// The over's lines are cleared and the bowlers of this over and the next are named.
void FrmMain::BeginOver()
{
    ClearOver();
    State.ShownBowler = CurrBowler;
    State.ShownNextBowler = OtherBowler;
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
}

void FrmMain::CreditMaiden()
{
    if (BallOfOver == 6 && State.RunsInOver == 0) {
        Fielding().Plr[CurrBowler].Maidens += 1;
        BookBowlerOnCard();
    }
}

void FrmMain::EndInningsByOvers()
{
    if (Batting().Balls == Overs * 6)
        EndInnings();
}

bool FrmMain::Delivery(bool bowled, bool maidenFirst)
{
    DeliveryNews held; // a milestone and the result wait until the ball's own line is said
    if (bowled && BeforeEachDelivery)
        BeforeEachDelivery();
    const BallNews news = bowled ? PlayBall(StrikeEnd()) : BallNews {};
    if (maidenFirst) {
        if (bowled)
            CreditMaiden();
        EndInningsByOvers();
    } else {
        EndInningsByOvers();
        CreditMaiden();
    }
    // The board shows the ball before a word is said of it.
    Repaint();
    if (AfterEachDelivery)
        AfterEachDelivery();
    TellBall(news);
    if (!MatchScreenLoaded())
        return false; // the window went while the ball was told: the rest goes unsaid
    held.Deliver();
    return MatchScreenLoaded();
}

void FrmMain::FinishPress(bool decidedBefore)
{
    if (decidedBefore || !MatchOver)
        return;
    if (KeepScorecardsOnResult)
        KeepScorecard();
    cmdChange.SetFocus();
    if (OnMatchDecided)
        OnMatchDecided(); // whoever follows the match, a World Cup, is told
}

void FrmMain::CmdNBowl_Click()
{
    PaintAfter paint { *this };
    // The computer rests its own bowlers as an over ends. On its side the quota test waits
    // for that change, as it does after "Next Over"; otherwise the player was asked to choose
    // the computer's bowler whenever its bowler finished his quota ball by ball.
    const bool computerChangesFirst = BallOfOver == 6 && Fielding().PlayerName == kComputer;
    if ((!computerChangesFirst && !QuotaAllows()) || MatchOver)
        return;
    const bool decided = MatchOver;
    if (BallOfOver == 0 || BallOfOver == 6) {
        if (BallOfOver == 0)
            SetComputerLevelsAtOverStart();
        else
            ChangeEnds();
        BeginOver();
        if (computerChangesFirst && !QuotaAllows())
            return;
    }
    BallOfOver += 1;
    if (!Delivery(true, false))
        return;
    FinishPress(decided);
}

void FrmMain::CmdNOver_Click()
{
    PaintAfter paint { *this };
    if (!QuotaAllows())
        return;
    const bool decided = MatchOver;
    playButtonsEnabled_ = false;
    while (BallOfOver < 6 && !MatchOver) {
        if (BallOfOver == 0) {
            BeginOver();
            SetComputerLevelsAtOverStart();
        }
        BallOfOver += 1;
        // After the first innings is all out the over is only counted out, not bowled.
        if (!Delivery(Batting().Wickets < 10, true))
            return;
    }
    if (BallOfOver == 6) {
        ChangeEnds();
        playButtonsEnabled_ = true;
        if (!State.InningsClosed)
            CmdNOver.SetFocus();
    }
    FinishPress(decided);
}

} // namespace stumpcraft
