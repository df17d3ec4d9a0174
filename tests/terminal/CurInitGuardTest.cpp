// CurInitGuardTest.cpp - the terminal given back, checked from outside after
// signals, stops, exits and exceptions (pty modes; alternate screen, keypad,
// cursor, mouse reports, bracketed paste and focus reports as the emulator
// sees them); output into a pipe; init strings.
#include "ScreenSession.h"

#include <CurTestTerminal.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {
// Line mode, echo, signals and CR to NL, as on a new pty; no screen modes.
::testing::AssertionResult givenBack(ScreenSession& s)
{
    struct termios fresh, now;
    int master, slave;
    bool read = openpty(&master, &slave, nullptr, nullptr, nullptr) == 0 && tcgetattr(slave, &fresh) == 0;
    close(master);
    close(slave);
    const tcflag_t l = ICANON | ECHO | ISIG;
    if (!read || !s.terminalModes(&now) || (now.c_lflag & l) != (fresh.c_lflag & l) ||
        (now.c_iflag & ICRNL) != (fresh.c_iflag & ICRNL))
        return ::testing::AssertionFailure() << "modes still raw\n" << s.dump();
    if (s.alternateScreen() || s.keypadMode() || !s.cursorVisible() || s.terminal().mouseReporting()
        || s.terminal().bracketedPaste() || s.terminal().focusReporting())
        return ::testing::AssertionFailure() << "screen modes left on\n" << s.dump();
    return ::testing::AssertionSuccess();
}

// Faults end the program by their signal, not through the sanitizer's report.
bool startGuarded(ScreenSession& s, const char* mode)
{
    s.setEnv("ASAN_OPTIONS", "detect_leaks=1:handle_segv=0:handle_sigbus=0:handle_sigfpe=0:handle_sigill=0");
    return s.start({scenarioPath("guard_form"), mode}) && s.waitForResult("ready") && s.waitQuiet();
}
}  // namespace

// Each signal (0: Tab and Enter on the button, whose callback ends the
// program as the mode says), once or twice, with a form or a box up.
TEST(CurInitGuard, EveryEndGivesTheTerminalBackWithItsOwnStatus)
{
    struct Case {
        const char* mode;
        int sig, times, status;
    };
    std::vector<Case> cases = {
        {"box", SIGTERM, 1, 143},    {"box", SIGHUP, 1, 129},   {"box", SIGINT, 2, 130},
        {"form", SIGSEGV, 2, 139},   {"handler", SIGTERM, 1, 5}, {"exit", 0, 1, 3},
        {"return", 0, 1, 4},         {"throw", 0, 1, 134},      {"null", 0, 1, 139},
    };
    // every signal whose default action ends the process
    for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGUSR1,
                    SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU, SIGXFSZ, SIGSYS, SIGTRAP, SIGIO, SIGPWR, SIGSTKFLT,
                    SIGRTMIN, SIGRTMIN + 1, SIGRTMAX})
        cases.push_back({"form", sig, 1, 128 + sig});
    for (const auto& c : cases) {
        ScreenSession s(24, 80);
        ASSERT_TRUE(startGuarded(s, c.mode)) << c.mode << "\n" << s.dump();
        EXPECT_TRUE(s.alternateScreen() && s.keypadMode() && s.terminal().mouseReporting()
                    && s.terminal().bracketedPaste() && s.terminal().focusReporting()) << s.dump();
        for (int k = 0; k < c.times && c.sig != 0; k++)
            ::kill(s.childPid(), c.sig);
        if (c.sig == 0) {
            s.tab();
            s.enter();
        }
        EXPECT_EQ(c.status, s.waitExit()) << c.mode << " " << c.sig << "\n" << s.dump();
        EXPECT_TRUE(givenBack(s)) << c.mode << " " << c.sig;
        EXPECT_EQ(c.status == 5, s.hasResult("chained")) << "the program's handler runs after";
    }
}

// Stopped, the terminal is the shell's; continued, the form is repainted whole.
TEST(CurInitGuard, StopGivesTheTerminalBackAndContinueRepaints)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(startGuarded(s, "job")) << s.dump();
    pid_t job = std::atoi(s.result("pid").c_str());
    ASSERT_GT(job, 0);
    ::kill(job, SIGTSTP);
    ASSERT_TRUE(s.waitFor([&] { return !s.alternateScreen(); }) && s.waitQuiet(300)) << s.dump();
    EXPECT_TRUE(givenBack(s));
    s.feed("\x1b[2J", 4);                // what the shell would show instead
    ::kill(job, SIGCONT);
    EXPECT_TRUE(s.waitForText("Guarded form")) << s.dump();
    EXPECT_TRUE(s.alternateScreen() && s.keypadMode() && s.terminal().mouseReporting()
                    && s.terminal().bracketedPaste() && s.terminal().focusReporting()) << s.dump();
    s.tab();
    s.enter();
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}

