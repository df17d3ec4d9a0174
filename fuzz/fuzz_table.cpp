// fuzz_table.cpp - the table (fuzz/) driven by keys, clicks and the program's
// calls: columns with any widths, rules and alignments, rows held or from a
// source whose count and cells the input chooses (and changes between
// calls), sorting, marks, geometry. A model keeps the marks and, for a
// source, the current position; the table must agree, keep its marks and
// current row in range and draw nothing outside its rectangle.
#include "CurTable.h"
#include "CurWindow.h"
#include "FuzzSupport.h"

#include <algorithm>
#include <set>

namespace {
struct Source : CurTableSource {
    int count = 0, change = 0;
    std::string text, held;
    int rowCount() override
    {
        return count = (int)std::max(0LL, std::min<long long>(2147483647, (long long)count + change));
    }
    std::string_view cellText(int row, int column) override
    {
        held = text + std::to_string(row % 7) + "," + std::to_string(column);
        return held;
    }
    bool sortBy(int, bool) override { return count % 2 == 0; }
};
}  // namespace

static void check(CurTable& table, const std::set<int>& marks, bool single, bool steady, WINDOW* w)
{
    int n = table.getRowCount(), current = table.getCurrent();
    FUZZ_CHECK(current >= -1);
    if (steady)
        FUZZ_CHECK((n == 0) == (current == -1) && current < n);
    std::vector<int> selected = table.getSelectedRows();
    FUZZ_CHECK(selected == std::vector<int>(marks.begin(), marks.end()));
    FUZZ_CHECK(!single || selected.size() <= 1);
    fuzzFill(w);
    table.draw();
    FuzzRect rect{table.getHeight(), table.getWidth(), table.getY(), table.getX()};
    FUZZ_CHECK(FuzzCells(w).changedOutside({rect}).empty());
}

static void programCall(CurTable& table, Source& source, FuzzedDataProvider& in, std::set<int>& marks,
                        bool& single)
{
    int column = in.ConsumeIntegralInRange<int>(-1, 12), n = table.getRowCount();
    int row = in.ConsumeIntegralInRange<int>(-1, n);
    switch (in.ConsumeIntegralInRange<int>(0, 11)) {
    case 0: table.addColumn(fuzzText(in, 20, false), fuzzGeometry(in)); break;
    case 1: table.setColumnWidth(column, fuzzGeometry(in)); break;
    case 2: table.setColumnMinWidth(column, fuzzGeometry(in)); break;
    case 3: table.setColumnWeight(column, fuzzGeometry(in)); break;
    case 4: table.setColumnAlign(column, (CurInit::ALIGNMENT)in.ConsumeIntegralInRange<int>(0, 4)); break;
    case 5: table.setFrozenColumns(fuzzGeometry(in)); break;
    case 6: table.fitColumn(column); break;
    case 7:
        if (table.getSource() == nullptr) {
            std::vector<std::string> cells;
            for (int i = in.ConsumeIntegralInRange<int>(0, 5); i > 0; i--)
                cells.push_back(fuzzText(in, 30, false));
            table.addRow(cells);
        } else {
            source.change = in.ConsumeIntegralInRange<int>(-3, 3);
            table.setSource(&source);    // the view and the marks start again
            marks.clear();
        }
        break;
    case 8: {
        table.sortBy(column, in.ConsumeBool(), in.ConsumeBool());
        std::vector<int> now = table.getSelectedRows();   // a source that sorted lost them
        if (table.getSource() != nullptr)
            marks = std::set<int>(now.begin(), now.end());
        break;
    }
    case 9: {
        bool on = in.ConsumeBool();
        table.setSelected(row, on, in.ConsumeBool());
        if (row >= 0 && row < n) {
            if (on && single)
                marks.clear();
            if (on)
                marks.insert(row);
            else
                marks.erase(row);
        }
        break;
    }
    case 10:
        single = in.ConsumeBool();
        table.setSelectMode(single ? CurTable::SINGLE : CurTable::MULTIPLE);
        if (single && marks.size() > 1)
            marks.erase(std::next(marks.begin()), marks.end());
        break;
    default: {
        int h = fuzzGeometry(in), wd = fuzzGeometry(in), y = fuzzGeometry(in);
        table.setGeometry(h, wd, y, fuzzGeometry(in));
        break;
    }
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzScreen();
    FuzzedDataProvider in(data, size);
    CurWindow win(LINES, COLS, 0, 0);
    CurTable table(&win);
    Source source;
    std::set<int> marks;
    bool single = false;
    table.setGeometry(10, 40, 1, 1);
    if (in.ConsumeBool()) {
        source.count = in.ConsumeBool() ? 2147483647 : in.ConsumeIntegralInRange<int>(0, 50);
        source.text = fuzzText(in, 40, false);
        table.setSource(&source);
    }
    table.setTypeAhead(in.ConsumeBool());
    while (in.remaining_bytes() > 0) {
        int step = in.ConsumeIntegral<uint8_t>();
        if (step >= 200) {
            programCall(table, source, in, marks, single);
        } else if (step >= 180) {
            CurInit::MouseEvent event{fuzzGeometry(in), fuzzGeometry(in),
                                      in.ConsumeIntegralInRange<int>(1, 5),
                                      in.ConsumeIntegralInRange<int>(0, 3), 0};
            table.processMouse(event);
            std::vector<int> now = table.getSelectedRows();   // a click may mark or sort
            marks = std::set<int>(now.begin(), now.end());
        } else {
            int key = in.ConsumeBool() ? fuzzKey(in) : in.PickValueInArray({KEY_SLEFT, KEY_SRIGHT, 15});
            int before = table.getCurrent();
            table.processKey(key);
            if (key == 15 && table.getSource() != nullptr) {
                std::vector<int> now = table.getSelectedRows();   // as above
                marks = std::set<int>(now.begin(), now.end());
            }
            if (key == ' ' && before >= 0) {
                bool on = marks.count(before) == 0;
                if (on && single)
                    marks.clear();
                if (on)
                    marks.insert(before);
                else
                    marks.erase(before);
            }
            if (key == 15 && table.getSource() == nullptr && table.getColumnCount() > 0)
                FUZZ_CHECK(table.getCurrent() == before);  // the current row stays current
        }
        bool steady = table.getSource() == nullptr || source.change == 0;
        if (!steady) {                   // the count moved under the keys: the table's marks stand
            std::vector<int> now = table.getSelectedRows();
            marks = std::set<int>(now.begin(), now.end());
        }
        check(table, marks, single, steady, win.getWindow());
    }
    return 0;
}
