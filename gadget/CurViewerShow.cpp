// CurViewerShow.cpp - the text viewer's face and keys (gadget/): frame,
// scroll bar, position indicator and rows, the scroll keys, and the search
// prompted for on the bottom frame row. Finding rows is in CurViewer.cpp.
#include "CurViewer.h"
#include "CurInit.h"
#include "CurKeylog.h"
#include "CurLineEdit.h"
#include "CurText.h"
#include "CurWindow.h"

#include <curses.h>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>

// Rows below the end of the text are blank. The scroll bar shows only when
// the text does not fit, as the list's does.
void CurViewer::draw()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr || width < 3 || height < 3)
        return;
    restat();
    CurText::frame(w, y, x, height, width, CurInit::getThemeAttr(CurInit::THEME_FRAME));
    long long size = total();
    long long row = top;
    // Only rows in the window are drawn; below it the rows are still
    // walked while there is text, as the scroll bar needs to know whether
    // the text goes on past the view.
    int windowRows = getmaxy(w);
    for (int i = 0; i < viewRows(); i++) {
        int line = y + 1 + i;
        if (line >= windowRows && row >= size)
            break;
        if (line >= 0 && line < windowRows)
            drawRow(i, row, row < size ? rowEnd(row) : row);
        row = row < size ? nextRow(row) : row;
    }
    if ((top > 0 || row < size) && height >= 4)
        drawScrollBar(w);
    drawStatus(w);
    wmove(w, y + 1, x + 1);
}

// The match is marked in the theme's THEME_MATCH (reverse video); the row is
// padded with blanks.
void CurViewer::drawRow(int row, long long start, long long end)
{
    int col = 0;
    long long from = start, before = 0;
    if (!wrap && leftCol > 0)
        from = columnAt(start, end, leftCol, &before);
    if (end > from) {
        int avail;
        const char* p = fetchRun(from, end - from, &avail);
        int len = end - from < avail ? (int)(end - from) : avail;
        drawText(row, p, len, from, wrap ? 0 : (int)(leftCol - before), &col);
    }
    CurText::blank(window->getWindow(), y + 1 + row, x + 1 + col, viewCols() - col,
                   CurInit::getThemeAttr(CurInit::THEME_VIEWER));
}

// Writes the characters of bytes (at offset in the text) that fall in the
// view's columns after the first skip columns, as the text module draws
// them; col counts the columns written. A wide character cut by the left
// edge shows as blanks. The match is drawn apart, in the match's attribute
// over the text's.
void CurViewer::drawText(int row, const char* bytes, int len, long long offset, int skip, int* col)
{
    WINDOW* w = window->getWindow();
    int text = CurInit::getThemeAttr(CurInit::THEME_VIEWER);
    int match = CurInit::mixAttr(text, CurInit::getThemeAttr(CurInit::THEME_MATCH));
    int start = CurText::cut(bytes, len, skip);
    if (CurText::columns(bytes, start) < skip && start < len) { // a character straddles the edge
        int after = CurText::next(bytes, len, start);
        int shown = CurText::columns(bytes, after) - skip;
        if (shown > viewCols())
            shown = viewCols();         // a tab's blanks in a view narrower than they are
        CurText::blank(w, y + 1 + row, x + 1, shown, text);
        *col += shown;
        start = after;
    }
    long long m0 = matchStart >= 0 ? matchStart - offset : len;
    long long m1 = matchStart >= 0 ? m0 + (long long)strlen(pattern) : len;
    m0 = m0 < start ? start : (m0 > len ? len : m0);
    m1 = m1 < m0 ? m0 : (m1 > len ? len : m1);
    long long cuts[] = {start, m0, m1, len};
    for (int i = 0; i < 3; i++) {
        int from = (int)cuts[i], n = (int)(cuts[i + 1] - cuts[i]);
        if (n <= 0)
            continue;
        int need = CurText::columns(bytes + from, n);
        int done = CurText::draw(w, y + 1 + row, x + 1 + *col, bytes + from, n,
                                 viewCols() - *col, i == 1 ? match : text);
        *col += done;
        if (done < need)
            return;                     // the view's right edge
    }
}

// The thumb at the share of the text above the top row.
void CurViewer::drawScrollBar(WINDOW* w)
{
    CurText::scrollBar(w, y, x + width - 1, height, top, lastTop(),
                       CurInit::getThemeAttr(CurInit::THEME_SCROLL_BAR));
}

// The bottom frame row: a note on the left (what the last key did, else
// what became of the file), the percentage of the text down to the last row
// shown on the right.
void CurViewer::drawStatus(WINDOW* w)
{
    int bottom = y + height - 1;
    char percent[32];
    snprintf(percent, sizeof percent, " %d%% ", getPercent());
    int len = (int)strlen(percent);
    // Drawn cut at the window's edge, where curses would carry on to the next row.
    if (len + 2 <= width)
        CurText::draw(w, bottom, x + width - 1 - len, percent, len, len, 0);
    drawNote(w, note != nullptr ? note : fileNote, width - len - 3);
}

