// CurButtonTest.cpp - the push button: its bar on the screen, activation by
// real keys, reset, and its own keyboard loop.
#include "CursesTest.h"

#include "CurButton.h"
#include "CurWindow.h"

#include <memory>
#include <string>

namespace {

struct Counter {
    int calls = 0;
    static void count(void* data) { static_cast<Counter*>(data)->calls++; }
};

// The window lies at screen row 2, column 2: cells on the terminal are
// offset by that much from the cells of the window.
const int WY = 2, WX = 2;

class CurButtonTest : public CursesTest {
protected:
    // Built once curses runs, and gone before it ends.
    std::unique_ptr<CurWindow> window;
    CurWindow* win = nullptr;
    void SetUp() override
    {
        CursesTest::SetUp();
        window.reset(new CurWindow(6, 30, WY, WX));
        win = window.get();
    }
    void TearDown() override
    {
        window.reset();
        CursesTest::TearDown();
    }

    // Every cell of the bar on row `row` of the window: text and whether it
    // is reverse, and bold, as the terminal shows them after an update.
    void expectBar(int row, int x, int width, const std::string& text, bool bold)
    {
        win->update();
        std::string shown = screen().text(WY + row, WX + x, width);
        EXPECT_EQ(text, shown) << screen().dump();
        for (int c = x; c < x + width; c++) {
            ScreenCell cell = screen().cell(WY + row, WX + c);
            EXPECT_TRUE(cell.reverse) << "column " << c << "\n" << screen().dump();
            EXPECT_EQ(bold, cell.bold) << "column " << c << "\n" << screen().dump();
        }
        EXPECT_FALSE(screen().cell(WY + row, WX + x - 1).reverse) << screen().dump();
        EXPECT_FALSE(screen().cell(WY + row, WX + x + width).reverse) << screen().dump();
    }
};

TEST_F(CurButtonTest, UnfocusedBarIsReverseWithCentredTextAndCursorAfterIt)
{
    CurButton ok(win);
    ok.setGeometry(1, 10, 1, 5);
    ok.draw();
    expectBar(1, 5, 10, "    OK    ", false);
    EXPECT_EQ(WY + 1, screen().cursorRow());
    EXPECT_EQ(WX + 11, screen().cursorCol());
}

TEST_F(CurButtonTest, FocusedBarIsReverseAndBold)
{
    CurButton ok(win);
    ok.setGeometry(1, 10, 1, 5);
    ok.acceptFocus(true);
    expectBar(1, 5, 10, "    OK    ", true);
    ok.loseFocus(true);
    expectBar(1, 5, 10, "    OK    ", false);
}

TEST_F(CurButtonTest, TextWiderThanTheBarIsCutAtItsRightEdge)
{
    CurButton b(win);
    b.setGeometry(1, 4, 2, 3);
    b.setText("Cancel", true);
    expectBar(2, 3, 4, "Canc", false);
    EXPECT_EQ(WX + 3 + 4, screen().cursorCol());
    EXPECT_EQ(' ', winChar(win->getWindow(), 2, 7));
}

TEST_F(CurButtonTest, TallButtonDrawsOnlyItsMiddleRow)
{
    CurButton b(win);
    b.setGeometry(3, 8, 1, 2);
    b.setText("Go", false);
    b.draw();
    expectBar(2, 2, 8, "   Go   ", false);
    for (int c = 2; c < 10; c++) {
        EXPECT_EQ(0u, winAttrs(win->getWindow(), 1, c) & A_REVERSE) << c;
        EXPECT_EQ(0u, winAttrs(win->getWindow(), 3, c) & A_REVERSE) << c;
    }
}

TEST_F(CurButtonTest, BarStopsAtTheWindowEdgeInsteadOfWrapping)
{
    CurButton b(win);
    b.setGeometry(1, 20, 1, 20);    // ten of its columns lie past the window
    b.setText("Wide", false);
    b.draw();
    for (int c = 20; c < 30; c++)
        EXPECT_TRUE(winAttrs(win->getWindow(), 1, c) & A_REVERSE) << c;
    for (int c = 0; c < 30; c++)
        EXPECT_EQ(0u, winAttrs(win->getWindow(), 2, c) & A_REVERSE) << "next row, column " << c;
}

TEST_F(CurButtonTest, EnterAndSpaceActivateAndCallBackEachTime)
{
    CurButton b(win);
    Counter counter;
    b.setActivateCB(Counter::count, &counter);
    EXPECT_TRUE(b.processKey(13));
    EXPECT_TRUE(b.isActivated());
    EXPECT_EQ(1, counter.calls);
    EXPECT_TRUE(b.processKey(' '));
    EXPECT_EQ(2, counter.calls);
}

TEST_F(CurButtonTest, LineFeedAndLettersDoNotActivate)
{
    CurButton b(win);
    Counter counter;
    b.setActivateCB(Counter::count, &counter);
    for (int key : std::initializer_list<int>{10, 'a', 'O', 9, KEY_DOWN, ERR}) {
        EXPECT_FALSE(b.processKey(key)) << key;
        EXPECT_FALSE(b.isActivated()) << key;
    }
    EXPECT_EQ(0, counter.calls);
}

TEST_F(CurButtonTest, ResetClearsTheFlagWithoutCallingOrDrawing)
{
    CurButton b(win);
    b.setGeometry(1, 6, 1, 1);
    Counter counter;
    b.setActivateCB(Counter::count, &counter);
    b.processKey(13);
    b.reset();
    EXPECT_FALSE(b.isActivated());
    EXPECT_EQ(1, counter.calls);
    EXPECT_EQ(0u, winAttrs(win->getWindow(), 1, 1) & A_REVERSE);
}

TEST_F(CurButtonTest, OwnLoopActivatesOnRealKeysAndEndsAfterEnter)
{
    CurButton b(win);
    Counter counter;
    b.setActivateCB(Counter::count, &counter);
    screen().sendText(" x");        // space activates, a letter is ignored
    screen().enter();               // activates again and ends the loop
    EXPECT_EQ(0, b.kbdLoop());
    EXPECT_TRUE(b.isActivated());
    EXPECT_EQ(2, counter.calls);
}

} // namespace
