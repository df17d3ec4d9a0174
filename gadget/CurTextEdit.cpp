// CurTextEdit.cpp - the multi-line editor gadget (gadget/): the lines in a
// gap buffer, the layout of rows (sideways or wrapped), drawing with the
// list's frame and scroll bar, and the keys that move and edit.
#include "CurTextEdit.h"
#include "CurCallback.h"
#include "CurInit.h"
#include "CurText.h"
#include "CurWindow.h"

#include <curses.h>
#include <climits>
#include <cstring>
#include <utility>

// The largest text taken: positions inside a line are ints.
static const long TEXT_LIMIT = 1L << 30;

CurTextEdit::CurTextEdit(CurWindow* window)
    : CurGadget(window), store(1), gapStart(1), gapEnd(1), totalBytes(0), curLine(0),
      curPos(0), goalCol(0), topLine(0), topRow(0), leftCol(0), wrap(false),
      overwrite(false), readOnly(false), tabWidth(0), maxSize(0), edits(0), cachedLine(-1),
      cachedCols(0), cachedEdits(-1)
{
    showFocus(true);
    // Each switch resends the terminal's keypad string: only when it is off.
    if (this->window->getWindow() != nullptr && !is_keypad(this->window->getWindow()))
        keypad(this->window->getWindow(), TRUE);
}

CurTextEdit::~CurTextEdit()
{
}

// ---- the lines ----

std::string& CurTextEdit::line(int index)
{
    return store[index < gapStart ? index : index + (gapEnd - gapStart)];
}

const std::string& CurTextEdit::line(int index) const
{
    return store[index < gapStart ? index : index + (gapEnd - gapStart)];
}

int CurTextEdit::getLineCount() const
{
    return (int)store.size() - (gapEnd - gapStart);
}

void CurTextEdit::moveGap(int to)
{
    while (gapStart > to)
        store[--gapEnd] = std::move(store[--gapStart]);
    while (gapStart < to)
        store[gapStart++] = std::move(store[gapEnd++]);
}

// A full buffer doubles, the lines behind the gap moving to its new end.
void CurTextEdit::insertLine(int at, std::string text)
{
    moveGap(at);
    if (gapStart == gapEnd) {
        int oldSize = (int)store.size();
        int grown = oldSize < 16 ? 32 : 2 * oldSize;
        store.resize(grown);
        for (int i = oldSize - 1; i >= gapEnd; i--)
            store[i + grown - oldSize] = std::move(store[i]);
        gapEnd += grown - oldSize;
    }
    store[gapStart++] = std::move(text);
}

void CurTextEdit::eraseLine(int at)
{
    moveGap(at);
    store[gapEnd++] = std::string();
}

// ---- the text ----

void CurTextEdit::setText(const char* text, bool redraw)
{
    if (text != nullptr)
        setText(std::string_view(text), redraw);
}

// Bytes of s kept within room: all, or up to the last character boundary that fits.
static size_t cutAt(std::string_view s, long room)
{
    if ((long)s.size() <= room)
        return s.size();
    // Each step sees the whole text, so a cluster that runs past room is
    // left out whole rather than ended at the byte where room ends.
    int len = s.size() < (size_t)INT_MAX ? (int)s.size() : INT_MAX;
    int kept = 0;
    while (kept < len) {
        int next = CurText::next(s.data(), len, kept);
        if (next > room)
            break;
        kept = next;
    }
    return (size_t)kept;
}

