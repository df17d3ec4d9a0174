// CurInitMouse.cpp - the mouse (terminal/): switching the terminal's reports
// on and off, turning the reports the key reader decodes (CurKeys) into
// presses, releases, clicks and wheel steps, and the window under a cell.
#include "CurInit.h"
#include "CurMouse.h"
#include "CurTermSession.h"
#include "CurTerminal.h"
#include "CurKeys.h"

#include <curses.h>
#include <term.h>
#include <ctime>

// Button events (1000) in the extended encoding (1006). A terminal that
// lacks the encoding ignores its half and sends the plain one, which the
// reader decodes as well.
static const char MOUSE_ON[] = "\033[?1000h\033[?1006h";
static const char MOUSE_OFF[] = "\033[?1006l\033[?1000l";
static CurTermSession::Prepared mouseOn, mouseOff;
volatile sig_atomic_t CurMouse::mouseReporting = 0;

static bool wanted = false;              // the program's choice, kept across sessions
static bool reporting = false;           // the terminal was told to report
static bool haveEvent = false;
static CurInit::MouseEvent last = {0, 0, 0, 0, 0};

// The press a release may complete into a click, and the click a second
// one may make a double click of.
static int       pressButton = 0;        // 0: none held
static int       pressRow = 0, pressColumn = 0;
static int       clickButton = 0;        // 0: no click to pair with
static int       clickRow = 0, clickColumn = 0;
static long long clickMs = 0;
static const long long DOUBLE_CLICK_MS = 400;

static long long nowMs()
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1000 + ts.tv_nsec / 1000000;
}

// Only a description that names mouse reports promises a terminal that
// understands the request; any other may print it.
static bool terminalHasMouse()
{
    const char* start = tigetstr("kmous");
    return start != nullptr && start != (char*)-1 && start[0] != '\0';
}

// Prepared with the guard, before curses starts: only a terminal with a
// mouse ever gets the bytes, and a handler can write them as they are.
void CurMouse::prepareMouse()
{
    bool has = terminalHasMouse();
    CurTermSession::prepare(&mouseOn, {has ? MOUSE_ON : nullptr});
    CurTermSession::prepare(&mouseOff, {has ? MOUSE_OFF : nullptr});
}

// Straight to the terminal: curses has sent everything it buffered by the
// end of each update, and keeps no mouse state of its own to disagree.
static void apply()
{
    bool on = wanted && terminalHasMouse();
    if (on != reporting)
        CurTermSession::writePrepared(on ? &mouseOn : &mouseOff);
    reporting = on;
    CurMouse::mouseReporting = on;
    pressButton = clickButton = 0;
}

void CurMouse::startMouse()
{
    apply();
}

void CurMouse::stopMouse()
{
    if (reporting)
        CurTermSession::writePrepared(&mouseOff);
    reporting = false;
    mouseReporting = 0;
}

void CurMouse::leaveMouse()
{
    if (mouseReporting)
        CurTermSession::writePrepared(&mouseOff);
}

void CurMouse::enterMouse()
{
    if (mouseReporting)
        CurTermSession::writePrepared(&mouseOn);
}

bool CurInit::setMouse(bool on)
{
    wanted = on;
    if (CurTermSession::initialized)
        apply();
    return reporting;
}

bool CurInit::usesMouse()
{
    return reporting;
}

bool CurInit::getMouse(MouseEvent* event)
{
    if (!haveEvent || event == nullptr)
        return false;
    *event = last;
    return true;
}

void CurMouse::setMouseEvent(const CurInit::MouseEvent& event)
{
    last = event;
    haveEvent = true;
}

// The button a report names, 0 for none the toolkit knows (motion, the
// wheel's sideways steps, buttons 6 and up).
static int buttonOf(int code)
{
    if (code & 32)
        return 0;
    switch (code & ~(4 | 8 | 16)) {
    case 0: return CurInit::MOUSE_LEFT;
    case 1: return CurInit::MOUSE_MIDDLE;
    case 2: return CurInit::MOUSE_RIGHT;
    case 3: return pressButton;          // a release that names no button ends the press held
    case 64: return CurInit::WHEEL_UP;
    case 65: return CurInit::WHEEL_DOWN;
    default: return 0;
    }
}

// A release where its press was is a click, and one more click of that
// button on that cell soon after is a double click (then the pairing
// starts over). Reports count only while the program asks for the mouse.
int CurMouse::mouseEvent(const CurKeys::MouseReport& r)
{
    int button = buttonOf(r.code);
    bool wheel = button == CurInit::WHEEL_UP || button == CurInit::WHEEL_DOWN;
    if (!wanted || button == 0 || (wheel && r.release))
        return CurKeys::DROPPED;
    if (r.row < 0 || r.row >= CurInit::height || r.column < 0 || r.column >= CurInit::width) {
        if (r.release)
            pressButton = 0;             // let go off the screen: no click
        return CurKeys::DROPPED;
    }
    int mods = (r.code & 4 ? CurInit::MOUSE_SHIFT : 0) | (r.code & 8 ? CurInit::MOUSE_ALT : 0) |
               (r.code & 16 ? CurInit::MOUSE_CTRL : 0);
    CurInit::MouseEvent e = {r.row, r.column, button, CurInit::MOUSE_PRESS, mods};
    if (!wheel && !r.release) {
        pressButton = button;
        pressRow = r.row;
        pressColumn = r.column;
    } else if (r.release) {
        bool click = button == pressButton && r.row == pressRow && r.column == pressColumn;
        long long now = nowMs();
        e.action = CurInit::MOUSE_RELEASE;
        if (click && button == clickButton && r.row == clickRow && r.column == clickColumn &&
            now - clickMs <= DOUBLE_CLICK_MS) {
            e.action = CurInit::MOUSE_DOUBLE_CLICK;
            clickButton = 0;
        } else if (click) {
            e.action = CurInit::MOUSE_CLICK;
            clickButton = button;
            clickRow = r.row;
            clickColumn = r.column;
            clickMs = now;
        }
        pressButton = 0;
    }
    setMouseEvent(e);
    return KEY_MOUSE;
}
