// CurTable.cpp - the table gadget (gadget/): its rows, held or asked from a
// source, the order they are shown in, sorting, the marks and the callbacks.
// Widths are in CurTableColumns.cpp, drawing in CurTableDraw.cpp, keys and
// the mouse in CurTableKeys.cpp.
#include "CurTable.h"
#include "CurWindow.h"

#include <curses.h>
#include <algorithm>
#include <cstdlib>

CurTableSource::~CurTableSource()
{
}

bool CurTableSource::sortBy(int, bool)
{
    return false;
}

int CurTableSource::findPrefix(int, std::string_view, int)
{
    return -1;
}

CurTable::CurTable(CurWindow* window)
    : CurGadget(window), source(nullptr), selectMode(MULTIPLE), topPos(0), curPos(0),
      curColumn(0), firstColumn(0), frozen(0), sortColumn(-1), descending(false),
      dragColumn(-1), unsorted(false), typeAheadOn(false), typedAt(0)
{
    showFocus(true);
    if (this->window->getWindow() != nullptr && !is_keypad(this->window->getWindow()))
        keypad(this->window->getWindow(), TRUE);
}

CurTable::~CurTable()
{
}

// The one call to the source's count in each operation: a count that changes
// between calls is taken as it is now, and the positions follow it.
int CurTable::count()
{
    if (source == nullptr) {
        if (unsorted)
            sortHeld();
        return (int)order.size();
    }
    int n = source->rowCount();
    return n < 0 ? 0 : n;
}

int CurTable::rowOf(int position) const
{
    return source == nullptr ? order[position] : position;
}

int CurTable::positionOf(int row) const
{
    if (source != nullptr)
        return row;
    for (size_t p = 0; p < order.size(); p++)
        if (order[p] == row)
            return (int)p;
    return -1;
}

std::string_view CurTable::cell(int row, int column)
{
    if (source != nullptr)
        return source->cellText(row, column);
    if (row < 0 || row >= (int)rows.size() || column < 0 || column >= (int)rows[row].size())
        return std::string_view();
    return rows[row][column];
}

int CurTable::addRow(const std::vector<std::string>& cells)
{
    rows.push_back(cells);
    int row = (int)rows.size() - 1;
    order.push_back(row);
    unsorted = sortColumn >= 0;          // sorted at the next use, once for many rows added
    return row;
}

int CurTable::addRow(const char* const* cells, int count)
{
    std::vector<std::string> copy;
    for (int i = 0; cells != nullptr && i < count; i++)
        copy.emplace_back(cells[i] != nullptr ? cells[i] : "");
    return addRow(copy);
}

void CurTable::setCell(int row, int column, std::string_view text, bool redraw)
{
    if (row < 0 || row >= (int)rows.size() || column < 0 || column > 32767)
        return;
    if ((int)rows[row].size() <= column)
        rows[row].resize(column + 1);
    rows[row][column].assign(text.data(), text.size());
    if (redraw)
        draw();
}

void CurTable::clearRows(bool redraw)
{
    rows.clear();
    order.clear();
    marked.clear();
    topPos = curPos = 0;
    if (redraw)
        draw();
}

void CurTable::setSource(CurTableSource* newSource)
{
    source = newSource;
    marked.clear();
    topPos = curPos = 0;
    sortColumn = -1;
}

CurTableSource* CurTable::getSource() const
{
    return source;
}

int CurTable::getRowCount()
{
    return count();
}

std::string CurTable::getCell(int row, int column)
{
    if (row < 0 || row >= count())
        return std::string();
    std::string_view text = cell(row, column);
    return std::string(text.data(), text.size());
}

// The default order: numbers by value (a process table's sizes and
// times), any other cells by their bytes, numbers before other texts so
// that the order is one order whatever the column holds (a sort needs that).
static bool number(std::string_view s, double* value)
{
    char copy[65];
    if (s.empty() || s.size() > 64 || s.find_first_of("xXpPnNiI") != std::string_view::npos)
        return false;                    // hexadecimal, infinity and not-a-number read as words
    s.copy(copy, s.size());
    copy[s.size()] = '\0';
    char* end = nullptr;
    *value = strtod(copy, &end);
    return end == copy + s.size();
}

