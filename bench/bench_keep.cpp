// What keeping the match costs a press: "Next Bowl" pressed on a match of the computer against
// itself, with the match kept after every press (/1) and without (/0). Kept, each press is one
// SQLite transaction in a file of a folder of its own (WAL, synchronous NORMAL).
#include "BenchSides.h"
#include "forms/frmMain.h"
#include "modules/KeepMatch.h"
#include "modules/modProcs.h"
#include "modules/modVars.h"
#include "platform/AppPath.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using namespace stumpcraft;

FrmMain& NewMatch(std::uint32_t seed)
{
    if (FrmMain* open = forms::IfLoaded<FrmMain>())
        open->Unload();
    forms::CollectUnloaded();
    bench::SetUpSides();
    SeedRandomDraw(seed);
    return frmMain();
}

void BM_Press(benchmark::State& state)
{
    const auto folder = std::filesystem::temp_directory_path()
        / ("stumpcraft-bench-keep-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    SetAppPath(folder.string());
    KeepMatchesInPlay = state.range(0) != 0;
    std::uint32_t seed = 1;
    FrmMain* f = &NewMatch(seed);
    for (auto _ : state) {
        if (MatchOver) {
            state.PauseTiming();
            f = &NewMatch(++seed);
            state.ResumeTiming();
        }
        if (State.InningsButtonMode == InningsButton::ChangeInnings)
            f->cmdChange.UserClick();
        else
            f->CmdNBowl.UserClick();
    }
    keeper::CloseArchive();
    KeepMatchesInPlay = false;
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_Press)->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
