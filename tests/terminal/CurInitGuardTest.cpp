// CurInitGuardTest.cpp - the terminal given back, checked from outside: a
// program with a form or a box ends by a signal, by exit, by a return or an
// exception; the pty's modes, the alternate screen, keypad and cursor as the
// emulator sees them afterwards. Also a program whose output is a pipe, and
// the init strings compared with tput's.
#include "ScreenSession.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <pty.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

// Faults end the program by their signal, not through the sanitizer's report.
const char* const PLAIN_DEATH =
    "detect_leaks=1:halt_on_error=1:handle_segv=0:handle_sigbus=0:handle_sigfpe=0:handle_sigill=0";

// Line mode, echo and CR to NL on input, as a new pty has them.
::testing::AssertionResult givenBack(ScreenSession& s)
{
    struct termios fresh, now;
    int master, slave;
    if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
        return ::testing::AssertionFailure() << "no pty";
    tcgetattr(slave, &fresh);
    close(master);
    close(slave);
    if (!s.terminalModes(&now))
        return ::testing::AssertionFailure() << "pty modes unreadable";
    const tcflag_t l = ICANON | ECHO | ISIG, i = ICRNL;
    if ((now.c_lflag & l) != (fresh.c_lflag & l) || (now.c_iflag & i) != (fresh.c_iflag & i))
        return ::testing::AssertionFailure() << "modes still raw\n" << s.dump();
    if (s.alternateScreen() || s.keypadMode() || !s.cursorVisible())
        return ::testing::AssertionFailure() << "alternate screen " << s.alternateScreen() << ", keypad "
                                             << s.keypadMode() << ", cursor " << s.cursorVisible() << "\n"
                                             << s.dump();
    return ::testing::AssertionSuccess();
}

bool startGuarded(ScreenSession& s, const char* mode)
{
    s.setEnv("ASAN_OPTIONS", PLAIN_DEATH);
    return s.start({scenarioPath("guard_form"), mode}) && s.waitForResult("ready") && s.waitQuiet();
}

}  // namespace

// Each signal, while a form or a box is up, and twice in a row: the terminal
// is back and the shell learns the signal itself.
TEST(CurInitGuard, EverySignalGivesTheTerminalBackAndEndsByThatSignal)
{
    const struct {
        int sig;
        const char* mode;
        int times;
    } cases[] = {
        {SIGINT, "form", 1},  {SIGTERM, "form", 1}, {SIGHUP, "form", 1},  {SIGQUIT, "form", 1},
        {SIGPIPE, "form", 1}, {SIGSEGV, "form", 1}, {SIGBUS, "form", 1},  {SIGFPE, "form", 1},
        {SIGILL, "form", 1},  {SIGABRT, "form", 1}, {SIGTERM, "box", 1},  {SIGHUP, "box", 1},
        {SIGINT, "box", 2},   {SIGSEGV, "form", 2},
    };
    for (const auto& c : cases) {
        ScreenSession s(24, 80);
        ASSERT_TRUE(startGuarded(s, c.mode)) << strsignal(c.sig) << "\n" << s.dump();
        EXPECT_TRUE(s.alternateScreen() && s.keypadMode()) << s.dump();
        for (int k = 0; k < c.times; k++)
            ::kill(s.childPid(), c.sig);
        EXPECT_EQ(128 + c.sig, s.waitExit()) << strsignal(c.sig) << " " << c.mode << "\n" << s.dump();
        EXPECT_TRUE(givenBack(s)) << strsignal(c.sig) << " " << c.mode;
    }
}

// Ends that skip cleanup: exit, throw and a null write in a callback, a
// return from main, and a SIGTERM handler of the program's (called after
// the terminal is back, and ending the program itself).
TEST(CurInitGuard, EndsWithoutCleanupGiveTheTerminalBack)
{
    const struct {
        const char* mode;
        int status;
    } cases[] = {
        {"exit", 3}, {"return", 4}, {"throw", 128 + SIGABRT}, {"null", 128 + SIGSEGV}, {"handler", 5},
    };
    for (const auto& c : cases) {
        ScreenSession s(24, 80);
        ASSERT_TRUE(startGuarded(s, c.mode)) << c.mode << "\n" << s.dump();
        if (c.status == 5) {
            ::kill(s.childPid(), SIGTERM);
        } else {
            s.tab();
            s.enter();
        }
        EXPECT_EQ(c.status, s.waitExit()) << c.mode << "\n" << s.dump();
        EXPECT_TRUE(givenBack(s)) << c.mode;
        EXPECT_EQ(c.status == 5 ? "1" : "", s.result("chained")) << c.mode;
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
    ASSERT_TRUE(s.waitFor([&] { return !s.alternateScreen(); })) << s.dump();
    EXPECT_TRUE(s.waitQuiet(300)) << s.dump();
    EXPECT_TRUE(givenBack(s));
    s.feed("\x1b[2J", 4);                // what the shell would show instead
    ::kill(job, SIGCONT);
    EXPECT_TRUE(s.waitForText("Guarded form")) << s.dump();
    EXPECT_TRUE(s.alternateScreen() && s.keypadMode()) << s.dump();
    s.tab();
    s.enter();
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}

// Output into a pipe: the box is on the terminal, the answer in the pipe.
TEST(CurInitGuard, OutputIntoAPipeLeavesTheScreenOnTheTerminal)
{
    ScreenSession s(24, 80);
    std::string answer = s.resultPath() + ".answer";
    ASSERT_TRUE(s.start({"/bin/sh", "-c", "\"$0\" answer | cat > \"$1\"", scenarioPath("guard_form"), answer}));
    ASSERT_TRUE(s.waitForText("Proceed?")) << s.dump();
    s.enter();
    EXPECT_EQ(0, s.waitExit()) << s.dump();
    std::ifstream in(answer);
    std::string got((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    unlink(answer.c_str());
    EXPECT_EQ("yes\n", got);
    EXPECT_TRUE(givenBack(s));
}

// The strings sent at start are tput init's, byte for byte, after the
// character set reset.
TEST(CurInitGuard, InitStringsAreThoseOfTputInit)
{
    if (access("/usr/bin/tput", X_OK) != 0)
        GTEST_SKIP() << "tput is not installed";
    for (const char* term : {"xterm", "screen", "linux", "vt100"}) {
        ScreenSession tput(24, 80), ours(24, 80);
        tput.setTerm(term);
        ours.setTerm(term);
        ASSERT_TRUE(tput.start({"/usr/bin/tput", "init"}));
        ASSERT_EQ(0, tput.waitExit()) << term << "\n" << tput.dump();
        ASSERT_TRUE(ours.start({scenarioPath("init_screen")}));
        ASSERT_EQ(0, ours.waitExit()) << term << "\n" << ours.dump();
        std::string expected = "\x1b(B\x1b)0\x0f" + tput.output();
        EXPECT_EQ(expected, ours.output().substr(0, expected.size())) << term;
    }
}
