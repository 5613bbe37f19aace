// The season simulator at full speed: 10,000 fifty-over matches between two shipped squads,
// through the match screen's window model and the engine, the computer captaining both
// sides, with the season's tables tallied. The squads are read from the program's folder.
#include "sim/Season.h"

#include <benchmark/benchmark.h>

namespace {

using namespace stumpcraft;

void BM_Season(benchmark::State& state)
{
    sim::SeasonSettings settings;
    settings.pairings = { { "Australia", "Bangladesh" } };
    settings.matchesEach = static_cast<int>(state.range(0));
    settings.overs = 50;
    settings.seed = 20261206;
    long long runs = 0;
    for (auto _ : state) {
        const sim::SeasonTally season = sim::PlaySeason(settings);
        runs = season.sides[0].runs + season.sides[1].runs;
        benchmark::DoNotOptimize(runs);
    }
    // The season's runs: the same on every run of an unchanged engine and unchanged squads.
    state.counters["runs"] = static_cast<double>(runs);
    state.counters["matches/s"]
        = benchmark::Counter(static_cast<double>(state.iterations()) * settings.matchesEach,
            benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Season)->Arg(10000)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