void CurTextEdit::setText(std::string_view text, bool redraw)
{
    long room = maxSize > 0 && maxSize < TEXT_LIMIT ? maxSize : TEXT_LIMIT;
    text = text.substr(0, cutAt(text, room));
    store.assign(1, std::string());
    gapStart = gapEnd = 1;
    size_t start = 0;
    for (;;) {
        size_t end = text.find('\n', start);
        std::string_view part = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (start == 0)
            store[0].assign(part);
        else
            insertLine(getLineCount(), std::string(part));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    totalBytes = (long)text.size();
    edits++;
    curLine = curPos = goalCol = topLine = topRow = leftCol = 0;
    if (redraw)
        draw();
}

const char* CurTextEdit::getText()
{
    joined.clear();
    joined.reserve((size_t)totalBytes);
    int count = getLineCount();
    for (int i = 0; i < count; i++) {
        if (i > 0)
            joined += '\n';
        joined += line(i);
    }
    return joined.c_str();
}

long CurTextEdit::getLength() const
{
    return totalBytes;
}

void CurTextEdit::getCursor(int* lineOut, int* byte) const
{
    if (lineOut != nullptr)
        *lineOut = curLine;
    if (byte != nullptr)
        *byte = curPos;
}

void CurTextEdit::setCursor(int index, int byte, bool redraw)
{
    int count = getLineCount();
    curLine = index < 0 ? 0 : index >= count ? count - 1 : index;
    const std::string& s = line(curLine);
    int len = (int)s.size();
    // the start of the character byte falls in
    curPos = 0;
    while (curPos < len && CurText::next(s.c_str(), len, curPos) <= byte)
        curPos = CurText::next(s.c_str(), len, curPos);
    goalFromCursor();
    if (redraw)
        draw();
}

// ---- settings ----

void CurTextEdit::setWrap(bool on, bool redraw)
{
    wrap = on;
    topRow = 0;
    leftCol = 0;
    goalFromCursor();
    if (redraw)
        draw();
}

void CurTextEdit::setTabWidth(int n)
{
    tabWidth = n < 0 ? 0 : n > 16 ? 16 : n;
}

void CurTextEdit::setOverwrite(bool on)
{
    overwrite = on;
}

bool CurTextEdit::isOverwrite() const
{
    return overwrite;
}

void CurTextEdit::setMaxSize(long bytes)
{
    maxSize = bytes < 0 ? 0 : bytes;
}

void CurTextEdit::setReadOnly(bool on)
{
    readOnly = on;
}

void CurTextEdit::setChangeCB(void (*callback)(CurTextEdit*, void*), void* data)
{
    if (callback == nullptr)
        changeFunction = nullptr;
    else
        changeFunction = [this, callback, data] { callback(this, data); };
}

void CurTextEdit::setChangeCB(std::function<void()> callback)
{
    changeFunction = std::move(callback);
}

void CurTextEdit::setChangeCB(std::function<void(CurTextEdit*)> callback)
{
    if (!callback)
        changeFunction = nullptr;
    else
        changeFunction = [this, callback] { callback(this); };
}

void CurTextEdit::changed()
{
    CurCallback::call(changeFunction);
}

bool CurTextEdit::takesTab() const
{
    return tabWidth > 0;
}

// ---- layout ----

// A box of 3 x 3 or more has a frame; a smaller one uses every cell for text.
bool CurTextEdit::framed() const
{
    return height >= 3 && width >= 3;
}

int CurTextEdit::viewRows() const
{
    int rows = framed() ? height - 2 : height;
    return rows < 1 ? 1 : rows;
}

int CurTextEdit::viewCols() const
{
    int cols = framed() ? width - 2 : width;
    return cols < 1 ? 1 : cols;
}

// Unwrapped, a line is one row. Wrapped, each row takes the whole
// characters that fit in the view's width (at least one); a line whose
// last row is full gets an empty row after it, where the cursor behind its
// end stands.
void CurTextEdit::rowStarts(int index, std::vector<int>& starts) const
{
    starts.assign(1, 0);
    if (!wrap)
        return;
    int cols = viewCols();
    if (index == cachedLine && edits == cachedEdits && cols == cachedCols) {
        starts = cachedStarts;
        return;
    }
    const std::string& s = line(index);
    const char* p = s.c_str();
    int len = (int)s.size(), at = 0;
    for (;;) {
        int n = CurText::cut(p + at, len - at, cols);
        if (at + n >= len) {
            if (n > 0 && CurText::columns(p + at, n) >= cols)
                starts.push_back(len);
            break;
        }
        if (n == 0)
            n = CurText::next(p, len, at) - at;
        at += n;
        starts.push_back(at);
    }
    cachedLine = index;
    cachedEdits = edits;
    cachedCols = cols;
    cachedStarts = starts;
}

int CurTextEdit::rowOf(int index, int pos) const
{
    if (!wrap)
        return 0;
    std::vector<int> starts;
    rowStarts(index, starts);
    int row = 0;
    while (row + 1 < (int)starts.size() && starts[row + 1] <= pos)
        row++;
    return row;
}

// Moves (index, row) by rows across lines, stopping at the text's ends.
bool CurTextEdit::stepRow(int* index, int* row, int by) const
{
    std::vector<int> starts;
    int count = getLineCount();
    for (; by > 0; by--) {
        rowStarts(*index, starts);
        if (*row + 1 < (int)starts.size()) {
            ++*row;
        } else if (*index + 1 < count) {
            ++*index;
            *row = 0;
        } else {
            return false;
        }
    }
    for (; by < 0; by++) {
        if (*row > 0) {
            --*row;
        } else if (*index > 0) {
            --*index;
            rowStarts(*index, starts);
            *row = (int)starts.size() - 1;
        } else {
            return false;
        }
    }
    return true;
}

// The view follows the cursor as far as needed. Rows between the top and
// the cursor are counted only up to a view's height, so a jump across the
// whole text costs a view, not the text.
void CurTextEdit::fitView()
{
    int count = getLineCount();
    if (curLine >= count)
        curLine = count - 1;
    if (topLine >= count)
        topLine = count - 1;
    std::vector<int> starts;
    rowStarts(topLine, starts);
    if (topRow >= (int)starts.size())
        topRow = (int)starts.size() - 1;
    int row = rowOf(curLine, curPos);
    int rows = viewRows();
    if (curLine < topLine || (curLine == topLine && row < topRow)) {
        topLine = curLine;
        topRow = row;
    } else {
        int index = topLine, r = topRow, seen = 0;
        while ((index != curLine || r != row) && seen < rows && stepRow(&index, &r, 1))
            seen++;
        if (seen >= rows) {
            topLine = curLine;
            topRow = row;
            stepRow(&topLine, &topRow, -(rows - 1));
        }
    }
    if (wrap) {
        leftCol = 0;
        return;
    }
    const std::string& s = line(curLine);
    int col = CurText::columns(s.c_str(), curPos);
    int next = curPos < (int)s.size() ? CurText::next(s.c_str(), (int)s.size(), curPos) : curPos;
    int charCols = next > curPos ? CurText::columns(s.c_str() + curPos, next - curPos) : 1;
    int cols = viewCols();
    if (col < leftCol)
        leftCol = col;
    if (col + (charCols < 1 ? 1 : charCols) > leftCol + cols)
        leftCol = col + (charCols < 1 ? 1 : charCols) - cols;
    if (leftCol > col)
        leftCol = col;          // a character wider than the view (a byte's mark) shows from its start
    if (leftCol < 0)
        leftCol = 0;
}

// ---- drawing ----

void CurTextEdit::draw()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr || width < 1 || height < 1)
        return;
    fitView();
    if (framed())
        CurText::frame(w, y, x, height, width, CurInit::getThemeAttr(CurInit::THEME_FRAME));
    bool endShown = false;
    drawRows(w, &endShown);
    if (framed() && height >= 4 && !(topLine == 0 && topRow == 0 && endShown))
        drawScrollBar(w);
    placeCursor();
}

