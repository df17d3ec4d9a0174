// CurInitScreenTest.cpp - the screen set-up in a program of its own: colour
// pairs on colour and monochrome terminals as the terminal shows them, and
// repeated or missing set-up calls.
#include <string>

#include "ScreenSession.h"
#include <gtest/gtest.h>

namespace {
bool step(ScreenSession& s, const std::string& name)
{
    s.sendText("n");
    return s.waitFor([&] { return s.result("step") == name; }) && s.waitQuiet();
}

// Starts the colour scenario on a terminal type and waits for its window;
// the terminal is left in the line-drawing set first, as a program may leave it.
bool startColours(ScreenSession& s, const std::string& term)
{
    s.setTerm(term);
    return s.start({"/bin/sh", "-c", "printf '\\033(0\\016'; exec \"$0\" colours",
                    scenarioPath("init_screen")}) &&
           s.waitForText("coloured") && s.waitQuiet();
}

// Steps past the redefined pair and lets the scenario fill the table and end.
int fillTableAndExit(ScreenSession& s)
{
    if (!step(s, "redefined"))
        return -1;
    s.sendText("n");
    return s.waitExit();
}
}  // namespace

// The size is the terminal's own, not the description's 80 x 24, and LINES
// and COLUMNS in the environment do not override it.
TEST(CurInitScreen, ScreenSizeIsTheTerminalsOwn)
{
    ScreenSession s(30, 100);
    s.setEnv("LINES", "10");
    s.setEnv("COLUMNS", "20");
    ASSERT_TRUE(s.start({scenarioPath("init_screen")})) << s.dump();
    ASSERT_EQ(0, s.waitExit()) << s.dump();
    EXPECT_EQ("100", s.result("width"));
    EXPECT_EQ("30", s.result("height"));
}

// xterm: 64 pairs, of which curses keeps pair 0.
TEST(CurInitScreen, ColourPairsOnAColourTerminal)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(startColours(s, "xterm")) << s.dump();
    EXPECT_EQ("1", s.result("first"));
    EXPECT_EQ("2", s.result("second"));
    EXPECT_EQ("768", s.result("attr3"));
    EXPECT_EQ("0", s.result("setBelow"));
    EXPECT_EQ("1", s.result("setLatest"));
    EXPECT_EQ("0", s.result("setBeyond"));
    ScreenCell c = s.cell(2, 3);             // window at 1,2; text at 1,1 inside it
    EXPECT_EQ('c', (int)c.ch) << s.dump();
    EXPECT_EQ(1, c.fg) << s.dump();
    EXPECT_EQ(4, c.bg) << s.dump();
    EXPECT_TRUE(c.bold) << s.dump();
    EXPECT_EQ(4, s.cell(1, 2).bg) << s.dump();   // the window's background

    // A redefined pair recolours what was drawn in it.
    ASSERT_TRUE(step(s, "redefined")) << s.dump();
    EXPECT_EQ(2, s.cell(2, 3).fg) << s.dump();
    EXPECT_EQ(0, s.cell(2, 3).bg) << s.dump();
    s.sendText("n");
    ASSERT_EQ(0, s.waitExit()) << s.dump();
    EXPECT_EQ("63", s.result("last"));
    EXPECT_EQ("-1", s.result("full"));
    EXPECT_EQ("0", s.result("fullAttr"));
}

// A terminal with more pairs than an attribute value can select: the table
// ends at pair 255.
TEST(CurInitScreen, ColourTableEndsAtTheLastPairAnAttributeCanHold)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(startColours(s, "xterm-256color")) << s.dump();
    EXPECT_EQ("1", s.result("first"));
    ASSERT_EQ(0, fillTableAndExit(s)) << s.dump();
    EXPECT_EQ("255", s.result("last"));
    EXPECT_EQ("-1", s.result("full"));
}

