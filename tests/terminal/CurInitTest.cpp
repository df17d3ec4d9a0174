// CurInitTest.cpp - the screen set-up on a real curses screen: colour pairs
// on a colour and on a monochrome terminal, the values initialize records,
// clearScreen, repeated set-up calls and the window registry.
#include <CurInit.h>
#include <CurSession.h>
#include <CurWindow.h>

#include "CursesTest.h"

TEST_F(CursesTest, InitializeRecordsColoursAttributesAndScreenSize)
{
    const int colours[] = {CurInit::black, CurInit::red,     CurInit::green, CurInit::yellow,
                           CurInit::blue,  CurInit::magenta, CurInit::cyan,  CurInit::white};
    for (int i = 0; i < 8; i++)
        EXPECT_EQ(i, colours[i]) << "colour " << i;
    EXPECT_EQ(0x10000, CurInit::standout);
    EXPECT_EQ(0x20000, CurInit::underline);
    EXPECT_EQ(0x40000, CurInit::reverse);
    EXPECT_EQ(0x80000, CurInit::blink);
    EXPECT_EQ(0x100000, CurInit::dim);
    EXPECT_EQ(0x200000, CurInit::bold);
    EXPECT_EQ(80, CurInit::width);
    EXPECT_EQ(24, CurInit::height);
    EXPECT_TRUE(CurInit::isInitialized());
}

TEST_F(CursesTest, ColourPairsAreNumberedFromOneAlsoForTheSameColours)
{
    EXPECT_EQ(1, CurInit::addColorPair(CurInit::red, CurInit::blue));
    EXPECT_EQ(2, CurInit::addColorPair(CurInit::red, CurInit::blue));
    short fg = -1, bg = -1;
    pair_content(2, &fg, &bg);
    EXPECT_EQ(CurInit::red, fg);
    EXPECT_EQ(CurInit::blue, bg);
}

// xterm has 64 pairs; curses keeps pair 0, so 63 can be handed out.
TEST_F(CursesTest, FullColourTableAnswersMinusOneAndChangesNothing)
{
    ASSERT_EQ(64, COLOR_PAIRS);
    for (int i = 1; i <= 63; i++)
        ASSERT_EQ(i, CurInit::addColorPair(CurInit::white, CurInit::black));
    EXPECT_EQ(-1, CurInit::addColorPair(CurInit::red, CurInit::black));
    EXPECT_EQ(-1, CurInit::addColorPair(CurInit::red, CurInit::black));
    EXPECT_TRUE(CurInit::setColorPair(63, CurInit::green, CurInit::black));
    EXPECT_FALSE(CurInit::setColorPair(64, CurInit::green, CurInit::black));
}

TEST_F(CursesTest, SetColorPairTakesOnlyPairsHandedOutAndRedefinesThem)
{
    int pair = CurInit::addColorPair(CurInit::red, CurInit::blue);
    EXPECT_FALSE(CurInit::setColorPair(0, CurInit::green, CurInit::black));
    EXPECT_FALSE(CurInit::setColorPair(pair + 1, CurInit::green, CurInit::black));
    EXPECT_TRUE(CurInit::setColorPair(pair, CurInit::green, CurInit::black));
    short fg = -1, bg = -1;
    pair_content((short)pair, &fg, &bg);
    EXPECT_EQ(CurInit::green, fg);
    EXPECT_EQ(CurInit::black, bg);
}

