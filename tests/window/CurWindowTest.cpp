// CurWindowTest.cpp - windows on a real curses screen of 24 x 80: placement
// and clamping, titles, frames, attributes, mapping, keys, and windows that
// curses cannot create.
#include <CurButton.h>
#include <CurInit.h>
#include <CurLabel.h>
#include <CurWindow.h>

#include "CursesTest.h"

#include <climits>

namespace {
// Shows the frame flag, which the window keeps to itself.
class FrameProbe : public CurWindow {
public:
    FrameProbe(int height, int width, int y, int x) : CurWindow(height, width, y, x) {}
    bool isFramed() const { return framed; }
};
}  // namespace

// Requested (height, width, y, x) and the window that results, and the
// same window moved and resized: a negative place centres, a place past the
// edge comes back onto the screen, a size below 1 x 1 is refused.
TEST_F(CursesTest, WindowsArePlacedCentredAndClampedToTheScreen)
{
    const struct {
        int height, width, y, x;
        int wantHeight, wantWidth, wantY, wantX;
    } cases[] = {
        {10, 40, -1, -1, 10, 40, 7, 20},
        {100, 200, -1, -1, 100, 200, 0, 0},   // kept, hanging off the screen
        {1000, 2000, 0, 0, 512, 512, 0, 0},
        {10, 40, 3, 5, 10, 40, 3, 5},
        {5, 10, -9, 4, 5, 10, 9, 4},      // any negative value centres
        {5, 11, 2, -1, 5, 11, 2, 34},     // (80 - 11) / 2 rounds toward zero
        {24, 80, 0, 0, 24, 80, 0, 0},
        {30, 10, -1, 70, 30, 10, 0, 70},
    };
    for (const auto& c : cases) {
        CurWindow w(c.height, c.width, c.y, c.x);
        std::string asked = "asked " + std::to_string(c.height) + "x" + std::to_string(c.width) + " at " +
                            std::to_string(c.y) + "," + std::to_string(c.x);
        EXPECT_EQ(c.wantHeight, w.getHeight()) << asked;
        EXPECT_EQ(c.wantWidth, w.getWidth()) << asked;
        EXPECT_EQ(c.wantY, w.getY()) << asked;
        EXPECT_EQ(c.wantX, w.getX()) << asked;
        ASSERT_NE(nullptr, w.getWindow()) << asked;
        EXPECT_EQ(c.wantHeight, getmaxy(w.getWindow())) << asked;
        EXPECT_EQ(c.wantWidth, getmaxx(w.getWindow())) << asked;
        EXPECT_EQ(c.wantY, getbegy(w.getWindow())) << asked;
        EXPECT_EQ(c.wantX, getbegx(w.getWindow())) << asked;
    }

    const struct {
        bool move;
        int a, b;
        bool done;
        int wantHeight, wantWidth, wantY, wantX;
    } changes[] = {
        {true, 2, 3, true, 10, 40, 2, 3},
        {true, 100, 100, true, 10, 40, 14, 40},
        {true, -1, -1, true, 10, 40, 7, 20},
        {false, 5, 20, true, 5, 20, 9, 30},     // centred again
        {false, 0, 20, false, 5, 20, 9, 30},
        {false, 20, -3, false, 5, 20, 9, 30},
        {true, INT_MAX, INT_MIN, true, 5, 20, 19, 30},
        {false, INT_MAX, 30, true, 512, 30, 0, 25},
        {true, 4, 4, true, 512, 30, 0, 4},
    };
    CurWindow w(10, 40, 0, 0);
    mvwaddstr(w.getWindow(), 1, 1, "kept");
    for (const auto& c : changes) {
        std::string what = std::string(c.move ? "move " : "resize ") + std::to_string(c.a) + ", " +
                           std::to_string(c.b);
        EXPECT_EQ(c.done, c.move ? w.move(c.a, c.b) : w.resize(c.a, c.b)) << what;
        EXPECT_EQ(c.wantHeight, w.getHeight()) << what;
        EXPECT_EQ(c.wantWidth, w.getWidth()) << what;
        EXPECT_EQ(c.wantY, w.getY()) << what;
        EXPECT_EQ(c.wantX, w.getX()) << what;
        EXPECT_EQ(c.wantHeight, getmaxy(w.getWindow())) << what;
        EXPECT_EQ(c.wantY, getbegy(w.getWindow())) << what;
        EXPECT_EQ("kept", winText(w.getWindow(), 1).substr(1, 4)) << what;
    }
    CurWindow inert(0, 10, 0, 0);
    EXPECT_FALSE(inert.move(1, 1));
    EXPECT_FALSE(inert.resize(5, 5));
}

