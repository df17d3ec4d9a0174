// CurTableKeys.cpp - the table's keys and mouse (gadget/): moving through the
// rows and columns, marks, sorting and widths by key, type-ahead, clicks on
// rows and titles and the drag of a title's edge. Every key asks the source
// for its count once and draws the rows in view: its cost does not grow
// with the rows.
#include "CurTable.h"
#include "CurCallback.h"
#include "CurText.h"
#include "CurTypeAhead.h"
#include "CurWindow.h"

#include <curses.h>
#include <algorithm>
#include <cctype>

// Up, Down, Home, End and the page keys, consumed even at the ends so that a
// form keeps its focus on them.
bool CurTable::moveKey(int key, int n)
{
    int rows = viewRows();
    if (key == KEY_UP)
        curPos--;
    else if (key == KEY_DOWN)
        curPos++;
    else if (key == KEY_HOME)
        curPos = topPos = 0;
    else if (key == KEY_END)
        curPos = n - 1;
    else if (key == KEY_PPAGE) {
        curPos -= rows;
        topPos -= rows;
    } else if (key == KEY_NPAGE) {
        long long top = (long long)topPos + rows;
        curPos = (int)std::min<long long>((long long)curPos + rows, n);
        topPos = (int)std::min<long long>(top, n);
    } else {
        return false;
    }
    if (topPos < 0)
        topPos = 0;
    fitView(n);
    return true;
}

// Left and Right choose the column that the sort and width keys act on,
// scrolling sideways to show it; Shift with them narrows or widens it, and
// the sort key sorts by it, the other way when it is sorted already.
bool CurTable::columnKey(int key)
{
    int n = (int)columns.size();
    if (n == 0 || (key != KEY_LEFT && key != KEY_RIGHT && key != KEY_SLEFT && key != KEY_SRIGHT
                   && key != SORT_KEY))
        return false;
    if (key == KEY_LEFT && curColumn > 0)
        curColumn--;
    else if (key == KEY_RIGHT && curColumn < n - 1)
        curColumn++;
    else if (key == KEY_SLEFT || key == KEY_SRIGHT)
        resizeColumn(curColumn, columns[curColumn].width + (key == KEY_SLEFT ? -1 : 1));
    else if (key == SORT_KEY)
        sortBy(curColumn, curColumn == sortColumn && !descending, false);
    keepColumnInView();
    return true;
}

bool CurTable::processKey(int key)
{
    int n = count();
    fitView(n);
    int oldPos = curPos, oldRow = n > 0 ? rowOf(curPos) : -1;
    bool marks = false, sorted = false;
    if (moveKey(key, n)) {
    } else if (columnKey(key)) {
        sorted = key == SORT_KEY && sortColumn >= 0;
        n = count();
    } else if (key == ' ' && n > 0) {
        mark(rowOf(curPos), marked.count(rowOf(curPos)) == 0);
        marks = true;
    } else if (key == 13 && n > 0 && activateFunction) {
        CurCallback::call(activateFunction); // may change or delete the table: nothing follows
        return true;
    } else if (!typeAhead(key)) {
        return false;
    }
    draw();
    window->update();
    if (sorted)
        CurCallback::call(sortFunction); // may change or delete the table: nothing follows
    else if (marks || curPos != oldPos || (n > 0 && rowOf(curPos) != oldRow))
        CurCallback::call(changeFunction); // the same
    return true;
}

// The text typed within the last second, looked for at the start of the
// cells of the sorted column (or the current one): from the next row for a
// first key, from the current row while the text grows. Held rows are looked
// through in the order shown; a source looks itself.
bool CurTable::typeAhead(int key)
{
    std::string added;
    if (!typeAheadOn || !curTypeAhead(key, typed, typedAt, &added))
        return false;
    bool first = typed.size() == added.size();
    int n = count(), column = sortColumn >= 0 ? sortColumn : curColumn;
    if (n == 0 || columns.empty())
        return true;
    int start = (int)(((long long)curPos + (first ? 1 : 0)) % n);
    int found = -1;
    if (source != nullptr) {
        found = source->findPrefix(column, typed, start);
    } else {
        for (int k = 0; k < n && found < 0; k++) {
            int p = (int)(((long long)start + k) % n);
            std::string_view text = cell(order[p], column);
            bool same = text.size() >= typed.size();
            for (size_t i = 0; same && i < typed.size(); i++)
                same = tolower((unsigned char)text[i]) == tolower((unsigned char)typed[i]);
            if (same)
                found = p;
        }
    }
    if (found >= 0 && found < n)
        curPos = found;
    fitView(n);
    return true;
}

