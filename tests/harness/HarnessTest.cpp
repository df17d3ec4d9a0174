// HarnessTest.cpp - the harness checks itself: keys reach a curses program
// as the codes a real terminal produces, the emulated screen shows what
// curses drew, processes end or are ended, and the curses fixture works.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <CurTestTerminal.h>

#include "CursesTest.h"
#include "ScreenSession.h"

namespace {

struct KeyCase {
    const char*                          name;
    std::function<void(ScreenSession&)> press;
    int                                  code;
};

}  // namespace

TEST(ScreenSession, KeysArriveAsTheCursesCodesOfARealTerminal)
{
    const std::vector<KeyCase> cases = {
        {"up", [](ScreenSession& s) { s.up(); }, KEY_UP},
        {"down", [](ScreenSession& s) { s.down(); }, KEY_DOWN},
        {"left", [](ScreenSession& s) { s.left(); }, KEY_LEFT},
        {"right", [](ScreenSession& s) { s.right(); }, KEY_RIGHT},
        {"home", [](ScreenSession& s) { s.home(); }, KEY_HOME},
        {"end", [](ScreenSession& s) { s.end(); }, KEY_END},
        {"page up", [](ScreenSession& s) { s.pageUp(); }, KEY_PPAGE},
        {"page down", [](ScreenSession& s) { s.pageDown(); }, KEY_NPAGE},
        {"delete", [](ScreenSession& s) { s.del(); }, KEY_DC},
        {"backspace", [](ScreenSession& s) { s.backspace(); }, KEY_BACKSPACE},
        {"tab", [](ScreenSession& s) { s.tab(); }, 9},
        {"back-tab", [](ScreenSession& s) { s.backTab(); }, KEY_BTAB},
        {"enter", [](ScreenSession& s) { s.enter(); }, 13},
        {"text", [](ScreenSession& s) { s.sendText("a"); }, 'a'},
        {"raw byte", [](ScreenSession& s) { s.sendBytes("\x01"); }, 1},
        {"F5", [](ScreenSession& s) { s.key("F5"); }, KEY_F(5)},
        {"Insert", [](ScreenSession& s) { s.key("Insert"); }, KEY_IC},
        {"Shift-Up", [](ScreenSession& s) { s.key("Shift-Up"); }, KEY_SR},
        {"Shift-Tab", [](ScreenSession& s) { s.key("Shift-Tab"); }, KEY_BTAB},
        {"Ctrl-a", [](ScreenSession& s) { s.key("Ctrl-a"); }, 1},
        {"Space", [](ScreenSession& s) { s.key("Space"); }, ' '},
        {"0x02", [](ScreenSession& s) { s.key("0x02"); }, 2},
        {"escape", [](ScreenSession& s) { s.escape(); }, 27},
    };
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({scenarioPath("harness_probe"), "keys"}));
    ASSERT_TRUE(s.waitForText("last key: none")) << s.dump();
    for (size_t i = 0; i < cases.size(); ++i) {
        cases[i].press(s);
        ASSERT_TRUE(s.waitFor([&] { return s.results().size() > i; })) << cases[i].name << "\n" << s.dump();
        EXPECT_EQ(std::to_string(cases[i].code), s.results()[i].second) << cases[i].name;
    }
    ASSERT_TRUE(s.waitForText("last key: 27")) << s.dump();
    s.sendText("q");
    EXPECT_EQ(3, s.waitExit()) << s.dump();
}

