// The season simulator: a small seeded season's tables and figures for other tools, played
// again alike from its seed, and a season that leaves the program's folder as it found it.
#include "sim/Season.h"

#include "MatchFixture.h"
#include "TestSquads.h"
#include "sim/SeasonReport.h"

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

    // Catches a season whose tables change, differ from their seed, or write files.
    TEST_F(SeasonTest, TheTablesOfASmallSeededSeason)
    {
        const SeasonSettings settings = ThreeSides();
        const std::set<std::string> before = FolderListing();
        std::vector<int> progress;
        SeasonSettings told = settings;
        told.progress = [&](int done, int total) { progress.push_back(done * 100 + total); };
        const SeasonTally season = PlaySeason(told);

        const std::string table = SeasonTable(season);
        EXPECT_EQ(table, testing::Golden("season.txt", table));
        EXPECT_EQ(progress.front(), 112);
        EXPECT_EQ(progress.back(), 1212);
        EXPECT_EQ(FolderListing(), before) << "a season writes nothing";
        EXPECT_EQ(PlaySeason(settings), season) << "a seed plays the same season again";
        const std::string json = SeasonJson(season);
        EXPECT_NE(json.find("{\"matches\": 12, \"overs\": 10, \"seed\": 11,"), std::string::npos);
        EXPECT_NE(json.find("{\"country\": \"Westerby\", \"played\": 8,"), std::string::npos);
        EXPECT_NE(json.find("{\"level\": 3, \"balls\": 853,"), std::string::npos) << json;
    }

    // Catches a missing squad that goes unnamed (it also covers the quick match's set-up).
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