// Draws one row of s from column leftCol: a double-width character cut by
// the left edge leaves blanks in its place.
static void drawSideways(WINDOW* w, int row, int col, const std::string& s, int left, int cols)
{
    const char* p = s.c_str();
    int len = (int)s.size();
    int start = CurText::cut(p, len, left);
    int lead = 0;
    int before = CurText::columns(p, start);
    while (before < left && start < len) {
        int next = CurText::next(p, len, start);
        before += CurText::columns(p + start, next - start);
        start = next;
        lead = before - left;
    }
    int used = lead;
    int attr = CurInit::getThemeAttr(CurInit::THEME_TEXT_EDIT);
    if (used < cols)
        used += CurText::draw(w, row, col + used, p + start, len - start, cols - used, attr);
    CurText::blank(w, row, col + used, cols - used, attr);
}

void CurTextEdit::drawRows(WINDOW* w, bool* endShown)
{
    int top = framed() ? y + 1 : y, left = framed() ? x + 1 : x;
    int rows = viewRows(), cols = viewCols();
    int attr = CurInit::getThemeAttr(CurInit::THEME_TEXT_EDIT);
    if (rows > height)
        rows = height;
    if (cols > width)
        cols = width;
    int index = topLine, row = topRow;
    bool more = true;
    std::vector<int> starts;
    for (int r = 0; r < rows && top + r < getmaxy(w); r++) {
        if (top + r < 0) {               // above the window: only stepped over
            more = more && stepRow(&index, &row, 1);
            continue;
        }
        if (!more) {
            CurText::blank(w, top + r, left, cols, attr);
            continue;
        }
        const std::string& s = line(index);
        if (!wrap) {
            drawSideways(w, top + r, left, s, leftCol, cols);
        } else {
            rowStarts(index, starts);
            int from = starts[row];
            int to = row + 1 < (int)starts.size() ? starts[row + 1] : (int)s.size();
            int used = CurText::draw(w, top + r, left, s.c_str() + from, to - from, cols, attr);
            CurText::blank(w, top + r, left + used, cols - used, attr);
        }
        more = stepRow(&index, &row, 1);
    }
    *endShown = !more;
}

