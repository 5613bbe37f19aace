// The draw behind every delivery; a whole match makes a few thousand of them.
#include "modules/modProcs.h"

#include <benchmark/benchmark.h>

static void BM_RandomDraw(benchmark::State& state)
{
    stumpcraft::SeedRandomDraw(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(stumpcraft::RandomDraw(1, 32767));
}
BENCHMARK(BM_RandomDraw);

BENCHMARK_MAIN();
