// EventsBench.cpp - the key reader's cost while it waits: the CPU time of a
// loop idle for 5 s with a 100 ms timer and a silent watched descriptor, and
// the delay from a descriptor becoming readable to its callback running.
// Keys would come from a pipe that stays open and silent, so no read ends.
#include <CurInit.h>
#include <benchmark/benchmark.h>
#include "BenchMain.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#include <vector>

static long long nowUs()
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1000000 + ts.tv_nsec / 1000;
}

static long long cpuUs()
{
    struct rusage use;
    getrusage(RUSAGE_SELF, &use);
    return (long long)(use.ru_utime.tv_sec + use.ru_stime.tv_sec) * 1000000
           + use.ru_utime.tv_usec + use.ru_stime.tv_usec;
}

struct Idle {
    long long end;
    int       ticks;
};

static bool tick(void* data)
{
    Idle* idle = static_cast<Idle*>(data);
    idle->ticks++;
    return nowUs() >= idle->end;           // stops the wait after 5 s
}

static bool never(int, void*)
{
    return false;
}

static void BM_IdleFiveSeconds(benchmark::State& state)
{
    int silent[2];
    if (pipe(silent) != 0)
        return state.SkipWithError("no pipe");
    for (auto _ : state) {
        Idle idle = {nowUs() + 5000000, 0};
        int timer = CurInit::addTimer(100, tick, &idle);
        int watch = CurInit::addWatch(silent[0], never, nullptr);
        long long cpu = cpuUs(), wall = nowUs();
        CurInit::readKey(nullptr);
        state.counters["cpu_percent"] = 100.0 * (double)(cpuUs() - cpu) / (double)(nowUs() - wall);
        state.counters["ticks"] = idle.ticks;
        CurInit::removeTimer(timer);
        CurInit::removeWatch(watch);
    }
    close(silent[0]);
    close(silent[1]);
}
BENCHMARK(BM_IdleFiveSeconds)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

struct Latency {
    std::vector<long long> delays;
    size_t wanted;
};

static bool arrived(int fd, void* data)
{
    Latency* l = static_cast<Latency*>(data);
    long long sent;
    if (read(fd, &sent, sizeof sent) == (ssize_t)sizeof sent)
        l->delays.push_back(nowUs() - sent);
    return l->delays.size() >= l->wanted;
}

// A writer thread stamps each write with its time; the watch's callback
// measures how long the stamp took to reach it.
static void BM_WatchLatency(benchmark::State& state)
{
    int fds[2];
    if (pipe(fds) != 0)
        return state.SkipWithError("no pipe");
    for (auto _ : state) {
        Latency l = {{}, 500};
        int watch = CurInit::addWatch(fds[0], arrived, &l);
        std::thread writer([&] {
            for (size_t i = 0; i < l.wanted; i++) {
                usleep(2000);
                long long t = nowUs();
                if (write(fds[1], &t, sizeof t) != (ssize_t)sizeof t)
                    return;
            }
        });
        while (l.delays.size() < l.wanted)
            CurInit::readKey(nullptr);
        writer.join();
        CurInit::removeWatch(watch);
        std::sort(l.delays.begin(), l.delays.end());
        state.counters["median_us"] = (double)l.delays[l.delays.size() / 2];
        state.counters["p99_us"] = (double)l.delays[l.delays.size() * 99 / 100];
    }
    close(fds[0]);
    close(fds[1]);
}
BENCHMARK(BM_WatchLatency)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    return benchMain(argc, argv, BenchSetup{SILENT_PIPE_INPUT, false, nullptr});
}
