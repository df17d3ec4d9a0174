// BenchMain.h - the main shared by the benchmark programs: the work runs in a
// child in a session of its own, curses draws into /dev/null and the report
// goes to the standard output the program was started with.
#ifndef VELMORA_BENCHMAIN_H
#define VELMORA_BENCHMAIN_H
#include <CurInit.h>
#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

// What the benchmarks' keys come from.
enum BenchInput {
    KEEP_INPUT,        // the standard input as started: no benchmark reads keys
    NULL_INPUT,        // /dev/null: a loop sees the input end and returns at once
    SILENT_PIPE_INPUT  // a pipe kept open and silent: a loop waits, no read ends
};

struct BenchSetup {
    BenchInput input;
    bool fixedTerm;                       // TERM=xterm always, not only when unset
    bool (*instead)(int argc, char** argv); // may run something else and return true
    void (*after)() = nullptr;            // runs once the benchmarks are done, before cleanup
};

// The child's standard input as the setup asks; false when that fails.
static bool benchInput(BenchInput input)
{
    if (input == KEEP_INPUT)
        return true;
    int fds[2];
    if (input == NULL_INPUT) {
        fds[0] = open("/dev/null", O_RDONLY);
        if (fds[0] < 0)
            return false;
    } else if (pipe(fds) != 0) {
        return false;               // the writing end stays open until the exit
    }
    bool moved = dup2(fds[0], 0) >= 0;
    close(fds[0]);
    return moved;
}

// With standard output not a terminal the toolkit draws on the controlling
// terminal; a new session without one keeps it on /dev/null.
static int benchChild(int argc, char** argv, const BenchSetup& setup, int report)
{
    int devnull = open("/dev/null", O_WRONLY);
    if (devnull < 0 || setsid() < 0 || !benchInput(setup.input) || dup2(devnull, 1) < 0)
        return 1;
    close(devnull);
    const char* term = getenv("TERM");
    if (setup.fixedTerm || term == nullptr || term[0] == '\0')
        setenv("TERM", "xterm", 1);
    CurInit::initialize();
    if (setup.instead != nullptr && setup.instead(argc, argv))
        return 0;

    std::ofstream out("/proc/self/fd/" + std::to_string(report));
    benchmark::Initialize(&argc, argv);
    benchmark::ConsoleReporter reporter(benchmark::ConsoleReporter::OO_Tabular);
    reporter.SetOutputStream(&out);
    reporter.SetErrorStream(&out);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (setup.after != nullptr)
        setup.after();
    CurInit::cleanup();
    return 0;
}

// Runs the registered benchmarks as above; the child's status is the program's.
static int benchMain(int argc, char** argv, const BenchSetup& setup)
{
    int report = dup(1);
    if (report < 0)
        return 1;
    pid_t child = fork();
    if (child == 0)
        _exit(benchChild(argc, argv, setup, report));
    int status = 1;
    while (child > 0 && waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return child > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
#endif