TEST_F(CursesTest, NewWindowIsMappedUnframedBlankAndUpdateShowsIt)
{
    FrameProbe w(5, 20, 2, 3);
    EXPECT_TRUE(w.isMapped());
    EXPECT_FALSE(w.isFramed());
    for (int row = 0; row < 5; row++)
        EXPECT_EQ(std::string(20, ' '), winText(w.getWindow(), row));
    mvwaddstr(w.getWindow(), 1, 1, "shown");
    w.update();
    EXPECT_EQ("shown", screen().text(3, 4, 5)) << screen().dump();
}

TEST_F(CursesTest, UnmappedWindowIsNotUpdatedAndMapDoesNotRedraw)
{
    CurWindow w(3, 20, 0, 0);
    w.unmap();
    EXPECT_FALSE(w.isMapped());
    mvwaddstr(w.getWindow(), 1, 1, "hidden");
    w.update();
    EXPECT_EQ("      ", screen().text(1, 1, 6)) << screen().dump();
    w.map();
    EXPECT_EQ("      ", screen().text(1, 1, 6)) << screen().dump();
    w.update();
    EXPECT_EQ("hidden", screen().text(1, 1, 6)) << screen().dump();
}

// An eight-character title on a 30-column window: left from column 2,
// right ending in column 28, centred from column 2 + (27 - 8) / 2 = 11.
TEST_F(CursesTest, TitlesStandOnTheTopBorderInEveryAlignment)
{
    const struct {
        CurInit::ALIGNMENT align;
        int                firstColumn;
    } cases[] = {{CurInit::LEFT, 2}, {CurInit::RIGHT, 21}, {CurInit::CENTER, 11}};
    for (const auto& c : cases) {
        FrameProbe w(5, 30, 0, 0);
        w.setTitle("Eight ch", c.align);
        EXPECT_TRUE(w.isFramed());
        EXPECT_EQ("Eight ch", winText(w.getWindow(), 0, c.firstColumn, 8)) << "alignment " << c.align;
        EXPECT_TRUE(winIsAcs(w.getWindow(), 0, c.firstColumn - 1, ACS_HLINE)) << "alignment " << c.align;
        chtype after = c.firstColumn + 8 == 29 ? ACS_URCORNER : ACS_HLINE;
        EXPECT_TRUE(winIsAcs(w.getWindow(), 0, c.firstColumn + 8, after)) << "alignment " << c.align;
        EXPECT_TRUE(winIsAcs(w.getWindow(), 0, 0, ACS_ULCORNER));
        EXPECT_TRUE(winIsAcs(w.getWindow(), 4, 29, ACS_LRCORNER));
    }
}

TEST_F(CursesTest, TitlesShowOnTheTerminal)
{
    CurWindow left(5, 30, 0, 0), right(5, 30, 6, 0), centre(5, 30, 12, 0);
    left.setTitle("Eight ch", CurInit::LEFT);
    right.setTitle("Eight ch", CurInit::RIGHT);
    centre.setTitle("Eight ch", CurInit::CENTER);
    CurInit::refreshAllWindows();
    VtScreen& s = screen();
    EXPECT_EQ("Eight ch", s.text(0, 2, 8)) << s.dump();
    EXPECT_EQ("Eight ch", s.text(6, 21, 8)) << s.dump();
    EXPECT_EQ("Eight ch", s.text(12, 11, 8)) << s.dump();
    EXPECT_TRUE(s.cell(0, 0).isUpperLeft()) << s.dump();
    EXPECT_TRUE(s.cell(0, 1).isHLine()) << s.dump();
    EXPECT_TRUE(s.cell(6, 29).isUpperRight()) << s.dump();
    EXPECT_TRUE(s.cell(16, 0).isLowerLeft()) << s.dump();
    EXPECT_TRUE(s.cell(14, 29).isVLine()) << s.dump();
}

TEST_F(CursesTest, EmptyTitleShowsFrameWithoutTitle)
{
    CurWindow w(5, 20, 0, 0);
    w.setTitle("", CurInit::LEFT);
    for (int col = 1; col < 19; col++)
        EXPECT_TRUE(winIsAcs(w.getWindow(), 0, col, ACS_HLINE)) << "column " << col;
    EXPECT_TRUE(winIsAcs(w.getWindow(), 2, 0, ACS_VLINE));
}

