#include "sim/Season.h"

#include "forms/HeadlessMatch.h"
#include "modules/LevelOdds.h"
#include "modules/QuickMatch.h"
#include "modules/modProcs.h"
#include "modules/modVars.h"
#include "platform/AppPath.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace stumpcraft::sim {

namespace {
    // The chances of every level for every pair of ratings, worked out once.
    class OddsTable {
    public:
        OddsTable()
        {
            for (int level = 1; level <= 5; ++level)
                for (int bat = 1; bat <= 5; ++bat)
                    for (int ball = 1; ball <= 5; ++ball)
                        odds_[Index(level, bat, ball)] = OddsOf(level, bat, ball);
        }
        LevelOdds Of(int level, int bat, int ball) const
        {
            if (bat < 1 || bat > 5 || ball < 1 || ball > 5)
                return OddsOf(level, bat, ball);
            return odds_[Index(level, bat, ball)];
        }

    private:
        static std::size_t Index(int level, int bat, int ball)
        {
            return static_cast<std::size_t>(((level - 1) * 5 + bat - 1) * 5 + ball - 1);
        }
        std::array<LevelOdds, 125> odds_ {};
    };

    SideTally& TallyOf(SeasonTally& season, const std::string& country)
    {
        for (SideTally& side : season.sides)
            if (side.country == country)
                return side;
        season.sides.push_back({});
        season.sides.back().country = country;
        return season.sides.back();
    }

    void TallySides(SeasonTally& season)
    {
        const int first = FirstBatSide;
        const int runsFirst = Teams[first].Runs;
        const int runsSecond = Teams[1 - first].Runs;
        for (int s = 0; s < 2; ++s) {
            const MatchTeam& team = Teams[s];
            SideTally& side = TallyOf(season, team.Country);
            side.played += 1;
            const int mine = s == first ? runsFirst : runsSecond;
            const int theirs = s == first ? runsSecond : runsFirst;
            side.won += mine > theirs;
            side.lost += mine < theirs;
            side.tied += mine == theirs;
            side.runs += team.Runs;
            side.highest = std::max(side.highest, team.Runs);
            for (int slot = 0; slot <= 10; ++slot) {
                side.centuries += team.Plr[slot].Runs >= 100;
                side.fiveWickets += team.Plr[slot].WicketsTaken >= 5;
            }
        }
    }

    void TallyLevels(SeasonTally& season, const OddsTable& table)
    {
        for (const InningsHistory& innings : History.innings) {
            if (innings.side < 0)
                continue;
            const MatchTeam& bat = Teams[innings.side];
            for (const BallRecord& ball : innings.balls) {
                LevelTally& t = season.levels.at(static_cast<std::size_t>(ball.level - 1));
                const MatchPlayer& striker = bat.Plr[ball.striker];
                const LevelOdds odds = table.Of(ball.level, striker.BatRate, striker.BallRate);
                t.balls += 1;
                t.runs += ball.runs;
                t.dots += !ball.wicket && ball.runs == 0;
                t.boundaries += ball.runs == 4 || ball.runs == 6;
                t.outs += ball.wicket;
                t.tableRuns += odds.RunsPerBall();
                t.tableDots += odds.chance[DotBall];
                t.tableBoundaries += odds.Boundary();
                t.tableOuts += odds.chance[Out];
            }
        }
    }

} // namespace

std::vector<std::pair<std::string, std::string>> AllPairings(
    const std::vector<std::string>& countries)
{
    std::vector<std::pair<std::string, std::string>> pairings;
    for (std::size_t a = 0; a < countries.size(); ++a)
        for (std::size_t b = a + 1; b < countries.size(); ++b)
            pairings.emplace_back(countries[a], countries[b]);
    return pairings;
}

std::vector<std::string> ShippedCountries()
{
    // The player's own squads and the shipped ones: one folder when the program runs from its
    // own, two when it is installed.
    std::vector<std::string> countries;
    const FileLayout& layout = CurrentLayout();
    for (const std::string& folder : { layout.player, layout.shipped }) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
            const std::filesystem::path& path = entry.path();
            if (entry.is_regular_file(ec) && path.extension() == ".lst")
                countries.push_back(path.stem().string());
        }
    }
    std::sort(countries.begin(), countries.end());
    countries.erase(std::unique(countries.begin(), countries.end()), countries.end());
    return countries;
}

SeasonTally PlaySeason(const SeasonSettings& settings)
{
    const OddsTable odds;
    SeasonTally season;
    season.overs = settings.overs;
    season.seed = settings.seed;
    const int total = static_cast<int>(settings.pairings.size()) * settings.matchesEach;
    SeedRandomDraw(settings.seed);
    for (const auto& [country0, country1] : settings.pairings) {
        TallyOf(season, country0);
        TallyOf(season, country1);
        // The squads are read once per pairing; each match starts from a copy of the sides.
        SetUpQuickMatch({ country0, country1, kComputer, kComputer, settings.overs, 0 });
        const MatchState sides = State;
        for (int m = 0; m < settings.matchesEach; ++m) {
            State = sides;
            FirstBatSide = m % 2;
            Teams[0].WonToss = FirstBatSide == 0;
            Teams[1].WonToss = FirstBatSide == 1;
            try {
                PlayHeadlessMatch();
            } catch (const std::runtime_error& e) {
                throw std::runtime_error(
                    "Match " + std::to_string(season.matches + 1) + ": " + e.what());
            }
            TallySides(season);
            TallyLevels(season, odds);
            season.matches += 1;
            if (settings.progress)
                settings.progress(season.matches, total);
        }
    }
    State = MatchState {};
    return season;
}

} // namespace stumpcraft::sim
