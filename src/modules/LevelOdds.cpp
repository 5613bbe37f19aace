#include "modules/LevelOdds.h"

#include "modules/MatchText.h"
#include "modules/OutcomeTable.h"
#include "modules/modVars.h"

#include <cmath>

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

    // "12.3%": tenths of a per cent.
    std::string Percent(double p)
    {
        const long tenths = std::lround(p * 1000);
        return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%";
    }

    std::string Tenths(double v)
    {
        const long tenths = std::lround(v * 10);
        return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    }
} // namespace

double LevelOdds::RunsPerBall() const
{
    double runs = 0;
    for (int r = 1; r <= 6; ++r)
        runs += r * chance[static_cast<std::size_t>(r)];
    return runs;
}

LevelOdds OddsOf(int level, int BatRate, int BallRate)
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

std::string LevelOddsText(int level, const MatchPlayer& batsman)
{
    // Ratings outside 1 to 5 come only from a damaged squad; show the table as it stands.
    const bool rated = batsman.BatRate >= 1 && batsman.BatRate <= 5;
    const LevelOdds odds = OddsOf(level, rated ? batsman.BatRate : 1, rated ? batsman.BallRate : 5);
    std::string out = "Out " + Percent(odds.chance[Out]);
    if (level >= kNoReprieveLevel)
        out += " (no reprieve at level " + std::to_string(kNoReprieveLevel) + ")";
    else if (odds.outStandsOneIn > 1)
        out += " (" + Percent(odds.outBeforeReprieve)
            + " before his reprieve: an out stands 1 time in " + std::to_string(odds.outStandsOneIn)
            + ")";
    else
        out += " (his ratings earn no reprieve)";
    return "Level " + std::to_string(level) + " for " + Trim(batsman.Name) + ", each ball:\n"
        + "Dot " + Percent(odds.chance[DotBall]) + ", single " + Percent(odds.chance[1])
        + ", boundary " + Percent(odds.Boundary()) + "\n" + out + "\n" + "About "
        + Tenths(odds.RunsPerOver()) + " runs an over";
}

} // namespace stumpcraft
