// CurInitColors.cpp - colour pairs and the colour and attribute values
// (terminal/): a step of the session (CurColorPairs) and CurInit's pair
// functions over its table.
#include "CurColorPairs.h"
#include "CurInit.h"

#include <curses.h>
#include <term.h>
#include <cstdlib>

CurColorPairs::ColorPair* CurColorPairs::table = nullptr;
int                       CurColorPairs::handedOut = 0;

// NO_COLOR set and not empty: colours are never started, pairs are still
// handed out (their numbers select nothing) and attributes show as usual.
static bool colorsOff = false;

// An attribute value holds a pair number in its 8 colour bits, so pairs
// above 255 cannot be selected by one: pair 256 would read as standout. The
// table is cut there even when the terminal offers more pairs.
static const int MAX_PAIRS = 256;

// Entries of the colour-pair table: pair 0 (reserved by curses) and the
// pairs that an attribute value can select.
static int pairTableSize()
{
    int pairs = colorsOff ? tigetnum("pairs") : COLOR_PAIRS;   // COLOR_PAIRS is set by start_color
    return pairs < MAX_PAIRS ? (pairs > 1 ? pairs : 1) : MAX_PAIRS;
}

void CurColorPairs::take()
{
    if (has_colors()) {
        const char* noColor = getenv("NO_COLOR");
        colorsOff = noColor != nullptr && noColor[0] != '\0';
        if (!colorsOff) {
            // Cells that ask for no colour keep the terminal's own colours
            // rather than an explicit white on black, so curses need not send
            // both colours again after every reset of the attributes. A terminal
            // that cannot return to its default colours keeps white on black.
            // Asked for before colour starts, curses knows the terminal's
            // colours are the defaults already and sends them, and a reset,
            // once less.
            use_default_colors();
            start_color();
        }
        CurColorPairs::table = new CurColorPairs::ColorPair[pairTableSize()];
        CurColorPairs::handedOut = 0;
    }
    CurInit::black = COLOR_BLACK;   CurInit::red = COLOR_RED;     CurInit::green = COLOR_GREEN;
    CurInit::yellow = COLOR_YELLOW; CurInit::blue = COLOR_BLUE;   CurInit::magenta = COLOR_MAGENTA;
    CurInit::cyan = COLOR_CYAN;     CurInit::white = COLOR_WHITE;
    CurInit::standout = A_STANDOUT; CurInit::underline = A_UNDERLINE; CurInit::reverse = A_REVERSE;
    CurInit::blink = A_BLINK;       CurInit::dim = A_DIM;             CurInit::bold = A_BOLD;
    CurInit::height = LINES;
    CurInit::width = COLS;
}

void CurColorPairs::drop()
{
    delete[] CurColorPairs::table;
    CurColorPairs::table = nullptr;
}

int CurInit::addColorPair(int fg, int bg)
{
    if (!has_colors() || CurColorPairs::table == nullptr)
        return 0;
    if (CurColorPairs::handedOut >= pairTableSize() - 1)
        return -1;
    CurColorPairs::handedOut++;
    CurColorPairs::table[CurColorPairs::handedOut].fg = fg;
    CurColorPairs::table[CurColorPairs::handedOut].bg = bg;
    if (!colorsOff)
        init_pair((short)CurColorPairs::handedOut, (short)fg, (short)bg);
    return CurColorPairs::handedOut;
}

bool CurInit::setColorPair(int pair, int fg, int bg)
{
    if (!has_colors() || CurColorPairs::table == nullptr)
        return true;
    if (pair < 1 || pair > CurColorPairs::handedOut)
        return false;
    CurColorPairs::table[pair].fg = fg;
    CurColorPairs::table[pair].bg = bg;
    // Redefining the pair in curses too makes text already drawn in it change
    // colour at the next repaint, which is what a caller changing a pair wants.
    if (!colorsOff)
        init_pair((short)pair, (short)fg, (short)bg);
    return true;
}

// A pair number no attribute can hold (the -1 of a full table, among others)
// selects no colour rather than spilling into the attribute bits.
int CurInit::pairToAttr(int pair)
{
    if (!has_colors() || colorsOff || pair < 0 || pair >= MAX_PAIRS)
        return 0;
    return (int)((unsigned)pair << 8);
}
