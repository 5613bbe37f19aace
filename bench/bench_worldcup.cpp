// A whole fifty-over World Cup of 33 simulated matches: the draw, both groups, the knockouts,
// each match through the match screen's window model and the engine with the computer
// captaining both sides, its card built and the tables worked out as the window shows them.
// The shipped squads are read from the program's folder; nothing is written.
#include "forms/WorldCupPlay.h"
#include "modules/WorldCup.h"
#include "modules/modProcs.h"

#include <benchmark/benchmark.h>

namespace {

using namespace stumpcraft;

void BM_WorldCup(benchmark::State& state)
{
    long long runs = 0;
    std::string champion;
    for (auto _ : state) {
        SeedRandomDraw(2026);
        WorldCupRun run = BeginWorldCup({}, 50, 2026);
        SimulateToHumanMatch(run);
        runs = 0;
        for (const worldcup::PlayedMatch& m : run.cup.played)
            runs += m.innings[0].runs + m.innings[1].runs;
        for (int g = 0; g < 2; ++g)
            benchmark::DoNotOptimize(worldcup::GroupTable(run.cup, g));
        champion = worldcup::Champion(run.cup);
    }
    // The tournament's runs: the same on every run of an unchanged engine and squads.
    state.counters["runs"] = static_cast<double>(runs);
    state.SetLabel("champions " + champion);
}
BENCHMARK(BM_WorldCup)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