TEST(ScreenSession, ShowsAttributesColoursLineDrawingAndTheCursor)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({scenarioPath("harness_probe"), "keys"}));
    ASSERT_TRUE(s.waitForText("last key: none")) << s.dump();
    ASSERT_TRUE(s.waitQuiet());

    EXPECT_EQ("REV BOLD UL", s.rowText(0));
    EXPECT_TRUE(s.cell(0, 0).reverse);
    EXPECT_FALSE(s.cell(0, 0).bold);
    EXPECT_FALSE(s.cell(0, 3).reverse);
    EXPECT_TRUE(s.cell(0, 4).bold);
    EXPECT_TRUE(s.cell(0, 9).underline);
    EXPECT_FALSE(s.cell(0, 8).underline);

    EXPECT_EQ("RED", s.text(1, 0, 3));
    EXPECT_EQ(COLOR_RED, s.cell(1, 0).fg);
    EXPECT_EQ(COLOR_BLUE, s.cell(1, 0).bg);
    // Once colours are started, curses paints pair 0 as white on black.
    EXPECT_EQ(COLOR_WHITE, s.cell(1, 3).fg);
    EXPECT_EQ(COLOR_BLACK, s.cell(1, 3).bg);
    EXPECT_EQ(COLOR_WHITE, s.cell(0, 0).fg);    // reverse is a flag; colours stay as set

    EXPECT_TRUE(s.cell(3, 0).isUpperLeft()) << s.dump();
    EXPECT_TRUE(s.cell(3, 1).isHLine());
    EXPECT_TRUE(s.cell(3, 9).isUpperRight());
    EXPECT_TRUE(s.cell(4, 0).isVLine());
    EXPECT_TRUE(s.cell(7, 0).isLowerLeft());
    EXPECT_TRUE(s.cell(7, 9).isLowerRight());
    EXPECT_EQ("\u2502 box    \u2502", s.text(5, 0, 10));
    EXPECT_EQ(5, s.findRow("box"));

    EXPECT_EQ(12, s.cursorRow());
    EXPECT_EQ(7, s.cursorCol());
    EXPECT_TRUE(s.cursorVisible());
    s.sendText("q");
    EXPECT_EQ(3, s.waitExit()) << s.dump();
}

// The lower-right corner is the one cell curses must write without letting
// the terminal wrap; a frame around the whole screen must stay in place.
// The kit's picture comparison, straight through its own interface.
TEST(CurTestTerminal, PictureComparisonShowsTheDifferingRows)
{
    CurTestTerminal t(24, 80);
    std::string probe = scenarioPath("harness_probe");
    const char* argv[] = {probe.c_str(), "keys", nullptr};
    ASSERT_TRUE(t.start(argv));
    ASSERT_TRUE(t.waitForText("last key: none")) << t.dump();
    EXPECT_TRUE(t.matchesRegion(3, 0, "\u250c\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2510\n"
                                      "\u2502        \u2502\n\u2502 box    \u2502")) << t.difference();
    EXPECT_FALSE(t.matchesRegion(0, 0, "REV BOLD UL\nRAD"));
    EXPECT_STREQ("row 1, from column 0:\n"
                 "  expected |RAD\n"
                 "  actual   |RED\n"
                 "             ^ column 1\n", t.difference());
    EXPECT_FALSE(t.matches("REV BOLD UL"));              // the rest of the screen is not blank
    EXPECT_FALSE(t.key("NoSuchKey"));
    EXPECT_FALSE(t.key("Ctrl-1"));
    t.type("q");
    EXPECT_EQ(3, t.waitExit()) << t.dump();
}

namespace {
int readsALine(void*)
{
    std::printf("ready\n");
    std::fflush(stdout);
    char c = 0;
    return read(0, &c, 1) == 1 ? c : 1;
}
int killsItself(void*)
{
    raise(SIGTERM);
    return 0;
}
int hangs(void*)
{
    for (;;) pause();
}
}  // namespace

// A function child that waits for a key, one that dies of a signal and one
// that never ends: each is reported as it ended and none is left behind.
TEST(CurTestTerminal, ChildrenAreReportedAsTheyEndedAndNeverLeftBehind)
{
    struct Case {
        const char* name;
        int (*body)(void*);
        bool settles;                    // waits for input, or ends
        int status, signal;
        const char* told;                // by dump()
    } cases[] = {
        {"reads", readsALine, true, 'x', 0, "child exit code 120"},
        {"killed", killsItself, true, 128 + SIGTERM, SIGTERM, "killed by signal 15"},
        {"hangs", hangs, false, -1, SIGKILL, "did not end in time"},
    };
    for (const Case& c : cases) {
        CurTestTerminal t(5, 20);
        ASSERT_TRUE(t.startFunction(c.body, nullptr)) << c.name;
        ASSERT_EQ(c.settles, t.waitSettled(50, c.settles ? 5000 : 300)) << c.name << t.dump();
        long before = CurTestTerminal::nowMs();
        EXPECT_FALSE(t.waitForText("never shown", 200)) << c.name;
        EXPECT_LT(CurTestTerminal::nowMs() - before, 2000) << c.name;
        EXPECT_TRUE(t.keys("x Enter")) << c.name;
        EXPECT_EQ(c.status, t.waitExit(500)) << c.name << t.dump();
        EXPECT_EQ(c.signal, t.exitSignal()) << c.name;
        EXPECT_FALSE(t.running()) << c.name;
        EXPECT_NE(nullptr, std::strstr(t.dump(), c.told)) << c.name << t.dump();
    }
}

