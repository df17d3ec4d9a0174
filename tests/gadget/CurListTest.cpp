// CurListTest.cpp - the list: frame, scroll bar and thumb, scrolling at both
// ends, partial repaints, single and multiple selection, long and short
// lines, the highlight, small boxes, and its keys alone and in a form.
#include "CursesTest.h"
#include "InputsTestUtil.h"

#include <CurButton.h>
#include <CurFocuser.h>
#include <CurList.h>
#include <CurWindow.h>

#include <climits>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The list's box in its window: 8 rows (6 interior), 20 columns (16 for text).
const int Y = 1, X = 2, H = 8, W = 20;

std::vector<int> selectedOf(CurList& list)
{
    int* indices = nullptr;
    int count = -1;
    list.getSelected(&indices, &count);
    std::vector<int> v(indices, indices + (count > 0 ? count : 0));
    delete[] indices;
    return v;
}

struct ListFixture {
    CurWindow win{14, 40, 0, 0};
    WINDOW* w = win.getWindow();
    CurList list{&win};

    explicit ListFixture(int lines, int height = H, int width = W)
    {
        fillWindow(w, '.');
        list.setGeometry(height, width, Y, X);
        for (int i = 0; i < lines; i++)
            list.addLine(("Line " + std::to_string(i)).c_str(), false, false);
        list.draw();
    }
    // mark, blank and text of an interior row
    std::string row(int k) { return cellsText(w, Y + 1 + k, X + 1, W - 2); }
    std::string firstWord(int k) { return row(k).substr(2, 7); }
    bool isAcs(int r, int c, chtype acs) { return cellIsAcs(w, r, c, acs); }
    int thumbRow()
    {
        for (int r = Y + 1; r < Y + H - 1; r++)
            if (isAcs(r, X + W - 1, ACS_CKBOARD))
                return r;
        return -1;
    }
    void keys(std::initializer_list<int> ks)
    {
        for (int k : ks)
            list.processKey(k);
    }
    void down(int n)
    {
        for (int i = 0; i < n; i++)
            list.processKey(KEY_DOWN);
    }
};

}  // namespace

TEST_F(CursesTest, ListEmptyDrawsTheFrameOnly)
{
    ListFixture f(0);
    EXPECT_TRUE(f.isAcs(Y, X, ACS_ULCORNER));
    EXPECT_TRUE(f.isAcs(Y, X + W - 1, ACS_URCORNER));
    EXPECT_TRUE(f.isAcs(Y + H - 1, X, ACS_LLCORNER));
    EXPECT_TRUE(f.isAcs(Y + H - 1, X + W - 1, ACS_LRCORNER));
    for (int c = X + 1; c < X + W - 1; c++) {
        EXPECT_TRUE(f.isAcs(Y, c, ACS_HLINE)) << c;
        EXPECT_TRUE(f.isAcs(Y + H - 1, c, ACS_HLINE)) << c;
    }
    for (int r = Y + 1; r < Y + H - 1; r++) {
        EXPECT_TRUE(f.isAcs(r, X, ACS_VLINE)) << r;
        EXPECT_TRUE(f.isAcs(r, X + W - 1, ACS_VLINE)) << r;
        EXPECT_EQ(std::string(W - 2, '.'), f.row(r - Y - 1)) << "interior untouched";
    }
    EXPECT_EQ(std::make_pair(Y + 1, X + 1), cursorOf(f.w));
    EXPECT_TRUE(f.list.processKey(KEY_UP));
    EXPECT_TRUE(f.list.processKey(KEY_DOWN));
    EXPECT_FALSE(f.list.processKey(' '));
    EXPECT_EQ(std::make_pair(Y + 1, X + 1), cursorOf(f.w));
    EXPECT_TRUE(selectedOf(f.list).empty());
}

TEST_F(CursesTest, ListShowsTheScrollBarOnlyWhenTheLinesDoNotFit)
{
    ListFixture fits(H - 2);
    for (int r = Y + 1; r < Y + H - 1; r++)
        EXPECT_TRUE(fits.isAcs(r, X + W - 1, ACS_VLINE)) << r;

    ListFixture overflows(H - 1);
    EXPECT_TRUE(overflows.isAcs(Y + 1, X + W - 1, ACS_UARROW));
    EXPECT_TRUE(overflows.isAcs(Y + H - 2, X + W - 1, ACS_DARROW));
    EXPECT_EQ(Y + 2, overflows.thumbRow());
    for (int r = Y + 3; r < Y + H - 2; r++)
        EXPECT_TRUE(overflows.isAcs(r, X + W - 1, ACS_VLINE)) << r;
}

