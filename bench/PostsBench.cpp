// PostsBench.cpp - work posted to the loop from other threads: posts per
// second from 1 and 8 threads, and the delay from post to run (median and
// 99th percentile) while the loop idles and while it draws a log pane at
// every turn.
#include <CurInit.h>
#include <CurLogger.h>
#include <benchmark/benchmark.h>
#include "BenchMain.h"

#include <algorithm>
#include <atomic>
#include <ctime>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

static long long nowNs()
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1000000000 + ts.tv_nsec;
}

// Threads post a million in all while the loop runs them; the time is from
// the first post to the last run.
static void BM_PostsPerSecond(benchmark::State& state)
{
    const int threads = (int)state.range(0);
    const long total = 1000000, each = total / threads;
    for (auto _ : state) {
        long ran = 0;
        std::vector<std::thread> posters;
        long long start = nowNs();
        for (int t = 0; t < threads; t++)
            posters.emplace_back([&] {
                for (long i = 0; i < each; i++)
                    CurInit::post([&ran] { ran++; });
            });
        int stop = CurInit::addTimer(1, [&] { return ran == each * threads; });
        while (CurInit::readKey(nullptr) != CurInit::STOP) {
        }
        long long took = nowNs() - start;
        for (std::thread& p : posters)
            p.join();
        CurInit::removeTimer(stop);
        state.SetIterationTime((double)took / 1e9);
        state.counters["posts_per_s"] = (double)(each * threads) * 1e9 / (double)took;
    }
}
BENCHMARK(BM_PostsPerSecond)->Arg(1)->Arg(8)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// One post every 200 microseconds, stamped with its time; drawing, a timer
// logs a line to a pane and shows it at every turn of the loop.
static void BM_PostDelay(benchmark::State& state)
{
    const bool drawing = state.range(0) != 0;
    for (auto _ : state) {
        std::vector<long long> delays;
        const size_t wanted = 2000;
        CurLogger pane(10, 60, 2, 2);
        int lines = 0;
        int draw = drawing ? CurInit::addTimer(0, [&] {
            pane.log("drawing line " + std::to_string(++lines));
            return false;
        }) : -1;
        std::thread poster([&] {
            for (size_t i = 0; i < wanted; i++) {
                usleep(200);
                long long sent = nowNs();
                CurInit::post([&delays, sent] { delays.push_back(nowNs() - sent); });
            }
        });
        int stop = CurInit::addTimer(1, [&] { return delays.size() >= wanted; });
        while (CurInit::readKey(nullptr) != CurInit::STOP) {
        }
        poster.join();
        CurInit::removeTimer(stop);
        CurInit::removeTimer(draw);
        CurInit::runPosts();
        std::sort(delays.begin(), delays.end());
        state.counters["median_us"] = (double)delays[delays.size() / 2] / 1000.0;
        state.counters["p99_us"] = (double)delays[delays.size() * 99 / 100] / 1000.0;
    }
}
BENCHMARK(BM_PostDelay)->ArgName("drawing")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    return benchMain(argc, argv, BenchSetup{SILENT_PIPE_INPUT, false, nullptr});
}
