// CurList.cpp - the list gadget (gadget/): a framed box of lines with
// selection marks, a highlighted current line, a scroll bar, and the keys
// that move through the lines and select them.
#include "CurList.h"
#include "CurCallback.h"
#include "CurText.h"
#include "CurTypeAhead.h"
#include "CurWindow.h"

#include <curses.h>
#include <cctype>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <new>

CurList::CurList(CurWindow* window)
    : CurGadget(window), topLine(0), curLine(0), numSelected(0), lastMarked(-1),
      selectMode(MULTIPLE), themeMarks(true), typeAheadOn(false), typedAt(0)
{
    showFocus(true);
    // Each switch resends the terminal's keypad string: only when it is off.
    if (this->window->getWindow() != nullptr && !is_keypad(this->window->getWindow()))
        keypad(this->window->getWindow(), TRUE);
}

CurList::~CurList()
{
    for (Line& line : lines)
        free(line.text);
}

// The lines live in one vector of pointers: appending is amortised
// constant, and an insertion or removal moves pointers only, a few
// milliseconds for a million lines. A failed allocation throws and leaves
// the list as it was.
void CurList::insertAt(int index, std::string_view text, bool isSelected)
{
    char* copy = static_cast<char*>(malloc(text.size() + 1));
    if (copy == nullptr)
        throw std::bad_alloc();
    memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    try {
        lines.insert(lines.begin() + index, Line{copy, false});
    } catch (...) {
        free(copy);
        throw;
    }
    if (lastMarked >= index)
        lastMarked++;
    if (lines.size() > 1 && index <= curLine)
        curLine++;
    if (index < topLine)
        topLine++;
    mark(index, isSelected);
}

void CurList::addLine(const char* line, bool isSelected, bool redraw)
{
    if (line != nullptr)
        addLine(std::string_view(line), isSelected, redraw);
}

void CurList::addLine(std::string_view line, bool isSelected, bool redraw)
{
    insertAt(getCount(), line, isSelected);   // stored as given, whatever the mode
    if (redraw)
        draw();
}

void CurList::getSelected(int** indices, int* count)
{
    int n = numSelected;
    int* found = nullptr;
    if (n > 0) {
        found = new int[n];
        for (int i = 0, k = 0; k < n; i++)
            if (lines[i].selected)
                found[k++] = i;
    }
    if (count != nullptr)
        *count = n;
    if (indices != nullptr)
        *indices = found;
    else
        delete[] found;
}

std::vector<int> CurList::getSelectedLines() const
{
    std::vector<int> found;
    found.reserve(numSelected);
    for (int i = 0; (int)found.size() < numSelected; i++)
        if (lines[i].selected)
            found.push_back(i);
    return found;
}

void CurList::setSelectMode(SELECT_MODE mode)
{
    selectMode = mode;
    if (mode != SINGLE || numSelected <= 1)
        return;
    int first = 0;
    while (!lines[first].selected)
        first++;
    clearOthers(first, false);
    draw();
}

int CurList::getCount() const
{
    return (int)lines.size();
}

const char* CurList::getLine(int index) const
{
    return index >= 0 && index < getCount() ? lines[index].text : nullptr;
}

void CurList::setLine(int index, const char* text, bool redraw)
{
    if (text != nullptr)
        setLine(index, std::string_view(text), redraw);
}

void CurList::setLine(int index, std::string_view text, bool redraw)
{
    if (index < 0 || index >= getCount())
        return;
    char* copy = static_cast<char*>(malloc(text.size() + 1));
    if (copy == nullptr)
        throw std::bad_alloc();
    memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    free(lines[index].text);
    lines[index].text = copy;
    if (redraw) {
        drawLine(index);
        placeCursor();
    }
}

void CurList::insertLine(int index, const char* text, bool isSelected, bool redraw)
{
    if (text != nullptr)
        insertLine(index, std::string_view(text), isSelected, redraw);
}

void CurList::insertLine(int index, std::string_view text, bool isSelected, bool redraw)
{
    if (index < 0 || index > getCount())
        return;
    insertAt(index, text, false);
    if (isSelected && selectMode == SINGLE)
        clearOthers(index, false);
    mark(index, isSelected);
    fitView();
    if (redraw)
        redrawAll();
}

void CurList::removeLine(int index, bool redraw)
{
    if (index < 0 || index >= getCount())
        return;
    mark(index, false);
    free(lines[index].text);
    lines.erase(lines.begin() + index);
    if (lastMarked > index)
        lastMarked--;
    if (index < curLine)
        curLine--;
    if (index < topLine)
        topLine--;
    fitView();
    if (redraw)
        redrawAll();
}