TEST_F(CursesTest, ListKeepsUpAndDownAtItsEndsAndLeavesOtherKeys)
{
    ListFixture f(3);
    EXPECT_TRUE(f.list.processKey(KEY_UP));
    EXPECT_EQ(std::make_pair(Y + 1, X + 1), cursorOf(f.w));
    f.down(5);
    EXPECT_TRUE(f.list.processKey(KEY_DOWN));
    EXPECT_EQ(std::make_pair(Y + 3, X + 1), cursorOf(f.w));
    for (int key : std::vector<int>{KEY_LEFT, KEY_RIGHT, 13, 9, 10, 'x', ERR})
        EXPECT_FALSE(f.list.processKey(key)) << key;
}

// Moving inside the view repaints the two rows concerned only: a cell changed
// behind the list's back survives it, and a scroll repaints every row.
TEST_F(CursesTest, ListScrollsOneLineAtEitherEndOfTheView)
{
    ListFixture f(20);
    f.down(4);
    mvwaddch(f.w, Y + 3, X + 10, '#');
    f.down(1);                           // on the last interior row
    EXPECT_EQ('#', winChar(f.w, Y + 3, X + 10)) << "partial repaints";
    EXPECT_EQ("Line 0 ", f.firstWord(0));
    EXPECT_TRUE(winAttrs(f.w, Y + 6, X + 5) & A_REVERSE);
    EXPECT_FALSE(winAttrs(f.w, Y + 5, X + 5) & A_REVERSE);

    f.down(1);                           // scrolls by one line
    EXPECT_EQ("Line 1 ", f.firstWord(0));
    EXPECT_EQ("Line 6 ", f.firstWord(5));
    EXPECT_NE('#', winChar(f.w, Y + 3, X + 10)) << "whole list repainted";
    EXPECT_EQ(std::make_pair(Y + 6, X + 1), cursorOf(f.w));

    f.keys({KEY_UP, KEY_UP, KEY_UP, KEY_UP, KEY_UP});   // on the first interior row
    EXPECT_EQ("Line 1 ", f.firstWord(0));
    EXPECT_EQ(std::make_pair(Y + 1, X + 1), cursorOf(f.w));
    f.keys({KEY_UP});                    // scrolls back
    EXPECT_EQ("Line 0 ", f.firstWord(0));
    EXPECT_EQ(std::make_pair(Y + 1, X + 1), cursorOf(f.w));
    EXPECT_TRUE(winAttrs(f.w, Y + 1, X + 5) & A_REVERSE);
}

// The thumb runs from the row under the up arrow, at the top of the list, to
// the row over the down arrow when the last page shows.
TEST_F(CursesTest, ListThumbFollowsTheTopLine)
{
    const int N = 20, rows = H - 2;
    ListFixture f(N);
    for (int top = 0; top <= N - rows; top++) {
        EXPECT_EQ(Y + 2 + top * (H - 5) / (N - rows), f.thumbRow()) << "top line " << top;
        f.down(top == 0 ? rows : 1);
    }
    f.down(10);
    EXPECT_EQ("Line 14", f.firstWord(0));
    EXPECT_EQ("Line 19", f.firstWord(rows - 1));
    EXPECT_EQ(Y + H - 3, f.thumbRow());
    EXPECT_EQ(std::make_pair(Y + H - 2, X + 1), cursorOf(f.w));
}

