// CurGadgetRedraw.cpp - the gadgets of a window drawn again (gadget/): by a
// layout after it placed them, before every key read for windows redrawn
// without asking, and their rectangles cut again at the frame after a
// resize. CurWindow's members, kept beside the gadgets they walk.
#include "CurGadget.h"
#include "CurInitPrivate.h"
#include "CurWindow.h"

#include <curses.h>

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

// Such a window is made of its frame, title and gadgets: it is blanked and
// drawn whole. Curses copies only the lines a window touched, so a window drawn again
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
        // Blanked first: a gadget's draw paints its text, not always the
        // cells a longer text or an old place left.
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
    doupdate();
}

// After a resize each gadget gets the rectangle it was given again, cut at
// the new frame: smaller, it stays inside; larger, it grows back.
void CurWindow::refitGadgets()
{
    for (CurGadget* g = gadgetList; g != nullptr; g = g->nextInWindow)
        if (g->wantHeight != g->height || g->wantWidth != g->width || framed)
            g->setGeometry(g->wantHeight, g->wantWidth, g->y, g->x);
}
