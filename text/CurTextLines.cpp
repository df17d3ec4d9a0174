// CurTextLines.cpp - the box lines of CurText (text/): frames, tees, arrows,
// the scroll bar's board and the bullet, in the one set the session chose.
// In a UTF-8 locale many terminals ignore the VT100 line-drawing switch, so
// the Unicode box-drawing characters are written instead; elsewhere curses
// draws the terminal's own set, or ASCII where the description has none.
#include "CurText.h"

#define NCURSES_WIDECHAR 1
#include <curses.h>
#include <cstdlib>
#include <cstring>

static bool decided = false;
static CurText::LINE_SET chosen = CurText::LINES_ACS;

void CurText::decideLines()
{
    const char* forced = getenv("VELMORA_LINES");
    const char* acsc = tigetstr("acsc");
    bool hasLines = acsc != nullptr && acsc != (char*)-1 && acsc[0] != '\0';
    if (forced != nullptr && strcmp(forced, "ascii") == 0)
        chosen = LINES_ASCII;
    else if (forced != nullptr && strcmp(forced, "acs") == 0)
        chosen = LINES_ACS;
    else if (utf8())
        chosen = LINES_UNICODE;
    else
        chosen = hasLines || (forced != nullptr && strcmp(forced, "unicode") == 0) ? LINES_ACS : LINES_ASCII;
    decided = true;
}

void CurText::forgetLines()
{
    decided = false;
}

CurText::LINE_SET CurText::lineSet()
{
    if (decided)
        return chosen;
    return utf8() ? LINES_UNICODE : LINES_ACS;
}

// The ASCII set is the one curses falls back to for a terminal without
// line characters, so a forced "ascii" looks the same as such a terminal.
static chtype asciiPart(CurText::LINE part)
{
    static const char parts[] = "++++-|++^v:o";
    return (chtype)(unsigned char)parts[part];
}

static chtype narrowPart(CurText::LINE part)
{
    switch (part) {
    case CurText::ULCORNER: return ACS_ULCORNER;
    case CurText::URCORNER: return ACS_URCORNER;
    case CurText::LLCORNER: return ACS_LLCORNER;
    case CurText::LRCORNER: return ACS_LRCORNER;
    case CurText::HLINE:    return ACS_HLINE;
    case CurText::VLINE:    return ACS_VLINE;
    case CurText::LTEE:     return ACS_LTEE;
    case CurText::RTEE:     return ACS_RTEE;
    case CurText::UARROW:   return ACS_UARROW;
    case CurText::DARROW:   return ACS_DARROW;
    case CurText::CKBOARD:  return ACS_CKBOARD;
    default:                return ACS_BULLET;
    }
}

static const cchar_t* widePart(CurText::LINE part)
{
    switch (part) {
    case CurText::ULCORNER: return WACS_ULCORNER;
    case CurText::URCORNER: return WACS_URCORNER;
    case CurText::LLCORNER: return WACS_LLCORNER;
    case CurText::LRCORNER: return WACS_LRCORNER;
    case CurText::HLINE:    return WACS_HLINE;
    case CurText::VLINE:    return WACS_VLINE;
    case CurText::LTEE:     return WACS_LTEE;
    case CurText::RTEE:     return WACS_RTEE;
    case CurText::UARROW:   return WACS_UARROW;
    case CurText::DARROW:   return WACS_DARROW;
    case CurText::CKBOARD:  return WACS_CKBOARD;
    default:                return WACS_BULLET;
    }
}

void CurText::addLine(WINDOW* w, LINE part, int attr)
{
    LINE_SET set = lineSet();
    if (set != LINES_UNICODE) {
        waddch(w, (set == LINES_ASCII ? asciiPart(part) : narrowPart(part)) | (chtype)attr);
        return;
    }
    cchar_t cell = *widePart(part);
    attr_t a = (attr_t)attr;
    cell.attr |= a & ~A_COLOR;
    if (PAIR_NUMBER(a) != 0) {
        // setcchar clears the cell before it reads the characters: they
        // are copied out first, or a coloured line draws as NUL.
        wchar_t chars[CCHARW_MAX + 1] = {};
        attr_t bits;
        short pair;
        getcchar(&cell, chars, &bits, &pair, nullptr);
        setcchar(&cell, chars, cell.attr & ~A_COLOR, (short)PAIR_NUMBER(a), nullptr);
    }
    wadd_wch(w, &cell);
}

void CurText::putLine(WINDOW* w, int row, int col, LINE part, int attr)
{
    if (wmove(w, row, col) != ERR)
        addLine(w, part, attr);
}

void CurText::frame(WINDOW* w)
{
    LINE_SET set = lineSet();
    if (set == LINES_UNICODE)
        box_set(w, nullptr, nullptr);
    else if (set == LINES_ACS)
        box(w, 0, 0);
    else
        wborder(w, '|', '|', '-', '-', '+', '+', '+', '+');
}

void CurText::putRun(WINDOW* w, bool across, int fixed, int from, int to, LINE part, int attr)
{
    int last = (across ? getmaxx(w) : getmaxy(w)) - 1;
    for (int i = from < 0 ? 0 : from; i <= to && i <= last; i++)
        putLine(w, across ? fixed : i, across ? i : fixed, part, attr);
}

// The thumb is on the box's third row at the top (at 0) and on its third
// row from the bottom at the end (at last); the track is drawn first, so a
// thumb that moved leaves no trace.
void CurText::scrollBar(WINDOW* w, int y, int col, int height, long long at, long long last,
                        int attr)
{
    putLine(w, y + 1, col, UARROW, attr);
    putLine(w, y + height - 2, col, DARROW, attr);
    if (height < 5)
        return;
    putRun(w, false, col, y + 2, y + height - 3, VLINE, attr);
    putLine(w, y + scrollThumb(height, at, last), col, CKBOARD, attr);
}

int CurText::scrollThumb(int height, long long at, long long last)
{
    long long track = height >= 5 && last > 0 && at > 0 ? at * (height - 5) / last : 0;
    return 2 + (int)(track > height - 5 ? height - 5 : track);
}

void CurText::frame(WINDOW* w, int y, int x, int height, int width, int attr)
{
    int right = x + width - 1;
    int bottom = y + height - 1;
    putLine(w, y, x, ULCORNER, attr);
    putLine(w, y, right, URCORNER, attr);
    putLine(w, bottom, right, LRCORNER, attr);
    putLine(w, bottom, x, LLCORNER, attr);
    putRun(w, true, y, x + 1, right - 1, HLINE, attr);
    putRun(w, true, bottom, x + 1, right - 1, HLINE, attr);
    putRun(w, false, x, y + 1, bottom - 1, VLINE, attr);
    putRun(w, false, right, y + 1, bottom - 1, VLINE, attr);
}
