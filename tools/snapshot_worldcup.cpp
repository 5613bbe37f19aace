// The snapshot tool's pictures of the World Cup: the window at the draw, halfway through the
// groups and after the final, and one group's points race on its own. The matches are played
// headless, so the pictures come in a moment.
#include "SnapshotTool.h"
#include "forms/WorldCupPlay.h"
#include "forms/frmWorldCup.h"
#include "modules/WorldCup.h"
#include "modules/modProcs.h"
#include "qt/Snapshot.h"

#include <iostream>

namespace stumpcraft::snapshot {

void WorldCupStages()
{
    SeedRandomDraw(2026);
    ThisWorldCup = BeginWorldCup({ { "Priya", "Kenya" } }, 50, 2026);
    FrmWorldCup& window = frmWorldCup();
    window.Show();
    window.ShowCup();
    Save(window, "worldcup-1-draw");

    while (ThisWorldCup->cup.played.size() < 18)
        SimulateNextMatch(*ThisWorldCup);
    window.ShowCup();
    Save(window, "worldcup-2-mid-group");
    // The points race of group A alone, as the window draws it.
    const Chart& chart = window.chtRace[0];
    const QImage race
        = qt::RenderForm(window).copy(chart.Left, chart.Top, chart.Width, chart.Height);
    if (!race.save(QString::fromStdString((OutFolder() / "worldcup-chart.png").string())))
        std::cerr << "could not write the points race\n";

    while (worldcup::NextMatch(ThisWorldCup->cup) != 0)
        SimulateNextMatch(*ThisWorldCup);
    window.ShowCup();
    Save(window, "worldcup-3-final");
    window.Unload();
    ThisWorldCup.reset();
}

} // namespace stumpcraft::snapshot
