// CurViewerShow.cpp - the text viewer's face and keys (gadget/): frame,
// scroll bar, position indicator and rows, the scroll keys, and the search
// prompted for on the bottom frame row. Finding rows is in CurViewer.cpp.
#include "CurViewer.h"
#include "CurInit.h"
#include "CurLineEdit.h"
#include "CurText.h"
#include "CurWindow.h"

#include <curses.h>
#include <cstdio>
#include <cstring>

// Puts one frame or scroll bar character where the window has the cell.
static void putCell(WINDOW* w, int row, int col, CurText::LINE part)
{
    CurText::putLine(w, row, col, part, 0);
}

// Rows below the end of the text are blank. The scroll bar shows only when
// the text does not fit, as the list's does.
void CurViewer::draw()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr || width < 3 || height < 3)
        return;
    restat();
    CurText::frame(w, y, x, height, width);
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

// The match is marked in reverse video; the row is padded with blanks.
void CurViewer::drawRow(int row, long long start, long long end)
{
    int col = 0;
    if (end > start) {
        int avail;
        const char* p = fetchRun(start, end - start, &avail);
        int len = end - start < avail ? (int)(end - start) : avail;
        drawText(row, p, len, start, wrap ? 0 : leftCol, &col);
    }
    CurText::blank(window->getWindow(), y + 1 + row, x + 1 + col, viewCols() - col, 0);
}

// Writes the characters of bytes (at offset in the text) that fall in the
// view's columns after the first skip columns, as the text module draws
// them; col counts the columns written. A wide character cut by the left
// edge shows as blanks. The match is drawn apart, in reverse video.
void CurViewer::drawText(int row, const char* bytes, int len, long long offset, int skip, int* col)
{
    WINDOW* w = window->getWindow();
    int start = CurText::cut(bytes, len, skip);
    if (CurText::columns(bytes, start) < skip && start < len) { // a character straddles the edge
        int after = CurText::next(bytes, len, start);
        int shown = CurText::columns(bytes, after) - skip;
        if (shown > viewCols())
            shown = viewCols();         // a tab's blanks in a view narrower than they are
        CurText::blank(w, y + 1 + row, x + 1, shown, 0);
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
                                 viewCols() - *col, i == 1 ? A_REVERSE : 0);
        *col += done;
        if (done < need)
            return;                     // the view's right edge
    }
}

// Arrows at both ends of the right frame column, the thumb between them at
// the share of the text above the top row.
void CurViewer::drawScrollBar(WINDOW* w)
{
    int col = x + width - 1;
    putCell(w, y + 1, col, CurText::UARROW);
    putCell(w, y + height - 2, col, CurText::DARROW);
    if (height < 5)
        return;
    long long span = lastTop();
    long long track = span > 0 ? top * (height - 5) / span : 0;
    if (track > height - 5)
        track = height - 5;
    putCell(w, y + 2 + (int)track, col, CurText::CKBOARD);
}

// The bottom frame row: a failed search's note on the left, the percentage
// of the text down to the last row shown on the right.
void CurViewer::drawStatus(WINDOW* w)
{
    int bottom = y + height - 1;
    char note[32];
    snprintf(note, sizeof note, " %d%% ", getPercent());
    int len = (int)strlen(note);
    // Drawn cut at the window's edge, where curses would carry on to the next row.
    if (len + 2 <= width)
        CurText::draw(w, bottom, x + width - 1 - len, note, len, len, 0);
    if (notFound && width > len + 14)
        CurText::draw(w, bottom, x + 1, " Not found ", 11, 11, 0);
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
    // Chunks overlap by the pattern's length less one, so a match across
    // two chunks is found in the second.
    for (long long pos = from; pos + len <= size;) {
        int avail;
        const char* p = fetchRun(pos, len, &avail);
        if (avail < len)
            break;
        const char* hit = (const char*)memmem(p, avail, pattern, len);
        if (hit != nullptr) {
            matchStart = pos + (hit - p);
            long long last = lastTop();
            top = rowHolding(matchStart);
            if (top > last)
                top = last;
            notFound = false;
            return true;
        }
        pos += avail - len + 1;
    }
    notFound = true;
    return false;
}

// The prompt replaces the bottom frame row until Enter or Esc; a key read
// that fails (the input has ended) counts as Esc.
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
        if (key == 13)
            break;
        if (key == 27 || key == -1)
            return false;
        edit.processKey(key);
    }
    if (edit.getText()[0] == '\0')
        return false;
    snprintf(pattern, sizeof pattern, "%s", edit.getText());
    matchStart = -1;
    return true;
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
        if (!wrap && leftCol < 65536)
            leftCol++;
        return true;
    default:
        return false;
    }
}

// Left and right are consumed even when wrapped, as up and down are at the
// ends, so a form never moves the focus away on them.
bool CurViewer::processKey(int key)
{
    restat();
    bool wasNotFound = notFound;
    notFound = false;
    if (key == '/') {
        if (readPattern())
            search(pattern);
    } else if (key == 'n') {
        search(pattern);
    } else if (!moveKey(key)) {
        notFound = wasNotFound;
        return false;
    }
    draw();
    window->update();
    return true;
}

void CurViewer::acceptFocus(bool redraw)
{
    focused = true;
    if (redraw)
        draw();
}

void CurViewer::loseFocus(bool redraw)
{
    focused = false;
    if (redraw)
        draw();
}