TEST_F(CursesTest, ListSingleModeKeepsAtMostOneLineSelected)
{
    ListFixture f(20);
    f.list.setSelectMode(CurList::SINGLE);
    fillWindow(f.w, '.');
    f.keys({' '});
    EXPECT_EQ(std::vector<int>{0}, selectedOf(f.list));
    for (int k = 1; k < H - 2; k++)      // selecting repaints every other row in view
        EXPECT_EQ("  Line " + std::to_string(k), f.row(k).substr(0, 8)) << k;
    f.down(3);
    f.keys({' '});
    EXPECT_EQ(std::vector<int>{3}, selectedOf(f.list));
    EXPECT_EQ("  Line 0", f.row(0).substr(0, 8)) << "the old mark is gone";
    EXPECT_EQ("* Line 3", f.row(3).substr(0, 8));
    f.keys({' '});
    EXPECT_TRUE(selectedOf(f.list).empty());

    f.keys({' '});                       // line 3, then one out of view
    f.down(12);
    f.keys({' '});
    EXPECT_EQ(std::vector<int>{15}, selectedOf(f.list));
    f.keys({KEY_UP, ' '});
    EXPECT_EQ(std::vector<int>{14}, selectedOf(f.list));
}

TEST_F(CursesTest, ListMultipleModeSelectsAnyNumber)
{
    ListFixture f(10);
    f.list.setSelectMode((CurList::SELECT_MODE)2);  // any value but SINGLE selects any number
    f.keys({' ', KEY_DOWN, KEY_DOWN, ' ', KEY_DOWN, ' ', KEY_UP, ' '});
    EXPECT_EQ((std::vector<int>{0, 3}), selectedOf(f.list));
    EXPECT_EQ("* Line 0", f.row(0).substr(0, 8));
    EXPECT_EQ("  Line 2", f.row(2).substr(0, 8));
}

TEST_F(CursesTest, ListSwitchToSingleKeepsTheFirstSelectedLine)
{
    ListFixture f(0);
    for (int i = 0; i < 10; i++)
        f.list.addLine("x", i == 2 || i == 5 || i == 7, false);
    fillWindow(f.w, '.');
    f.list.setSelectMode(CurList::SINGLE);
    EXPECT_EQ(std::vector<int>{2}, selectedOf(f.list));
    EXPECT_TRUE(f.isAcs(Y, X, ACS_ULCORNER)) << "redrawn";
    EXPECT_EQ("  x", f.row(5).substr(0, 3));

    fillWindow(f.w, '.');
    f.list.setSelectMode(CurList::MULTIPLE);
    f.list.setSelectMode(CurList::SINGLE);
    EXPECT_EQ('.', winChar(f.w, Y, X)) << "nothing to clear: nothing drawn";
    EXPECT_EQ(std::vector<int>{2}, selectedOf(f.list));

    f.list.addLine("added selected", true, false);  // kept as given, even in single mode
    EXPECT_EQ((std::vector<int>{2, 10}), selectedOf(f.list));
}

TEST_F(CursesTest, ListReportsItsSelection)
{
    ListFixture f(6);
    int count = -1;
    int* indices = (int*)&count;
    f.list.getSelected(&indices, &count);
    EXPECT_EQ(0, count);
    EXPECT_EQ(nullptr, indices);

    f.keys({KEY_DOWN, ' ', KEY_DOWN, KEY_DOWN, KEY_DOWN, ' '});
    f.list.getSelected(&indices, &count);
    ASSERT_EQ(2, count);
    EXPECT_EQ(1, indices[0]);
    EXPECT_EQ(4, indices[1]);
    delete[] indices;

    count = 0;
    f.list.getSelected(nullptr, &count);
    EXPECT_EQ(2, count);
    f.list.getSelected(nullptr, nullptr);
}

TEST_F(CursesTest, ListCutsLongLinesAndHighlightsTheWholeInterior)
{
    ListFixture f(0);
    const std::string fits(W - 4, 'f');
    f.list.addLine(fits.c_str(), false, false);
    f.list.addLine((fits + "cut").c_str(), true, false);
    f.list.addLine("ab", false, false);
    f.list.addLine(nullptr, false, false);  // ignored
    f.list.draw();
    EXPECT_EQ("  " + fits, f.row(0));
    EXPECT_EQ("* " + fits, f.row(1));
    EXPECT_EQ("  ab" + std::string(W - 6, ' '), f.row(2));
    EXPECT_TRUE(f.isAcs(Y + 2, X + W - 1, ACS_VLINE)) << "the frame is not overwritten";
    EXPECT_EQ("........", f.row(3).substr(0, 8)) << "rows below the last line untouched";

    for (int c = X + 1; c < X + W - 1; c++) {
        EXPECT_TRUE(winAttrs(f.w, Y + 1, c) & A_REVERSE) << c;
        EXPECT_FALSE(winAttrs(f.w, Y + 2, c) & (A_REVERSE | A_UNDERLINE)) << c;
    }
    f.list.loseFocus(true);
    for (int c = X + 1; c < X + W - 1; c++) {
        EXPECT_TRUE(winAttrs(f.w, Y + 1, c) & A_UNDERLINE) << c;
        EXPECT_FALSE(winAttrs(f.w, Y + 1, c) & A_REVERSE) << c;
    }
    EXPECT_EQ(std::make_pair(Y + 1, X + 1), cursorOf(f.w));
}