void CurList::clear(bool redraw)
{
    for (Line& line : lines)
        free(line.text);
    lines.clear();
    topLine = curLine = numSelected = 0;
    lastMarked = -1;
    if (redraw)
        redrawAll();
}

int CurList::getCurrent() const
{
    return lines.empty() ? -1 : curLine;
}

void CurList::setCurrent(int index, bool redraw)
{
    if (index < 0 || index >= getCount())
        return;
    curLine = index;
    fitView();
    if (redraw)
        draw();
}

bool CurList::isSelected(int index) const
{
    return index >= 0 && index < getCount() && lines[index].selected;
}

void CurList::setSelected(int index, bool on, bool redraw)
{
    if (index < 0 || index >= getCount())
        return;
    if (on && selectMode == SINGLE)
        clearOthers(index, redraw);
    mark(index, on);
    if (redraw) {
        drawLine(index);
        placeCursor();
    }
}

// The count of marks lets SINGLE mode find the one other marked line at
// once: the last one marked, unless a removal lost track of it.
void CurList::mark(int index, bool on)
{
    if (lines[index].selected == on)
        return;
    lines[index].selected = on;
    numSelected += on ? 1 : -1;
    if (on)
        lastMarked = index;
    else if (lastMarked == index)
        lastMarked = -1;
}

// With redraw every other row in view is repainted; rows out of view draw
// nothing. The one other marked line of a list kept in SINGLE mode is the
// last one marked, so only a list with several marks is searched.
void CurList::clearOthers(int keep, bool redraw)
{
    int left = lines[keep].selected ? 1 : 0;
    if (numSelected == left + 1 && lastMarked >= 0 && lastMarked != keep)
        mark(lastMarked, false);
    for (int i = 0; numSelected > left && i < getCount(); i++)
        if (i != keep && lines[i].selected)
            mark(i, false);
    if (left == 1)
        lastMarked = keep;
    for (int k = 0; redraw && k < height - 2 && topLine + k < getCount(); k++)
        if (topLine + k != keep)
            drawLine(topLine + k);
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
    if (curLine >= getCount())
        curLine = getCount() > 0 ? getCount() - 1 : 0;
    if (topLine > curLine)
        topLine = curLine;
    if (curLine - topLine >= rows)
        topLine = curLine - rows + 1;
    int lastTop = getCount() - rows > 0 ? getCount() - rows : 0;
    if (topLine > lastTop)
        topLine = lastTop;
}

// A box narrower or lower than 2 has no room for a frame and shows nothing.
void CurList::drawFrame(WINDOW* w)
{
    CurText::frame(w, y, x, height, width, CurInit::getThemeAttr(CurInit::THEME_FRAME));
}

// Arrows on the first and last interior rows of the right frame column, the
// thumb on the rows between them: in the second row at the top of the list,
// in the last but one when the last page shows. A box of 4 rows has no row
// between its arrows and shows no thumb; a lower one shows no scroll bar.
// The track is drawn first, so a thumb that moved leaves no trace.
void CurList::drawScrollBar(WINDOW* w)
{
    CurText::scrollBar(w, y, x + width - 1, height, topLine, getCount() - (height - 2),
                       CurInit::getThemeAttr(CurInit::THEME_SCROLL_BAR));
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

// After lines went, rows that showed them would stay: the interior rows
// below the last line are blanked too.
void CurList::redrawAll()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr)
        return;
    draw();
    int last = x + width - 2;
    if (last > getmaxx(w) - 1)
        last = getmaxx(w) - 1;
    for (int k = getCount() - topLine; k < height - 2 && x + 1 <= last; k++)
        CurText::blank(w, y + k + 1, x + 1, last - x, lineAttr());
    placeCursor();
}

// The scroll bar and the rows in view: all that a scroll changes, since the
// frame stays as it is.
void CurList::drawView(WINDOW* w)
{
    if (w == nullptr)
        return;
    if (getCount() >= height - 1 && height >= 4 && width >= 2)
        drawScrollBar(w);
    for (int k = 0; topLine + k < getCount() && k < height - 2; k++)
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
    if (w == nullptr || index < 0 || index >= getCount())
        return;
    if (index < topLine || index - topLine >= height - 2)
        return;
    chtype a = (chtype)lineAttr();
    if (lines[index].selected)
        a = (chtype)CurInit::mixAttr((int)a, CurInit::getThemeAttr(CurInit::THEME_MARKED_LINE));
    if (index == curLine)
        a = (chtype)CurInit::mixAttr((int)a, CurInit::getThemeAttr(
                focused ? CurInit::THEME_CURRENT_LINE_FOCUSED : CurInit::THEME_CURRENT_LINE));
    int last = x + width - 2;
    if (last > getmaxx(w) - 1)
        last = getmaxx(w) - 1;          // curses would wrap the rest onto the next row
    int col = x + 1;
    if (wmove(w, y + index - topLine + 1, col) == ERR)
        return;                         // a row the window does not have
    const char* mark = markText(lines[index].selected);
    int markCols = markColumns();
    if (col <= last)
        CurText::draw(w, y + index - topLine + 1, col, mark, (int)strlen(mark), last + 1 - col, (int)a);
    col += markCols;
    if (col++ <= last)
        mvwaddch(w, y + index - topLine + 1, col - 1, ' ' | a);
    if (col <= last)
        col += CurText::draw(w, y + index - topLine + 1, col, lines[index].text,
                             (int)strlen(lines[index].text), last + 1 - col, (int)a);
    if (col <= last)
        CurText::blank(w, y + index - topLine + 1, col, last + 1 - col, (int)a);
}

