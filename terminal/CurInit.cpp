// CurInit.cpp - the toolkit's process-wide curses state (terminal/): set-up
// and shut-down, colour pairs, and the registry of live windows through which
// the whole screen is repainted. Terminal type detection is in CurInitDetect.cpp.
#include "CurInit.h"
#include "CurInitPrivate.h"
#include "CurWindow.h"
#include "CurText.h"

#include <curses.h>
#include <term.h>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/ioctl.h>

bool                       CurInitPrivate::initialized  = false;
CurInitPrivate::ColorPair* CurInitPrivate::col_pair     = nullptr;
int                        CurInitPrivate::col_pair_num = 0;
CurInit::WinNode*          CurInitPrivate::win_list     = nullptr;
CurInit::WinNode*          CurInitPrivate::win_last     = nullptr;

int CurInit::black = 0, CurInit::red = 0, CurInit::green = 0, CurInit::yellow = 0;
int CurInit::blue = 0, CurInit::magenta = 0, CurInit::cyan = 0, CurInit::white = 0;
int CurInit::standout = 0, CurInit::underline = 0, CurInit::reverse = 0;
int CurInit::blink = 0, CurInit::dim = 0, CurInit::bold = 0;
int CurInit::width = 0, CurInit::height = 0;

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

// What the guard writes to give back, and to take up again after a stop,
// the screen curses switched to, the keypad mode and the picture (steps of
// the session below).
static CurInitPrivate::Prepared screenOff, screenOn, keypadOff, keypadOn, pictureOff;

// Curses on the terminal openTerminal chose. LINES and COLUMNS in the
// environment are ignored, but the size comes from the terminal itself: a
// description's own size (often 80 x 24, and none at all for some types) is
// rarely the size of the window in use.
static void takeCurses()
{
    use_env(FALSE);
    use_tioctl(TRUE);
    CurInitPrivate::startCurses();
}

static void prepareScreen()
{
    bool alternate = CurInit::usesAlternateScreen();
    CurInitPrivate::prepare(&screenOff, {alternate ? tigetstr("rmcup") : nullptr});
    CurInitPrivate::prepare(&screenOn, {alternate ? tigetstr("smcup") : nullptr});
}

static void takeModes()
{
    nonl();                 // Enter arrives as 13, not 10
    cbreak();
    noecho();
    keypad(stdscr, TRUE);
}

static void prepareKeypad()
{
    CurInitPrivate::prepare(&keypadOff, {tigetstr("rmkx")});
    CurInitPrivate::prepare(&keypadOn, {tigetstr("smkx")});
}

static void takeEvents()
{
    CurInitPrivate::startEvents(CurInitPrivate::tty_in);
}

static void takeColours()
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
        CurInitPrivate::col_pair = new CurInitPrivate::ColorPair[pairTableSize()];
        CurInitPrivate::col_pair_num = 0;
    }
    CurInit::black = COLOR_BLACK;   CurInit::red = COLOR_RED;     CurInit::green = COLOR_GREEN;
    CurInit::yellow = COLOR_YELLOW; CurInit::blue = COLOR_BLUE;   CurInit::magenta = COLOR_MAGENTA;
    CurInit::cyan = COLOR_CYAN;     CurInit::white = COLOR_WHITE;
    CurInit::standout = A_STANDOUT; CurInit::underline = A_UNDERLINE; CurInit::reverse = A_REVERSE;
    CurInit::blink = A_BLINK;       CurInit::dim = A_DIM;             CurInit::bold = A_BOLD;
    CurInit::height = LINES;
    CurInit::width = COLS;
}

static void dropColours()
{
    delete[] CurInitPrivate::col_pair;
    CurInitPrivate::col_pair = nullptr;
}

// The picture is what curses draws once the session is set up: attributes,
// the line drawing set and a cursor placed and hidden as it likes. The guard
// leaves it plain, with the cursor shown on the last row, where the shell's
// prompt follows (as endwin does for cleanup), and has it repainted after a stop.
static void preparePicture()
{
    struct winsize ws;
    int rows = ioctl(CurInitPrivate::tty_out, TIOCGWINSZ, &ws) == 0 && ws.ws_row > 0 ? ws.ws_row : lines;
    char* cup = tigetstr("cup");
    const char* bottom = rows > 0 && cup != nullptr && cup != (char*)-1 ? tiparm(cup, rows - 1, 0) : nullptr;
    CurInitPrivate::prepare(&pictureOff, {tigetstr("sgr0"), tigetstr("rmacs"), bottom, tigetstr("cnorm")});
}

