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
Northland       8      0      7      1    0.0     85.1      125     0       0
Southmere       8      5      1      2   62.5     85.9      138     0       0
Westerby        8      5      2      1   62.5    107.4      146     0       0

Level     Balls      Runs an over              Dots        Boundaries              Outs
                 observed   table  observed   table  observed   table  observed   table
1             0         -       -         -       -         -       -         -       -
2           153      3.37    2.95    72.55%  76.32%     6.54%   5.96%     1.96%   1.74%
3           276      4.37    5.42    35.87%  28.97%     0.72%   3.23%     3.26%   3.57%
4           160     10.80   12.01     2.50%   2.58%    27.50%  30.84%    12.50%  10.71%
5           755     13.13   12.92     3.44%   3.76%    37.62%  37.33%    19.74%  20.00%
)");
        EXPECT_EQ(progress.front(), 112);
        EXPECT_EQ(progress.back(), 1212);
        EXPECT_EQ(FolderListing(), before) << "a season writes nothing";
        EXPECT_EQ(PlaySeason(settings), season) << "a seed plays the same season again";
        const std::string json = SeasonJson(season);
        EXPECT_NE(json.find("{\"matches\": 12, \"overs\": 10, \"seed\": 11,"), std::string::npos);
        EXPECT_NE(json.find("{\"country\": \"Westerby\", \"played\": 8,"), std::string::npos);
        EXPECT_NE(json.find("{\"level\": 3, \"balls\": 276,"), std::string::npos) << json;
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
