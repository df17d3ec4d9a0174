// CurWindowRedraw.cpp - redraw without asking (window/): before a key
// reader waits, the gadgets of every window that asked for it are drawn
// again and the cells that changed are sent in one update.
#include "CurWindow.h"
#include "CurGadget.h"
#include "CurInitPrivate.h"

#include <curses.h>

void CurWindow::setAutoRedraw(bool on)
{
    autoRedraw = on;
}

bool CurWindow::autoRedraws() const
{
    return autoRedraw || CurInitPrivate::autoRedrawAll;
}

bool CurWindow::isFramed() const
{
    return framed;
}

// Oldest gadget first, as a form draws them, and the focused one last so
// that the window's cursor stands in it.
void CurWindow::drawGadgets()
{
    if (gadgetList == nullptr || win == nullptr)
        return;
    CurGadget* oldest = gadgetList;
    while (oldest->nextInWindow != nullptr)
        oldest = oldest->nextInWindow;
    CurGadget* focusedOne = nullptr;
    for (CurGadget* g = oldest; g != nullptr; g = g->prevInWindow) {
        if (g->hasFocus())
            focusedOne = g;
        else
            g->draw();
    }
    if (focusedOne != nullptr)
        focusedOne->draw();
}

// Curses copies only the lines a window touched, so a window drawn again
// would cover those above it on the screen image: every window from the
// first one drawn upward is touched and staged in stacking order. The
// update itself sends only the cells that differ from the terminal's.
void CurWindow::redrawAutomatic(CurWindow* reading)
{
    CurInit::WinNode* first = nullptr;
    for (CurInit::WinNode* n = CurInitPrivate::win_list; n != nullptr; n = n->next) {
        CurWindow* w = n->window;
        if (!w->mapped || w->win == nullptr || w->gadgetList == nullptr || !w->autoRedraws())
            continue;
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
    doupdate();
}