// The session: its steps in the order initialize takes them, each with
// what gives it back. cleanup gives back the steps taken, the last first;
// on a signal, a crash or a stop the guard gives back the same steps in the
// same order through their async-signal-safe forms, and takes them up again
// when the process continues (CurInitGuard.cpp). CurInitPrivate.h says how
// to add one.
const CurInitPrivate::Step CurInitPrivate::session[] = {
    // the locale: the program's from then on
    {takeCharacterType, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    // the environment's theme; its messages wait for the terminal to be given back
    {CurInitPrivate::readTheme, CurInitPrivate::flushThemeMessages, nullptr, nullptr, nullptr,
     nullptr, nullptr},
    // the key log, opened at the first key; its messages wait for the
    // terminal to be given back
    {nullptr, CurInit::keylogEnd, nullptr, nullptr, nullptr, nullptr, nullptr},
    // which terminal, its descriptors and modes, TERM (detected when
    // unusable), the init strings, and the guard, set up before curses starts
    {CurInitPrivate::openTerminal, CurInitPrivate::releaseTerminal, nullptr, nullptr, nullptr,
     CurInitPrivate::restoreStartModes, CurInitPrivate::restoreProgramModes},
    // curses, on the alternate screen unless the program chose otherwise
    {takeCurses, CurInitPrivate::endCurses, prepareScreen, &screenOff, &screenOn, nullptr, nullptr},
    // keys one at a time, unechoed, the keypad's as keys (endwin gives the
    // modes back, the guard the keypad)
    {takeModes, nullptr, prepareKeypad, &keypadOff, &keypadOn, nullptr, nullptr},
    // mouse reports, while the program asks for them (CurInit::setMouse)
    {CurInitPrivate::startMouse, CurInitPrivate::stopMouse, CurInitPrivate::prepareMouse, nullptr,
     nullptr, CurInitPrivate::leaveMouse, CurInitPrivate::enterMouse},
    // bracketed paste and focus reports, while the program asks for them
    // (CurInit::setPaste, setFocusReports)
    {CurInitPrivate::startInputModes, CurInitPrivate::stopInputModes,
     CurInitPrivate::prepareInputModes, nullptr, nullptr, CurInitPrivate::leaveInputModes,
     CurInitPrivate::enterInputModes},
    {takeEvents, CurInitPrivate::stopEvents, nullptr, nullptr, nullptr, nullptr, nullptr},
    {takeColours, dropColours, nullptr, nullptr, nullptr, nullptr, nullptr},
    // the theme's colour pairs and the screen's background
    {CurInitPrivate::takeTheme, CurInitPrivate::dropTheme, nullptr, nullptr, nullptr, nullptr,
     nullptr},
    // what is drawn from here on
    {nullptr, nullptr, preparePicture, &pictureOff, nullptr, nullptr, CurInitPrivate::repaintLater},
};
const int CurInitPrivate::sessionSteps = sizeof session / sizeof session[0];
volatile sig_atomic_t CurInitPrivate::stepsTaken = 0;

void CurInit::initialize()
{
    // A second initialize without cleanup would start curses over itself.
    if (CurInitPrivate::initialized)
        return;
    for (int i = 0; i < CurInitPrivate::sessionSteps; i++) {
        if (CurInitPrivate::session[i].take != nullptr)
            CurInitPrivate::session[i].take();
        CurInitPrivate::stepsTaken = i + 1;
    }
    CurInitPrivate::initialized = true;
}

void CurInit::cleanup()
{
    if (!CurInitPrivate::initialized)
        return;
    for (int i = CurInitPrivate::sessionSteps - 1; i >= 0; i--) {
        CurInitPrivate::stepsTaken = i;
        if (CurInitPrivate::session[i].undo != nullptr)
            CurInitPrivate::session[i].undo();
    }
    CurInitPrivate::initialized = false;
}

bool CurInit::isInitialized()
{
    return CurInitPrivate::initialized;
}

int CurInit::addColorPair(int fg, int bg)
{
    if (!has_colors() || CurInitPrivate::col_pair == nullptr)
        return 0;
    if (CurInitPrivate::col_pair_num >= pairTableSize() - 1)
        return -1;
    CurInitPrivate::col_pair_num++;
    CurInitPrivate::col_pair[CurInitPrivate::col_pair_num].fg = fg;
    CurInitPrivate::col_pair[CurInitPrivate::col_pair_num].bg = bg;
    if (!colorsOff)
        init_pair((short)CurInitPrivate::col_pair_num, (short)fg, (short)bg);
    return CurInitPrivate::col_pair_num;
}

bool CurInit::setColorPair(int pair, int fg, int bg)
{
    if (!has_colors() || CurInitPrivate::col_pair == nullptr)
        return true;
    if (pair < 1 || pair > CurInitPrivate::col_pair_num)
        return false;
    CurInitPrivate::col_pair[pair].fg = fg;
    CurInitPrivate::col_pair[pair].bg = bg;
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

// The link lives in the window, so both ends of the list are reached at
// once: a window is appended (drawn on top) and taken out in constant time.
void CurInit::addWindow(CurWindow* win)
{
    if (win == nullptr)
        return;
    delWindow(win);             // a window added again moves to the top
    WinNode* node = &win->regLink;
    node->window = win;
    node->prev = CurInitPrivate::win_last;
    node->next = nullptr;
    if (CurInitPrivate::win_last != nullptr)
        CurInitPrivate::win_last->next = node;
    else
        CurInitPrivate::win_list = node;
    CurInitPrivate::win_last = node;
}

void CurInit::delWindow(CurWindow* win)
{
    if (win == nullptr || win->regLink.window == nullptr)
        return;
    WinNode* node = &win->regLink;
    if (node->prev != nullptr)
        node->prev->next = node->next;
    else
        CurInitPrivate::win_list = node->next;
    if (node->next != nullptr)
        node->next->prev = node->prev;
    else
        CurInitPrivate::win_last = node->prev;
    node->window = nullptr;
    node->prev = node->next = nullptr;
}

// Later windows are copied over earlier ones, so the newest lies on top.
void CurInit::refreshAllWindows()
{
    wtouchln(stdscr, 0, getmaxy(stdscr), 1);
    wnoutrefresh(stdscr);
    for (WinNode* node = CurInitPrivate::win_list; node != nullptr; node = node->next) {
        node->window->touch();
        node->window->stage();
    }
    doupdate();
}

// Each window's destructor takes it out of the registry.
void CurInit::killAllWindows()
{
    while (CurInitPrivate::win_list != nullptr)
        delete CurInitPrivate::win_list->window;
}