// A held table sorts its order, never its rows, so that rows keep their
// numbers and marks; the current row stays current wherever it goes.
void CurTable::sortHeld()
{
    unsorted = false;
    if (sortColumn < 0 || order.empty())
        return;
    int current = curPos < (int)order.size() ? order[curPos] : -1;
    int column = sortColumn;
    if (compareFunction) {
        auto less = [&](int a, int b) {
            int c = compareFunction(cell(a, column), cell(b, column), column);
            return descending ? c > 0 : c < 0;
        };
        std::stable_sort(order.begin(), order.end(), less);
    } else {
        // Each cell is read as a number once, not at every comparison.
        std::vector<double> values(rows.size());
        std::vector<char> numbers(rows.size());
        for (int row : order)
            numbers[row] = number(cell(row, column), &values[row]);
        auto less = [&](int a, int b) {
            int c = numbers[a] && numbers[b] ? (values[a] < values[b] ? -1 : values[a] > values[b])
                  : numbers[a] != numbers[b] ? (numbers[a] ? -1 : 1)
                  : cell(a, column).compare(cell(b, column));
            return descending ? c > 0 : c < 0;
        };
        std::stable_sort(order.begin(), order.end(), less);
    }
    if (current >= 0)
        curPos = positionOf(current);
}

void CurTable::sortBy(int column, bool descend, bool redraw)
{
    if (column < 0 || column >= (int)columns.size()) {
        sortColumn = -1;
    } else if (source != nullptr) {
        if (!source->sortBy(column, descend))
            return;
        marked.clear();
        sortColumn = column;
        descending = descend;
        topPos = curPos = 0;
    } else {
        sortColumn = column;
        descending = descend;
        sortHeld();
    }
    if (redraw)
        draw();
}

int CurTable::getSortColumn() const
{
    return sortColumn;
}

bool CurTable::isSortDescending() const
{
    return descending;
}

void CurTable::setCompareCB(int (*callback)(const char*, const char*, int, void*), void* data)
{
    if (callback == nullptr) {
        compareFunction = nullptr;
        return;
    }
    compareFunction = [callback, data](std::string_view a, std::string_view b, int column) {
        return callback(std::string(a).c_str(), std::string(b).c_str(), column, data);
    };
}

void CurTable::setCompareCB(std::function<int(std::string_view, std::string_view, int)> callback)
{
    compareFunction = std::move(callback);
}

int CurTable::getCurrent()
{
    int n = count();
    if (n == 0)
        return -1;
    return rowOf(curPos < n ? curPos : n - 1);
}

void CurTable::setCurrent(int row, bool redraw)
{
    if (row < 0 || row >= count())
        return;
    int position = positionOf(row);
    if (position < 0)
        return;
    curPos = position;
    fitView(count());
    if (redraw)
        draw();
}

void CurTable::setSelectMode(SELECT_MODE mode)
{
    selectMode = mode;
    if (mode == SINGLE && marked.size() > 1)
        marked.erase(std::next(marked.begin()), marked.end());
}

bool CurTable::isSelected(int row) const
{
    return marked.count(row) > 0;
}

void CurTable::mark(int row, bool on)
{
    if (!on) {
        marked.erase(row);
        return;
    }
    if (selectMode == SINGLE)
        marked.clear();
    marked.insert(row);
}

void CurTable::setSelected(int row, bool on, bool redraw)
{
    if (row < 0 || row >= count())
        return;
    mark(row, on);
    if (redraw)
        draw();
}

std::vector<int> CurTable::getSelectedRows() const
{
    return std::vector<int>(marked.begin(), marked.end());
}

void CurTable::getSelected(int** indices, int* n)
{
    int* found = marked.empty() ? nullptr : new int[marked.size()];
    int k = 0;
    for (int row : marked)
        found[k++] = row;
    if (n != nullptr)
        *n = k;
    if (indices != nullptr)
        *indices = found;
    else
        delete[] found;
}

void CurTable::setTypeAhead(bool on)
{
    typeAheadOn = on;
    typed.clear();
}

// Either form is kept as one function with the table bound in (CurCallback's rule).
void CurTable::setChangeCB(void (*callback)(CurTable*, void*), void* data)
{
    changeFunction = callback == nullptr ? nullptr : std::function<void()>([this, callback, data] {
        callback(this, data);
    });
}

void CurTable::setChangeCB(std::function<void(CurTable*)> callback)
{
    changeFunction = !callback ? nullptr : std::function<void()>([this, callback] { callback(this); });
}

void CurTable::setActivateCB(void (*callback)(CurTable*, void*), void* data)
{
    activateFunction = callback == nullptr ? nullptr : std::function<void()>([this, callback, data] {
        callback(this, data);
    });
}

void CurTable::setActivateCB(std::function<void(CurTable*)> callback)
{
    activateFunction = !callback ? nullptr : std::function<void()>([this, callback] { callback(this); });
}

void CurTable::setSortCB(void (*callback)(CurTable*, void*), void* data)
{
    sortFunction = callback == nullptr ? nullptr : std::function<void()>([this, callback, data] {
        callback(this, data);
    });
}

void CurTable::setSortCB(std::function<void(CurTable*)> callback)
{
    sortFunction = !callback ? nullptr : std::function<void()>([this, callback] { callback(this); });
}