TEST(ScreenSession, FullScreenFrameKeepsAllFourCorners)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({scenarioPath("harness_probe"), "frame"}));
    ASSERT_TRUE(s.waitForText("framed")) << s.dump();
    ASSERT_TRUE(s.waitQuiet());
    EXPECT_TRUE(s.cell(0, 0).isUpperLeft()) << s.dump();
    EXPECT_TRUE(s.cell(0, 79).isUpperRight());
    EXPECT_TRUE(s.cell(23, 0).isLowerLeft());
    EXPECT_TRUE(s.cell(23, 79).isLowerRight());
    EXPECT_TRUE(s.cell(23, 78).isHLine());
    EXPECT_EQ(1, s.findRow("framed"));
    EXPECT_FALSE(s.cursorVisible());
    s.enter();
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}

TEST(ScreenSession, MonochromeTerminalStillDrawsLinesAndReverse)
{
    ScreenSession s(24, 80);
    s.setTerm("vt100");
    ASSERT_TRUE(s.start({scenarioPath("harness_probe"), "keys"}));
    ASSERT_TRUE(s.waitForText("last key: none")) << s.dump();
    ASSERT_TRUE(s.waitQuiet());
    EXPECT_TRUE(s.cell(0, 0).reverse);
    EXPECT_TRUE(s.cell(3, 0).isUpperLeft()) << s.dump();
    EXPECT_TRUE(s.cell(3, 1).isHLine());
    EXPECT_EQ(-1, s.findRow("RED"));
    EXPECT_EQ(ScreenCell::DEFAULT, s.cell(0, 0).fg);
    EXPECT_EQ(ScreenCell::DEFAULT, s.cell(0, 0).bg);
    s.down();
    EXPECT_TRUE(s.waitForText("last key: 258")) << s.dump();
}

TEST(ScreenSession, ChildGetsTheChosenTermAndEnvironment)
{
    struct Case {
        const char* name;
        std::function<void(ScreenSession&)> setup;
        const char* term;
    };
    const std::vector<Case> cases = {
        {"default", [](ScreenSession&) {}, "xterm"},
        {"chosen", [](ScreenSession& s) { s.setTerm("vt100"); }, "vt100"},
        {"unset", [](ScreenSession& s) { s.unsetTerm(); }, "<unset>"},
        {"empty", [](ScreenSession& s) { s.emptyTerm(); }, ""},
    };
    for (const auto& c : cases) {
        ScreenSession s(10, 40);
        c.setup(s);
        s.setEnv("PROBE_EXTRA", "yes");
        ASSERT_TRUE(s.start({scenarioPath("harness_probe"), "env"}));
        EXPECT_EQ(7, s.waitExit()) << c.name << "\n" << s.dump();
        EXPECT_EQ(c.term, s.result("term")) << c.name;
        EXPECT_EQ("yes", s.result("extra"));
        EXPECT_EQ("10x40", s.result("size"));
        EXPECT_EQ("1", s.result("stdin_tty"));
        EXPECT_EQ("line one\nline two", s.result("multi"));
        EXPECT_EQ("probe environment reported", s.rowText(0)) << s.dump();
        EXPECT_FALSE(s.hasResult("absent"));
    }
}

TEST(ScreenSession, AProgramThatDoesNotEndIsKilledAtTheTimeLimit)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({scenarioPath("harness_probe"), "keys"}));
    ASSERT_TRUE(s.waitForText("last key: none")) << s.dump();
    int pid = s.childPid();
    EXPECT_EQ(-1, s.waitExit(200));
    EXPECT_FALSE(s.running());
    EXPECT_NE(0, ::kill(pid, 0));        // gone, and reaped
    EXPECT_FALSE(s.waitForText("never shown", 100));
}

TEST(ScreenSession, AMissingProgramExitsWith127)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({"/nonexistent/program"}));
    EXPECT_EQ(127, s.waitExit());
    EXPECT_NE(std::string::npos, s.stderrText().find("cannot execute"));
}

