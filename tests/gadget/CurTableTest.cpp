// CurTableTest.cpp - the table: its column width rules, sorting and
// selection, a source's bad answers, and keys and the mouse on a real
// terminal (mouse reports sent as the terminal's own bytes).
#include "CursesTest.h"
#include "InputsTestUtil.h"

#include <CurTable.h>
#include <CurWindow.h>

#include <climits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A source of count rows whose cells say where they are; text replaces every cell.
struct Source : CurTableSource {
    long long count = 0;
    int asked = 0;                       // cells asked for
    int countChange = 0;                 // added to count at each call
    std::string text, held;
    bool throws = false;
    int rowCount() override { count += countChange; return (int)count; }
    std::string_view cellText(int row, int column) override
    {
        asked++;
        if (throws)
            throw std::runtime_error("source gone");
        held = text.empty() ? "r" + std::to_string(row) + "c" + std::to_string(column) : text;
        return held;
    }
    bool sortBy(int, bool) override { return true; }
};

struct Table {
    CurWindow win{20, 60, 0, 0};
    CurTable table{&win};
    explicit Table(int width = 33, int height = 10) { table.setGeometry(height, width, 0, 0); }
    std::string row(int r) { return cellsText(win.getWindow(), r, 1, table.getWidth() - 2); }
};

struct WidthCase {
    const char* name;
    int tableWidth;                      // the columns get 3 less
    std::vector<std::vector<int>> columns; // {fixed, minimum, weight}
    std::vector<int> widths;
};

}  // namespace

TEST_F(CursesTest, TableColumnWidthRules)
{
    const WidthCase cases[] = {
        {"two flexible, remainder to the first", 33, {{0, 1, 1}, {0, 1, 1}}, {15, 14}},
        {"fixed and flexible", 33, {{10, 1, 1}, {0, 1, 1}}, {10, 19}},
        {"weights 1 and 2", 33, {{0, 0, 1}, {0, 0, 2}}, {10, 19}},
        {"weight 0 keeps its minimum", 33, {{0, 2, 0}, {0, 0, 1}}, {2, 27}},
        {"too wide: widths kept, the table scrolls", 33, {{20, 1, 1}, {20, 1, 1}}, {20, 20}},
        {"width 0 and no title", 33, {{0, 0, 0}, {5, 0, 1}}, {0, 5}},
        {"huge width is cut to the coordinate limit", 33, {{1000000, 0, 1}}, {32767}},
        {"minimums above the room", 8, {{0, 4, 1}, {0, 4, 1}}, {4, 4}},
        {"no interior at all", 2, {{0, 0, 1}}, {0}},
    };
    for (const WidthCase& c : cases) {
        SCOPED_TRACE(c.name);
        Table t(c.tableWidth);
        for (const std::vector<int>& rule : c.columns) {
            int i = t.table.addColumn("", rule[0]);
            t.table.setColumnMinWidth(i, rule[1]);
            t.table.setColumnWeight(i, rule[2]);
        }
        for (size_t i = 0; i < c.widths.size(); i++)
            EXPECT_EQ(c.widths[i], t.table.getColumnWidth((int)i)) << "column " << i;
    }
}

struct SortCase {
    const char* name;
    std::vector<const char*> cells;
    bool descending;
    bool byLength;                       // the program's own comparison
    std::vector<int> shown;              // row numbers from the top
};

