// CurListScreenTest.cpp - lists in a form on a real terminal (scenario
// list_form): frame, scroll bar and thumb, scrolling at both ends, the
// highlight, selection in both modes, and the arrows inside a form.
#include "ScreenSession.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The scenario's window lies at screen row 1, column 2. The item list's box
// starts at screen row 2, column 4, 30 columns wide; the colour list's at
// row 2, column 42, 6 rows by 20 columns.
const int TOP = 2, LEFT = 4, RIGHT = LEFT + 29, MARK = LEFT + 1, TEXT = LEFT + 3;
const int C_LEFT = 42, C_MARK = C_LEFT + 1;

void startForm(ScreenSession& s, const std::string& items, const std::string& height)
{
    ASSERT_TRUE(s.start({scenarioPath("list_form"), items, height}));
    ASSERT_TRUE(s.waitForText("Black")) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
}

bool highlighted(const ScreenSession& s, int row, int from, int to, bool reverse)
{
    for (int c = from; c <= to; c++) {
        ScreenCell cell = s.cell(row, c);
        if (reverse ? !cell.reverse : !cell.underline)
            return false;
    }
    return true;
}

bool isUpArrow(const ScreenCell& c)
{
    return c.ch == '^' || c.ch == 0x2191;
}

bool isDownArrow(const ScreenCell& c)
{
    return c.ch == 'v' || c.ch == 0x2193;
}

int thumbRow(const ScreenSession& s, int height)
{
    for (int r = TOP + 1; r < TOP + height - 1; r++)
        if (s.cell(r, RIGHT).is(Box::CKBOARD))
            return r;
    return -1;
}

void pressDown(ScreenSession& s, int n)
{
    for (int i = 0; i < n; i++)
        s.down();
}

void pressUp(ScreenSession& s, int n)
{
    for (int i = 0; i < n; i++)
        s.up();
}

bool cursorAt(ScreenSession& s, int row, int col)
{
    return s.waitFor([&] { return s.cursorRow() == row && s.cursorCol() == col; });
}

}  // namespace

TEST(ListScreen, FittingLinesShowNoScrollBar)
{
    ScreenSession s(24, 80);
    startForm(s, "6", "8");
    EXPECT_TRUE(s.cell(TOP, LEFT).isUpperLeft()) << s.dump();
    EXPECT_TRUE(s.cell(TOP + 7, RIGHT).isLowerRight());
    for (int r = TOP + 1; r < TOP + 7; r++) {
        EXPECT_TRUE(s.cell(r, RIGHT).isVLine()) << "row " << r;
        EXPECT_EQ("Item 00" + std::to_string(r - TOP - 1), s.text(r, TEXT, 8));
    }
    EXPECT_TRUE(highlighted(s, TOP + 1, MARK, RIGHT - 1, true)) << "mark, blank and text area";
    EXPECT_FALSE(s.cell(TOP + 2, TEXT).reverse);
    EXPECT_EQ(TOP + 1, s.cursorRow());
    EXPECT_EQ(MARK, s.cursorCol());
}

TEST(ListScreen, OneLineTooManyShowsArrowsAndThumb)
{
    ScreenSession s(24, 80);
    startForm(s, "7", "8");
    EXPECT_TRUE(isUpArrow(s.cell(TOP + 1, RIGHT))) << s.dump();
    EXPECT_TRUE(isDownArrow(s.cell(TOP + 6, RIGHT))) << s.dump();
    EXPECT_EQ(TOP + 2, thumbRow(s, 8)) << s.dump();
    pressDown(s, 6);                     // scrolls by one: the last page
    ASSERT_TRUE(s.waitFor([&] { return s.text(TOP + 1, TEXT, 8) == "Item 001"; })) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    EXPECT_EQ(TOP + 5, thumbRow(s, 8)) << s.dump();
}