TEST_F(CursesTest, NullTitleChangesNothing)
{
    FrameProbe w(5, 20, 0, 0);
    w.setTitle(nullptr, CurInit::LEFT);
    EXPECT_FALSE(w.isFramed());
    EXPECT_EQ(std::string(20, ' '), winText(w.getWindow(), 0));
    w.setTitle("kept", CurInit::LEFT);
    w.setTitle(nullptr, CurInit::RIGHT);
    w.erase();
    w.drawFrame();
    EXPECT_EQ("kept", winText(w.getWindow(), 0, 2, 4));
}

// Room for a title is width - 3 = 17 columns: the words that fit show, the
// rest is left out rather than written over the rows below.
TEST_F(CursesTest, LongTitleShowsTheWordsThatFitOnTheBorder)
{
    CurWindow w(6, 20, 0, 0);
    w.setTitle("A title much longer than its room", CurInit::LEFT);
    EXPECT_EQ("A title much", winText(w.getWindow(), 0, 2, 12));
    EXPECT_EQ(std::string(15, ' '), winText(w.getWindow(), 1, 2, 15));
}

TEST_F(CursesTest, EnableFrameFalseBlanksBorderAndClearsTheFlag)
{
    FrameProbe off(5, 20, 0, 0), hidden(5, 20, 6, 0);
    off.setTitle("title", CurInit::LEFT);
    hidden.setTitle("title", CurInit::LEFT);
    off.enableFrame(false);
    hidden.hideFrame();
    EXPECT_FALSE(off.isFramed());
    EXPECT_TRUE(hidden.isFramed());
    for (FrameProbe* w : {&off, &hidden}) {
        EXPECT_EQ(std::string(20, ' '), winText(w->getWindow(), 0));
        EXPECT_EQ(std::string(20, ' '), winText(w->getWindow(), 4));
        EXPECT_EQ(' ', winChar(w->getWindow(), 2, 0));
        EXPECT_EQ(' ', winChar(w->getWindow(), 2, 19));
    }
}

TEST_F(CursesTest, SetAttributesReverseFillsTheWindowWithReverseBlanks)
{
    CurWindow w(4, 20, 2, 2);
    w.setAttributes(CurInit::reverse);
    w.update();
    VtScreen& s = screen();
    for (int row = 2; row < 6; row++)
        for (int col = 2; col < 22; col++)
            ASSERT_TRUE(s.cell(row, col).ch == ' ' && s.cell(row, col).reverse) << row << "," << col << s.dump();
    EXPECT_FALSE(s.cell(1, 2).reverse);
    EXPECT_FALSE(s.cell(2, 22).reverse);
}

TEST_F(CursesTest, SetAttributesWithCharacterFillsWithItAndTextKeepsItsLetters)
{
    CurWindow w(4, 20, 0, 0);
    w.setAttributes(CurInit::reverse | '.');
    mvwaddstr(w.getWindow(), 1, 1, "text");
    w.update();
    VtScreen& s = screen();
    EXPECT_EQ(".text...............", s.text(1, 0, 20)) << s.dump();
    EXPECT_EQ(std::string(20, '.'), s.text(3, 0, 20)) << s.dump();
    EXPECT_TRUE(s.cell(3, 19).reverse);
    EXPECT_TRUE(s.cell(1, 2).reverse);
}

TEST_F(CursesTest, SetAttributesWithPairColoursWindowAndWritesBoldInIt)
{
    int pair = CurInit::addColorPair(CurInit::yellow, CurInit::blue);
    CurWindow w(3, 10, 0, 0);
    w.setAttributes(CurInit::pairToAttr(pair) | CurInit::bold);
    mvwaddstr(w.getWindow(), 1, 1, "hi");
    w.update();
    VtScreen& s = screen();
    EXPECT_EQ(CurInit::blue, s.cell(0, 0).bg) << s.dump();
    EXPECT_EQ(CurInit::blue, s.cell(2, 9).bg) << s.dump();
    EXPECT_EQ(CurInit::yellow, s.cell(1, 1).fg) << s.dump();
    EXPECT_TRUE(s.cell(1, 1).bold) << s.dump();
    EXPECT_EQ(pair, winPair(w.getWindow(), 2, 9));
}

