// CurInitWindows.cpp - CurInit's functions that take windows (window/): the
// registry, repaint and hit testing of the screen's stack, and the key reader
// and loop rule for a window. The terminal floor below them reads keys from
// a curses window and knows no CurWindow.
#include "CurInit.h"
#include "CurKeyReader.h"
#include "CurPosts.h"
#include "CurScreenStack.h"
#include "CurWaitHooks.h"
#include "CurWindow.h"

#include <curses.h>

void CurInit::addWindow(CurWindow* win)
{
    if (win != nullptr)
        CurScreenStack::add(&win->regLink, win);
}

void CurInit::delWindow(CurWindow* win)
{
    if (win != nullptr)
        CurScreenStack::remove(&win->regLink);
}

void CurInit::refreshAllWindows()
{
    CurScreenStack::refreshAll();
}

void CurInit::killAllWindows()
{
    CurScreenStack::killAll();
}

// Later windows lie over earlier ones: the newest that covers the cell.
CurWindow* CurInit::windowAt(int row, int column)
{
    return CurScreenStack::at(row, column);
}

// A window's keys come from its curses window, stdscr for none; an inert
// window has none and reads no key.
static WINDOW* cursesWindow(CurWindow* window)
{
    return window != nullptr ? window->getWindow() : stdscr;
}

// Before any wait, layouts follow what moved and windows redrawn without
// asking are drawn (CurWaitHooks).
int CurInit::readKey(CurWindow* window)
{
    CurWaitHooks::beforeWait(window);
    return CurKeyReader::readKeyAs(cursesWindow(window), window, false);
}

int CurInit::readWideKey(CurWindow* window)
{
    CurWaitHooks::beforeWait(window);
    return CurKeyReader::readKeyAs(cursesWindow(window), window, true);
}

int CurInit::turn(CurWindow* window)
{
    return CurPosts::turn(cursesWindow(window), window);
}

// The window is looked at for ERR only: after any other key a callback may
// have destroyed it (one that ended the loop with STOP, say).
CurInit::LOOP_STEP CurInit::loopStep(int key, CurWindow* window, bool inner)
{
    return CurKeyReader::loopStep(key, key == ERR ? cursesWindow(window) : nullptr, inner);
}