// As the list's: arrows at the ends of the right frame column, the thumb
// between them at the top line's share of the lines.
void CurTextEdit::drawScrollBar(WINDOW* w)
{
    CurText::scrollBar(w, y, x + width - 1, height, topLine, getLineCount() - viewRows(),
                       CurInit::getThemeAttr(CurInit::THEME_SCROLL_BAR));
}

void CurTextEdit::placeCursor()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr)
        return;
    int top = framed() ? y + 1 : y, left = framed() ? x + 1 : x;
    int rows = 0, index = topLine, r = topRow;
    int row = rowOf(curLine, curPos);
    while ((index != curLine || r != row) && rows < viewRows() && stepRow(&index, &r, 1))
        rows++;
    const std::string& s = line(curLine);
    int col;
    if (wrap) {
        std::vector<int> starts;
        rowStarts(curLine, starts);
        col = CurText::columns(s.c_str() + starts[row], curPos - starts[row]);
    } else {
        col = CurText::columns(s.c_str(), curPos) - leftCol;
    }
    int maxCol = viewCols() - 1;
    wmove(w, top + (rows < viewRows() ? rows : viewRows() - 1), left + (col > maxCol ? maxCol : col));
}

// ---- moves ----

void CurTextEdit::goalFromCursor()
{
    const std::string& s = line(curLine);
    if (!wrap) {
        goalCol = CurText::columns(s.c_str(), curPos);
        return;
    }
    std::vector<int> starts;
    rowStarts(curLine, starts);
    int row = rowOf(curLine, curPos);
    goalCol = CurText::columns(s.c_str() + starts[row], curPos - starts[row]);
}

// Up, Down and the pages: by rows, the cursor aiming for goalCol in the
// row it lands in (at the last character of a wrapped row that ends early).
void CurTextEdit::moveVertical(int by)
{
    int row = rowOf(curLine, curPos);
    bool moved = stepRow(&curLine, &row, by);
    if (!moved && by != 0) {
        // at an end: the pages go on to the first or last row
        if (by < 0) {
            curLine = 0;
            row = 0;
        } else {
            curLine = getLineCount() - 1;
            std::vector<int> starts;
            rowStarts(curLine, starts);
            row = (int)starts.size() - 1;
        }
    }
    std::vector<int> starts;
    rowStarts(curLine, starts);
    const std::string& s = line(curLine);
    int len = (int)s.size();
    int from = starts[row];
    int to = row + 1 < (int)starts.size() ? starts[row + 1] : len;
    int pos = from + CurText::cut(s.c_str() + from, to - from, goalCol);
    if (pos == to && to < len)
        pos = CurText::prev(s.c_str(), to);
    curPos = pos;
}

// ---- edits ----

