// Scorecards to keep: a match that is decided leaves its scorecard in the Scorecards folder,
// and whoever follows the match (a World Cup) is told; Ctrl+S keeps the card of the match as it
// stands at any moment between deliveries.
#include "forms/frmMain.h"
#include "modules/MatchResult.h"
#include "modules/ScorecardFile.h"
#include "modules/modRun.h"
#include "modules/modVars.h"

namespace stumpcraft {

void FrmMain::Form_KeyDown(int KeyCode, int Shift)
{
    // Not halfway through a delivery that waits for the commentator: its ball is not booked.
    if (KeyCode == 'S' && Shift == CtrlMask && DeliveryGuard::Free()) {
        KeepScorecard();
        Repaint();
    }
}

} // namespace stumpcraft
