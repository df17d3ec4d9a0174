// CurTextLines.cpp - the box lines of CurText (text/): frames, tees, arrows,
// the scroll bar's board and the bullet, in the set that shows as lines.
// In a UTF-8 locale many terminals ignore the VT100 line-drawing switch, so
// the Unicode box-drawing characters are written instead; elsewhere curses
// draws the terminal's own set, or its ASCII stand-ins where there is none.
#include "CurText.h"

#define NCURSES_WIDECHAR 1
#include <curses.h>

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
    if (!utf8()) {
        waddch(w, narrowPart(part) | (chtype)attr);
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
    if (utf8())
        box_set(w, nullptr, nullptr);
    else
        box(w, 0, 0);
}

void CurText::putRun(WINDOW* w, bool across, int fixed, int from, int to, LINE part, int attr)
{
    int last = (across ? getmaxx(w) : getmaxy(w)) - 1;
    for (int i = from < 0 ? 0 : from; i <= to && i <= last; i++)
        putLine(w, across ? fixed : i, across ? i : fixed, part, attr);
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