TEST_F(CursesTest, TableSortsStablyByColumn)
{
    const SortCase cases[] = {
        {"numbers by value", {"10", "9", "100"}, false, false, {1, 0, 2}},
        {"numbers descending", {"10", "9", "100"}, true, false, {2, 0, 1}},
        {"texts by bytes", {"b", "a", "B"}, false, false, {2, 1, 0}},
        {"numbers before texts", {"x", "-2.5", "1e3"}, false, false, {1, 2, 0}},
        {"equal keys keep their order", {"k", "k", "k"}, false, false, {0, 1, 2}},
        {"equal keys descending too", {"k", "k", "k"}, true, false, {0, 1, 2}},
        {"program's comparison", {"ccc", "a", "bb"}, false, true, {1, 2, 0}},
    };
    for (const SortCase& c : cases) {
        SCOPED_TRACE(c.name);
        Table t;
        t.table.addColumn("N");
        t.table.addColumn("Key");
        for (size_t i = 0; i < c.cells.size(); i++)
            t.table.addRow({std::to_string(i), c.cells[i]});
        if (c.byLength)
            t.table.setCompareCB([](std::string_view a, std::string_view b, int) {
                return (int)a.size() - (int)b.size();
            });
        t.table.setSelected(0, true, false);
        t.table.sortBy(1, c.descending, true);
        for (size_t i = 0; i < c.shown.size(); i++) {
            int shown = c.shown[i];
            EXPECT_EQ(std::to_string(shown), t.row(3 + (int)i).substr(1, 1)) << "row " << i;
            EXPECT_EQ(shown == 0 ? '*' : ' ', t.row(3 + (int)i)[0]);   // the mark follows its row
        }
        EXPECT_EQ(0, t.table.getCurrent());     // and so does the current row
    }
}

TEST_F(CursesTest, TableSelectionFollowsTheListKeys)
{
    const struct {
        CurTable::SELECT_MODE mode;
        std::vector<int> keys;
        std::vector<int> marked;
        int current;
    } cases[] = {
        {CurTable::MULTIPLE, {' ', KEY_DOWN, ' '}, {0, 1}, 1},
        {CurTable::SINGLE, {' ', KEY_DOWN, ' '}, {1}, 1},
        {CurTable::MULTIPLE, {' ', ' '}, {}, 0},
        {CurTable::MULTIPLE, {KEY_END, ' ', KEY_HOME, KEY_UP}, {99}, 0},
        {CurTable::MULTIPLE, {KEY_NPAGE, KEY_NPAGE, KEY_PPAGE, ' '}, {6}, 6},
    };
    for (const auto& c : cases) {
        Table t;
        t.table.addColumn("A");
        for (int i = 0; i < 100; i++)
            t.table.addRow({std::to_string(i)});
        t.table.setSelectMode(c.mode);
        int changes = 0;
        t.table.setChangeCB([&](CurTable*) { changes++; });
        for (int key : c.keys)
            EXPECT_TRUE(t.table.processKey(key));
        EXPECT_EQ(c.marked, t.table.getSelectedRows());
        EXPECT_EQ(c.current, t.table.getCurrent());
        EXPECT_GT(changes, 0);
    }
}

