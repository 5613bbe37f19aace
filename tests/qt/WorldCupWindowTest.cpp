// The World Cup window drawn as a player sees it at the draw and after the final: nothing cut
// off, nothing hiding anything else, every control inside the window.
#include "TestSquads.h"
#include "WindowChecks.h"
#include "forms/WorldCupPlay.h"
#include "forms/frmWorldCup.h"
#include "modules/Countries.h"
#include "modules/WorldCup.h"
#include "modules/modProcs.h"

namespace stumpcraft::testing {
namespace {

    // Catches the World Cup window cut off or overlapping.
    TEST(WorldCupWindowTest, LooksFinishedAtTheDrawAndAfterTheFinal)
    {
        fakes::FakePlatform platform;
        for (const char* country : kCountryNames)
            ShipSquad(country, InventedSquadText(std::string(country, 3)));
        SeedRandomDraw(4);
        ThisWorldCup
            = BeginWorldCup({ { "Wolfgang Amadeus Featherstonehaugh", "South Africa" } }, 10, 2026);
        FrmWorldCup& window = frmWorldCup();
        window.Show();
        ExpectFinished(window, "the draw");
        while (worldcup::NextMatch(ThisWorldCup->cup) != 0)
            SimulateNextMatch(*ThisWorldCup);
        window.ShowCup();
        ExpectFinished(window, "after the final");
        CloseEveryWindow();
    }

} // namespace
} // namespace stumpcraft::testing
