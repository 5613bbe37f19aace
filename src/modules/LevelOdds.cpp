#include "modules/LevelOdds.h"

#include "modules/MatchText.h"
#include "modules/OutcomeTable.h"
#include "modules/modVars.h"

#include <cmath>
#include <optional>

namespace stumpcraft {

namespace {
    // The chances of the level's results on one draw of the table, before any reprieve.
    std::array<double, 9> TableChances(int level)
    {
        std::array<double, 9> chance {};
        const LevelTable& table = LevelTableOf(level);
        double reached = 1; // the chance that no earlier test succeeded
        for (const OutcomeTest& test : table.tests) {
            const double hit = 1.0 / test.K;
            chance[static_cast<std::size_t>(test.result)] += reached * hit;
            reached *= 1 - hit;
        }
        chance[static_cast<std::size_t>(table.otherwise)] += reached;
        return chance;
    }
} // namespace

namespace {
    std::string WithOneDecimal(long tenths)
    {
        return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    }
} // namespace

std::string OddsTenths(double value) { return WithOneDecimal(std::lround(value * 10)); }

std::string OddsPercent(double chance) { return WithOneDecimal(std::lround(chance * 1000)) + "%"; }

double LevelOdds::RunsPerBall() const
{
    double runs = 0;
    for (int r = 1; r <= 6; ++r)
        runs += r * chance[static_cast<std::size_t>(r)];
    return runs;
}

namespace {
    LevelOdds WorkOutOdds(int level, int BatRate, int BallRate)
    {
        LevelOdds odds;
        const std::array<double, 9> once = TableChances(level);
        odds.outBeforeReprieve = once[Out];
        odds.outStandsOneIn = level < kNoReprieveLevel ? OutStandsOneIn(BatRate, BallRate) : 1;
        // A reprieved out is drawn again, and the second draw stands whatever it is.
        const double reprieved = once[Out] * (1 - 1.0 / odds.outStandsOneIn);
        for (std::size_t r = 1; r < once.size(); ++r)
            odds.chance[r] = once[r] * (1 + reprieved);
        odds.chance[Out] = once[Out] / odds.outStandsOneIn + reprieved * once[Out];
        return odds;
    }
} // namespace

// Worked out once for each level and pair of ratings: the tooltips ask for them whenever a
// batsman comes in or a level moves.
LevelOdds OddsOf(int level, int BatRate, int BallRate)
{
    const bool tabled = level >= 1 && level <= 5 && BatRate >= 1 && BatRate <= 5 && BallRate >= 1
        && BallRate <= 5;
    if (!tabled)
        return WorkOutOdds(level, BatRate, BallRate);
    static std::array<std::optional<LevelOdds>, 125> known;
    auto& odds
        = known[static_cast<std::size_t>(((level - 1) * 5 + BatRate - 1) * 5 + BallRate - 1)];
    if (!odds)
        odds = WorkOutOdds(level, BatRate, BallRate);
    return *odds;
}

namespace {
    // The lines of the tooltip after its first: they depend only on the level and the two
    // ratings, so each is written once.
    std::string OddsLines(int level, int BatRate, int BallRate)
    {
        const LevelOdds odds = OddsOf(level, BatRate, BallRate);
        std::string out = "Out " + OddsPercent(odds.chance[Out]);
        if (level >= kNoReprieveLevel)
            out += " (no reprieve at level " + std::to_string(kNoReprieveLevel) + ")";
        else if (odds.outStandsOneIn > 1)
            out += " (" + OddsPercent(odds.outBeforeReprieve)
                + " before his reprieve: an out stands 1 time in "
                + std::to_string(odds.outStandsOneIn) + ")";
        else
            out += " (his ratings earn no reprieve)";
        return "Dot " + OddsPercent(odds.chance[DotBall]) + ", single "
            + OddsPercent(odds.chance[1]) + ", boundary " + OddsPercent(odds.Boundary()) + "\n"
            + out + "\n" + "About " + OddsTenths(odds.RunsPerOver()) + " runs an over";
    }

    const std::string& KnownOddsLines(int level, int BatRate, int BallRate)
    {
        static std::array<std::string, 125> known;
        std::string& lines
            = known[static_cast<std::size_t>(((level - 1) * 5 + BatRate - 1) * 5 + BallRate - 1)];
        if (lines.empty())
            lines = OddsLines(level, BatRate, BallRate);
        return lines;
    }
} // namespace

std::string LevelOddsText(int level, const MatchPlayer& batsman)
{
    // Ratings outside 1 to 5 come only from a damaged squad; show the table as it stands.
    const bool rated = batsman.BatRate >= 1 && batsman.BatRate <= 5;
    const int bat = rated ? batsman.BatRate : 1;
    const int ball = rated ? batsman.BallRate : 5;
    std::string text
        = "Level " + std::to_string(level) + " for " + Trim(batsman.Name) + ", each ball:\n";
    const bool tabled = level >= 1 && level <= 5 && ball >= 1 && ball <= 5;
    text += tabled ? KnownOddsLines(level, bat, ball) : OddsLines(level, bat, ball);
    return text;
}

} // namespace stumpcraft