// The pair number fills the 8 colour bits of an attribute value; a number
// that does not fit (the -1 of a full table among them) selects no colour
// instead of setting attribute bits.
TEST_F(CursesTest, PairToAttrShiftsPairIntoTheColourBits)
{
    const struct {
        int pair;
        int attr;
    } cases[] = {{0, 0}, {1, 0x100}, {3, 0x300}, {255, 0xff00}, {-1, 0}, {256, 0}, {-256, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(c.attr, CurInit::pairToAttr(c.pair)) << "pair " << c.pair;
    EXPECT_EQ(COLOR_PAIR(3), (chtype)CurInit::pairToAttr(3));
}

TEST_F(CursesMonoTest, MonochromeTerminalHandsOutNoColours)
{
    ASSERT_FALSE(has_colors());
    EXPECT_EQ(0, CurInit::addColorPair(CurInit::red, CurInit::blue));
    EXPECT_EQ(0, CurInit::addColorPair(CurInit::red, CurInit::blue));
    EXPECT_EQ(0, CurInit::pairToAttr(3));
    EXPECT_TRUE(CurInit::setColorPair(5, CurInit::red, CurInit::blue));
    EXPECT_TRUE(CurInit::setColorPair(0, CurInit::red, CurInit::blue));
}

TEST_F(CursesMonoTest, MonochromeWindowWithPairAttributesShowsPlainText)
{
    CurWindow win(3, 10, 0, 0);
    win.setAttributes(CurInit::pairToAttr(CurInit::addColorPair(CurInit::red, CurInit::blue)));
    mvwaddstr(win.getWindow(), 1, 1, "plain");
    win.update();
    ScreenCell c = screen().cell(1, 1);
    EXPECT_EQ('p', (int)c.ch) << screen().dump();
    EXPECT_EQ(ScreenCell::DEFAULT, c.fg);
    EXPECT_EQ(ScreenCell::DEFAULT, c.bg);
    EXPECT_FALSE(c.reverse);
}

TEST_F(CursesTest, ClearScreenWithoutCharacterFillsWithBullets)
{
    CurInit::clearScreen(0, 0);
    for (int row = 0; row < LINES; row++)
        for (int col = 0; col < COLS; col++)
            ASSERT_TRUE(winIsAcs(stdscr, row, col, ACS_BULLET)) << "row " << row << " col " << col;
    VtScreen& s = screen();
    for (int row = 0; row < 24; row++)
        for (int col = 0; col < 80; col++)
            ASSERT_TRUE(s.cell(row, col).is(Box::BULLET)) << "row " << row << " col " << col << s.dump();
}

TEST_F(CursesTest, ClearScreenWithReverseBlanksFillsEveryCell)
{
    CurInit::clearScreen(CurInit::reverse, ' ');
    VtScreen& s = screen();
    for (int row = 0; row < 24; row++) {
        for (int col = 0; col < 80; col++) {
            ScreenCell c = s.cell(row, col);
            ASSERT_TRUE(c.ch == ' ' && c.reverse) << "row " << row << " col " << col << s.dump();
        }
    }
}

TEST_F(CursesTest, RefreshWithEmptyRegistryRepaintsStandardScreen)
{
    mvwaddstr(stdscr, 3, 4, "standard screen");
    CurInit::refreshAllWindows();
    EXPECT_EQ("standard screen", screen().text(3, 4, 15)) << screen().dump();
}

// The fixture has run initialize; another call must neither restart curses
// nor drop the colour table, and cleanup twice is harmless.
TEST_F(CursesTest, SecondInitializeIsIgnoredAndCleanupRunsOnce)
{
    EXPECT_EQ(1, CurInit::addColorPair(CurInit::red, CurInit::black));
    CurInit::initialize();
    EXPECT_EQ(2, CurInit::addColorPair(CurInit::red, CurInit::black));
    CurInit::cleanup();
    EXPECT_FALSE(CurInit::isInitialized());
    EXPECT_EQ(0, CurInit::addColorPair(CurInit::red, CurInit::black));
    CurInit::cleanup();
    CurInit::initialize();
    EXPECT_TRUE(CurInit::isInitialized());
    EXPECT_EQ(1, CurInit::addColorPair(CurInit::red, CurInit::black));
}

// A session sets the toolkit up and cleans up when it goes, by an exception
// too; one begun while the toolkit is set up leaves it set up.
TEST_F(CursesTest, SessionCleansUpOnlyWhatItSetUp)
{
    CurInit::cleanup();
    {
        CurSession outer;
        EXPECT_TRUE(CurInit::isInitialized());
        { CurSession inner; }
        EXPECT_TRUE(CurInit::isInitialized());
    }
    EXPECT_FALSE(CurInit::isInitialized());
    try {
        CurSession session;
        throw 1;
    } catch (int) {
        EXPECT_FALSE(CurInit::isInitialized());
    }
    CurInit::initialize();              // as the fixture left it
}

namespace {
// A window that counts its destruction, made on the heap as killAllWindows requires.
class CountedWindow : public CurWindow {
public:
    CountedWindow(int y) : CurWindow(2, 10, y, 0) {}
    ~CountedWindow() override { destroyed++; }
    static int destroyed;
};
int CountedWindow::destroyed = 0;

// A window that makes another with new and deletes it itself.
class OwnerWindow : public CountedWindow {
public:
    OwnerWindow() : CountedWindow(10), inner(new CountedWindow(12)) {}
    ~OwnerWindow() override { delete inner; }
    CountedWindow* inner;
};
}  // namespace

TEST_F(CursesTest, KillAllWindowsDestroysEveryRegisteredWindowOnce)
{
    CountedWindow::destroyed = 0;
    CountedWindow* titled = new CountedWindow(0);
    titled->setTitle("freed with its window", CurInit::LEFT);
    new CountedWindow(3);
    new OwnerWindow();                   // registers itself, then its inner window
    CurInit::killAllWindows();
    EXPECT_EQ(4, CountedWindow::destroyed);
    CurInit::killAllWindows();
    EXPECT_EQ(4, CountedWindow::destroyed);

    // The registry is empty: a repaint shows the standard screen alone.
    mvwaddstr(stdscr, 0, 0, "after");
    CurInit::refreshAllWindows();
    EXPECT_EQ("after", screen().text(0, 0, 5)) << screen().dump();
}

TEST_F(CursesTest, DelWindowOfAnUnregisteredWindowChangesNothing)
{
    CurWindow kept(3, 10, 0, 0);
    CurWindow dropped(3, 10, 5, 0);
    CurInit::delWindow(&dropped);
    CurInit::delWindow(&dropped);        // no longer registered
    mvwaddstr(kept.getWindow(), 1, 1, "kept");
    mvwaddstr(dropped.getWindow(), 1, 1, "dropped");
    CurInit::refreshAllWindows();
    EXPECT_EQ("kept", screen().text(1, 1, 4)) << screen().dump();
    EXPECT_EQ("       ", screen().text(6, 1, 7)) << screen().dump();
}
