// CurWaitHooks.cpp - redraw without asking and the layouts' turn (window/):
// CurInit's switch and call for it, a window's own switch, and the pass that
// draws every window that asked, before each key read.
#include "CurWaitHooks.h"
#include "CurInit.h"
#include "CurScreenStack.h"
#include "CurSyncFrame.h"
#include "CurWindow.h"
#include "CurWindowTenants.h"

#include <curses.h>

void CurInit::setAutoRedraw(bool on)
{
    CurWaitHooks::autoRedrawAll = on;
}

bool CurInit::autoRedraws()
{
    return CurWaitHooks::autoRedrawAll;
}

// Any screen curses has up will do: the fuzz targets start curses themselves.
void CurInit::redrawChanged()
{
    if (stdscr != nullptr && !isendwin())
        CurWaitHooks::beforeWait(nullptr);
}

void CurWindow::setAutoRedraw(bool on)
{
    autoRedraw = on;
}

bool CurWindow::autoRedraws() const
{
    return autoRedraw || CurWaitHooks::autoRedrawAll;
}

bool CurWindow::isFramed() const
{
    return framed;
}

void CurWindow::drawGadgets()
{
    if (gadgetList != nullptr && win != nullptr)
        CurWindowTenants::tenants->drawAll(this);   // the first gadget set the tenants
}

void CurWindow::refitGadgets()
{
    if (gadgetList != nullptr)
        CurWindowTenants::tenants->refit(this);
}

void CurWaitHooks::gone(const void* object)
{
    if (forget != nullptr)
        forget(object);
}

void CurWaitHooks::afterResize()
{
    if (layouts != nullptr)
        layouts(nullptr);
}

// Layouts first: what they move is then drawn in its new place.
void CurWaitHooks::beforeWait(CurWindow* reading)
{
    if (layouts != nullptr)
        layouts(reading);
    CurWindow::redrawAutomatic(reading);
}

// Such a window is made of its frame, title and gadgets: it is blanked and
// drawn whole (a gadget's draw paints its text, not always the cells a
// longer text or an old place left). Curses copies only the lines a window
// touched, so a window drawn again would cover those above it on the screen
// image: every window from the first one drawn upward is touched and staged
// in stacking order. The update sends only the cells that differ.
void CurWindow::redrawAutomatic(CurWindow* reading)
{
    CurInit::WinNode* first = nullptr;
    for (CurInit::WinNode* n = CurScreenStack::lowest(); n != nullptr; n = n->next) {
        CurWindow* w = n->window;
        if (!w->mapped || w->win == nullptr || w->gadgetList == nullptr || !w->autoRedraws())
            continue;
        w->erase();
        if (w->framed)
            w->drawFrame();
        w->drawGadgets();
        if (first == nullptr)
            first = n;
    }
    if (first == nullptr)
        return;
    for (CurInit::WinNode* n = first; n != nullptr; n = n->next) {
        n->window->touch();
        n->window->stage();
    }
    if (reading != nullptr)
        reading->stage();       // its cursor is the terminal's: wgetch reads from it
    CurSyncFrame::update();
}

// A theme switched at run time: the window takes the new attributes unless
// the program gave it its own, and its frame and gadgets are drawn in theirs.
void CurWindow::retheme()
{
    if (win == nullptr)
        return;
    if (!ownAttributes)
        takeTheme(themeElement);
    if (framed)
        drawFrame();
    drawGadgets();
}