TEST_F(CursesTest, ListRunAloneStopsAfterReturn)
{
    ListFixture f(5);
    pushKeys({KEY_DOWN, ' ', KEY_RIGHT, 13});
    EXPECT_EQ(0, f.list.kbdLoop());
    EXPECT_EQ(std::vector<int>{1}, selectedOf(f.list));
}

// Boxes lower than 5 rows or narrower than 4 columns: nothing beside the box
// is written, whatever the keys, and the cursor stays in the box.
TEST_F(CursesTest, ListSmallBoxesStayInsideTheirBox)
{
    for (int height = 0; height <= 5; height++) {
        for (int width = 0; width <= 4; width++) {
            for (int lines : {0, 1, 3, 10}) {
                ListFixture f(lines, height, width);
                std::string what = std::to_string(height) + " x " + std::to_string(width) +
                                   ", " + std::to_string(lines) + " lines";
                for (int key : std::vector<int>{KEY_DOWN, ' ', KEY_DOWN, KEY_DOWN, KEY_DOWN, ' ', KEY_UP}) {
                    f.list.processKey(key);
                    if (height > 0 && width > 0) {
                        auto cur = cursorOf(f.w);
                        EXPECT_TRUE(cur.first >= Y && cur.first < Y + height) << what;
                        EXPECT_TRUE(cur.second >= X && cur.second < X + width) << what;
                    }
                }
                f.list.draw();
                EXPECT_EQ(0, writtenOutside(f.w, '.', height, width, Y, X)) << what;
            }
        }
    }
}

TEST_F(CursesTest, ListSmallBoxesDrawWhatFits)
{
    ListFixture four(10, 4, 10);         // two interior rows: arrows, no thumb
    EXPECT_TRUE(four.isAcs(Y + 1, X + 9, ACS_UARROW));
    EXPECT_TRUE(four.isAcs(Y + 2, X + 9, ACS_DARROW));
    four.list.processKey(' ');
    EXPECT_EQ("* L", winText(four.w, Y + 1, X + 1, 3));

    ListFixture three(10, 3, 3);         // one interior row, one interior column
    EXPECT_TRUE(three.isAcs(Y, X, ACS_ULCORNER));
    EXPECT_TRUE(three.isAcs(Y + 1, X + 2, ACS_VLINE)) << "no scroll bar";
    three.list.processKey(' ');
    EXPECT_EQ('*', winChar(three.w, Y + 1, X + 1));
    three.list.processKey(KEY_DOWN);     // every move scrolls
    EXPECT_EQ(' ', winChar(three.w, Y + 1, X + 1));
    EXPECT_EQ(std::vector<int>{0}, selectedOf(three.list));
}

// A lower box given while the current line stands below its last row: the
// next key brings the view back around the current line.
TEST_F(CursesTest, ListFollowsALowerGeometry)
{
    ListFixture f(20);
    f.down(5);
    f.list.setGeometry(5, W, Y, X);      // three interior rows
    fillWindow(f.w, '.');
    f.keys({KEY_UP});
    EXPECT_EQ("Line 3 ", f.firstWord(0));
    EXPECT_EQ("Line 5 ", f.firstWord(2));
    EXPECT_EQ(std::make_pair(Y + 2, X + 1), cursorOf(f.w));
    EXPECT_EQ(0, writtenOutside(f.w, '.', 5, W, Y, X));
}

