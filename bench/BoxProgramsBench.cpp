// BoxProgramsBench.cpp - the box program next to the two box programs
// scripts use most, where they are installed: for each box, the bytes each
// writes to a 24 x 80 terminal from its start until it ends (Enter pressed
// once the box is drawn) and the time until the box is drawn, the fastest
// of five runs.
#include <benchmark/benchmark.h>
#include "BenchMain.h"

#include <chrono>
#include <cstring>
#include <poll.h>
#include <pty.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Measure {
    long   bytes = 0;
    double drawnMs = 0;                  // the last byte before the output rested
};

const int REST_MS = 300;                 // quiet for that long: the box is drawn

// Runs the shell command on a pseudo-terminal; Enter goes in once the
// output rests, and the program's bytes are counted until it ends.
Measure onTerminal(const std::string& command)
{
    struct winsize ws = {};
    ws.ws_row = 24;
    ws.ws_col = 80;
    int master = -1;
    auto start = std::chrono::steady_clock::now();
    pid_t pid = forkpty(&master, nullptr, nullptr, &ws);
    if (pid == 0) {
        setenv("TERM", "xterm", 1);
        execl("/bin/sh", "sh", "-c", command.c_str(), (char*)nullptr);
        _exit(127);
    }
    Measure m;
    bool pressed = false;
    char buf[4096];
    for (;;) {
        struct pollfd p = {master, POLLIN, 0};
        int ready = poll(&p, 1, REST_MS);
        if (ready == 0 && !pressed) {
            pressed = write(master, "\r", 1) == 1;
            continue;
        }
        ssize_t n = ready > 0 ? read(master, buf, sizeof buf) : 0;
        if (n <= 0 && ready != 0)
            break;
        if (n > 0 && !pressed) {
            m.bytes += n;
            m.drawnMs = std::chrono::duration<double, std::milli>(
                std::chrono::steady_clock::now() - start).count();
        } else if (n > 0) {
            m.bytes += n;
        }
    }
    int status;
    waitpid(pid, &status, 0);
    close(master);
    return m;
}

// The boxes, as a script calls them; PROG stands for the program.
const struct { const char* name; const char* call; } BOXES[] = {
    {"msgbox", "PROG --msgbox 'Hello there' 0 0"},
    {"yesno", "PROG --yesno 'Go on?' 0 0"},
    {"inputbox", "PROG --inputbox 'Name?' 0 0 Bob"},
    {"passwordbox", "PROG --passwordbox 'Key?' 0 0"},
    {"menu", "PROG --menu 'Pick one' 0 0 0 a Apple b Banana c Cherry"},
    {"checklist", "PROG --checklist 'Pick' 0 0 0 a Apple on b Banana off c Cherry off"},
    {"radiolist", "PROG --radiolist 'Pick' 0 0 0 a Apple on b Banana off c Cherry off"},
    {"textbox", "PROG --textbox /etc/services 20 70"},
    {"gauge", "{ echo 50; sleep 0.5; echo 100; } | PROG --gauge 'Copying' 0 0 0"},
    {"infobox", "PROG --infobox 'Please wait' 0 0"},
};

std::string programCall(const char* call, const std::string& program)
{
    std::string s = call;
    size_t at = s.find("PROG");
    return s.replace(at, 4, program) + " 2>/dev/null";
}

// The fastest of a few runs: a machine shared with other work slows single
// runs by more than the programs differ.
const int RUNS = 5;

void box(benchmark::State& state, std::string command)
{
    Measure m;
    for (auto _ : state)
        for (int i = 0; i < RUNS; i++) {
            Measure run = onTerminal(command);
            if (i == 0 || run.drawnMs < m.drawnMs)
                m = run;
        }
    state.counters["bytes"] = (double)m.bytes;
    state.counters["drawn_ms"] = m.drawnMs;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::pair<std::string, std::string>> programs = {{"velmora", VELMORA_BOX}};
    // The box program also runs under the two names, in their looks, from links.
    char links[] = "/tmp/velmora-bench-XXXXXX";
    bool linked = mkdtemp(links) != nullptr;
    for (const char* name : {"whiptail", "dialog"}) {
        std::string link = std::string(links) + "/" + name;
        if (linked && symlink(VELMORA_BOX, link.c_str()) == 0)
            programs.push_back({std::string("velmora-as-") + name, link});
    }
    for (const char* other : {"/usr/bin/dialog", "/usr/bin/whiptail"})
        if (access(other, X_OK) == 0)
            programs.push_back({strrchr(other, '/') + 1, other});
    for (const auto& b : BOXES)
        for (const auto& p : programs)
            benchmark::RegisterBenchmark((std::string("BM_Box/") + b.name + "/" + p.first).c_str(),
                                         box, programCall(b.call, p.second))
                ->Iterations(1)->Unit(benchmark::kMillisecond);
    int status = benchMain(argc, argv, BenchSetup{KEEP_INPUT, true, nullptr});
    for (const char* name : {"whiptail", "dialog"})
        unlink((std::string(links) + "/" + name).c_str());
    if (linked)
        rmdir(links);
    return status;
}