// Checks the size limit, then puts bytes in at the cursor (over the
// character there in overwrite mode, unless at the line's end).
bool CurTextEdit::insertBytes(const char* bytes, int n)
{
    std::string& s = line(curLine);
    int len = (int)s.size();
    int over = overwrite && curPos < len ? CurText::next(s.c_str(), len, curPos) - curPos : 0;
    long limit = maxSize > 0 && maxSize < TEXT_LIMIT ? maxSize : TEXT_LIMIT;
    if (totalBytes + n - over > limit)
        return false;
    s.replace((size_t)curPos, (size_t)over, bytes, (size_t)n);
    totalBytes += n - over;
    // behind the cluster the inserted bytes end in (with any combining marks
    // that follow them, or what a joiner joined them to)
    int end = CurText::prev(s.c_str(), curPos + n);
    end = end < curPos ? end : curPos;
    while (end < curPos + n && end < (int)s.size())
        end = CurText::next(s.c_str(), (int)s.size(), end);
    curPos = end;
    return true;
}

bool CurTextEdit::splitLine()
{
    long limit = maxSize > 0 && maxSize < TEXT_LIMIT ? maxSize : TEXT_LIMIT;
    if (totalBytes + 1 > limit)
        return false;
    std::string& s = line(curLine);
    std::string rest = s.substr((size_t)curPos);
    s.erase((size_t)curPos);
    insertLine(curLine + 1, std::move(rest));
    totalBytes++;
    curLine++;
    curPos = 0;
    return true;
}

// Backspace: the character before the cursor, or at a line's start the
// line break before it, joining the two lines.
bool CurTextEdit::removeBefore()
{
    if (curPos > 0) {
        std::string& s = line(curLine);
        int q = CurText::prev(s.c_str(), curPos);
        s.erase((size_t)q, (size_t)(curPos - q));
        totalBytes -= curPos - q;
        curPos = q;
        return true;
    }
    if (curLine == 0)
        return false;
    std::string tail = std::move(line(curLine));
    eraseLine(curLine);
    curLine--;
    curPos = (int)line(curLine).size();
    line(curLine) += tail;
    totalBytes--;
    return true;
}

bool CurTextEdit::removeAt()
{
    std::string& s = line(curLine);
    int len = (int)s.size();
    if (curPos < len) {
        int q = CurText::next(s.c_str(), len, curPos);
        s.erase((size_t)curPos, (size_t)(q - curPos));
        totalBytes -= q - curPos;
        return true;
    }
    if (curLine + 1 >= getLineCount())
        return false;
    std::string tail = std::move(line(curLine + 1));
    eraseLine(curLine + 1);
    line(curLine) += tail;
    totalBytes--;
    return true;
}

// A paste goes in whole, its line ends kept, one piece of a line at a time;
// at the size limit it stops, keeping what fitted. True when any went in.
bool CurTextEdit::insertPaste()
{
    std::vector<int> codes = CurText::pasted(CurInit::getPaste(), true);
    bool any = false;
    std::string piece;
    for (size_t i = 0; i <= codes.size(); i++) {
        if (i < codes.size() && codes[i] != '\n') {
            char bytes[4];
            piece.append(bytes, (size_t)CurText::encode(codes[i], bytes));
            continue;
        }
        if (!piece.empty() && !insertBytes(piece.data(), (int)piece.size())) {
            for (size_t at = 0, n; at < piece.size(); at += n) {   // what still fits
                n = (size_t)CurText::next(piece.data(), (int)piece.size(), (int)at) - at;
                if (!insertBytes(piece.data() + at, (int)n))
                    return any;
                any = true;
            }
        }
        any = any || !piece.empty();
        piece.clear();
        if (i < codes.size() && !splitLine())
            return any;
        any = any || i < codes.size();
    }
    return any;
}

// The key code of a terminal's named key (Ctrl-Home is "kHOM5"), or -1.
static int namedKey(const char* name)
{
    char cap[8];
    strncpy(cap, name, sizeof cap - 1);
    cap[sizeof cap - 1] = '\0';
    char* sequence = tigetstr(cap);
    if (sequence == nullptr || sequence == (char*)-1)
        return -1;
    int code = key_defined(sequence);
    return code > 0 ? code : -1;
}

