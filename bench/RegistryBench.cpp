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

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <string>
#include <sys/wait.h>
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

// Curses draws into /dev/null. The work runs in a child without a
// controlling terminal, so that the toolkit does not take the terminal the
// benchmark was started from; the report goes to the standard output.
static int run(int argc, char** argv, int report)
{
    int devnull = open("/dev/null", O_RDWR);
    if (devnull < 0 || setsid() < 0 || dup2(devnull, 0) < 0 || dup2(devnull, 1) < 0)
        return 1;
    close(devnull);
    setenv("TERM", "xterm", 1);
    CurInit::initialize();
    if (argc > 1 && strcmp(argv[1], "--startup") == 0) {
        // One message box: input at its end, so the box's loop returns at once.
        CurTDialog::showMessage(-1, -1, 0, "Started.", "Start-up");
        CurInit::cleanup();
        return 0;
    }
    std::ofstream out("/proc/self/fd/" + std::to_string(report));
    benchmark::Initialize(&argc, argv);
    benchmark::ConsoleReporter reporter(benchmark::ConsoleReporter::OO_Tabular);
    reporter.SetOutputStream(&out);
    reporter.SetErrorStream(&out);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    CurInit::cleanup();
    return 0;
}

// "--startup" runs only the message box program's start, for
//   valgrind --tool=callgrind bench_registry --startup
int main(int argc, char** argv)
{
    int report = dup(1);
    pid_t child = fork();
    if (child == 0)
        _exit(run(argc, argv, report));
    int status = 1;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
