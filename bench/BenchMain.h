// BenchMain.h - the main shared by the benchmark programs: the work runs in a
// child in a session of its own, curses draws on a pseudo-terminal nobody
// watches and the report goes to the standard output the program was started with.
#ifndef VELMORA_BENCHMAIN_H
#define VELMORA_BENCHMAIN_H
#include <CurInit.h>
#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/ioctl.h>
#include <sys/mman.h>
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

// The bytes the terminal has received so far, counted by the process that
// reads them (shared memory); for benchmarks that report bytes on the wire.
static volatile long long* benchBytes = nullptr;

// The screen for the child: a pseudo-terminal of 24 x 80 on standard
// output (the toolkit draws on no file that is not a terminal), whose
// output a process of its own reads, counts and throws away until the child ends.
static bool benchScreen()
{
    void* shared = mmap(nullptr, sizeof(long long), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared != MAP_FAILED)
        benchBytes = static_cast<volatile long long*>(shared);
    int master = posix_openpt(O_RDWR | O_NOCTTY);
    int slave = -1;
    if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0)
        slave = open(ptsname(master), O_RDWR | O_NOCTTY);
    struct winsize size = {24, 80, 0, 0};
    if (slave < 0 || ioctl(slave, TIOCSWINSZ, &size) != 0 || dup2(slave, 1) < 0)
        return false;
    close(slave);
    if (fork() == 0) {
        close(STDOUT_FILENO);           // the terminal's last user is the child
        char buffer[4096];
        ssize_t n;
        while ((n = read(master, buffer, sizeof buffer)) > 0 || errno == EINTR)
            if (n > 0 && benchBytes != nullptr)
                *benchBytes += n;
        _exit(0);
    }
    close(master);
    return true;
}

// A new session has no controlling terminal for curses to reach.
static int benchChild(int argc, char** argv, const BenchSetup& setup, int report)
{
    if (setsid() < 0 || !benchInput(setup.input) || !benchScreen())
        return 1;
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
