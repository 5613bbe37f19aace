#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace stumpcraft::sim {

// A season of whole matches, played through the match screen's window model and the engine
// exactly as a player's match is, with the computer captaining both sides.
struct SeasonSettings {
    // Every pairing plays `matchesEach` matches; the sides take turns to bat first.
    std::vector<std::pair<std::string, std::string>> pairings;
    int matchesEach = 100;
    int overs = 50;
    std::uint32_t seed = 1;
    // Told after each match: matches played so far, and in all.
    std::function<void(int done, int total)> progress;
};

// One side's season.
struct SideTally {
    std::string country;
    int played = 0;
    int won = 0;
    int lost = 0;
    int tied = 0;
    long long runs = 0; // the totals of all its innings
    int highest = 0;
    int centuries = 0; // innings of 100 or more by its batsmen
    int fiveWickets = 0; // innings of five wickets or more by its bowlers

    friend bool operator==(const SideTally&, const SideTally&) = default;
};

// The balls played at one level: what happened, and what the engine's table implies for the
// batsmen who faced them (the sum of each ball's chances, reprieves included).
struct LevelTally {
    long long balls = 0;
    long long runs = 0;
    long long dots = 0;
    long long boundaries = 0;
    long long outs = 0;
    double tableRuns = 0;
    double tableDots = 0;
    double tableBoundaries = 0;
    double tableOuts = 0;

    friend bool operator==(const LevelTally&, const LevelTally&) = default;
};

struct SeasonTally {
    int matches = 0;
    int overs = 0;
    std::uint32_t seed = 0;
    std::vector<SideTally> sides; // in the order the countries were first named
    std::array<LevelTally, 5> levels {}; // levels 1 to 5

    friend bool operator==(const SeasonTally&, const SeasonTally&) = default;
};

// Every pairing of the countries, each pair once, in the order given.
std::vector<std::pair<std::string, std::string>> AllPairings(
    const std::vector<std::string>& countries);

// The countries whose squads the game finds (the player's own and the shipped ones), sorted
// by name.
std::vector<std::string> ShippedCountries();

// Plays the season. Reads the squads from the program's folder and writes nothing: no records,
// no scorecards. Throws RuntimeError when a squad cannot be read, and std::runtime_error when
// a match cannot go on without a person (it asked for a bowler) or the engine reported a
// failure.
SeasonTally PlaySeason(const SeasonSettings& settings);

} // namespace stumpcraft::sim
