// CurList.cpp - the list gadget (gadget/): a framed box of lines with
// selection marks, a highlighted current line, a scroll bar, and the keys
// that move through the lines and select them.
#include "CurList.h"
#include "CurText.h"
#include "CurWindow.h"

#include <curses.h>
#include <cstdlib>
#include <cstring>
#include <new>

CurList::CurList(CurWindow* window)
    : CurGadget(window), selected(nullptr), lines(nullptr), numLines(0), topLine(0),
      curLine(0), focused(true), selectMode(MULTIPLE), capacity(0)
{
    // Each switch resends the terminal's keypad string: only when it is off.
    if (window->getWindow() != nullptr && !is_keypad(window->getWindow()))
        keypad(window->getWindow(), TRUE);
}

CurList::~CurList()
{
    for (int i = 0; i < numLines; i++)
        free(lines[i]);
    delete[] lines;
    delete[] selected;
}

// Both arrays keep room to spare and double when full, so building a list
// of n lines copies about 2n entries rather than n * n / 2. A failed
// allocation leaves the list as it was.
void CurList::addLine(const char* line, bool isSelected, bool redraw)
{
    if (line == nullptr)
        return;
    if (numLines == capacity) {
        int grownCapacity = capacity < 16 ? 16 : 2 * capacity;
        char** grownLines = new (std::nothrow) char*[grownCapacity];
        bool* grownSelected = new (std::nothrow) bool[grownCapacity];
        if (grownLines == nullptr || grownSelected == nullptr) {
            delete[] grownLines;
            delete[] grownSelected;
            throw std::bad_alloc();
        }
        for (int i = 0; i < numLines; i++) {
            grownLines[i] = lines[i];
            grownSelected[i] = selected[i];
        }
        delete[] lines;
        delete[] selected;
        lines = grownLines;
        selected = grownSelected;
        capacity = grownCapacity;
    }
    char* copy = strdup(line);
    if (copy == nullptr)
        throw std::bad_alloc();
    lines[numLines] = copy;
    selected[numLines] = isSelected;    // stored as given, whatever the mode
    numLines++;
    if (redraw)
        draw();
}

void CurList::getSelected(int** indices, int* count)
{
    int n = 0;
    for (int i = 0; i < numLines; i++)
        if (selected[i])
            n++;
    int* found = nullptr;
    if (n > 0) {
        found = new int[n];
        for (int i = 0, k = 0; k < n; i++)
            if (selected[i])
                found[k++] = i;
    }
    if (count != nullptr)
        *count = n;
    if (indices != nullptr)
        *indices = found;
    else
        delete[] found;
}

void CurList::setSelectMode(SELECT_MODE mode)
{
    selectMode = mode;
    if (mode != SINGLE)
        return;
    bool seen = false, cleared = false;
    for (int i = 0; i < numLines; i++) {
        if (!selected[i])
            continue;
        if (seen) {
            selected[i] = false;
            cleared = true;
        }
        seen = true;
    }
    if (cleared)
        draw();
}

int CurList::getCurrent() const
{
    return numLines > 0 ? curLine : -1;
}

// The view moves only as far as needed to show the new current line.
void CurList::setCurrent(int index, bool redraw)
{
    if (index < 0 || index >= numLines)
        return;
    curLine = index;
    fitView();
    if (redraw)
        draw();
}

// Every other row in view is repainted; rows out of view draw nothing.
void CurList::clearOthers(int keep)
{
    for (int i = 0; i < numLines; i++) {
        if (i != keep) {
            selected[i] = false;
            drawLine(i);
        }
    }
}

int CurList::viewRows() const
{
    return height - 2 < 1 ? 1 : height - 2;
}

// The key handling keeps the current line in view and the last page full.
// A new geometry can break this; here it is put right again. A list that
// follows the rules is left as it is.
void CurList::fitView()
{
    int rows = viewRows();
    if (curLine >= numLines)
        curLine = numLines > 0 ? numLines - 1 : 0;
    if (topLine > curLine)
        topLine = curLine;
    if (curLine - topLine >= rows)
        topLine = curLine - rows + 1;
    int lastTop = numLines - rows > 0 ? numLines - rows : 0;
    if (topLine > lastTop)
        topLine = lastTop;
}

// Puts one frame or scroll bar character where the window has the cell.
static void putCell(WINDOW* w, int row, int col, CurText::LINE part)
{
    CurText::putLine(w, row, col, part, 0);
}

// A box narrower or lower than 2 has no room for a frame and shows nothing.
void CurList::drawFrame(WINDOW* w)
{
    CurText::frame(w, y, x, height, width);
}

// Arrows on the first and last interior rows of the right frame column, the
// thumb on the rows between them: in the second row at the top of the list,
// in the last but one when the last page shows. A box of 4 rows has no row
// between its arrows and shows no thumb; a lower one shows no scroll bar.
// The track is drawn first, so a thumb that moved leaves no trace.
void CurList::drawScrollBar(WINDOW* w)
{
    int col = x + width - 1;
    putCell(w, y + 1, col, CurText::UARROW);
    putCell(w, y + height - 2, col, CurText::DARROW);
    if (height < 5)
        return;
    CurText::putRun(w, false, col, y + 2, y + height - 3, CurText::VLINE);
    long long track = (long long)topLine * (height - 5) / (numLines - (height - 2));
    putCell(w, y + 2 + (int)track, col, CurText::CKBOARD);
}

