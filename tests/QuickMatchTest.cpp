// A match set up straight from squads: each side must be playable as it comes, with a keeper
// who does not open the bowling and two different opening bowlers.
#include "modules/QuickMatch.h"

#include "TestSquads.h"
#include "fakes/FakeServices.h"
#include "modules/TeamFile.h"
#include "modules/modVars.h"

namespace stumpcraft {
namespace {

    struct QuickMatchTest : ::testing::Test {
        fakes::FakePlatform platform;
    };

    using testing::ShipSquad;

    // Catches a quick match whose keeper opens the bowling or one bowler takes both ends.
    TEST_F(QuickMatchTest, SidesComeFromTheSquadsWithSensibleSpecials)
    {
        // Bowling gets better down the order; the keeper bowls best of all on paper.
        ShipSquad("Kenya", testing::InventedSquadText("Man", 10, true));
        ShipSquad("Holland", testing::InventedSquadText("Man", 4, true));
        SetUpQuickMatch({ "Kenya", "Holland", "Asha", "Computer", 20, 1 });

        EXPECT_EQ((std::vector<int> { Overs, OnePlayer, FirstBatSide, Teams[1].WonToss }),
            (std::vector<int> { 20, true, 1, true }));
        EXPECT_EQ(Teams[0].PlayerName, "Asha");
        EXPECT_EQ(Teams[0].Plr[14].Name, FitPlrName("Man 15")) << "names as the file holds them";
        EXPECT_EQ(Teams[0].Plr[15].Name, "");
        EXPECT_EQ(Teams[0].Plr[0].BatRate, 5);
        // The best bowlers but the keeper, later in the order on a tie.
        EXPECT_EQ((std::vector<int> { Teams[0].Keeper, Teams[0].Bowler1, Teams[0].Bowler2,
                      Teams[1].Keeper, Teams[1].Bowler1, Teams[1].Bowler2 }),
            (std::vector<int> { 10, 9, 8, 4, 10, 9 }));
        EXPECT_EQ(PlayerRecords[0].FastestCentury.Value, PlayerRecord::kNoFastest);
    }

} // namespace
} // namespace stumpcraft
