#ifndef VELMORA_TESTS_INPUTSTESTUTIL_H
#define VELMORA_TESTS_INPUTSTESTUTIL_H
// Small helpers shared by the input gadgets' unit tests.
#include <CurFocuser.h>
#include <curses.h>
#include <string>
#include <utility>

// Fills every cell of a window with ch, so that cells a gadget did not write
// can be told from cells it blanked.
inline void fillWindow(WINDOW* w, char ch)
{
    for (int r = 0; r < getmaxy(w); r++)
        for (int c = 0; c < getmaxx(w); c++)
            mvwaddch(w, r, c, (chtype)ch);
    wmove(w, 0, 0);
}

// The window's cursor as (row, column).
inline std::pair<int, int> cursorOf(WINDOW* w)
{
    int r, c;
    getyx(w, r, c);
    return {r, c};
}

// Counts the cells of a window that no longer hold ch, outside the
// rectangle (height, width, y, x); a gadget must write none of them.
inline int writtenOutside(WINDOW* w, char ch, int height, int width, int y, int x)
{
    int n = 0;
    for (int r = 0; r < getmaxy(w); r++)
        for (int c = 0; c < getmaxx(w); c++) {
            bool inside = r >= y && r < y + height && c >= x && c < x + width;
            if (!inside && (mvwinch(w, r, c) & A_CHARTEXT) != (chtype)ch)
                n++;
        }
    return n;
}
// What a window holds, for helpers outside a test body; each leaves the
// window's cursor where it was.
inline std::string cellsText(WINDOW* w, int row, int col, int len)
{
    int r, c;
    getyx(w, r, c);
    std::string s;
    for (int i = 0; i < len; i++)
        s += (char)(mvwinch(w, row, col + i) & A_CHARTEXT);
    wmove(w, r, c);
    return s;
}

inline int cellChar(WINDOW* w, int row, int col)
{
    int r, c;
    getyx(w, r, c);
    int ch = (int)(mvwinch(w, row, col) & A_CHARTEXT);
    wmove(w, r, c);
    return ch;
}

inline bool cellIsAcs(WINDOW* w, int row, int col, chtype acs)
{
    int r, c;
    getyx(w, r, c);
    chtype mask = A_CHARTEXT | A_ALTCHARSET;
    bool is = (mvwinch(w, row, col) & mask) == (acs & mask);
    wmove(w, r, c);
    return is;
}
// An activation callback that ends the form given as its data.
inline void stopFormCB(void* form)
{
    ((CurFocuser*)form)->stopKbdLoop();
}
#endif
