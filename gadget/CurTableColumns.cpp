// CurTableColumns.cpp - the table's columns (gadget/): their titles and
// width rules, the layout that turns the rules into widths for the table's
// interior, and sideways scrolling past the frozen columns.
#include "CurTable.h"
#include "CurText.h"

#include <algorithm>
#include <climits>

static const int WIDTH_LIMIT = 32767;   // as a curses window's coordinates

static int bounded(int width)
{
    return width < 0 ? 0 : width > WIDTH_LIMIT ? WIDTH_LIMIT : width;
}

static int columnsOf(std::string_view text)
{
    return CurText::columns(text.data(), (int)std::min<size_t>(text.size(), INT_MAX));
}

int CurTable::addColumn(std::string_view title, int width)
{
    Column c;
    c.title.assign(title.data(), title.size());
    c.minimum = bounded(columnsOf(title));
    c.fixed = bounded(width);
    columns.push_back(c);
    layout();
    return (int)columns.size() - 1;
}

int CurTable::addColumn(const char* title, int width)
{
    return addColumn(std::string_view(title != nullptr ? title : ""), width);
}

int CurTable::getColumnCount() const
{
    return (int)columns.size();
}

void CurTable::setColumnWidth(int column, int width)
{
    if (column >= 0 && column < (int)columns.size()) {
        columns[column].fixed = bounded(width);
        layout();
    }
}

void CurTable::setColumnMinWidth(int column, int width)
{
    if (column >= 0 && column < (int)columns.size()) {
        columns[column].minimum = bounded(width);
        layout();
    }
}

void CurTable::setColumnWeight(int column, int weight)
{
    if (column >= 0 && column < (int)columns.size()) {
        columns[column].weight = weight < 0 ? 0 : weight;
        layout();
    }
}

void CurTable::setColumnAlign(int column, CurInit::ALIGNMENT align)
{
    if (column >= 0 && column < (int)columns.size())
        columns[column].align = align;
}

void CurTable::fitColumn(int column)
{
    if (column < 0 || column >= (int)columns.size())
        return;
    int widest = columnsOf(columns[column].title);
    int n = count();
    int from = source != nullptr ? std::min(topPos, n) : 0;
    int to = source != nullptr ? std::min(n, from + viewRows()) : n;
    for (int p = from; p < to && widest < WIDTH_LIMIT; p++)
        widest = std::max(widest, columnsOf(cell(rowOf(p), column)));
    columns[column].fixed = std::max(1, bounded(widest));
    layout();
}

int CurTable::getColumnWidth(int column) const
{
    return column >= 0 && column < (int)columns.size() ? columns[column].width : -1;
}

void CurTable::setFrozenColumns(int n)
{
    frozen = n < 0 ? 0 : n;
    keepColumnInView();
}

// Cells left for the columns: the frame's two and the mark column's one go.
int CurTable::innerWidth() const
{
    return width - 3 > 0 ? width - 3 : 0;
}

// Fixed columns take their width, the others their minimum; what the
// interior has beyond that (a blank between neighbours counted) is shared
// by weight among the columns that are not fixed, the rounding's remainder
// a column each from the first. Columns that need more keep their widths:
// the table then scrolls sideways.
void CurTable::layout()
{
    long long need = columns.empty() ? 0 : (long long)columns.size() - 1;
    long long weights = 0;
    for (Column& c : columns) {
        c.width = c.fixed > 0 ? c.fixed : c.minimum;
        need += c.width;
        if (c.fixed <= 0)
            weights += c.weight;
    }
    long long extra = innerWidth() - need;
    if (extra <= 0 || weights == 0) {
        keepColumnInView();
        return;
    }
    long long given = 0;
    for (Column& c : columns)
        if (c.fixed <= 0) {
            long long share = extra * c.weight / weights;
            c.width += (int)share;
            given += share;
        }
    for (Column& c : columns)
        if (c.fixed <= 0 && c.weight > 0 && given < extra) {
            c.width++;
            given++;
        }
    keepColumnInView();
}

// Where a column starts, counted from the first cell after the mark column:
// the frozen columns first, then those from firstColumn on; a scrolled
// column left of firstColumn starts before 0.
long long CurTable::columnStart(int column) const
{
    long long start = 0;
    int frozenCount = std::min(frozen, (int)columns.size());
    for (int c = 0; c < frozenCount && c < column; c++)
        start += columns[c].width + 1;
    if (column < frozenCount)
        return start;
    for (int c = firstColumn; c < column; c++)
        start += columns[c].width + 1;
    for (int c = column; c < firstColumn; c++)
        start -= columns[c].width + 1;
    return start;
}

// The current column is brought into view: a scrolled column left of the
// view becomes the first shown, one past the right edge moves the view on
// until it ends inside (or starts the view, when wider than it).
void CurTable::keepColumnInView()
{
    int n = (int)columns.size();
    int frozenCount = std::min(frozen, n);
    if (curColumn >= n)
        curColumn = n > 0 ? n - 1 : 0;
    if (firstColumn < frozenCount)
        firstColumn = frozenCount;
    if (firstColumn >= n)
        firstColumn = n > frozenCount ? n - 1 : frozenCount;
    if (n == 0 || curColumn < frozenCount)
        return;
    if (curColumn < firstColumn) {
        firstColumn = curColumn;
        return;
    }
    long long room = innerWidth() - columnStart(frozenCount);
    long long used = 0;
    int first = curColumn;
    for (int c = curColumn; c >= firstColumn; c--) {
        used += columns[c].width + (c < curColumn ? 1 : 0);
        if (used > room)
            break;
        first = c;
    }
    if (first > firstColumn)
        firstColumn = first;
}

// A width set by a key or a drag fixes the column; a column keeps a cell.
void CurTable::resizeColumn(int column, int newWidth)
{
    if (column < 0 || column >= (int)columns.size())
        return;
    columns[column].fixed = std::max(1, bounded(newWidth));
    layout();
}
