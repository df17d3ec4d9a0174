// CurInitRedraw.cpp - redraw without asking (terminal/): the switch for the
// whole session, the call for programs outside a loop, and the turn taken
// before every key reader waits. The layouts (focus/) and the drawing of
// windows' gadgets (gadget/) hook themselves in here.
#include "CurInitPrivate.h"

#include <curses.h>

void (*CurInitPrivate::layoutHook)(CurWindow*) = nullptr;
void (*CurInitPrivate::redrawHook)(CurWindow*) = nullptr;
void (*CurInitPrivate::forgetHook)(const void*) = nullptr;
bool CurInitPrivate::autoRedrawAll = false;

void CurInit::setAutoRedraw(bool on)
{
    CurInitPrivate::autoRedrawAll = on;
}

bool CurInit::autoRedraws()
{
    return CurInitPrivate::autoRedrawAll;
}

// Any screen curses has up will do: the fuzz targets start curses themselves.
void CurInit::redrawChanged()
{
    if (stdscr != nullptr && !isendwin())
        CurInitPrivate::beforeWait(nullptr);
}

// Layouts first: what they move is then drawn in its new place.
void CurInitPrivate::beforeWait(CurWindow* reading)
{
    if (layoutHook != nullptr)
        layoutHook(reading);
    if (redrawHook != nullptr)
        redrawHook(reading);
}
