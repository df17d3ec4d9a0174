// CurTreeDraw.cpp - drawing the tree (gadget/): the frame, the shown nodes
// from the top one with their lines to parent and siblings, expand marks and
// check boxes, the arrows that say more lies above or below, and the find
// text. A row walks up from its node only as far as the view's left edge.
#include "CurTree.h"
#include "CurText.h"
#include "CurWindow.h"

#include <curses.h>
#include <algorithm>
#include <climits>
#include <cstring>

int CurTree::viewRows() const
{
    return height - 2 < 1 ? 1 : height - 2;
}

// Two columns a level: the lines, then the expand mark and a blank, the
// check box when shown, then the text.
int CurTree::markColumn(int node) const
{
    return (int)std::min(2LL * nodes[node].depth, (long long)INT_MAX / 2);
}

// The current node shown, the view around it and its last page full, and
// the view moved sideways to show the current node's mark.
void CurTree::fitView()
{
    if (!valid(current))
        current = top = firstTop;
    if (!valid(current))
        return;
    int outermost = -1;
    for (int n = nodes[current].parent; n >= 0; n = nodes[n].parent)
        if (!nodes[n].expanded)
            outermost = n;
    if (outermost >= 0)
        current = outermost;
    if (!valid(top) || !shown(top))
        top = current;
    int rows = viewRows(), k = 0, n = top;
    while (n >= 0 && n != current && k < rows - 1)
        n = nextShown(n), k++;
    if (n != current) {
        int m = current, j = 0;
        while (m >= 0 && m != top && j < rows - 1)
            m = nextShown(m), j++;
        if (m == top)
            top = current;               // it lay above the view
        else
            for (top = current, j = 0; j < rows - 1 && prevShown(top) >= 0; j++)
                top = prevShown(top);
    }
    int count = 1;
    for (n = top; count < rows && (n = nextShown(n)) >= 0; )
        count++;
    while (count < rows && prevShown(top) >= 0)
        top = prevShown(top), count++;
    int inner = std::max(1, width - 2), mark = markColumn(current);
    if (mark < leftColumn || mark + 2 > leftColumn + inner)
        leftColumn = std::max(0, (mark - inner / 2) & ~1);
}

void CurTree::draw()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr)
        return;
    fitView();
    int frameAttr = CurInit::getThemeAttr(CurInit::THEME_FRAME);
    if (width >= 2 && height >= 2)
        CurText::frame(w, y, x, height, width, frameAttr);
    int rows = height - 2, n = valid(top) ? top : -1, k = 0;
    for (; k < rows; k++) {
        drawRow(w, y + 1 + k, n);
        if (n >= 0)
            n = nextShown(n);
    }
    int scrollAttr = CurInit::getThemeAttr(CurInit::THEME_SCROLL_BAR);
    if (rows >= 2 && width >= 2 && valid(top) && prevShown(top) >= 0)
        CurText::putLine(w, y + 1, x + width - 1, CurText::UARROW, scrollAttr);
    if (rows >= 2 && width >= 2 && n >= 0)
        CurText::putLine(w, y + height - 2, x + width - 1, CurText::DARROW, scrollAttr);
    if (finding)
        drawFind(w);
    placeCursor();
}

// A row: blanks for no node; else lines, mark, check box and text, all in
// the highlight when the node is current.
void CurTree::drawRow(WINDOW* w, int row, int node)
{
    int inner = std::max(0, std::min(width - 2, getmaxx(w) - x - 1));
    int attr = CurInit::getThemeAttr(focused ? CurInit::THEME_LIST_FOCUSED : CurInit::THEME_LIST);
    if (node == current && node >= 0)
        attr = CurInit::mixAttr(attr, CurInit::getThemeAttr(
                   focused ? CurInit::THEME_CURRENT_LINE_FOCUSED : CurInit::THEME_CURRENT_LINE));
    CurText::blank(w, row, x + 1, inner, attr);
    if (node < 0 || inner == 0)
        return;
    const Node& n = nodes[node];
    drawLines(w, row, node, attr);
    long long col = (long long)markColumn(node) - leftColumn;
    auto put = [&](const char* s, long long at) {
        if (at >= 0 && at < inner)
            CurText::draw(w, row, x + 1 + (int)at, s, (int)strlen(s), inner - (int)at, attr);
    };
    if (n.first >= 0 || n.lazy)
        put(n.expanded ? "-" : "+", col);
    else if (n.depth > 0 && col >= 0 && col < inner)
        CurText::putLine(w, row, x + 1 + (int)col, CurText::HLINE, attr);
    col += 2;
    if (checkMarks) {
        CHECK c = state(n);
        if (singleCheck)
            put(n.checked ? "(*)" : "( )", col);
        else
            put(c == CHECKED ? "[X]" : c == PARTIAL ? "[~]" : "[ ]", col);
        col += 4;
    }
    int len = (int)std::min<size_t>(n.text.size(), INT_MAX), skip = 0;
    if (col < 0) {                       // the text starts left of the view
        skip = CurText::cut(n.text.c_str(), len, (int)std::min<long long>(-col, INT_MAX));
        col = 0;
    }
    if (col < inner)
        CurText::draw(w, row, x + 1 + (int)col, n.text.c_str() + skip, len - skip,
                      inner - (int)col, attr);
}

// A node's line: a tee (or a corner for the last child) and a dash before
// its mark, and for each ancestor with siblings below a vertical line at
// that ancestor's level. Only the levels right of the view's left edge are
// walked.
void CurTree::drawLines(WINDOW* w, int row, int node, int attr)
{
    int inner = std::max(0, std::min(width - 2, getmaxx(w) - x - 1));
    if (nodes[node].depth == 0)
        return;
    long long col = (long long)markColumn(node) - 2 - leftColumn;
    if (col >= 0 && col < inner)
        CurText::putLine(w, row, x + 1 + (int)col, nodes[node].next >= 0 ? CurText::LTEE
                         : CurText::LLCORNER, attr);
    if (col + 1 >= 0 && col + 1 < inner)
        CurText::putLine(w, row, x + 1 + (int)col + 1, CurText::HLINE, attr);
    for (int a = nodes[node].parent; a >= 0 && nodes[a].depth > 0; a = nodes[a].parent) {
        col = (long long)markColumn(a) - 2 - leftColumn;
        if (col < 0)
            break;
        if (col < inner && nodes[a].next >= 0)
            CurText::putLine(w, row, x + 1 + (int)col, CurText::VLINE, attr);
    }
}

// The find text on the frame's bottom row, after a "/".
void CurTree::drawFind(WINDOW* w)
{
    if (height < 2 || width < 5)
        return;
    int attr = CurInit::getThemeAttr(CurInit::THEME_FRAME);
    std::string shown = "/" + findText;
    CurText::draw(w, y + height - 1, x + 2, shown.c_str(), (int)shown.size(), width - 4, attr);
}

// On the current node's mark (or the view's left edge).
void CurTree::placeCursor()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr)
        return;
    int row = y + 1, n = top;
    for (int k = 0; valid(current) && n >= 0 && n != current && k < viewRows(); k++)
        n = nextShown(n), row++;
    long long col = valid(current) ? (long long)markColumn(current) - leftColumn : 0;
    col = std::max(0LL, std::min(col, (long long)width - 3));
    row = std::min(row, y + height - 1);
    wmove(w, std::max(row, y), std::max(x + 1 + (int)col, x));
}
