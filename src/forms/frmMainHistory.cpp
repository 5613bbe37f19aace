// Each delivery the play buttons bowl is kept in the match's history as it is played: its
// runs, whether it took a wicket and how, the striker's level, the striker and the bowler.
#include "forms/frmMain.h"
#include "modules/modRun.h"
#include "modules/modVars.h"

namespace stumpcraft {

void FrmMain::PlayRecordedBall(int StrikeEnd)
{
    const MatchTeam& bat = Teams[CurrBatSide];
    BallRecord ball;
    ball.level = HScroll1[StrikeEnd - 1].Value;
    ball.striker = StrikeEnd == 1 ? Batsman1 : Batsman2;
    ball.bowler = CurrBowler;
    const int runsBefore = bat.Runs;
    const int wicketsBefore = bat.Wickets;
    const int ballsBefore = bat.Balls;
    const int inning = FirstInnings ? 0 : 1;
    const int side = CurrBatSide;

    PlayBall(StrikeEnd);
    // A delivery that failed before it was counted, or a screen closed meanwhile, left
    // nothing to keep.
    if (!MatchScreenLoaded() || bat.Balls == ballsBefore)
        return;
    ball.runs = bat.Runs - runsBefore;
    ball.wicket = bat.Wickets > wicketsBefore;
    History.RecordBall(
        inning, side, ball, ball.wicket ? lblBatOut[ball.striker].Caption() : std::string {});
    // A new batsman may have come in.
    ShowLevelOdds();
    ShowChartsIfShown();
}

} // namespace stumpcraft
