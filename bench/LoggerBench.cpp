// LoggerBench.cpp - lines into a log pane (22 x 78 inside) logged one by
// one, each shown at once, against the same lines in bulk (logLines, and
// log between hold and release): time and bytes on the wire.
#include <CurInit.h>
#include <CurLogger.h>
#include <benchmark/benchmark.h>
#include "BenchMain.h"

#include <string>
#include <unistd.h>

// The bytes the terminal got, once its reader has caught up.
static long long settledBytes()
{
    long long seen = -1;
    while (seen != *benchBytes) {
        seen = *benchBytes;
        usleep(50000);
    }
    return seen;
}

enum Way { ONE_BY_ONE = 0, LOG_LINES = 1, HELD = 2 };

static void BM_LogLines(benchmark::State& state)
{
    const long count = state.range(0);
    const Way way = (Way)state.range(1);
    for (auto _ : state) {
        state.PauseTiming();
        CurLogger pane(24, 80, 0, 0);
        pane.update();
        std::string text;
        if (way == LOG_LINES)
            for (long i = 0; i < count; i++)
                text += "build step " + std::to_string(i) + ": compiling a file of the project\n";
        long long before = settledBytes();
        state.ResumeTiming();
        if (way == LOG_LINES) {
            pane.logLines(text);
        } else {
            if (way == HELD)
                pane.hold();
            for (long i = 0; i < count; i++)
                pane.log("build step " + std::to_string(i) + ": compiling a file of the project");
            if (way == HELD)
                pane.release();
        }
        state.PauseTiming();
        state.counters["bytes"] = (double)(settledBytes() - before);
        state.counters["lines_per_s"] = benchmark::Counter((double)count, benchmark::Counter::kIsRate);
        state.ResumeTiming();
    }
}
// One by one is measured on 100,000 lines: a million take minutes that way.
BENCHMARK(BM_LogLines)->ArgNames({"lines", "way"})->Args({100000, ONE_BY_ONE})
    ->Args({1000000, LOG_LINES})->Args({1000000, HELD})
    ->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    return benchMain(argc, argv, BenchSetup{SILENT_PIPE_INPUT, true, nullptr});
}
