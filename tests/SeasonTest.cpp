// The season simulator: a small seeded season's tables and figures for other tools, played
// again alike from its seed, and a season that leaves the program's folder as it found it.
#include "sim/Season.h"

#include "TestSquads.h"
#include "fakes/FakeServices.h"
#include "sim/SeasonReport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace stumpcraft::sim {
namespace {

    struct SeasonTest : ::testing::Test {
        fakes::FakePlatform platform;

        // A squad of invented players whose batting is `bat` at the top of the order.
        void Ship(const std::string& country, int bat)
        {
            std::string text;
            for (int i = 0; i < 15; ++i) {
                const std::string type = i == 5 ? "WicketKeeper" : i < 5 ? "Batsman" : "Bowler";
                const int batting = std::max(1, bat - i / 3);
                const int bowling = i == 5 ? 1 : std::min(5, 1 + i / 2);
                text += country.substr(0, 3) + " Player " + std::to_string(i + 1) + " | " + type
                    + " | " + std::to_string(batting) + " | " + std::to_string(bowling) + "\n";
            }
            testing::ShipSquad(country, text);
        }

        std::set<std::string> FolderListing() const
        {
            std::set<std::string> names;
            for (const auto& e : std::filesystem::recursive_directory_iterator(platform.Folder()))
                names.insert(e.path().string());
            return names;
        }

        SeasonSettings ThreeSides()
        {
            Ship("Northland", 5);
            Ship("Southmere", 4);
            Ship("Westerby", 3);
            SeasonSettings settings;
            settings.pairings = AllPairings(ShippedCountries());
            settings.matchesEach = 4;
            settings.overs = 10;
            settings.seed = 11;
            return settings;
        }
    };

    TEST_F(SeasonTest, TheTablesOfASmallSeededSeason)
    {
        const SeasonSettings settings = ThreeSides();
        const std::set<std::string> before = FolderListing();
        std::vector<int> progress;
        SeasonSettings told = settings;
        told.progress = [&](int done, int total) { progress.push_back(done * 100 + total); };
        const SeasonTally season = PlaySeason(told);

        EXPECT_EQ(SeasonTable(season), R"(Stumpcraft season: 12 matches of 10 overs a side, seed 11

Side       Played    Won   Lost   Tied  Won %  Average  Highest  100s  5 wkts
Northland       8      5      3      0   62.5     62.6       79     0       0
Southmere       8      5      3      0   62.5     64.5       81     0       0
Westerby        8      2      6      0   25.0     57.5       79     0       0

Level     Balls      Runs an over              Dots        Boundaries              Outs
                 observed   table  observed   table  observed   table  observed   table
1             5      3.60    2.65    40.00%  68.61%     0.00%   0.73%     0.00%   0.53%
2           112      4.02    2.96    71.43%  76.51%     8.93%   5.97%     0.00%   1.50%
3           853      5.32    5.51    29.66%  29.46%     2.58%   3.28%     2.81%   1.96%
4           149     11.72   11.93     2.68%   2.56%    28.86%  30.65%    10.74%  11.29%
5           199     10.58   12.92     5.03%   3.76%    31.16%  37.33%    28.64%  20.00%
)");
        EXPECT_EQ(progress.front(), 112);
        EXPECT_EQ(progress.back(), 1212);
        EXPECT_EQ(FolderListing(), before) << "a season writes nothing";
        EXPECT_EQ(PlaySeason(settings), season) << "a seed plays the same season again";
        const std::string json = SeasonJson(season);
        EXPECT_NE(json.find("{\"matches\": 12, \"overs\": 10, \"seed\": 11,"), std::string::npos);
        EXPECT_NE(json.find("{\"country\": \"Westerby\", \"played\": 8,"), std::string::npos);
        EXPECT_NE(json.find("{\"level\": 3, \"balls\": 853,"), std::string::npos) << json;
    }

    TEST_F(SeasonTest, AMissingSquadStopsTheSeasonWithItsName)
    {
        Ship("Northland", 5);
        SeasonSettings settings;
        settings.pairings = { { "Northland", "Nowhere" } };
        settings.matchesEach = 1;
        const auto error = fakes::ErrorOf([&] { PlaySeason(settings); });
        EXPECT_NE(std::string(error.what()).find("Nowhere"), std::string::npos) << error.what();
    }

} // namespace
} // namespace stumpcraft::sim
