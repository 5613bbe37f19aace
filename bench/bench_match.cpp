// The engine at full speed: one delivery alone, and whole two-innings matches of 50 overs
// played through the match screen's buttons, both sides captained by the computer. The
// checksum pins the seeded matches' scorecards: a change to it is a change to how the game
// plays.
#include "BenchSides.h"
#include "forms/frmMain.h"
#include "modules/modProcs.h"
#include "modules/modRun.h"
#include "modules/modVars.h"
#include "platform/Services.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

using namespace stumpcraft;
using bench::SetUpSides;

// Every figure of both sides, folded into one number.
std::uint64_t ScorecardChecksum()
{
    std::uint64_t sum = 1469598103934665603ULL;
    auto mix
        = [&sum](long long v) { sum = (sum ^ static_cast<std::uint64_t>(v)) * 1099511628211ULL; };
    for (int side = 0; side < 2; ++side) {
        const MatchTeam& t = Teams[side];
        mix(t.Runs);
        mix(t.Balls);
        mix(t.Wickets);
        for (int w = 1; w <= t.Wickets; ++w)
            mix(t.FallOfWicket[w]);
        for (int s = 0; s <= 10; ++s) {
            const MatchPlayer& p = t.Plr[s];
            for (int v : { p.Runs, p.BallsFaced, p.Dots, p.Ones, p.Twos, p.Threes, p.Fours, p.Fives,
                     p.Sixes, p.BallsBowled, p.Maidens, p.RunsGiven, p.WicketsTaken })
                mix(v);
        }
    }
    return sum;
}

// One whole match from the screen's load to its result. The screen is then unloaded as the
// exit button does, without the main menu behind it: opening the menu (and its records file)
// is no part of a match.
std::uint64_t PlayMatch(std::uint32_t seed)
{
    SetUpSides();
    SeedRandomDraw(seed);
    FrmMain& f = frmMain();
    int presses = 0;
    while (!MatchOver && ++presses < 1000) {
        if (State.InningsButtonMode == InningsButton::ChangeInnings)
            f.cmdChange.UserClick();
        else
            f.CmdNOver.UserClick();
    }
    const std::uint64_t checksum = ScorecardChecksum() ^ static_cast<std::uint64_t>(presses);
    f.Unload(); // leaves the match: the screen is thrown away
    return checksum;
}

// Set when the seeded matches came out other than pinned: the program then fails, so that CI
// sees any change to how the game plays.
bool checksumChanged = false;

constexpr std::uint64_t kExpectedChecksum = 4179304528587117523ULL;

void BM_PlayBall(benchmark::State& state)
{
    Platform() = Services {};
    SeedRandomDraw(1);
    FrmMain* f = nullptr;
    auto freshInnings = [&f] {
        if (f)
            f->Unload();
        SetUpSides();
        f = &frmMain();
        f->HScroll1[0].Value = 3;
        f->HScroll1[1].Value = 3;
    };
    freshInnings();
    for (auto _ : state) {
        if (Teams[CurrBatSide].Wickets == 10 || Teams[CurrBatSide].Balls == Overs * 6) {
            state.PauseTiming();
            freshInnings();
            state.ResumeTiming();
        }
        if (BallOfOver == 6)
            BallOfOver = 0;
        BallOfOver += 1;
        PlayBall(Teams[CurrBatSide].Plr[Batsman1].OnStrike ? 1 : 2);
    }
    forms::ResetAll();
}
BENCHMARK(BM_PlayBall);

// The match screen made and thrown away, as every match does once, with nothing played.
void BM_ScreenLoad(benchmark::State& state)
{
    Platform() = Services {};
    SetUpSides();
    for (auto _ : state) {
        FrmMain& f = frmMain();
        benchmark::DoNotOptimize(&f);
        f.Unload();
    }
    forms::ResetAll();
}
BENCHMARK(BM_ScreenLoad)->Unit(benchmark::kMicrosecond);

void BM_WholeMatch(benchmark::State& state)
{
    Platform() = Services {}; // no toolkit: message boxes answer OK at once
    std::uint64_t checksum = 0;
    for (auto _ : state) {
        checksum = 0;
        for (std::uint32_t seed = 1; seed <= 10; ++seed)
            checksum ^= PlayMatch(seed) * seed;
        benchmark::DoNotOptimize(checksum);
    }
    state.counters["checksum"] = static_cast<double>(checksum % 1000000007ULL);
    state.counters["matches/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * 10, benchmark::Counter::kIsRate);
    if (checksum != kExpectedChecksum) {
        static std::string why;
        why = "the seeded scorecards changed: checksum " + std::to_string(checksum);
        state.SkipWithError(why.c_str());
        checksumChanged = true;
    }
}
BENCHMARK(BM_WholeMatch)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return checksumChanged ? 1 : 0;
}
