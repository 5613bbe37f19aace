// The one-innings total read from its box: the box takes 32,767 characters, so a pasted or
// held-down total must be answered at once, its time growing no faster than its length.
#include "modules/NumberFormat.h"
#include "platform/Errors.h"

#include <benchmark/benchmark.h>
#include <string>

// Arg: how many digits, then a letter that makes it no number.
static void BM_TotalWithALetterAtTheEnd(benchmark::State& state)
{
    const std::string typed = std::string(static_cast<std::size_t>(state.range(0)), '1') + "x";
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(stumpcraft::ParseWholeNumber(typed));
        } catch (const stumpcraft::RuntimeError& error) {
            benchmark::DoNotOptimize(error.Number());
        }
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_TotalWithALetterAtTheEnd)->RangeMultiplier(10)->Range(10, 100'000)->Complexity();

// A long run of leading zeros before a total in range: every digit is looked at.
static void BM_TotalAfterZeros(benchmark::State& state)
{
    const std::string typed = std::string(static_cast<std::size_t>(state.range(0)), '0') + "250";
    for (auto _ : state)
        benchmark::DoNotOptimize(stumpcraft::ParseWholeNumber(typed));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_TotalAfterZeros)->RangeMultiplier(10)->Range(10, 100'000)->Complexity();

BENCHMARK_MAIN();