// Interior rows below the last line keep what the window holds there.
void CurList::draw()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr)
        return;
    fitView();
    if (width >= 2 && height >= 2)
        drawFrame(w);
    drawView(w);
}

// The scroll bar and the rows in view: all that a scroll changes, since the
// frame stays as it is.
void CurList::drawView(WINDOW* w)
{
    if (w == nullptr)
        return;
    if (numLines >= height - 1 && height >= 4 && width >= 2)
        drawScrollBar(w);
    for (int k = 0; topLine + k < numLines && k < height - 2; k++)
        drawLine(topLine + k);
    placeCursor();
}

// Mark, blank, then the text, cut at the frame or padded with blanks up to
// it, all in the highlight when this is the current line. Nothing is written
// right of the interior, however narrow the box: a double-width character
// that would straddle the frame is left out, and blanks stand in its place.
// Nor is anything written past the window's edge.
void CurList::drawLine(int index)
{
    WINDOW* w = window->getWindow();
    if (w == nullptr || index < 0 || index >= numLines)
        return;
    if (index < topLine || index - topLine >= height - 2)
        return;
    chtype a = 0;
    if (index == curLine)
        a = focused ? A_REVERSE : A_UNDERLINE;
    int last = x + width - 2;
    if (last > getmaxx(w) - 1)
        last = getmaxx(w) - 1;          // curses would wrap the rest onto the next row
    int col = x + 1;
    if (wmove(w, y + index - topLine + 1, col) == ERR)
        return;                         // a row the window does not have
    if (col++ <= last)
        waddch(w, (chtype)(selected[index] ? '*' : ' ') | a);
    if (col++ <= last)
        waddch(w, ' ' | a);
    if (col <= last)
        col += CurText::draw(w, y + index - topLine + 1, col, lines[index],
                             (int)strlen(lines[index]), last + 1 - col, (int)a);
    if (col <= last)
        CurText::blank(w, y + index - topLine + 1, col, last + 1 - col, (int)a);
}

// The mark column of the current line, kept inside the box when the box has
// no interior.
void CurList::placeCursor()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr)
        return;
    int row = y + curLine - topLine + 1;
    int col = x + 1;
    if (row > y + height - 1)
        row = y + height - 1;
    if (col > x + width - 1)
        col = x + width - 1;
    wmove(w, row < y ? y : row, col < x ? x : col);
}

// Home and End jump to the first and the last line, Page Up and Page Down
// move the current line and the view by one view's rows; the view then
// follows the current line as far as needed, and the list is repainted.
void CurList::jumpTo(int line, int top)
{
    curLine = line < 0 ? 0 : line;
    topLine = top < 0 ? 0 : top;
    fitView();
    draw();
}

// Moving inside the view repaints the two rows concerned; a move that
// scrolls repaints the rows in view and the scroll bar. Up, down, Home, End
// and the page keys are consumed even at the ends of the list, so a form never
// moves the focus away on them; left, right, Tab and Return are left to the caller.
bool CurList::processKey(int key)
{
    int oldTop = topLine, oldCur = curLine;
    fitView();
    if (topLine != oldTop || curLine != oldCur)
        draw();                         // the rows on the screen are stale
    if (key == KEY_UP) {
        if (curLine > 0) {
            curLine--;
            if (curLine < topLine) {
                topLine--;
                drawView(window->getWindow());
            } else {
                drawLine(curLine + 1);
                drawLine(curLine);
            }
        }
    } else if (key == KEY_DOWN) {
        if (curLine < numLines - 1) {
            curLine++;
            if (curLine - topLine < viewRows()) {
                drawLine(curLine - 1);
                drawLine(curLine);
            } else {
                topLine++;
                drawView(window->getWindow());
            }
        }
    } else if (key == KEY_HOME) {
        jumpTo(0, 0);
    } else if (key == KEY_END) {
        jumpTo(numLines - 1, numLines);
    } else if (key == KEY_PPAGE) {
        jumpTo(curLine - viewRows(), topLine - viewRows());
    } else if (key == KEY_NPAGE) {
        jumpTo(curLine + viewRows(), topLine + viewRows());
    } else if (key == ' ' && numLines > 0) {
        selected[curLine] = !selected[curLine];
        drawLine(curLine);
        if (selectMode == SINGLE && selected[curLine])
            clearOthers(curLine);
    } else {
        return false;
    }
    placeCursor();
    window->update();
    return true;
}

void CurList::acceptFocus(bool redraw)
{
    focused = true;
    if (redraw)
        draw();
}

void CurList::loseFocus(bool redraw)
{
    focused = false;
    if (redraw)
        draw();
}
