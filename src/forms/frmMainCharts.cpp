// The Charts tab: the worm above the Manhattan, both innings in their sides' colours, drawn
// from the match's history after every ball while the tab is shown.
#include "forms/Look.h"
#include "forms/frmMain.h"
#include "modules/MatchCharts.h"

namespace stumpcraft {

void FrmMain::LayOutCharts()
{
    PictureBox& page = Picture1[kChartsTab];
    const int half = page.Height / 2;
    look::Place(chtWorm, page, 0, 0, page.Width, half);
    look::Place(chtManhattan, page, 0, half, page.Width, page.Height - half);
    for (Chart* chart : { &chtWorm, &chtManhattan }) {
        chart->BackColor = look::kPitch;
        chart->ForeColor = look::kChalk;
    }
}

void FrmMain::PaintCharts()
{
    if (SSTab1.Tab != kChartsTab)
        return;
    chtWorm.Data = WormChart();
    chtManhattan.Data = ManhattanChart();
}

} // namespace stumpcraft
