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