void CurList::setThemeMarks(bool on)
{
    themeMarks = on;
}

const char* CurList::markText(bool marked) const
{
    const CurInit::ThemeShapes& shapes = CurInit::getThemeShapes();
    if (!themeMarks)
        return marked ? "*" : " ";
    if (selectMode == SINGLE)
        return marked ? shapes.radioOn : shapes.radioOff;
    return marked ? shapes.checkOn : shapes.checkOff;
}

int CurList::markColumns() const
{
    int on = CurText::columns(markText(true)), off = CurText::columns(markText(false));
    int cols = on > off ? on : off;
    return cols > 0 ? cols : 1;
}

// The theme's attribute of the lines, which the marked and the current
// line are drawn over.
int CurList::lineAttr() const
{
    return CurInit::getThemeAttr(focused ? CurInit::THEME_LIST_FOCUSED : CurInit::THEME_LIST);
}

// The mark column of the current line, kept inside the box when the box has
// no interior.
void CurList::placeCursor()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr)
        return;
    int row = y + curLine - topLine + 1;
    int col = x + 1 + (markColumns() - 1) / 2;   // on the mark's middle
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
// moves the focus away on them; left, right, Tab and Return are left to the
// caller unless an activate callback takes Return or type-ahead the letters.
bool CurList::processKey(int key)
{
    int oldTop = topLine, oldCur = curLine;
    fitView();
    if (topLine != oldTop || curLine != oldCur)
        draw();                         // the rows on the screen are stale
    oldCur = curLine;
    bool marked = false;
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
        if (curLine < getCount() - 1) {
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
        jumpTo(getCount() - 1, getCount());
    } else if (key == KEY_PPAGE) {
        jumpTo(curLine - viewRows(), topLine - viewRows());
    } else if (key == KEY_NPAGE) {
        jumpTo(curLine + viewRows(), topLine + viewRows());
    } else if (key == ' ' && !lines.empty()) {
        bool on = !lines[curLine].selected;
        if (on && selectMode == SINGLE)
            clearOthers(curLine, true);
        mark(curLine, on);
        drawLine(curLine);
        marked = true;
    } else if (key == 13 && !lines.empty() && activateFunction) {
        activated();                    // may change or destroy the list: nothing follows
        return true;
    } else if (!typeAhead(key)) {
        return false;
    }
    placeCursor();
    window->update();
    if (marked || curLine != oldCur)
        changed();                      // may change or destroy the list: nothing follows
    return true;
}

// The mouse, in the window's cells: the wheel scrolls the view three rows,
// the current line moved only as far as it must to stay in view; on the
// scroll bar a click on an arrow moves a line and one on the track pages
// towards it; a click on a line makes it current, and on the current line
// (the second click, or a double click) marks it, or activates it when an
// activate callback is set. The left button's other events are taken too.
bool CurList::processMouse(const CurInit::MouseEvent& event)
{
    int row = event.row - y, col = event.column - x;
    if (event.button == CurInit::WHEEL_UP || event.button == CurInit::WHEEL_DOWN) {
        scrollBy(event.button == CurInit::WHEEL_UP ? -WHEEL_ROWS : WHEEL_ROWS);
        return true;
    }
    if (event.button != CurInit::MOUSE_LEFT)
        return false;
    if (event.action != CurInit::MOUSE_CLICK && event.action != CurInit::MOUSE_DOUBLE_CLICK)
        return true;
    fitView();
    if (row < 1 || row > height - 2)
        return true;                    // the frame's top and bottom
    if (col == width - 1 && getCount() >= height - 1 && height >= 4 && width >= 2)
        return scrollBarKey(row) == 0 || processKey(scrollBarKey(row));
    int index = lineAt(event.row, event.column);
    if (index < 0)
        return true;
    if (index != curLine) {
        int oldCur = curLine;
        jumpTo(index, topLine);
        placeCursor();
        window->update();
        if (curLine != oldCur)
            changed();                  // may change or destroy the list: nothing follows
        return true;
    }
    return processKey(activateFunction ? 13 : ' ');
}

