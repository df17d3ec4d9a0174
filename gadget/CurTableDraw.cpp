// CurTableDraw.cpp - drawing the table (gadget/): the frame, the header row
// under it with the sorted column's arrow, the rule below the header, the
// rows in view with their marks, and the scroll thumb. Only the rows and
// columns on the screen are asked for: a draw costs the same at ten rows
// and at ten million.
#include "CurTable.h"
#include "CurText.h"
#include "CurWindow.h"

#include <curses.h>
#include <algorithm>
#include <climits>

// The box: frame row, header, rule, rows, frame row.
static const int FIRST_ROW = 3;

int CurTable::viewRows() const
{
    return height - 4 < 1 ? 1 : height - 4;
}

// The current position within the rows, the view around it, the last page full.
void CurTable::fitView(int n)
{
    int rows = viewRows();
    if (curPos >= n)
        curPos = n > 0 ? n - 1 : 0;
    if (curPos < 0)
        curPos = 0;
    if (topPos > curPos)
        topPos = curPos;
    if (curPos - topPos >= rows)
        topPos = curPos - rows + 1;
    int lastTop = n - rows > 0 ? n - rows : 0;
    if (topPos > lastTop)
        topPos = lastTop;
    if (topPos < 0)
        topPos = 0;
}

void CurTable::forEachShownColumn(const std::function<void(int column, int col, int cols)>& paint)
{
    int avail = innerWidth(), n = (int)columns.size(), frozenCount = std::min(frozen, n);
    long long col = 0;
    auto visit = [&](int c) {
        if (col >= avail)
            return false;
        paint(c, (int)col, (int)std::min<long long>(columns[c].width, avail - col));
        col += (long long)columns[c].width + 1;
        return true;
    };
    for (int c = 0; c < frozenCount; c++)
        if (!visit(c))
            return;
    for (int c = firstColumn; c < n; c++)
        if (!visit(c))
            return;
}

void CurTable::draw()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr)
        return;
    int n = count();
    fitView(n);
    layout();
    int frameAttr = CurInit::getThemeAttr(CurInit::THEME_FRAME);
    if (width >= 2 && height >= 2)
        CurText::frame(w, y, x, height, width, frameAttr);
    if (height >= 4 && width >= 2) {
        CurText::putLine(w, y + 2, x, CurText::LTEE, frameAttr);
        CurText::putLine(w, y + 2, x + width - 1, CurText::RTEE, frameAttr);
        CurText::putRun(w, true, y + 2, x + 1, x + width - 2, CurText::HLINE, frameAttr);
    }
    if (height >= 3)
        drawHeader(w);
    for (int k = 0; k < height - 4; k++)
        drawRow(w, y + FIRST_ROW + k, topPos + k, n);
    drawThumb(w, n);
    placeCursor();
}

// Titles in the header's attribute, the current column's underlined while
// the table has the focus, the sorted column's last cell an arrow.
void CurTable::drawHeader(WINDOW* w)
{
    int base = CurInit::getThemeAttr(CurInit::THEME_TITLE);
    int left = x + 2, row = y + 1;
    CurText::blank(w, row, x + 1, std::max(0, std::min(width - 2, getmaxx(w) - x - 1)), base);
    forEachShownColumn([&](int c, int col, int cols) {
        int attr = base;
        if (c == curColumn && focused)
            attr = CurInit::mixAttr(base, CurInit::getThemeAttr(CurInit::THEME_CURRENT_LINE));
        bool sorted = c == sortColumn && cols >= 2;
        drawCell(w, row, left + col, sorted ? cols - 1 : cols, columns[c].title, columns[c].align, attr);
        if (sorted)
            CurText::putLine(w, row, left + col + cols - 1,
                             descending ? CurText::DARROW : CurText::UARROW, attr);
    });
}

// The mark column, then each shown cell, in the line's attribute over which
// a marked row and the current row are drawn; blanks between the cells.
void CurTable::drawRow(WINDOW* w, int screenRow, int position, int n)
{
    int interior = std::max(0, std::min(width - 2, getmaxx(w) - x - 1));
    int attr = CurInit::getThemeAttr(focused ? CurInit::THEME_LIST_FOCUSED : CurInit::THEME_LIST);
    if (position >= n) {
        CurText::blank(w, screenRow, x + 1, interior, attr);
        return;
    }
    int row = rowOf(position);
    bool isMarked = marked.count(row) > 0;
    if (isMarked)
        attr = CurInit::mixAttr(attr, CurInit::getThemeAttr(CurInit::THEME_MARKED_LINE));
    if (position == curPos)
        attr = CurInit::mixAttr(attr, CurInit::getThemeAttr(
                   focused ? CurInit::THEME_CURRENT_LINE_FOCUSED : CurInit::THEME_CURRENT_LINE));
    CurText::blank(w, screenRow, x + 1, interior, attr);
    if (interior >= 1)
        CurText::draw(w, screenRow, x + 1, isMarked ? "*" : " ", 1, 1, attr);
    forEachShownColumn([&](int c, int col, int cols) {
        drawCell(w, screenRow, x + 2 + col, cols, cell(row, c), columns[c].align, attr);
    });
}

// A text that fits is placed by the column's alignment; a longer one is cut
// at a whole character with an ellipsis in its last cell.
void CurTable::drawCell(WINDOW* w, int row, int col, int cols, std::string_view text,
                        CurInit::ALIGNMENT align, int attr)
{
    if (cols <= 0)
        return;
    int len = (int)std::min<size_t>(text.size(), INT_MAX);
    int fits = CurText::cut(text.data(), len, cols);
    if (fits < len) {
        int part = CurText::cut(text.data(), len, cols - 1);
        CurText::draw(w, row, col, text.data(), part, cols - 1, attr);
        const char* more = CurText::utf8() ? "\xe2\x80\xa6" : "~";
        CurText::draw(w, row, col + cols - 1, more, CurText::utf8() ? 3 : 1, 1, attr);
        return;
    }
    int shown = CurText::columns(text.data(), len);
    int pad = align == CurInit::RIGHT ? cols - shown : align == CurInit::CENTER ? (cols - shown) / 2 : 0;
    CurText::draw(w, row, col + std::max(0, pad), text.data(), len, cols, attr);
}

// The thumb on the right frame column, beside the rows, where the view is
// within all rows; only when the rows do not fit.
void CurTable::drawThumb(WINDOW* w, int n)
{
    int rows = height - 4;
    if (rows < 2 || width < 2 || n <= rows)
        return;
    int col = x + width - 1, scrollAttr = CurInit::getThemeAttr(CurInit::THEME_SCROLL_BAR);
    CurText::putRun(w, false, col, y + FIRST_ROW, y + FIRST_ROW + rows - 1, CurText::VLINE, scrollAttr);
    long long track = (long long)topPos * (rows - 1) / (n - rows);
    CurText::putLine(w, y + FIRST_ROW + (int)track, col, CurText::CKBOARD, scrollAttr);
}

// On the current row's mark, kept inside the box when the box is small.
void CurTable::placeCursor()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr)
        return;
    int row = y + FIRST_ROW + (curPos - topPos), col = x + 1;
    row = std::min(row, y + height - 1);
    col = std::min(col, x + width - 1);
    wmove(w, std::max(row, y), std::max(col, x));
}
