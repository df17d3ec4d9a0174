// CurInitRedraw.cpp - redraw without asking (terminal/): the switch for the
// whole session, the call for programs outside a loop, and the turn taken
// before every key reader waits. The drawing itself is CurWindow's.
#include "CurInitPrivate.h"
#include "CurWindow.h"

void (*CurInitPrivate::layoutHook)(CurWindow*) = nullptr;
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

void CurInit::redrawChanged()
{
    if (isInitialized())
        CurInitPrivate::beforeWait(nullptr);
}

// Layouts first: what they move is then drawn in its new place.
void CurInitPrivate::beforeWait(CurWindow* reading)
{
    if (layoutHook != nullptr)
        layoutHook(reading);
    CurWindow::redrawAutomatic(reading);
}
