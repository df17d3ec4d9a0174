// BoxesBench.cpp - the viewer's cost per key at the start, the middle and
// the end of a 100 MB file (made in a temporary directory and removed at the
// end), and the bytes the box program writes to the terminal for a message
// and a yes/no box next to the library's own one-call boxes.
#include <CurInit.h>
#include <CurTDialog.h>
#include <CurViewer.h>
#include <CurWindow.h>
#include <benchmark/benchmark.h>
#include "BenchMain.h"
#include <curses.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <pty.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

static const long long FILE_BYTES = 100LL * 1000 * 1000;
static std::string tempDir;
static std::string bigPath;

// Lines of 80 bytes, numbered, so that a search finds the middle one.
static const std::string& bigFile()
{
    if (!bigPath.empty())
        return bigPath;
    char pattern[] = "/tmp/velmora-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        abort();
    tempDir = pattern;
    bigPath = tempDir + "/big.txt";
    FILE* f = fopen(bigPath.c_str(), "w");
    if (f == nullptr)
        abort();
    for (long long n = 0, written = 0; written < FILE_BYTES; n++)
        written += fprintf(f, "line %09lld the quick brown fox jumps over the lazy dog, again %7lld\n",
                           n, n % 1000000);
    fclose(f);
    return bigPath;
}

// Arg 0, 1, 2: the start, the middle (found by a search) and the end. Each
// iteration is two keys that leave the view where it was.
static void viewerKeys(benchmark::State& state, int forward, int back)
{
    CurWindow win(24, 80, 0, 0);
    CurViewer viewer(&win);
    viewer.setGeometry(24, 80, 0, 0);
    if (!viewer.openFile(bigFile().c_str()))
        state.SkipWithError("cannot open the file");
    if (state.range(0) == 1)
        viewer.search("line 000625000 ");
    if (state.range(0) == 2)
        viewer.processKey(KEY_END);
    bool atEnd = state.range(0) == 2;
    for (auto _ : state) {
        viewer.processKey(atEnd ? back : forward);
        viewer.processKey(atEnd ? forward : back);
    }
    state.counters["top_MB"] = viewer.getTop() / 1e6;
    state.SetItemsProcessed(state.iterations() * 2);
}

static void BM_ViewerLineKeys(benchmark::State& state)
{
    viewerKeys(state, KEY_DOWN, KEY_UP);
}
BENCHMARK(BM_ViewerLineKeys)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

static void BM_ViewerPageKeys(benchmark::State& state)
{
    viewerKeys(state, KEY_NPAGE, KEY_PPAGE);
}
BENCHMARK(BM_ViewerPageKeys)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// One line of 64,000 bytes of words, wrapped: about 850 rows. From the
// end, Page Up and End: each goes a page up through the line's rows.
static void BM_ViewerWrappedLongLine(benchmark::State& state)
{
    std::string line;
    while (line.size() < 64000)
        line += "wrapped words ";
    CurWindow win(24, 80, 0, 0);
    CurViewer viewer(&win);
    viewer.setGeometry(24, 80, 0, 0);
    viewer.setText(line.c_str());
    viewer.setWrap(true);
    viewer.processKey(KEY_END);
    for (auto _ : state) {
        viewer.processKey(KEY_PPAGE);
        viewer.processKey(KEY_END);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_ViewerWrappedLongLine)->Unit(benchmark::kMicrosecond);

// Runs argv on a 24 x 80 pseudo-terminal, presses Enter once the output
// has rested for 300 ms, and returns the bytes it wrote until it ended.
static long bytesOnTerminal(const char* const* argv)
{
    struct winsize ws = {};
    ws.ws_row = 24;
    ws.ws_col = 80;
    int master = -1;
    pid_t pid = forkpty(&master, nullptr, nullptr, &ws);
    if (pid == 0) {
        setenv("TERM", "xterm", 1);
        execv(argv[0], const_cast<char* const*>(argv));
        _exit(127);
    }
    long total = 0;
    bool pressed = false;
    char buf[4096];
    for (;;) {
        struct pollfd p = {master, POLLIN, 0};
        int ready = poll(&p, 1, 300);
        if (ready == 0 && !pressed) {
            pressed = write(master, "\r", 1) == 1;
            continue;
        }
        ssize_t n = ready > 0 ? read(master, buf, sizeof buf) : 0;
        if (n <= 0 && ready != 0)
            break;
        total += n > 0 ? n : 0;
    }
    int status;
    waitpid(pid, &status, 0);
    close(master);
    return total;
}

static std::string self;

static void terminalBytes(benchmark::State& state, const char* const* argv)
{
    long bytes = 0;
    for (auto _ : state)
        bytes = bytesOnTerminal(argv);
    state.counters["bytes"] = (double)bytes;
}

static void BM_BytesBoxProgramMessage(benchmark::State& state)
{
    const char* argv[] = {VELMORA_BOX, "--msgbox", "Hello there", "0", "0", nullptr};
    terminalBytes(state, argv);
}
static void BM_BytesLibraryMessage(benchmark::State& state)
{
    const char* argv[] = {self.c_str(), "--child", "message", nullptr};
    terminalBytes(state, argv);
}
static void BM_BytesBoxProgramYesNo(benchmark::State& state)
{
    const char* argv[] = {VELMORA_BOX, "--yesno", "Hello there", "0", "0", nullptr};
    terminalBytes(state, argv);
}
static void BM_BytesLibraryYesNo(benchmark::State& state)
{
    const char* argv[] = {self.c_str(), "--child", "question", nullptr};
    terminalBytes(state, argv);
}
BENCHMARK(BM_BytesBoxProgramMessage)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BytesLibraryMessage)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BytesBoxProgramYesNo)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BytesLibraryYesNo)->Iterations(1)->Unit(benchmark::kMillisecond);

// The library's boxes with the box program's text, as a program would call them.
static int child(const char* which)
{
    CurInit::initialize();
    if (strcmp(which, "message") == 0)
        CurTDialog::showMessage(-1, -1, 0, "Hello there", nullptr);
    else
        CurTDialog::showQuestion(-1, -1, 0, "Hello there", nullptr, "Yes", "No", true);
    CurInit::cleanup();
    return 0;
}

// The big file goes with the temporary directory it was made in.
static void removeBigFile()
{
    if (!tempDir.empty()) {
        unlink(bigPath.c_str());
        rmdir(tempDir.c_str());
    }
}

int main(int argc, char** argv)
{
    if (argc > 2 && strcmp(argv[1], "--child") == 0)
        return child(argv[2]);
    char path[4096];
    ssize_t len = readlink("/proc/self/exe", path, sizeof path - 1);
    self = len > 0 ? std::string(path, len) : argv[0];
    return benchMain(argc, argv, BenchSetup{KEEP_INPUT, true, nullptr, removeBigFile});
}