TEST_F(CursesTest, EraseBlanksEveryCellFrameIncluded)
{
    CurWindow w(4, 12, 0, 0);
    w.setTitle("x", CurInit::LEFT);
    mvwaddstr(w.getWindow(), 1, 1, "text");
    w.erase();
    for (int row = 0; row < 4; row++)
        EXPECT_EQ(std::string(12, ' '), winText(w.getWindow(), row));
}

TEST_F(CursesTest, TouchMarksEveryLineChanged)
{
    CurWindow w(4, 12, 0, 0);
    w.update();
    for (int row = 0; row < 4; row++)
        ASSERT_FALSE(is_linetouched(w.getWindow(), row));
    w.touch();
    for (int row = 0; row < 4; row++)
        EXPECT_TRUE(is_linetouched(w.getWindow(), row)) << "row " << row;
}

TEST_F(CursesTest, GetCharReturnsMinusOneWithoutKeyAndKeypadCodesWhole)
{
    CurWindow w(3, 10, 0, 0);
    w.nodelay(true);
    EXPECT_EQ(-1, w.getChar());
    keypad(w.getWindow(), TRUE);
    screen().left();                     // the bytes a terminal sends for the left arrow
    w.nodelay(false);
    EXPECT_EQ(KEY_LEFT, w.getChar());
}

// A full-width window at column 10, one below the last line, an empty one:
// none gets a curses window, and each stays inert through everything a
// program and the toolkit do with it.
TEST_F(CursesTest, WindowThatDoesNotFitIsInert)
{
    const int shapes[][4] = {{5, 80, 2, 10}, {3, 10, 22, 0}, {3, 10, 30, 0}, {0, 10, 1, 1}, {4, -3, 1, 1}};
    for (const auto& shape : shapes) {
        CurWindow* w = new CurWindow(shape[0], shape[1], shape[2], shape[3]);
        EXPECT_EQ(nullptr, w->getWindow()) << shape[0] << "x" << shape[1] << " at " << shape[2] << "," << shape[3];
        w->setAttributes(CurInit::reverse | '.');
        w->setTitle("inert", CurInit::RIGHT);
        w->enableFrame(false);
        w->hideFrame();
        w->drawFrame();
        w->erase();
        w->touch();
        w->nodelay(true);
        EXPECT_EQ(-1, w->getChar());
        w->unmap();
        w->update();
        w->map();
        w->update();

        {
            CurLabel label(w, true);
            label.setText("a label on no window at all", true);
            label.setAlignment(CurInit::RIGHT, CurInit::BOTTOM, true);
            EXPECT_EQ(-1, label.kbdLoop());
            CurButton button(w);
            button.acceptFocus(true);
            button.draw();
            CurInit::refreshAllWindows();
        }
        delete w;
    }
    CurWindow* again = new CurWindow(5, 80, 2, 10);
    CurInit::killAllWindows();           // an inert window dies in the registry's hands too
    (void)again;
    mvwaddstr(stdscr, 0, 0, "still fine");
    CurInit::refreshAllWindows();
    EXPECT_EQ("still fine", screen().text(0, 0, 10)) << screen().dump();
}

// Redraw without asking: a change made without drawing reaches the terminal
// before the next key is read only where the window or the session asked
// for it, and at once through redrawChanged; otherwise it waits for draw.
TEST_F(CursesTest, WindowsRedrawnWithoutAskingShowChangesBeforeTheNextKey)
{
    const struct {
        bool session, window, call, shown;
    } cases[] = {
        {false, false, false, false}, {false, true, false, true},
        {true, false, false, true},   {false, false, true, false},
        {false, true, true, true},
    };
    int n = 0;
    for (const auto& c : cases) {
        CurWindow win(3, 20, 2 + 4 * n, 5);
        CurLabel label(&win, false);
        label.setGeometry(1, 18, 1, 1);
        win.update();
        win.setAutoRedraw(c.window);
        CurInit::setAutoRedraw(c.session);
        std::string text = "changed " + std::to_string(n++);
        label.setText(text.c_str(), false);
        if (c.call) {
            CurInit::redrawChanged();
        } else {
            pushKeys({'x'});
            EXPECT_EQ('x', CurInit::readKey(&win));
        }
        CurInit::setAutoRedraw(false);
        EXPECT_EQ(c.shown, screen().findRow(text) >= 0) << text << "\n" << screen().dump();
    }
}
