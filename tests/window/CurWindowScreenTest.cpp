// CurWindowScreenTest.cpp - windows as a terminal shows them, in a program of
// their own: stacking in registration order, unmapped windows skipped by the
// repaint and back when mapped, and killAllWindows.
#include <string>

#include "ScreenSession.h"
#include <gtest/gtest.h>

namespace {
// Sends 'n' and waits until the scenario reports the next step and the
// terminal is quiet.
bool step(ScreenSession& s, const std::string& name, bool send = true)
{
    if (send)
        s.sendText("n");
    return s.waitFor([&] { return s.result("step") == name; }) && s.waitQuiet();
}
}  // namespace

// A: rows 2-7, columns 5-24; B: rows 4-9, columns 15-34; dots elsewhere.
// (5, 20) lies inside both, (8, 30) inside B only.
TEST(CurWindowScreen, LaterWindowsLieOnTopAndUnmappedOnesGiveWay)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({scenarioPath("window_screen"), "stack"}));
    ASSERT_TRUE(step(s, "both", false)) << s.dump();
    EXPECT_EQ("B", s.text(5, 20, 1)) << s.dump();
    EXPECT_EQ("first", s.text(2, 7, 5)) << s.dump();
    EXPECT_EQ("second", s.text(4, 17, 6)) << s.dump();
    EXPECT_TRUE(s.cell(4, 15).isUpperLeft()) << s.dump();
    EXPECT_EQ(".", s.text(1, 5, 1)) << s.dump();

    ASSERT_TRUE(step(s, "unmapped")) << s.dump();
    EXPECT_EQ("A", s.text(5, 20, 1)) << s.dump();
    EXPECT_EQ(".", s.text(8, 30, 1)) << s.dump();
    EXPECT_TRUE(s.cell(7, 5).isLowerLeft()) << s.dump();

    ASSERT_TRUE(step(s, "mapped")) << s.dump();
    EXPECT_EQ("B", s.text(5, 20, 1)) << s.dump();
    EXPECT_EQ("B", s.text(8, 30, 1)) << s.dump();
    EXPECT_EQ("second", s.text(4, 17, 6)) << s.dump();

    ASSERT_TRUE(step(s, "none")) << s.dump();
    EXPECT_EQ(std::string(30, '.'), s.text(5, 5, 30)) << s.dump();

    ASSERT_TRUE(step(s, "killed")) << s.dump();
    EXPECT_EQ("2", s.result("destroyed"));
    EXPECT_EQ("killed", s.text(0, 0, 6)) << s.dump();
    s.sendText("n");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
    EXPECT_EQ("1", s.result("done"));
}

// Built on a terminal of 20 x 60, a window of 22 x 76 keeps its size and
// shows its top-left part; once the terminal grows to 30 x 100 it shows
// whole, centred, its last row and bottom frame included. Resized and moved,
// its frame follows.
TEST(CurWindowScreen, WindowLargerThanTheScreenShowsWholeOnceItFits)
{
    ScreenSession s(20, 60);
    ASSERT_TRUE(s.start({scenarioPath("window_screen"), "large"}));
    ASSERT_TRUE(step(s, "cut", false)) << s.dump();
    EXPECT_EQ("22x76", s.result("size"));
    EXPECT_TRUE(s.cell(0, 0).isUpperLeft()) << s.dump();
    EXPECT_EQ("large", s.text(0, 2, 5)) << s.dump();
    EXPECT_TRUE(s.cell(19, 0).isVLine()) << s.dump();

    ASSERT_TRUE(s.resize(30, 100));
    // A resize's repaint is a burst, which takes a while on a loaded machine
    // and may reach the emulator in pieces: its last cell says it is whole.
    ASSERT_TRUE(s.waitFor([&] { return s.text(24, 13, 6) == "bottom" && s.cell(25, 87).isLowerRight(); },
                          15000)) << s.dump();
    EXPECT_TRUE(s.cell(4, 12).isUpperLeft()) << s.dump();
    EXPECT_TRUE(s.cell(25, 12).isLowerLeft()) << s.dump();
    EXPECT_TRUE(s.cell(25, 87).isLowerRight()) << s.dump();

    ASSERT_TRUE(step(s, "moved")) << s.dump();
    EXPECT_TRUE(s.cell(2, 3).isUpperLeft()) << s.dump();
    EXPECT_TRUE(s.cell(11, 32).isLowerRight()) << s.dump();
    EXPECT_EQ("large", s.text(2, 5, 5)) << s.dump();
    EXPECT_EQ(" ", s.text(25, 12, 1)) << "the old place repainted" << s.dump();
    s.sendText("n");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}