void CurTable::setCurrentColumn(int column, bool redraw)
{
    if (column < 0 || column >= (int)columns.size())
        return;
    curColumn = column;
    keepColumnInView();
    if (redraw)
        draw();
}

int CurTable::getCurrentColumn() const
{
    return columns.empty() ? -1 : curColumn;
}

int CurTable::columnAt(int row, int column)
{
    long long r = (long long)row - y, rel = (long long)column - x - 2;
    if (r < 1 || r > height - 2 || r == 2 || column > x + width - 2 || rel < 0)
        return -1;
    int found = -1;
    forEachShownColumn([&](int c, int col, int cols) {
        if (rel >= col && rel < col + cols)
            found = c;
    });
    return found;
}

int CurTable::rowAt(int row, int column)
{
    long long r = (long long)row - y - 3;
    int n = count();
    if (r < 0 || r >= height - 4 || column <= x || column >= x + width - 1 || topPos + r >= n)
        return -1;
    return rowOf(topPos + (int)r);
}

// On the header a press on the blank right of a title takes that column's
// edge, and the release elsewhere on the header gives the column its new
// width; a click on a title sorts by it, the other way when sorted by it.
bool CurTable::headerMouse(const CurInit::MouseEvent& event, int col)
{
    int rel = col - 2;
    if (event.action == CurInit::MOUSE_PRESS) {
        dragColumn = -1;
        forEachShownColumn([&](int c, int start, int cols) {
            if (rel == start + cols && cols == columns[c].width)
                dragColumn = c;
        });
        return true;
    }
    if (event.action == CurInit::MOUSE_RELEASE && dragColumn >= 0) {
        long long start = columnStart(dragColumn);
        resizeColumn(dragColumn, (int)std::max<long long>(1, rel - start));
        dragColumn = -1;
        draw();
        window->update();
        return true;
    }
    dragColumn = -1;
    int c = columnAt(event.row, event.column);
    if (c < 0 || (event.action != CurInit::MOUSE_CLICK && event.action != CurInit::MOUSE_DOUBLE_CLICK))
        return true;
    curColumn = c;
    processKey(SORT_KEY);                // may change or delete the table: nothing follows
    return true;
}

// The mouse, in the window's cells: the wheel scrolls three rows, keeping the
// current row in view; clicks on the header sort and resize (headerMouse);
// a click on a row makes it current, and on the current row marks it, or
// activates it when an activate callback is set.
bool CurTable::processMouse(const CurInit::MouseEvent& event)
{
    // Far outside the gadget every cell is alike: kept where sums cannot overflow.
    int row = (int)std::max(-70000LL, std::min(70000LL, (long long)event.row - y));
    int col = (int)std::max(-70000LL, std::min(70000LL, (long long)event.column - x));
    if (event.button == CurInit::WHEEL_UP || event.button == CurInit::WHEEL_DOWN) {
        int n = count(), rows = viewRows(), oldPos = curPos;
        long long top = (long long)topPos + (event.button == CurInit::WHEEL_UP ? -3 : 3);
        topPos = (int)std::max<long long>(0, std::min<long long>(top, std::max(0, n - rows)));
        curPos = std::max(topPos, std::min(curPos, topPos + rows - 1));
        fitView(n);
        draw();
        window->update();
        if (curPos != oldPos)
            CurCallback::call(changeFunction); // may change or delete the table: nothing follows
        return true;
    }
    if (event.button != CurInit::MOUSE_LEFT)
        return false;
    if (row == 1)
        return headerMouse(event, col);
    if (event.action != CurInit::MOUSE_CLICK && event.action != CurInit::MOUSE_DOUBLE_CLICK)
        return true;
    int target = rowAt(event.row, event.column);
    if (target < 0)
        return true;
    int n = count();
    fitView(n);
    int position = topPos + row - 3;
    if (position != curPos) {
        curPos = position;
        fitView(n);
        draw();
        window->update();
        CurCallback::call(changeFunction); // may change or delete the table: nothing follows
        return true;
    }
    return processKey(activateFunction ? 13 : ' ');
}