TEST(CurInitScreen, MonochromeTerminalShowsPlainText)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(startColours(s, "vt100")) << s.dump();
    EXPECT_EQ("0", s.result("first"));
    EXPECT_EQ("0", s.result("second"));
    EXPECT_EQ("0", s.result("attr3"));
    EXPECT_EQ("1", s.result("setBelow"));
    EXPECT_EQ("1", s.result("setBeyond"));
    ScreenCell c = s.cell(2, 3);
    EXPECT_EQ('c', (int)c.ch) << s.dump();
    EXPECT_EQ(ScreenCell::DEFAULT, c.fg) << s.dump();
    EXPECT_EQ(ScreenCell::DEFAULT, c.bg) << s.dump();
    EXPECT_FALSE(c.reverse) << s.dump();
    ASSERT_EQ(0, fillTableAndExit(s)) << s.dump();
    EXPECT_EQ("0", s.result("full"));
}

// NO_COLOR: pairs are handed out as on any colour terminal, but select no
// colour; bold still shows.
TEST(CurInitScreen, NoColorShowsAttributesButNoColours)
{
    ScreenSession s(24, 80);
    s.setEnv("NO_COLOR", "1");
    ASSERT_TRUE(startColours(s, "xterm")) << s.dump();
    EXPECT_EQ("1", s.result("first"));
    EXPECT_EQ("2", s.result("second"));
    EXPECT_EQ("0", s.result("attr3"));
    EXPECT_EQ("1", s.result("setLatest"));
    ScreenCell c = s.cell(2, 3);
    EXPECT_EQ('c', (int)c.ch) << s.dump();
    EXPECT_EQ(ScreenCell::DEFAULT, c.fg) << s.dump();
    EXPECT_EQ(ScreenCell::DEFAULT, c.bg) << s.dump();
    EXPECT_TRUE(c.bold) << s.dump();
    ASSERT_EQ(0, fillTableAndExit(s)) << s.dump();
    EXPECT_EQ("63", s.result("last"));
}

// Text in a pair shows its colours where the terminal has colours; text and
// blanks in no pair keep the terminal's own colours on every type.
TEST(CurInitScreen, ColoursAsEachTerminalTypeShowsThem)
{
    struct Case {
        const char* term;
        int fg, bg;                          // of the text in a pair
    } cases[] = {
        {"xterm", 1, 4}, {"xterm-256color", 1, 4}, {"linux", 1, 4}, {"screen", 1, 4},
        {"vt100", ScreenCell::DEFAULT, ScreenCell::DEFAULT},
    };
    for (const Case& t : cases) {
        ScreenSession s(24, 80);
        ASSERT_TRUE(startColours(s, t.term)) << t.term << "\n" << s.dump();
        ScreenCell c = s.cell(2, 3), plain = s.cell(5, 2), blank = s.cell(0, 0);
        EXPECT_EQ(t.fg, c.fg) << t.term << "\n" << s.dump();
        EXPECT_EQ(t.bg, c.bg) << t.term;
        EXPECT_TRUE(c.bold) << t.term;
        EXPECT_EQ('p', (int)plain.ch) << t.term << "\n" << s.dump();
        for (ScreenCell d : {plain, blank}) {
            EXPECT_EQ(ScreenCell::DEFAULT, d.fg) << t.term;
            EXPECT_EQ(ScreenCell::DEFAULT, d.bg) << t.term;
            EXPECT_FALSE(d.reverse || d.bold) << t.term;
        }
        ASSERT_EQ(0, fillTableAndExit(s)) << t.term << "\n" << s.dump();
    }
}

// cleanup before initialize, initialize twice, cleanup twice, then a fresh
// start: the program runs through, and the restarted screen works.
TEST(CurInitScreen, RepeatedAndMissingSetUpCallsAreHarmless)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({scenarioPath("init_screen"), "again"}));
    ASSERT_TRUE(s.waitForText("started again")) << s.dump();
    EXPECT_EQ(6, s.findRow("started again")) << s.dump();
    EXPECT_EQ("0", s.result("before"));
    EXPECT_EQ("1", s.result("first"));
    EXPECT_EQ("2", s.result("second"));
    EXPECT_EQ("0", s.result("after"));
    EXPECT_EQ("1", s.result("restarted"));
    s.sendText("n");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
    EXPECT_EQ("1", s.result("done"));
}
