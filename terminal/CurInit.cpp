// CurInit.cpp - the toolkit's process-wide curses state (terminal/): set-up
// and shut-down, colour pairs, and the registry of live windows through which
// the whole screen is repainted. Terminal type detection is in CurInitDetect.cpp.
#include "CurInit.h"
#include "CurWindow.h"
#include "CurText.h"

#include <curses.h>
#include <term.h>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

bool                 CurInit::initialized  = false;
CurInit::ColorPair*  CurInit::col_pair     = nullptr;
int                  CurInit::col_pair_num = 0;
CurInit::WinNode*    CurInit::win_list     = nullptr;

int CurInit::black = 0, CurInit::red = 0, CurInit::green = 0, CurInit::yellow = 0;
int CurInit::blue = 0, CurInit::magenta = 0, CurInit::cyan = 0, CurInit::white = 0;
int CurInit::standout = 0, CurInit::underline = 0, CurInit::reverse = 0;
int CurInit::blink = 0, CurInit::dim = 0, CurInit::bold = 0;
int CurInit::width = 0, CurInit::height = 0;

// NO_COLOR set and not empty: colours are never started, pairs are still
// handed out (their numbers select nothing) and attributes show as usual.
static bool colorsOff = false;

// Character set G0 to ASCII, G1 to the line-drawing set, shift in to G0:
// a terminal left in the graphics set by an earlier program shows text again.
static const char CHARSET_RESET[] = "\x1b(B\x1b)0\x0f";

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

// The character type comes from the environment, so that text and keys are
// UTF-8 where the user's terminal is, unless the program chose one itself
// (its LC_CTYPE is no longer the "C" it starts with). Only LC_CTYPE: numbers
// and messages stay the program's business.
static void takeCharacterType()
{
    const char* current = setlocale(LC_CTYPE, nullptr);
    if (current == nullptr || strcmp(current, "C") == 0 || strcmp(current, "POSIX") == 0)
        setlocale(LC_CTYPE, "");
}

void CurInit::initialize()
{
    // A second initialize without cleanup would start curses over itself.
    if (initialized)
        return;

    takeCharacterType();
    const char* term = getenv("TERM");
    if (term == nullptr || term[0] == '\0')
        autodetect();

    putp(CHARSET_RESET);
    fflush(stdout);
    // The result is ignored on purpose: a missing tput goes unnoticed.
    int ignored = system("tput init");
    (void)ignored;

    // LINES and COLUMNS in the environment are ignored, but the size comes
    // from the terminal itself: a description's own size (often 80 x 24, and
    // none at all for some types) is rarely the size of the window in use.
    use_env(FALSE);
    use_tioctl(TRUE);
    initscr();
    nonl();                 // Enter arrives as 13, not 10
    cbreak();
    noecho();
    keypad(stdscr, TRUE);
    startEvents(fileno(stdin));

    if (has_colors()) {
        const char* noColor = getenv("NO_COLOR");
        colorsOff = noColor != nullptr && noColor[0] != '\0';
        if (!colorsOff) {
            start_color();
            // Cells that ask for no colour keep the terminal's own colours
            // rather than an explicit white on black, so curses need not send
            // both colours again after every reset of the attributes. A terminal
            // that cannot return to its default colours keeps white on black.
            use_default_colors();
        }
        col_pair = new ColorPair[pairTableSize()];
        col_pair_num = 0;
    }

    black = COLOR_BLACK;   red = COLOR_RED;         green = COLOR_GREEN; yellow = COLOR_YELLOW;
    blue = COLOR_BLUE;     magenta = COLOR_MAGENTA; cyan = COLOR_CYAN;   white = COLOR_WHITE;
    standout = A_STANDOUT; underline = A_UNDERLINE; reverse = A_REVERSE;
    blink = A_BLINK;       dim = A_DIM;             bold = A_BOLD;

    height = LINES;
    width = COLS;
    initialized = true;
}

void CurInit::cleanup()
{
    if (!initialized)
        return;
    stopEvents();
    endwin();
    delete[] col_pair;
    col_pair = nullptr;
    initialized = false;
}

bool CurInit::isInitialized()
{
    return initialized;
}

int CurInit::addColorPair(int fg, int bg)
{
    if (!has_colors() || col_pair == nullptr)
        return 0;
    if (col_pair_num >= pairTableSize() - 1)
        return -1;
    col_pair_num++;
    col_pair[col_pair_num].fg = fg;
    col_pair[col_pair_num].bg = bg;
    if (!colorsOff)
        init_pair((short)col_pair_num, (short)fg, (short)bg);
    return col_pair_num;
}

bool CurInit::setColorPair(int pair, int fg, int bg)
{
    if (!has_colors() || col_pair == nullptr)
        return true;
    if (pair < 1 || pair > col_pair_num)
        return false;
    col_pair[pair].fg = fg;
    col_pair[pair].bg = bg;
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

void CurInit::clearScreen(int attr, int ch)
{
    wmove(stdscr, 0, 0);
    for (int i = 0; i < COLS * LINES; i++) {
        if (ch == 0)
            CurText::addLine(stdscr, CurText::BULLET, attr);
        else
            waddch(stdscr, (chtype)ch | (chtype)attr);
    }
    wtouchln(stdscr, 0, getmaxy(stdscr), 1);
    wrefresh(stdscr);
}

void CurInit::addWindow(CurWindow* win)
{
    WinNode* node = new WinNode{win, nullptr};
    WinNode** tail = &win_list;
    while (*tail != nullptr)
        tail = &(*tail)->next;
    *tail = node;
}

void CurInit::delWindow(CurWindow* win)
{
    for (WinNode** link = &win_list; *link != nullptr; link = &(*link)->next) {
        if ((*link)->window == win) {
            WinNode* node = *link;
            *link = node->next;
            delete node;
            return;
        }
    }
}

// Later windows are copied over earlier ones, so the newest lies on top.
void CurInit::refreshAllWindows()
{
    wtouchln(stdscr, 0, getmaxy(stdscr), 1);
    wnoutrefresh(stdscr);
    for (WinNode* node = win_list; node != nullptr; node = node->next) {
        CurWindow* window = node->window;
        if (window == nullptr || !window->isMapped() || window->getWindow() == nullptr)
            continue;
        window->touch();
        wnoutrefresh(window->getWindow());
    }
    doupdate();
}

void CurInit::killAllWindows()
{
    while (win_list != nullptr) {
        WinNode* node = win_list;
        win_list = node->next;
        // The window's destructor calls delWindow, which no longer finds it.
        delete node->window;
        delete node;
    }
}