int CurList::lineAt(int row, int column) const
{
    int r = row - y, c = column - x;
    if (r < 1 || r > height - 2 || c < 1 || c > width - 2 || topLine + r - 1 >= getCount())
        return -1;
    return topLine + r - 1;
}

// The key a click on row (of the box) of the scroll bar stands for: an
// arrow's, a page towards the click from the thumb (drawScrollBar), or 0
// on the thumb itself.
int CurList::scrollBarKey(int row) const
{
    if (row == 1 || row == height - 2)
        return row == 1 ? KEY_UP : KEY_DOWN;
    int thumb = CurText::scrollThumb(height, topLine, getCount() - (height - 2));
    return row < thumb ? KEY_PPAGE : row > thumb ? KEY_NPAGE : 0;
}

void CurList::scrollBy(int rows)
{
    fitView();
    int view = viewRows(), oldCur = curLine;
    int lastTop = getCount() - view > 0 ? getCount() - view : 0;
    int top = topLine + rows < 0 ? 0 : topLine + rows > lastTop ? lastTop : topLine + rows;
    int cur = curLine < top ? top : curLine > top + view - 1 ? top + view - 1 : curLine;
    jumpTo(cur, top);
    placeCursor();
    window->update();
    if (curLine != oldCur)
        changed();                      // may change or destroy the list: nothing follows
}

// A printable key, with the keys typed within the last second before it,
// makes the text looked for. The first key looks from the line after the
// current one, wrapping at the end; a longer text keeps the current line
// while it still starts with it.
// A key typed again alone steps through the lines starting with it.
bool CurList::typeAhead(int key)
{
    std::string added;
    if (!typeAheadOn || !curTypeAhead(key, typed, typedAt, &added))
        return false;
    std::string before = typed.substr(0, typed.size() - added.size());
    if (lines.empty())
        return true;
    int found = findPrefix(typed, before.empty() ? curLine + 1 : curLine);
    if (found < 0 && before == added) {
        typed = before;                 // the same key again: the next line starting with it
        found = findPrefix(typed, curLine + 1);
    }
    if (found >= 0 && found != curLine) {
        curLine = found;
        fitView();
        drawView(window->getWindow());
    }
    return true;
}

static bool startsWith(const char* text, const std::string& prefix)
{
    for (size_t i = 0; i < prefix.size(); i++) {
        unsigned char a = (unsigned char)text[i], b = (unsigned char)prefix[i];
        if (a == '\0' || tolower(a) != tolower(b))
            return false;
    }
    return true;
}

// The first line from start on (wrapping) that begins with prefix; -1 when none.
int CurList::findPrefix(const std::string& prefix, int start) const
{
    int count = getCount();
    for (int k = 0; k < count; k++) {
        int i = (int)(((long long)start + k) % count);
        if (startsWith(lines[i].text, prefix))
            return i;
    }
    return -1;
}

void CurList::setTypeAhead(bool on)
{
    typeAheadOn = on;
    typed.clear();
}

void CurList::setChangeCB(void (*callback)(CurList*, void*), void* data)
{
    if (callback == nullptr)
        changeFunction = nullptr;
    else
        changeFunction = [this, callback, data] { callback(this, data); };
}

void CurList::setChangeCB(std::function<void(CurList*)> callback)
{
    if (!callback)
        changeFunction = nullptr;
    else
        changeFunction = [this, callback] { callback(this); };
}

void CurList::setActivateCB(void (*callback)(CurList*, void*), void* data)
{
    if (callback == nullptr)
        activateFunction = nullptr;
    else
        activateFunction = [this, callback, data] { callback(this, data); };
}

void CurList::setActivateCB(std::function<void(CurList*)> callback)
{
    if (!callback)
        activateFunction = nullptr;
    else
        activateFunction = [this, callback] { callback(this); };
}

// Either may replace itself, or destroy the list.
void CurList::changed()
{
    CurCallback::call(changeFunction);
}

void CurList::activated()
{
    CurCallback::call(activateFunction);
}

// Two for the frame, one for the selection mark's column and one for the
// scroll bar's.
void CurList::naturalSize(int* height, int* width) const
{
    int longest = 0;
    for (const Line& line : lines)
        longest = std::max(longest, CurText::columns(line.text));
    *height = (int)std::min<size_t>(lines.size(), 32765) + 2;
    *width = std::min(longest, 32763) + 4;
}
