// CurInit.cpp - the toolkit's process-wide curses state (terminal/): set-up
// and shut-down as a list of steps, and colour pairs. The windows on the
// screen are the window floor's (window/CurScreenStack.cpp); terminal type
// detection is in CurInitDetect.cpp.
#include "CurInit.h"
#include "CurColorPairs.h"
#include "CurKeyReader.h"
#include "CurMouse.h"
#include "CurPaste.h"
#include "CurTermGuard.h"
#include "CurTermSession.h"
#include "CurTerminal.h"
#include "CurThemes.h"
#include "CurSyncFrame.h"
#include "CurText.h"

#include <curses.h>
#include <term.h>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/ioctl.h>

bool CurTermSession::initialized = false;
static CurTermSession::Ask askWith = nullptr;   // detection's question box

int CurInit::black = 0, CurInit::red = 0, CurInit::green = 0, CurInit::yellow = 0;
int CurInit::blue = 0, CurInit::magenta = 0, CurInit::cyan = 0, CurInit::white = 0;
int CurInit::standout = 0, CurInit::underline = 0, CurInit::reverse = 0;
int CurInit::blink = 0, CurInit::dim = 0, CurInit::bold = 0;
int CurInit::width = 0, CurInit::height = 0;

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
static CurTermSession::Prepared screenOff, screenOn, keypadOff, keypadOn, pictureOff;

// Curses on the terminal openTerminal chose. LINES and COLUMNS in the
// environment are ignored, but the size comes from the terminal itself: a
// description's own size (often 80 x 24, and none at all for some types) is
// rarely the size of the window in use.
static void takeCurses()
{
    use_env(FALSE);
    use_tioctl(TRUE);
    CurTerminal::startCurses();
}

static void prepareScreen()
{
    bool alternate = CurInit::usesAlternateScreen();
    CurTermSession::prepare(&screenOff, {alternate ? tigetstr("rmcup") : nullptr});
    CurTermSession::prepare(&screenOn, {alternate ? tigetstr("smcup") : nullptr});
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
    CurTermSession::prepare(&keypadOff, {tigetstr("rmkx")});
    CurTermSession::prepare(&keypadOn, {tigetstr("smkx")});
}

static void takeEvents()
{
    CurKeyReader::startEvents(CurTerminal::tty_in);
}

// The picture is what curses draws once the session is set up: attributes,
// the line drawing set and a cursor placed and hidden as it likes. The guard
// leaves it plain, with the cursor shown on the last row, where the shell's
// prompt follows (as endwin does for cleanup), and has it repainted after a stop.
static void preparePicture()
{
    struct winsize ws;
    int rows = ioctl(CurTerminal::tty_out, TIOCGWINSZ, &ws) == 0 && ws.ws_row > 0 ? ws.ws_row : lines;
    char* cup = tigetstr("cup");
    const char* bottom = rows > 0 && cup != nullptr && cup != (char*)-1 ? tiparm(cup, rows - 1, 0) : nullptr;
    CurTermSession::prepare(&pictureOff, {tigetstr("sgr0"), tigetstr("rmacs"), bottom, tigetstr("cnorm")});
}

// The session: its steps in the order initialize takes them, each with
// what gives it back. cleanup gives back the steps taken, the last first;
// on a signal, a crash or a stop the guard gives back the same steps in the
// same order through their async-signal-safe forms, and takes them up again
// when the process continues (CurInitGuard.cpp). CurTermSession.h says how
// to add one.
const CurTermSession::Step CurTermSession::session[] = {
    // the locale: the program's from then on
    {takeCharacterType, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    // the environment's theme; its messages wait for the terminal to be given back
    {CurThemes::readTheme, CurThemes::flushThemeMessages, nullptr, nullptr, nullptr,
     nullptr, nullptr},
    // the key log, opened at the first key; its messages wait for the
    // terminal to be given back
    {nullptr, CurInit::keylogEnd, nullptr, nullptr, nullptr, nullptr, nullptr},
    // which terminal, its descriptors and modes, TERM (detected when
    // unusable), the init strings, and the guard, set up before curses starts
    {CurTerminal::openTerminal, CurTermGuard::releaseTerminal, nullptr, nullptr, nullptr,
     CurTermGuard::restoreStartModes, CurTermGuard::restoreProgramModes},
    // curses, on the alternate screen unless the program chose otherwise
    {takeCurses, CurTerminal::endCurses, prepareScreen, &screenOff, &screenOn, nullptr, nullptr},
    // keys one at a time, unechoed, the keypad's as keys (endwin gives the
    // modes back, the guard the keypad)
    {takeModes, nullptr, prepareKeypad, &keypadOff, &keypadOn, nullptr, nullptr},
    // how lines are drawn, one way for the whole session (CurText::decideLines)
    {CurText::decideLines, CurText::forgetLines, nullptr, nullptr, nullptr, nullptr, nullptr},
    // mouse reports, while the program asks for them (CurInit::setMouse)
    {CurMouse::startMouse, CurMouse::stopMouse, CurMouse::prepareMouse, nullptr,
     nullptr, CurMouse::leaveMouse, CurMouse::enterMouse},
    // bracketed paste and focus reports, while the program asks for them
    // (CurInit::setPaste, setFocusReports)
    {CurPaste::startInputModes, CurPaste::stopInputModes, CurPaste::prepareInputModes, nullptr,
     nullptr, CurPaste::leaveInputModes, CurPaste::enterInputModes},
    {takeEvents, CurKeyReader::stopEvents, nullptr, nullptr, nullptr, nullptr, nullptr},
    {CurColorPairs::take, CurColorPairs::drop, nullptr, nullptr, nullptr, nullptr, nullptr},
    // the theme's colour pairs and the screen's background
    {CurThemes::takeTheme, CurThemes::dropTheme, nullptr, nullptr, nullptr, nullptr,
     nullptr},
    // what is drawn from here on
    {nullptr, nullptr, preparePicture, &pictureOff, nullptr, nullptr, CurTermGuard::repaintLater},
    // frames synchronized where the terminal supports it; the guard ends a
    // frame it interrupts before anything else
    {CurSyncFrame::take, CurSyncFrame::undo, CurSyncFrame::prepare, &CurSyncFrame::end, nullptr,
     nullptr, nullptr},
};
const int CurTermSession::sessionSteps = sizeof session / sizeof session[0];
volatile sig_atomic_t CurTermSession::stepsTaken = 0;

// CurInit::initialize is defined where the question box is (boxes/), and
// starts the session with it.
void CurTermSession::start(Ask ask)
{
    askWith = ask;
    // A second initialize without cleanup would start curses over itself.
    if (CurTermSession::initialized)
        return;
    for (int i = 0; i < CurTermSession::sessionSteps; i++) {
        if (CurTermSession::session[i].take != nullptr)
            CurTermSession::session[i].take();
        CurTermSession::stepsTaken = i + 1;
    }
    CurTermSession::initialized = true;
}

void CurInit::cleanup()
{
    if (!CurTermSession::initialized)
        return;
    for (int i = CurTermSession::sessionSteps - 1; i >= 0; i--) {
        CurTermSession::stepsTaken = i;
        if (CurTermSession::session[i].undo != nullptr)
            CurTermSession::session[i].undo();
    }
    CurTermSession::initialized = false;
}

CurTermSession::Ask CurTermSession::asker()
{
    return askWith;
}

bool CurInit::isInitialized()
{
    return CurTermSession::initialized;
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
    wnoutrefresh(stdscr);
    CurSyncFrame::update();
}