TEST(ListScreen, ScrollsAtBothEndsAndTheThumbFollows)
{
    ScreenSession s(24, 80);
    startForm(s, "300", "8");
    pressUp(s, 1);
    pressDown(s, 5);
    ASSERT_TRUE(cursorAt(s, TOP + 6, MARK)) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    EXPECT_EQ("Item 000", s.text(TOP + 1, TEXT, 8));
    EXPECT_TRUE(highlighted(s, TOP + 6, MARK, RIGHT - 1, true));
    EXPECT_FALSE(s.cell(TOP + 5, TEXT).reverse);

    pressDown(s, 1);
    ASSERT_TRUE(s.waitFor([&] { return s.text(TOP + 1, TEXT, 8) == "Item 001"; })) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    EXPECT_EQ("Item 006", s.text(TOP + 6, TEXT, 8));
    pressUp(s, 5);
    ASSERT_TRUE(cursorAt(s, TOP + 1, MARK)) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    EXPECT_EQ("Item 001", s.text(TOP + 1, TEXT, 8));
    pressUp(s, 1);
    ASSERT_TRUE(s.waitFor([&] { return s.text(TOP + 1, TEXT, 8) == "Item 000"; })) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    EXPECT_EQ(TOP + 2, thumbRow(s, 8));

    pressDown(s, 305);
    ASSERT_TRUE(s.waitFor([&] { return s.text(TOP + 6, TEXT, 8) == "Item 299"; }, 15000)) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    EXPECT_EQ("Item 294", s.text(TOP + 1, TEXT, 8));
    EXPECT_EQ(TOP + 8 - 3, thumbRow(s, 8)) << "the row over the down arrow";
    EXPECT_EQ(TOP + 6, s.cursorRow());
    EXPECT_TRUE(highlighted(s, TOP + 6, MARK, RIGHT - 1, true));
}

TEST(ListScreen, SelectsManyInTheFirstListAndOneInTheSecond)
{
    ScreenSession s(24, 80);
    startForm(s, "300", "8");
    EXPECT_EQ("*", s.text(TOP + 3, C_MARK, 1)) << "Blue, selected at the start";
    s.sendText(" ");
    pressDown(s, 2);
    s.sendText(" ");
    ASSERT_TRUE(s.waitFor([&] { return s.text(TOP + 3, MARK, 1) == "*"; })) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    EXPECT_EQ("*", s.text(TOP + 1, MARK, 1));
    EXPECT_EQ(" ", s.text(TOP + 2, MARK, 1));

    s.tab();
    ASSERT_TRUE(s.waitFor([&] { return highlighted(s, TOP + 1, C_MARK, C_LEFT + 18, true); })) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    EXPECT_TRUE(highlighted(s, TOP + 3, MARK, RIGHT - 1, false)) << "the other list's current line underlined";
    pressDown(s, 3);
    s.sendText(" ");                     // Black: Blue gives up its mark
    ASSERT_TRUE(s.waitFor([&] { return s.text(TOP + 4, C_MARK, 1) == "*"; })) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    EXPECT_EQ(" ", s.text(TOP + 3, C_MARK, 1));

    s.tab();
    s.enter();
    ASSERT_EQ(0, s.waitExit()) << s.dump();
    EXPECT_EQ("0,2", s.result("items"));
    EXPECT_EQ("3", s.result("colours"));
}

TEST(ListScreen, LeftAndRightLeaveTheListUpAndDownDoNot)
{
    ScreenSession s(24, 80);
    startForm(s, "3", "8");
    pressDown(s, 4);                     // past the last line: stays in the list
    ASSERT_TRUE(cursorAt(s, TOP + 3, MARK)) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    s.right();
    ASSERT_TRUE(cursorAt(s, TOP + 1, C_MARK)) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    pressUp(s, 2);                       // past the first line: stays too
    s.left();
    ASSERT_TRUE(cursorAt(s, TOP + 3, MARK)) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    s.sendText(" ");
    pressDown(s, 9);
    s.tab();
    s.tab();
    s.enter();
    ASSERT_EQ(0, s.waitExit()) << s.dump();
    EXPECT_EQ("2", s.result("items"));
    EXPECT_EQ("2", s.result("colours"));
}