// Bad sources: no rows, the largest count, a count that changes at every
// call, cells of 100 KB, escape sequences and bad bytes, and 10,000 columns.
TEST_F(CursesTest, TableSurvivesBadSources)
{
    const struct {
        const char* name;
        long long count;
        int change;
        std::string text;
        int columns;
    } cases[] = {
        {"no rows", 0, 0, "", 3},
        {"2^31 - 1 rows", INT_MAX, 0, "", 3},
        {"shrinking at every call", 40, -7, "", 3},
        {"growing at every call", 0, 5, "", 3},
        {"100 KB cells", 50, 0, std::string(100000, 'x'), 3},
        {"escapes and bad bytes", 50, 0, "\x1b[2J\x1b]0;t\x07\xff\xc3(", 3},
        {"10,000 columns", 50, 0, "", 10000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Table t;
        Source s;
        s.count = c.count, s.countChange = c.change, s.text = c.text;
        for (int i = 0; i < c.columns; i++)
            t.table.addColumn("C" + std::to_string(i), 5);
        t.table.setSource(&s);
        for (int key : {KEY_END, KEY_NPAGE, KEY_UP, (int)' ', KEY_PPAGE, KEY_HOME,
                        (int)CurTable::SORT_KEY, KEY_END, KEY_RIGHT})
            t.table.processKey(key);
        t.table.setCurrentColumn(c.columns - 1, true);
        EXPECT_LE(s.asked, 60 * 5) << "cells asked beyond the view";
        for (int r = 0; r < 10; r++)
            EXPECT_EQ(std::string::npos, t.row(r).find('\x1b'));
        if (c.count == INT_MAX) {
            EXPECT_EQ(INT_MAX - 1, t.table.getCurrent());
        }
    }
}

// A source that throws lets the exception through and leaves the table
// usable; a callback may delete the table.
TEST_F(CursesTest, TableCallbacksMayThrowOrDeleteIt)
{
    Table t;
    Source s;
    s.count = 5;
    t.table.addColumn("A");
    t.table.setSource(&s);
    s.throws = true;
    EXPECT_THROW(t.table.processKey(KEY_DOWN), std::runtime_error);
    s.throws = false;
    EXPECT_TRUE(t.table.processKey(KEY_DOWN));

    CurWindow win(10, 30, 0, 0);
    CurTable* doomed = new CurTable(&win);
    doomed->addColumn("A");
    doomed->addRow({"a"});
    doomed->setActivateCB([](CurTable* table) { delete table; });
    EXPECT_TRUE(doomed->processKey(13));
    CurTable* sorted = new CurTable(&win);
    sorted->addColumn("A");
    sorted->setSortCB([](CurTable* table) { delete table; });
    EXPECT_TRUE(sorted->processKey(CurTable::SORT_KEY));
}

// On the terminal: the header stays while the rows scroll; a click on a
// title sorts and a second reverses; a drag of its edge resizes; a click on
// a row makes it current; the columns scroll sideways to the current one.
TEST_F(CursesTest, TableKeysAndMouseOnTheTerminal)
{
    if (!CurInit::setMouse(true))
        GTEST_SKIP() << "no mouse on this terminal";
    CurWindow win(12, 40, 1, 0);
    CurTable table(&win);
    table.setGeometry(10, 30, 0, 0);
    table.addColumn("Name");
    table.addColumn("Size", 6);
    table.setColumnAlign(1, CurInit::RIGHT);
    for (int i = 0; i < 30; i++)
        table.addRow({"file" + std::to_string(i), std::to_string(i * 7 % 30)});
    table.draw();
    win.update();
    auto send = [&](const std::string& bytes, bool home) {
        screen().sendBytes(bytes);
        if (home)
            screen().home();
        screen().enter();
        table.kbdLoop();
    };
    send("\x1b[6~", false);                           // Page Down
    EXPECT_EQ("Name", screen().text(2, 2, 4)) << screen().dump();
    EXPECT_EQ(" file6", screen().text(4, 1, 6));
    send("\x1b[<0;25;3M\x1b[<0;25;3m", true);         // a click on "Size", then Home
    EXPECT_EQ(1, table.getSortColumn());
    EXPECT_EQ("     0", screen().text(4, 23, 6)) << screen().dump();
    send("\x1b[<0;25;3M\x1b[<0;25;3m", true);         // again: descending
    EXPECT_TRUE(table.isSortDescending());
    EXPECT_EQ("    29", screen().text(4, 23, 6)) << screen().dump();
    send("\x1b[<0;23;3M\x1b[<0;15;3m", false);        // the edge of "Name" dragged left
    EXPECT_EQ(12, table.getColumnWidth(0));
    send("\x1b[<0;5;8M\x1b[<0;5;8m", false);          // a click on the fourth row
    EXPECT_EQ(7, screen().cursorRow());
    send("\x1b[<65;5;8M", false);                     // the wheel down: three rows
    EXPECT_EQ(4, screen().cursorRow()) << screen().dump();
    for (int i = 0; i < 3; i++)
        table.addColumn("Wide" + std::to_string(i), 20);
    for (int i = 0; i < 4; i++)
        screen().right();
    send("", false);
    EXPECT_EQ(4, table.getCurrentColumn());
    EXPECT_NE(-1, screen().findRow("Wide2")) << screen().dump();
}