// The edits: true when the key is one of them (done or refused).
bool CurTextEdit::editKey(int key)
{
    bool done;
    if (key == 13 || key == 10 || key == KEY_ENTER) {
        done = splitLine();
    } else if (key == KEY_BACKSPACE || key == 8 || key == 127) {
        done = removeBefore();
    } else if (key == KEY_DC) {
        done = removeAt();
    } else if (key == CurInit::PASTE) {
        done = insertPaste();
    } else if (key == 9 && tabWidth > 0) {
        int col = CurText::columns(line(curLine).c_str(), curPos);
        int n = tabWidth - col % tabWidth;
        done = insertBytes("                ", n);
    } else {
        // The key reader hands on a character beyond ASCII whole.
        int code = key >= 32 && key <= 126 ? key
                 : key >= WIDE_CHAR && key <= WIDE_CHAR + 0x10FFFF ? key - WIDE_CHAR : -1;
        if (code < 0 || !CurText::insertable(code))
            return false;
        char bytes[4];
        done = insertBytes(bytes, CurText::encode(code, bytes));
    }
    if (done) {
        edits++;
        goalFromCursor();
        draw();
        window->update();
        changed();
    }
    return true;
}

bool CurTextEdit::processKey(int key)
{
    static const int ctrlHome = namedKey("kHOM5"), ctrlEnd = namedKey("kEND5");
    const std::string& s = line(curLine);
    int len = (int)s.size();
    bool keepGoal = false;
    if (key == KEY_LEFT) {
        if (curPos > 0)
            curPos = CurText::prev(s.c_str(), curPos);
        else if (curLine > 0)
            curPos = (int)line(--curLine).size();
    } else if (key == KEY_RIGHT) {
        if (curPos < len)
            curPos = CurText::next(s.c_str(), len, curPos);
        else if (curLine + 1 < getLineCount())
            curLine++, curPos = 0;
    } else if (key == KEY_UP || key == KEY_DOWN) {
        moveVertical(key == KEY_UP ? -1 : 1);
        keepGoal = true;
    } else if (key == KEY_PPAGE || key == KEY_NPAGE) {
        int rows = viewRows();
        moveVertical(key == KEY_PPAGE ? -rows : rows);
        stepRow(&topLine, &topRow, key == KEY_PPAGE ? -rows : rows);
        keepGoal = true;
    } else if (key == KEY_HOME) {
        curPos = 0;
    } else if (key == KEY_END) {
        curPos = len;
    } else if ((key == ctrlHome && key > 0) || key == CurInit::ALT + '<') {
        curLine = curPos = 0;
    } else if ((key == ctrlEnd && key > 0) || key == CurInit::ALT + '>') {
        curLine = getLineCount() - 1;
        curPos = (int)line(curLine).size();
    } else if (key == KEY_IC) {
        overwrite = !overwrite;
        return true;
    } else if (readOnly) {
        return false;
    } else {
        return editKey(key);
    }
    if (!keepGoal)
        goalFromCursor();
    draw();
    window->update();
    return true;
}

// A click puts the cursor on the character under the pointer, as Up and
// Down aim at a column (behind a line that ends before it); a click below
// the text's last row goes to that row; on the frame it does nothing. The
// wheel moves the cursor three rows, as three Up or Down keys.
bool CurTextEdit::processMouse(const CurInit::MouseEvent& event)
{
    if (event.button == CurInit::WHEEL_UP || event.button == CurInit::WHEEL_DOWN) {
        moveVertical(event.button == CurInit::WHEEL_UP ? -3 : 3);
        draw();
        window->update();
        return true;
    }
    if (event.button != CurInit::MOUSE_LEFT)
        return false;
    int r = event.row - (framed() ? y + 1 : y), c = event.column - (framed() ? x + 1 : x);
    bool click = event.action == CurInit::MOUSE_CLICK || event.action == CurInit::MOUSE_DOUBLE_CLICK;
    if (!click || r < 0 || r >= viewRows() || c < 0 || c >= viewCols())
        return true;
    fitView();
    int row = topRow;
    curLine = topLine;
    stepRow(&curLine, &row, r);
    std::vector<int> starts;
    rowStarts(curLine, starts);
    curPos = starts[row];
    goalCol = c + (wrap ? 0 : leftCol);
    moveVertical(0);
    draw();
    window->update();
    return true;
}
