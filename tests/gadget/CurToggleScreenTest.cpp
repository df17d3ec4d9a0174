// CurToggleScreenTest.cpp - check boxes and a radio group in a form on a
// real terminal (scenario toggle_form): what the terminal shows, and what
// the space bar, Tab, the arrows and Enter do.
#include "ScreenSession.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The scenario's window lies at screen row 2, column 4; its toggles start in
// its column 2 and are 30 columns wide (the radio buttons 20).
const int COL = 6;
const int ALPHA = 3, BETA = 4, GAMMA = 6, ONE = 9, TWO = 10, THREE = 11;

bool rowReversed(const ScreenSession& s, int row, int width)
{
    for (int c = COL; c < COL + width; c++)
        if (!s.cell(row, c).reverse)
            return false;
    return true;
}

bool rowPlain(const ScreenSession& s, int row, int width)
{
    for (int c = COL; c < COL + width; c++)
        if (s.cell(row, c).reverse)
            return false;
    return true;
}

void startForm(ScreenSession& s)
{
    ASSERT_TRUE(s.start({scenarioPath("toggle_form")}));
    ASSERT_TRUE(s.waitForText("Three")) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
}

}  // namespace

TEST(ToggleScreen, DrawsBracketsMarksLabelsAndTheFocus)
{
    ScreenSession s(24, 80);
    startForm(s);
    EXPECT_EQ("[*] Alpha" + std::string(21, ' '), s.text(ALPHA, COL, 30)) << s.dump();
    EXPECT_EQ("[ ]" + std::string(23, ' ') + "Beta", s.text(BETA, COL, 30));
    EXPECT_EQ("[*]" + std::string(11, ' ') + "Gamma" + std::string(11, ' '), s.text(GAMMA, COL, 30));
    EXPECT_EQ(std::string(30, ' '), s.text(GAMMA - 1, COL, 30)) << "a tall toggle uses its middle row";
    EXPECT_EQ(std::string(30, ' '), s.text(GAMMA + 1, COL, 30));
    EXPECT_EQ("(*) One", s.text(ONE, COL, 7));
    EXPECT_EQ("( ) Two", s.text(TWO, COL, 7));
    EXPECT_EQ("( ) Three", s.text(THREE, COL, 9));

    EXPECT_TRUE(rowReversed(s, ALPHA, 30)) << "the focused toggle, blanks included";
    EXPECT_TRUE(rowPlain(s, BETA, 30));
    EXPECT_EQ(ALPHA, s.cursorRow());
    EXPECT_EQ(COL + 1, s.cursorCol()) << "the cursor stands on the mark";

    s.tab();
    ASSERT_TRUE(s.waitFor([&] { return rowReversed(s, BETA, 30); })) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    EXPECT_TRUE(rowPlain(s, ALPHA, 30));
    EXPECT_EQ(BETA, s.cursorRow());
    EXPECT_EQ(COL + 1, s.cursorCol());
}

TEST(ToggleScreen, SpaceFlipsOnceAndEnterGoesToTheForm)
{
    ScreenSession s(24, 80);
    startForm(s);
    s.sendText(" ");
    ASSERT_TRUE(s.waitForResult("check0")) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    ASSERT_TRUE(s.waitFor([&] { return s.text(ALPHA, COL, 3) == "[ ]"; })) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    EXPECT_EQ("0,1", s.result("check0"));
    EXPECT_TRUE(rowReversed(s, ALPHA, 30));

    s.enter();
    ASSERT_TRUE(s.waitForResult("enter")) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    EXPECT_EQ("1", s.result("enter"));
    EXPECT_EQ("[ ]", s.text(ALPHA, COL, 3)) << "Enter does not flip a toggle";

    s.tab();
    s.sendText(" ");
    ASSERT_TRUE(s.waitForResult("check1")) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    EXPECT_EQ("1,1", s.result("check1"));
    ASSERT_TRUE(s.waitFor([&] { return s.text(BETA, COL, 3) == "[*]"; })) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    EXPECT_EQ("0,1", s.result("check0")) << "one call per change";
}

TEST(RadioScreen, SpaceMovesTheChoiceAndTheChosenOneStaysOn)
{
    ScreenSession s(24, 80);
    startForm(s);
    s.tab();
    s.tab();
    s.tab();                             // on "One", the chosen one
    ASSERT_TRUE(s.waitFor([&] { return rowReversed(s, ONE, 20); })) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    s.sendText(" ");                     // cannot be switched off
    s.down();                            // the arrow moves the focus to "Two"
    ASSERT_TRUE(s.waitFor([&] { return rowReversed(s, TWO, 20); })) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    EXPECT_EQ("(*) One", s.text(ONE, COL, 7));
    EXPECT_FALSE(s.hasResult("radio_calls")) << "no new choice, no call";

    s.sendText(" ");
    ASSERT_TRUE(s.waitForResult("radio")) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    ASSERT_TRUE(s.waitFor([&] { return s.text(TWO, COL, 3) == "(*)"; })) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    EXPECT_EQ("( )", s.text(ONE, COL, 3));
    EXPECT_EQ("( )", s.text(THREE, COL, 3));
    EXPECT_EQ("1", s.result("radio"));
    EXPECT_EQ("1", s.result("radio_calls"));

    s.tab();
    s.sendText(" ");
    ASSERT_TRUE(s.waitFor([&] { return s.result("radio") == "2"; })) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    ASSERT_TRUE(s.waitFor([&] { return s.text(THREE, COL, 3) == "(*)"; })) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    EXPECT_EQ("( )", s.text(TWO, COL, 3));
    EXPECT_EQ("2", s.result("radio_calls"));

    s.tab();
    s.enter();                           // OK
    EXPECT_EQ(0, s.waitExit()) << s.dump();
    EXPECT_EQ("1", s.result("done"));
}
