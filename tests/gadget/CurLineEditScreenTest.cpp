// CurLineEditScreenTest.cpp - line editors in a form on a real terminal
// (scenario lineedit_form): sideways scrolling and its marks, the cursor,
// masking, the editing keys as a terminal sends them, and the arrows.
#include "ScreenSession.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The scenario's window lies at screen row 1, column 2.
const int NAME_ROW = 3, PASS_ROW = 5, COL = 12, W = 12, RIGHT_COL = 32;

void startForm(ScreenSession& s)
{
    ASSERT_TRUE(s.start({scenarioPath("lineedit_form")}));
    ASSERT_TRUE(s.waitForText("Pass:")) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
}

bool fieldIs(ScreenSession& s, int row, const std::string& text, int cursorCol)
{
    return s.waitFor([&] {
        return s.text(row, COL, W) == text && s.cursorRow() == row && s.cursorCol() == COL + cursorCol;
    });
}

// Tab from the name field to OK (past the masked and the right field), Enter.
void finish(ScreenSession& s)
{
    s.tab();
    s.tab();
    s.tab();
    s.enter();
    ASSERT_EQ(0, s.waitExit()) << s.dump();
}

}  // namespace

TEST(LineEditScreen, LongTextScrollsSidewaysBehindTheMarks)
{
    ScreenSession s(24, 80);
    startForm(s);
    EXPECT_TRUE(fieldIs(s, NAME_ROW, std::string(W, ' '), 0)) << s.dump();
    for (int c = COL; c < COL + W; c++) {
        EXPECT_TRUE(s.cell(NAME_ROW, c).reverse) << "focused field, column " << c;
        EXPECT_TRUE(s.cell(NAME_ROW, RIGHT_COL + c - COL).underline) << "unfocused field";
    }

    s.sendText("abcdefghijklmnop");
    EXPECT_TRUE(fieldIs(s, NAME_ROW, "<ghijklmnop ", 11)) << s.dump();
    s.pageUp();
    EXPECT_TRUE(fieldIs(s, NAME_ROW, "abcdefghijk>", 0)) << s.dump();
    s.sendText("Z");
    EXPECT_TRUE(fieldIs(s, NAME_ROW, "Zabcdefghij>", 1)) << s.dump();
    s.end();                             // End goes to the end, as Page Down does
    EXPECT_TRUE(fieldIs(s, NAME_ROW, "<ghijklmnop ", 11)) << s.dump();
    s.pageUp();
    s.pageDown();
    EXPECT_TRUE(fieldIs(s, NAME_ROW, "<ghijklmnop ", 11)) << s.dump();
    s.home();
    EXPECT_TRUE(fieldIs(s, NAME_ROW, "Zabcdefghij>", 0)) << s.dump();
    finish(s);
    EXPECT_EQ("Zabcdefghijklmnop", s.result("name"));
}

TEST(LineEditScreen, MaskedFieldShowsStars)
{
    ScreenSession s(24, 80);
    startForm(s);
    s.tab();
    s.sendText("secret");
    EXPECT_TRUE(fieldIs(s, PASS_ROW, "******      ", 6)) << s.dump();
    s.backTab();
    finish(s);
    EXPECT_EQ("secret", s.result("pass"));
    EXPECT_EQ("", s.result("name"));
}

TEST(LineEditScreen, LeftAndRightStayInTheFieldUpAndDownLeaveIt)
{
    ScreenSession s(24, 80);
    startForm(s);
    s.sendText("ab");
    for (int i = 0; i < 3; i++)
        s.left();
    for (int i = 0; i < 3; i++)
        s.right();
    s.sendText("x");
    EXPECT_TRUE(fieldIs(s, NAME_ROW, "abx         ", 3)) << s.dump();
    s.down();
    s.sendText("y");
    EXPECT_TRUE(fieldIs(s, PASS_ROW, "*           ", 1)) << s.dump();
    s.up();
    s.sendText("z");
    EXPECT_TRUE(fieldIs(s, NAME_ROW, "abxz        ", 4)) << s.dump();
    finish(s);
    EXPECT_EQ("abxz", s.result("name"));
    EXPECT_EQ("y", s.result("pass"));
    EXPECT_EQ("", s.result("right"));
}

TEST(LineEditScreen, BackspaceDeleteAndThePrintableRange)
{
    ScreenSession s(24, 80);
    startForm(s);
    s.sendText("hello{|}~");
    EXPECT_TRUE(fieldIs(s, NAME_ROW, "hello{|}~   ", 9)) << s.dump();
    s.left();
    s.left();
    s.backspace();
    EXPECT_TRUE(fieldIs(s, NAME_ROW, "hello{}~    ", 6)) << s.dump();
    s.del();
    EXPECT_TRUE(fieldIs(s, NAME_ROW, "hello{~     ", 6)) << s.dump();
    s.sendText("\x7f");                  // what many terminals send for Backspace
    EXPECT_TRUE(fieldIs(s, NAME_ROW, "hello~      ", 5)) << s.dump();
    s.pageDown();
    s.sendText("z");
    EXPECT_TRUE(fieldIs(s, NAME_ROW, "hello~z     ", 7)) << s.dump();
    finish(s);
    EXPECT_EQ("hello~z", s.result("name"));
}

TEST(LineEditScreen, RunAloneEndsWithReturn)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({scenarioPath("lineedit_form"), "alone"}));
    ASSERT_TRUE(s.waitForText("start")) << s.dump();
    s.sendText("ed");
    ASSERT_TRUE(s.waitForText("started")) << s.dump();
    s.enter();
    EXPECT_EQ(0, s.waitExit()) << s.dump();
    EXPECT_EQ("started", s.result("text"));
    EXPECT_EQ("0", s.result("loop"));
}