TEST_F(CursesTest, WindowContentsReadBackAndReachTheTerminal)
{
    WINDOW* w = newwin(5, 12, 2, 3);
    box(w, 0, 0);
    wattron(w, A_REVERSE);
    mvwaddstr(w, 1, 1, "hello");
    wattroff(w, A_REVERSE);
    mvwaddstr(w, 2, 1, "plain");
    wmove(w, 3, 4);

    EXPECT_EQ("hello", winText(w, 1, 1, 5));
    EXPECT_EQ('h', winChar(w, 1, 1));
    EXPECT_TRUE(winAttrs(w, 1, 1) & A_REVERSE);
    EXPECT_FALSE(winAttrs(w, 2, 1) & A_REVERSE);
    EXPECT_TRUE(winIsAcs(w, 0, 0, ACS_ULCORNER));
    EXPECT_TRUE(winIsAcs(w, 0, 1, ACS_HLINE));
    EXPECT_FALSE(winIsAcs(w, 1, 1, ACS_HLINE));
    EXPECT_EQ(3, getcury(w));            // the helpers leave the cursor alone
    EXPECT_EQ(4, getcurx(w));

    wrefresh(w);
    VtScreen& vt = screen();
    EXPECT_EQ("hello", vt.text(3, 4, 5)) << vt.dump();
    EXPECT_TRUE(vt.cell(3, 4).reverse);
    EXPECT_TRUE(vt.cell(2, 3).isUpperLeft());
    EXPECT_TRUE(vt.cell(2, 4).isHLine());
    EXPECT_EQ(5, vt.cursorRow());
    EXPECT_EQ(7, vt.cursorCol());
    delwin(w);
}

TEST_F(CursesTest, FullScreenFrameReachesTheTerminalWhole)
{
    box(stdscr, 0, 0);
    refresh();
    VtScreen& vt = screen();
    EXPECT_TRUE(vt.cell(0, 0).isUpperLeft()) << vt.dump();
    EXPECT_TRUE(vt.cell(23, 79).isLowerRight());
    EXPECT_TRUE(vt.cell(23, 1).isHLine());
}

TEST_F(CursesTest, ColourPairsShowInWindowsAndOnTheTerminal)
{
    ASSERT_TRUE(has_colors());
    init_pair(2, COLOR_GREEN, COLOR_BLACK);
    attron(COLOR_PAIR(2));
    mvaddstr(0, 0, "go");
    attroff(COLOR_PAIR(2));
    EXPECT_EQ(2, winPair(stdscr, 0, 0));
    refresh();
    EXPECT_EQ(COLOR_GREEN, screen().cell(0, 0).fg) << screen().dump();
    EXPECT_EQ(COLOR_BLACK, screen().cell(0, 0).bg);
}

TEST_F(CursesTest, PushedKeysAreReadInTheOrderGiven)
{
    pushKeys({KEY_DOWN, 13, 'x'});
    EXPECT_EQ(KEY_DOWN, getch());
    EXPECT_EQ(13, getch());
    EXPECT_EQ('x', getch());
}

TEST_F(CursesTest, TypedKeysArriveThroughTheTerminal)
{
    refresh();                           // keypad mode reaches the terminal
    screen().down();
    screen().backTab();
    screen().enter();
    timeout(2000);
    EXPECT_EQ(KEY_DOWN, getch());
    EXPECT_EQ(KEY_BTAB, getch());
    EXPECT_EQ(13, getch());
}

TEST_F(CursesMonoTest, RunsWithoutColours)
{
    EXPECT_FALSE(has_colors());
    EXPECT_STREQ("vt100", termname());
}

// Run only by the ctest entry that checks that a failure's message reaches
// the test's output while curses owns standard output.
TEST_F(CursesTest, DISABLED_DeliberateFailureIsVisible)
{
    ADD_FAILURE() << "deliberate failure: visible";
}

// Run only by the ctest entry that checks that a test waiting for a key that
// never comes is ended with a message instead of hanging.
TEST_F(CursesTest, DISABLED_HangIsStopped)
{
    hangLimitSeconds = 1;
    getch();
}

// Run only by the ctest entry that checks that the leak checker, with the
// curses suppressions in force, still reports a leak of the program's own.
char* volatile leakedByTest = nullptr;

TEST_F(CursesTest, DISABLED_LeakIsReported)
{
    leakedByTest = new char[64];
    leakedByTest = nullptr;
}
