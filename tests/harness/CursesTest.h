#ifndef VELMORA_TESTS_CURSESTEST_H
#define VELMORA_TESTS_CURSESTEST_H
// Unit-level test support: the toolkit in the test process, on a real curses
// screen that lives on a 24x80 pseudo-terminal.
//
// Writing a unit test (registered with velmora_unit_test in CMake)
//
//   TEST_F(CursesTest, FocusedButtonIsBold) {       // curses is up (CurInit::initialize)
//       CurWindow win(5, 20, 2, 2);
//       CurButton ok(&win);                          // "OK" in the window's middle row
//       ok.acceptFocus(true);
//       EXPECT_NE(std::string::npos, winText(win.getWindow(), 2).find("OK"));
//       EXPECT_TRUE(winAttrs(win.getWindow(), 2, 9) & A_BOLD);
//       pushKeys({' ', 13});                         // wgetch returns them in this order
//       ok.kbdLoop();
//       EXPECT_TRUE(ok.isActivated());
//       win.update();                                // then ask the terminal itself:
//       EXPECT_TRUE(screen().cell(4, 11).bold) << screen().dump();
//   }
//   TEST_F(CursesMonoTest, ...)                      // the same under TERM=vt100, no colours
//
// SetUp sets TERM, puts the pseudo-terminal on file descriptors 0 and 1 and
// starts curses; TearDown ends curses and gives the descriptors back, so
// GoogleTest prints as usual; failures raised while curses owns standard
// output are also echoed to standard error. A background thread reads the
// terminal's output; screen() feeds it into libvterm and returns the
// emulated screen, through which keys can also be typed as real byte
// sequences (screen().down()). A test still running after hangLimitSeconds
// (a loop waiting for a key never queued) ends the process with a message.
//
// Curses reads TERM once per process: ctest runs every test in its own
// process; a binary run by hand reuses the screen, blanked, between tests of
// one terminal type and skips tests of the other.
#include <atomic>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include <curses.h>
#include <gtest/gtest.h>

#include "VtScreen.h"

class CursesTest : public ::testing::Test {
protected:
    explicit CursesTest(const char* term = "xterm");
    ~CursesTest() override;
    void SetUp() override;
    void TearDown() override;

    // keys for wgetch, in the order given (curses' ungetch is last-in first-out)
    static void pushKeys(std::initializer_list<int> keys);

    // what the terminal shows now: all output so far, fed into libvterm
    VtScreen& screen();

    // a curses window's contents; these leave the window's cursor where it was
    static std::string winText(WINDOW* w, int row, int col = 0, int len = -1);
    static chtype winCell(WINDOW* w, int row, int col);
    static int    winChar(WINDOW* w, int row, int col);      // character code (ACS: its letter)
    static attr_t winAttrs(WINDOW* w, int row, int col);     // A_REVERSE, A_BOLD, A_ALTCHARSET, ...
    static int    winPair(WINDOW* w, int row, int col);      // colour pair number
    static bool   winIsAcs(WINDOW* w, int row, int col, chtype acs);  // e.g. ACS_HLINE

    int hangLimitSeconds = 30;           // 0: no limit

private:
    // How curses is started and ended. The toolkit's tests link the version
    // that calls CurInit::initialize and CurInit::cleanup (CursesStart.cpp);
    // the harness' own tests link one made of plain curses calls.
    static void startCurses();
    static void stopCurses();

    void readOutput();                   // master -> pending; caller holds lock
    void drainLoop();

    const char*                 term;
    std::string                 savedTerm;
    bool                        hadTerm = false;
    bool                        termChanged = false;
    bool                        started = false;
    int                         master = -1;
    int                         slave = -1;
    int                         savedIn = -1;
    int                         savedOut = -1;
    std::unique_ptr<VtScreen>   vt;
    std::mutex                  lock;
    std::string                 pending;
    std::thread                 drain;
    std::atomic<bool>           stopping{false};
};

// The same fixture on a monochrome terminal (TERM=vt100).
class CursesMonoTest : public CursesTest {
protected:
    CursesMonoTest() : CursesTest("vt100") {}
};
#endif