TEST_F(CursesTest, ListInAFormKeepsUpAndDownAndGivesUpLeftAndRight)
{
    CurWindow win(14, 60, 0, 0);
    CurList list(&win);
    list.setGeometry(6, 20, 1, 1);
    for (int i = 0; i < 6; i++)
        list.addLine("line", false, false);
    CurButton ok(&win);
    ok.setGeometry(1, 10, 3, 30);
    CurFocuser form;
    form.addGadget(&list);
    form.addGadget(&ok);
    ok.setActivateCB(stopFormCB, &form);

    pushKeys({KEY_UP, KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_DOWN, ' ',
              KEY_RIGHT, 13});
    form.kbdLoop();
    EXPECT_EQ(std::vector<int>{5}, selectedOf(list));
    EXPECT_TRUE(ok.isActivated());
}

// The program's own changes against a model: after each step the lines, the
// current line, the top line, the marks, the rows each call drew and the
// thumb agree. A list of 10 lines in a view of 6 rows; bad indices change nothing.
TEST_F(CursesTest, ListChangesKeepViewMarksAndScrollBarConsistent)
{
    struct Step {
        const char* what;
        char op;                         // i insert, r remove, s set, c current, m mark, S single, x clear, k key
        int index;
        bool on;
        int current, top;
        std::vector<int> marks;
    };
    const Step steps[] = {
        {"End", 'k', KEY_END, false, 9, 4, {}},
        {"insert above the view", 'i', 0, false, 10, 5, {}},
        {"append marked", 'i', 11, true, 10, 5, {11}},
        {"remove the current", 'r', 10, false, 10, 5, {10}},
        {"remove the current, last", 'r', 10, false, 9, 4, {}},
        {"rename the current", 's', 9, false, 9, 4, {}},
        {"current to the top", 'c', 0, false, 0, 0, {}},
        {"current -1", 'c', -1, false, 0, 0, {}},
        {"current past the end", 'c', 10, false, 0, 0, {}},
        {"current INT_MAX", 'c', INT_MAX, false, 0, 0, {}},
        {"insert past the end", 'i', 11, true, 0, 0, {}},
        {"insert at -1", 'i', -1, true, 0, 0, {}},
        {"remove at the count", 'r', 10, false, 0, 0, {}},
        {"rename at INT_MIN", 's', INT_MIN, false, 0, 0, {}},
        {"mark out of range", 'm', 10, true, 0, 0, {}},
        {"mark 3", 'm', 3, true, 0, 0, {3}},
        {"mark 5", 'm', 5, true, 0, 0, {3, 5}},
        {"single mode", 'S', 0, false, 0, 0, {3}},
        {"mark 7 in single mode", 'm', 7, true, 0, 0, {7}},
        {"insert marked at 0 in single mode", 'i', 0, true, 1, 0, {0}},
        {"remove above the current", 'r', 0, false, 0, 0, {}},
        {"current into view from below", 'c', 8, false, 8, 3, {}},
        {"insert inside the view above the current", 'i', 5, false, 9, 4, {}},
        {"clear", 'x', 0, false, -1, 0, {}},
        {"current in an empty list", 'c', 0, false, -1, 0, {}},
        {"remove in an empty list", 'r', 0, false, -1, 0, {}},
        {"insert into an empty list", 'i', 0, false, 0, 0, {}},
    };
    ListFixture f(10);
    std::vector<std::string> model;
    for (int i = 0; i < 10; i++)
        model.push_back("Line " + std::to_string(i));
    int made = 0;
    for (const Step& s : steps) {
        std::string text = "New " + std::to_string(made++);
        int n = (int)model.size();
        bool inRange = s.index >= 0 && s.index < n;
        switch (s.op) {
        case 'i':
            f.list.insertLine(s.index, text.c_str(), s.on, true);
            if (s.index >= 0 && s.index <= n)
                model.insert(model.begin() + s.index, text);
            break;
        case 'r':
            f.list.removeLine(s.index, true);
            if (inRange)
                model.erase(model.begin() + s.index);
            break;
        case 's':
            f.list.setLine(s.index, std::string_view(text), true);
            if (inRange)
                model[s.index] = text;
            break;
        case 'c': f.list.setCurrent(s.index, true); break;
        case 'm': f.list.setSelected(s.index, s.on, true); break;
        case 'S': f.list.setSelectMode(CurList::SINGLE); break;
        case 'x':
            f.list.clear(true);
            model.clear();
            break;
        case 'k': f.list.processKey(s.index); break;
        }
        ASSERT_EQ((int)model.size(), f.list.getCount()) << s.what;
        for (int i = 0; i < (int)model.size(); i++)
            EXPECT_STREQ(model[i].c_str(), f.list.getLine(i)) << s.what << ", line " << i;
        EXPECT_EQ(nullptr, f.list.getLine((int)model.size())) << s.what;
        EXPECT_EQ(s.current, f.list.getCurrent()) << s.what;
        EXPECT_EQ(s.marks, f.list.getSelectedLines()) << s.what;
        for (int k = 0; k < H - 2; k++) {
            int line = s.top + k;
            std::string shown = line < (int)model.size()
                ? (f.list.isSelected(line) ? "* " : "  ") + model[line] : "";
            shown.resize(W - 2, ' ');
            EXPECT_EQ(shown, f.row(k)) << s.what << ", row " << k;
        }
        if (s.current >= 0) {
            EXPECT_EQ(std::make_pair(Y + 1 + s.current - s.top, X + 1), cursorOf(f.w)) << s.what;
        }
        int rows = H - 2, count = (int)model.size();
        int thumb = count > rows ? Y + 2 + s.top * (H - 5) / (count - rows) : -1;
        EXPECT_EQ(thumb, f.thumbRow()) << s.what;
    }
}