// A note is shown whole, or not at all where it does not fit.
void CurViewer::drawNote(WINDOW* w, const char* text, int room)
{
    int len = text != nullptr ? (int)strlen(text) : 0;
    if (len > 0 && len < room)
        CurText::draw(w, y + height - 1, x + 1, text, len, len, 0);
}

// How often a search looks at the keyboard, and how long it runs before it
// shows how far it has got (and again each time as long has passed).
static const long long POLL_BYTES = 1 << 20;
static const long long SHOW_MS = 250;

static long long nowMs()
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1000 + ts.tv_nsec / 1000000;
}

bool CurViewer::search(const char* text)
{
    if (text == nullptr || text[0] == '\0')
        return false;
    if (text != pattern)
        snprintf(pattern, sizeof pattern, "%s", text);
    restat();
    long long len = (long long)strlen(pattern);
    long long size = total();
    long long from = matchStart >= top ? matchStart + 1 : top;
    long long shown = nowMs(), poll = from + POLL_BYTES;
    keysKept = 0;
    bool stopped = false;
    // Chunks overlap by the pattern's length less one, so a match across
    // two chunks is found in the second.
    for (long long pos = from; pos + len <= size;) {
        int avail;
        const char* p = fetchAhead(pos, &avail);
        if (avail < len && fd >= 0) {
            cacheLen = 0;               // the window ends inside a possible match
            p = fetchAhead(pos, &avail);
        }
        if (avail < len)
            break;
        const char* hit = (const char*)memmem(p, avail, pattern, len);
        if (hit != nullptr) {
            matchStart = pos + (hit - p);
            long long last = lastTop();
            top = rowHolding(matchStart);
            if (top > last)
                top = last;
            showMatchSideways();
            note = nullptr;
            giveKeysBack();
            return true;
        }
        pos += avail - len + 1;
        if (pos >= poll) {
            poll = pos + POLL_BYTES;
            stopped = escTyped();
            if (stopped)
                break;
            if (nowMs() - shown >= SHOW_MS) {
                shown = nowMs();
                drawProgress(pos);
            }
        }
    }
    note = stopped ? " Search stopped " : " Not found ";
    giveKeysBack();
    return false;
}

// Between two stretches of a search: the keys typed so far are taken
// without waiting. Esc alone stops the search; any other key (Esc with a
// key after it is one typed with Alt) is kept, to be given back when the
// search ends, so that it acts then as if typed afterwards (and is recorded
// then, after the Esc, which a replay gives back here). Keys are read
// through a pad of one cell: curses refreshes a window it reads from, and a
// pad never. Once the keys kept fill their room the keyboard is left alone,
// and what is typed later follows them in order.
bool CurViewer::escTyped()
{
    if (CurKeylog::replayInterrupt())
        return true;                    // where the recorded session was stopped
    int room = (int)(sizeof keyKept / sizeof keyKept[0]);
    WINDOW* pad = keysKept < room - 1 ? newpad(1, 1) : nullptr;
    if (pad == nullptr)
        return false;
    keypad(pad, TRUE);
    nodelay(pad, TRUE);
    bool esc = false;
    for (int key; !esc && keysKept < room - 1 && (key = wgetch(pad)) != ERR;) {
        int next = key == 27 ? wgetch(pad) : ERR;
        esc = key == 27 && next == ERR;
        if (!esc)
            keyKept[keysKept++] = key;
        if (next != ERR)
            keyKept[keysKept++] = next;
    }
    delwin(pad);
    if (esc)
        CurKeylog::recordInterrupt();  // the key log's own reader never saw it
    return esc;
}

// The bottom frame row during a search: how far it has got, and how to stop it.
void CurViewer::drawProgress(long long pos)
{
    WINDOW* w = window->getWindow();
    if (w == nullptr || width < 3 || height < 3)
        return;
    char progress[64];
    long long done = total() > 0 ? pos * 100 / total() : 100;
    snprintf(progress, sizeof progress, " Searching: %lld%%, Esc stops ", done);
    if ((int)strlen(progress) + 9 > width)
        snprintf(progress, sizeof progress, " Searching: %lld%% ", done);
    const char* before = note;
    note = progress;
    CurText::putRun(w, true, y + height - 1, x + 1, x + width - 2, CurText::HLINE);
    drawStatus(w);
    note = before;
    wmove(w, y + 1, x + 1);
    window->update();
}

// Given back last first: curses returns the keys pushed back last-in first-out.
void CurViewer::giveKeysBack()
{
    while (keysKept > 0)
        ungetch(keyKept[--keysKept]);
}

