// RegistryBench.cpp - the window registry's cost: 100,000 windows created
// and deleted oldest first, newest first and in a shuffled order, and the
// start-up of a message box program (run under callgrind for instructions).
// The registry is measured with windows that get no curses window (0 x 0):
// curses' own delwin walks its list of every window, so 10,000 real ones,
// measured too, show curses' share.
#include <CurInit.h>
#include <CurTDialog.h>
#include <CurWindow.h>
#include <benchmark/benchmark.h>
#include "BenchMain.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>


enum Order { OLDEST_FIRST, NEWEST_FIRST, SHUFFLED };

static void createAndDelete(benchmark::State& state)
{
    const int windowCount = (int)state.range(1);
    const int size = state.range(2) ? 1 : 0;
    std::vector<CurWindow*> windows(windowCount);
    std::mt19937 random(7);
    for (auto _ : state) {
        for (int i = 0; i < windowCount; i++)
            windows[i] = new CurWindow(size, size, i % 20, i % 70);
        if (state.range(0) == NEWEST_FIRST)
            std::reverse(windows.begin(), windows.end());
        else if (state.range(0) == SHUFFLED)
            std::shuffle(windows.begin(), windows.end(), random);
        for (CurWindow* w : windows)
            delete w;
    }
    state.SetItemsProcessed(state.iterations() * windowCount);
}
// Arguments: order, number of windows, curses windows (1) or none (0).
BENCHMARK(createAndDelete)
    ->Args({OLDEST_FIRST, 100000, 0})
    ->Args({NEWEST_FIRST, 100000, 0})
    ->Args({SHUFFLED, 100000, 0})
    ->Args({OLDEST_FIRST, 10000, 1})
    ->Args({SHUFFLED, 10000, 1})
    ->Unit(benchmark::kMillisecond);

// "--startup" runs only the message box program's start, for
//   valgrind --tool=callgrind bench_registry --startup
// One message box: input at its end, so the box's loop returns at once.
static bool startupOnly(int argc, char** argv)
{
    if (argc < 2 || strcmp(argv[1], "--startup") != 0)
        return false;
    CurTDialog::showMessage(-1, -1, 0, "Started.", "Start-up");
    CurInit::cleanup();
    return true;
}

int main(int argc, char** argv)
{
    return benchMain(argc, argv, BenchSetup{NULL_INPUT, true, startupOnly});
}
