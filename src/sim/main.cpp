// stumpcraft-sim: a season of whole matches between the computer's sides, played through the
// match screen's window model and the engine as any match is, and summed up in two tables.
//
//   stumpcraft-sim [--matches N] [--overs N] [--seed N] [--json] COUNTRY COUNTRY
//   stumpcraft-sim [--matches N] [--overs N] [--seed N] [--json] --all
//
// It reads the squads the game plays with (the player's own first) and writes no file.
#include "modules/TeamFile.h"
#include "platform/Errors.h"
#include "sim/Season.h"
#include "sim/SeasonReport.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace stumpcraft;

constexpr const char* kUsage = R"(Usage: stumpcraft-sim [options] COUNTRY COUNTRY
       stumpcraft-sim [options] --all

Plays whole matches between two countries (or every pairing of them), the computer
captaining both sides, and prints the results by side and how each batting level played
against what the engine's table implies.

Options:
  --matches N   matches for each pairing, the sides taking turns to bat first (default 100)
  --overs N     overs an innings: 10, 20, 25, 30, 35, 40 or 50 (default 50)
  --seed N      seed of the draws, to play the same season again (default: a fresh one)
  --all         every pairing of the countries whose squads the game has
  --json        print the figures as JSON
  --help        print this help
)";

struct Options {
    sim::SeasonSettings season;
    std::vector<std::string> countries;
    bool all = false;
    bool json = false;
};

// Thrown for a command line that cannot be run; the message says why.
struct UsageError {
    std::string why;
};

long long Number(const std::string& option, const std::string& text, long long low, long long high)
{
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc {} || ptr != end || value < low || value > high)
        throw UsageError { option + " wants a whole number from " + std::to_string(low) + " to "
            + std::to_string(high) + ", not \"" + text + "\"" };
    return value;
}

Options Parse(int argc, char** argv)
{
    Options o;
    o.season.seed = std::random_device {}();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw UsageError { arg + " wants a value" };
            return argv[++i];
        };
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            std::exit(0);
        } else if (arg == "--matches") {
            o.season.matchesEach = static_cast<int>(Number(arg, value(), 1, 10000000));
        } else if (arg == "--overs") {
            const int overs = static_cast<int>(Number(arg, value(), 10, 50));
            if (overs != 10 && overs != 20 && overs != 25 && overs != 30 && overs != 35
                && overs != 40 && overs != 50)
                throw UsageError { "--overs is one of 10, 20, 25, 30, 35, 40 or 50" };
            o.season.overs = overs;
        } else if (arg == "--seed") {
            o.season.seed = static_cast<std::uint32_t>(Number(arg, value(), 0, 4294967295LL));
        } else if (arg == "--all") {
            o.all = true;
        } else if (arg == "--json") {
            o.json = true;
        } else if (arg.rfind("--", 0) == 0) {
            throw UsageError { "unknown option " + arg };
        } else {
            o.countries.push_back(arg);
        }
    }
    return o;
}

std::string CountryList()
{
    std::string list;
    for (const std::string& c : sim::ShippedCountries())
        list += (list.empty() ? "" : ", ") + c;
    return list.empty() ? "none (no squad files beside the program)" : list;
}

void ChoosePairings(Options& o)
{
    if (o.all) {
        if (!o.countries.empty())
            throw UsageError { "--all plays every country: name none" };
        o.season.pairings = sim::AllPairings(sim::ShippedCountries());
        if (o.season.pairings.empty())
            throw UsageError { "--all needs two squads beside the program; found "
                + CountryList() };
        return;
    }
    if (o.countries.size() != 2)
        throw UsageError { "name two countries, or --all" };
    for (const std::string& c : o.countries)
        if (!TeamExists(c))
            throw UsageError { "no squad for \"" + c + "\"; the countries are " + CountryList() };
    if (o.countries[0] == o.countries[1])
        throw UsageError { "a country cannot play itself" };
    o.season.pairings = { { o.countries[0], o.countries[1] } };
}

// A bar on the terminal that redraws itself in place, at most once a per cent.
void ShowProgress(int done, int total)
{
    static int shown = -1;
    const int percent = static_cast<int>(100LL * done / total);
    if (percent == shown && done != total)
        return;
    shown = percent;
    constexpr int kWidth = 40;
    const int filled = kWidth * percent / 100;
    std::fprintf(stderr, "\r[%s%s] %3d%%  %d of %d matches", std::string(filled, '#').c_str(),
        std::string(kWidth - filled, '.').c_str(), percent, done, total);
    if (done == total)
        std::fprintf(stderr, "\r%*s\r", kWidth + 40, "");
    std::fflush(stderr);
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    try {
        options = Parse(argc, argv);
        ChoosePairings(options);
    } catch (const UsageError& e) {
        std::cerr << "stumpcraft-sim: " << e.why << "\n(stumpcraft-sim --help tells more)\n";
        return 2;
    }
    const bool terminal = isatty(STDERR_FILENO) != 0;
    if (terminal)
        options.season.progress = ShowProgress;
    try {
        const auto start = std::chrono::steady_clock::now();
        const sim::SeasonTally season = sim::PlaySeason(options.season);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::cout << (options.json ? sim::SeasonJson(season) : sim::SeasonTable(season));
        if (terminal)
            std::fprintf(stderr, "%d matches in %.2f s\n", season.matches, took.count());
    } catch (const RuntimeError& e) {
        std::cerr << "stumpcraft-sim: " << e.Number() << ": " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "stumpcraft-sim: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