// The prompt replaces the bottom frame row until Enter or Esc. It reads
// inside the loop that gave the viewer '/', by the loops' one rule: the
// input's end counts as Esc, and a callback's stop ends the prompt and
// then that loop.
bool CurViewer::readPattern()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr || width < 5)
        return false;
    mvwaddch(w, y + height - 1, x + 1, '/');
    CurLineEdit edit(window);
    edit.setGeometry(1, width - 3, y + height - 1, x + 2);
    edit.setText("", false);
    edit.draw();
    window->update();
    for (;;) {
        int key = CurInit::readWideKey(window);
        CurInit::LOOP_STEP step = CurInit::loopStep(key, window, true);
        if (step == CurInit::LOOP_END || key == 27)
            return false;
        if (key == 13)
            break;
        if (step == CurInit::LOOP_KEY)
            edit.processKey(key);
    }
    if (edit.getText()[0] == '\0')
        return false;
    snprintf(pattern, sizeof pattern, "%s", edit.getText());
    matchStart = -1;
    return true;
}

// Not wrapped, a match out of view sideways is brought to the left edge.
void CurViewer::showMatchSideways()
{
    if (wrap)
        return;
    long long cols;
    long long line = lineStartOf(matchStart);
    columnAt(line, matchStart, LLONG_MAX, &cols);
    if (cols < leftCol || cols >= leftCol + viewCols())
        leftCol = cols;
}

bool CurViewer::rowsGoPast(long long col)
{
    long long row = top, size = total(), before;
    for (int i = 0; i < viewRows() && row < size; i++, row = nextRow(row)) {
        long long end = rowEnd(row);
        if (columnAt(row, end, col, &before) < end)
            return true;
    }
    return false;
}

// Moves of the view; false for a key that is no move.
bool CurViewer::moveKey(int key)
{
    long long last = lastTop();
    switch (key) {
    case KEY_UP:
        top = rowsBack(top, 1);
        return true;
    case KEY_DOWN:
        if (top < last)
            top = nextRow(top);
        return true;
    case KEY_PPAGE:
        top = rowsBack(top, viewRows());
        return true;
    case KEY_NPAGE:
        for (int i = 0; i < viewRows() && top < last; i++)
            top = nextRow(top);
        return true;
    case KEY_HOME:
        top = 0;
        leftCol = 0;
        return true;
    case KEY_END:
        top = last;
        return true;
    case KEY_LEFT:
        if (!wrap && leftCol > 0)
            leftCol--;
        return true;
    case KEY_RIGHT:
        // Freely into the blank right of short rows, as far as the longest
        // row in view goes beyond that.
        if (!wrap && (leftCol < 65536 || rowsGoPast(leftCol + viewCols())))
            leftCol++;
        return true;
    default:
        return false;
    }
}

// Left and right are consumed even when wrapped, as up and down are at the
// ends, so a form never moves the focus away on them. The note of the key
// before stays when a key is declined.
bool CurViewer::processKey(int key)
{
    const char* before = note;
    note = nullptr;
    bool changed = followPath();
    restat();
    if (key == '/') {
        if (readPattern())
            search(pattern);
    } else if (key == 'n') {
        search(pattern);
    } else if (!moveKey(key)) {
        if (note == nullptr)
            note = before;
        if (changed) {
            draw();
            window->update();
        }
        return false;
    }
    draw();
    window->update();
    return true;
}

// The wheel scrolls three rows a step; a click on the scroll bar's column
// moves a row on an arrow and a page towards the click on the track, the
// thumb found as drawScrollBar places it. Other clicks are taken and do
// nothing, so a form does not hand them on.
bool CurViewer::processMouse(const CurInit::MouseEvent& event)
{
    int key = 0, times = 1;
    int row = event.row - y, col = event.column - x;
    if (event.button == CurInit::WHEEL_UP || event.button == CurInit::WHEEL_DOWN) {
        key = event.button == CurInit::WHEEL_UP ? KEY_UP : KEY_DOWN;
        times = WHEEL_ROWS;
    } else if (event.button != CurInit::MOUSE_LEFT) {
        return false;
    } else if (event.action != CurInit::MOUSE_CLICK && event.action != CurInit::MOUSE_DOUBLE_CLICK) {
        return true;
    } else if (col == width - 1 && row >= 1 && row <= height - 2 && height >= 4) {
        int thumb = CurText::scrollThumb(height, top, lastTop());
        key = row == 1 ? KEY_UP : row == height - 2 ? KEY_DOWN
            : row < thumb ? KEY_PPAGE : row > thumb ? KEY_NPAGE : 0;
    }
    if (key == 0)
        return true;
    for (int i = 1; i < times; i++)
        moveKey(key);
    return processKey(key);
}