// Output into a pipe, or a standard descriptor closed or on /dev/null: the
// box is on the terminal and takes its keys, the answer is where it was sent.
TEST(CurInitGuard, RedirectedOrClosedStandardDescriptorsLeaveTheBoxOnTheTerminal)
{
    const char* const commands[] = {"\"$0\" answer | cat > \"$1\"", "\"$0\" answer <&-", "\"$0\" answer </dev/null",
                                    "\"$0\" answer >&- 2>&-"};
    for (const char* command : commands) {
        ScreenSession s(24, 80);
        std::string answer = s.resultPath() + ".answer";
        ASSERT_TRUE(s.start({"/bin/sh", "-c", command, scenarioPath("guard_form"), answer}));
        ASSERT_TRUE(s.waitForText("Proceed?")) << command << "\n" << s.dump();
        s.enter();
        EXPECT_EQ(0, s.waitExit()) << command << "\n" << s.dump();
        EXPECT_EQ("1", s.result("yes")) << command;
        std::string got;
        std::getline(std::ifstream(answer), got);
        unlink(answer.c_str());
        EXPECT_EQ(command == commands[0] ? "yes" : "", got);
        EXPECT_TRUE(givenBack(s)) << command;
    }
}

// The strings sent at start are tput init's, after the character set reset
// where they hold no soft reset (which resets the character sets itself).
TEST(CurInitGuard, InitStringsAreThoseOfTputInit)
{
    if (access("/usr/bin/tput", X_OK) != 0)
        GTEST_SKIP() << "tput is not installed";
    const std::string reset = "\x1b(B\x1b)0\x0f";
    for (auto [term, first] : {std::pair<const char*, std::string>{"xterm", ""},
                               {"screen", reset}, {"linux", reset}, {"vt100", reset}}) {
        ScreenSession tput(24, 80), ours(24, 80);
        tput.setTerm(term);
        ours.setTerm(term);
        ASSERT_TRUE(tput.start({"/usr/bin/tput", "init"}) && tput.waitExit() == 0) << term;
        ASSERT_TRUE(ours.start({scenarioPath("init_screen")}) && ours.waitExit() == 0) << term;
        std::string expected = first + tput.output();
        EXPECT_EQ(expected, ours.output().substr(0, expected.size())) << term;
    }
}

// Frames are synchronized (mode 2026) where the description has the Sync
// capability or VELMORA_SYNC=1 asks, never otherwise; every frame begun is
// ended, also when a signal or a crash ends the program.
TEST(CurInitGuard, FramesAreSynchronizedOnlyWhereSupportedAndAlwaysEnded)
{
    std::string dir = testing::TempDir() + "velmora-sync-terminfo", source = dir + ".src";
    std::ofstream(source) << "xterm-sync|xterm with synchronized output,\n"
                             "\tSync=\\E[?2026%?%p1%{1}%-%tl%eh%;,\n\tuse=xterm-256color,\n";
    if (system(("tic -x -o " + dir + " " + source + " 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "tic could not compile a description with Sync";
    const struct {
        const char *term, *sync, *mode;
        int sig, status;
        bool synced;
    } cases[] = {
        {"xterm-256color", "", "return", 0, 4, false}, {"xterm-sync", "", "return", 0, 4, true},
        {"xterm-sync", "0", "return", 0, 4, false},    {"xterm-256color", "1", "form", SIGTERM, 143, true},
        {"xterm-sync", "", "form", SIGSEGV, 139, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.term) + " VELMORA_SYNC=" + c.sync + " " + c.mode);
        ScreenSession s(24, 80);
        s.setTerm(c.term);
        s.setEnv("TERMINFO", dir);
        s.setEnv("VELMORA_SYNC", c.sync);
        ASSERT_TRUE(startGuarded(s, c.mode)) << s.dump();
        if (c.sig != 0) {
            ::kill(s.childPid(), c.sig);
        } else {
            s.tab();
            s.enter();
        }
        EXPECT_EQ(c.status, s.waitExit()) << s.dump();
        std::string out = s.output();
        size_t begins = 0, ends = 0;
        for (size_t at = 0; (at = out.find("\x1b[?2026", at)) != std::string::npos; at++)
            (out.compare(at + 7, 1, "h") == 0 ? begins : ends)++;
        EXPECT_EQ(c.synced, begins > 0);
        EXPECT_EQ(begins + (c.synced && c.sig != 0), ends);   // the guard ends one more
        EXPECT_TRUE(begins == 0 || out.rfind("\x1b[?2026l") > out.rfind("\x1b[?2026h"));
        EXPECT_TRUE(givenBack(s));
    }
}
