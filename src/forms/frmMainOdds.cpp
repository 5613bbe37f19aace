// What a batting level means, told in the tooltip of each batter frame's slider and level
// caption: the chances of a dot, a single, a boundary and an out per ball for the batsman
// in the frame, his reprieve included, and the runs an over to expect.
#include "forms/frmMain.h"
#include "modules/LevelOdds.h"
#include "modules/modVars.h"

namespace stumpcraft {

void FrmMain::PaintLevelOdds()
{
    for (int frame = 0; frame < 2; ++frame) {
        const int slot = frame == 0 ? Batsman1 : Batsman2;
        const int level = State.BatLevel[frame];
        // Side, slot and level name the batsman and what he is told; his ratings do not
        // change during a match.
        const int shownFor = (CurrBatSide * 16 + slot) * 8 + level;
        if (shownFor == oddsShownFor_[frame] || slot < 0 || slot > 15)
            continue;
        oddsShownFor_[frame] = shownFor;
        std::string text = LevelOddsText(level, Teams[CurrBatSide].Plr[slot]);
        lbls[10 + frame].ToolTipText = text;
        HScroll1[frame].ToolTipText = std::move(text);
    }
}

} // namespace stumpcraft