// The change callback follows keys only, the activate callback takes Enter,
// and either may change the list while its loop runs.
TEST_F(CursesTest, ListCallbacksFollowKeysAndMayChangeTheList)
{
    ListFixture f(5);
    int changes = 0, activations = 0;
    f.list.setChangeCB([&](CurList*) { changes++; });
    f.list.setCurrent(2, true);
    f.list.setSelected(1, true, true);
    f.list.insertLine(0, "x", false, true);
    EXPECT_EQ(0, changes) << "the program's own calls";
    f.keys({KEY_DOWN, ' ', KEY_LEFT, KEY_HOME, KEY_HOME});
    EXPECT_EQ(3, changes) << "move, mark, move; not a key that changed nothing";
    EXPECT_FALSE(f.list.processKey(13)) << "Enter is the form's while no activate callback is set";

    f.list.setActivateCB([&](CurList* l) { activations++; l->removeLine(l->getCurrent(), true); });
    f.list.setChangeCB([](CurList* l) { l->clear(true); });
    f.keys({13, 13, KEY_DOWN});
    EXPECT_EQ(2, activations);
    EXPECT_EQ(0, f.list.getCount()) << "cleared by the change after the down key";
    EXPECT_FALSE(f.list.processKey(13)) << "an empty list has no line to activate";
    EXPECT_EQ(2, activations);

    f.list.setActivateCB([](CurList*) { throw std::runtime_error("from the callback"); });
    f.list.addLine("y", false, true);
    pushKeys({13, 'z'});
    EXPECT_THROW(f.list.kbdLoop(), std::runtime_error);
    pushKeys({KEY_DOWN, 13});
    f.list.setActivateCB(nullptr, nullptr);
    EXPECT_EQ(0, f.list.kbdLoop()) << "usable after the exception";
}

TEST_F(CursesTest, ListTypeAheadJumpsToTheNextLineStartingWithTheKeys)
{
    ListFixture f(0);
    for (const char* line : {"apple", "Banana", "blueberry", "cherry", "banana split"})
        f.list.addLine(line, false, false);
    EXPECT_FALSE(f.list.processKey('b')) << "off at first";
    f.list.setTypeAhead(true);
    const struct { int key; int current; } keys[] = {
        {'b', 1}, {'l', 2}, {'x', 2}, {' ', 2},
    };
    for (const auto& k : keys) {
        EXPECT_TRUE(f.list.processKey(k.key)) << (char)k.key;
        EXPECT_EQ(k.current, f.list.getCurrent()) << (char)k.key;
    }
    EXPECT_EQ(std::vector<int>{2}, f.list.getSelectedLines()) << "space still marks";
    f.list.setTypeAhead(true);           // starts a new text
    for (int expected : {4, 1, 2})       // the same key again steps through its lines
        EXPECT_TRUE(f.list.processKey('B') && f.list.getCurrent() == expected) << expected;
}
