// CurScreenStack.cpp - the screen's stack of windows (window/): the registry,
// repainting, hit testing and fitting after a resize. The terminal floor
// knows no window; the stack becomes the screen's owner with its first one.
#include "CurScreenStack.h"
#include "CurSyncFrame.h"
#include "CurWaitHooks.h"
#include "CurWindow.h"

#include <curses.h>

CurInit::WinNode* CurScreenStack::bottom = nullptr;
CurInit::WinNode* CurScreenStack::top = nullptr;

// The link lives in the window, so both ends of the list are reached at
// once: a window is appended (drawn on top) and taken out in constant time.
void CurScreenStack::add(CurInit::WinNode* node, CurWindow* win)
{
    static CurScreenStack stack;
    CurScreenOwner::owner = &stack;
    remove(node);
    node->window = win;
    node->prev = top;
    node->next = nullptr;
    if (top != nullptr)
        top->next = node;
    else
        bottom = node;
    top = node;
}

void CurScreenStack::remove(CurInit::WinNode* node)
{
    if (node->window == nullptr)
        return;
    if (node->prev != nullptr)
        node->prev->next = node->next;
    else
        bottom = node->next;
    if (node->next != nullptr)
        node->next->prev = node->prev;
    else
        top = node->prev;
    node->window = nullptr;
    node->prev = node->next = nullptr;
}

// Later windows are copied over earlier ones, so the newest lies on top.
void CurScreenStack::refreshAll()
{
    wtouchln(stdscr, 0, getmaxy(stdscr), 1);
    wnoutrefresh(stdscr);
    for (CurInit::WinNode* node = bottom; node != nullptr; node = node->next) {
        node->window->touch();
        node->window->stage();
    }
    CurSyncFrame::update();
}

// Each window's destructor takes it out of the stack.
void CurScreenStack::killAll()
{
    while (bottom != nullptr)
        delete bottom->window;
}

CurWindow* CurScreenStack::at(int row, int column)
{
    for (CurInit::WinNode* node = top; node != nullptr; node = node->prev) {
        CurWindow* w = node->window;
        if (w->isMapped() && w->getWindow() != nullptr && row >= w->getY() &&
            row < w->getY() + w->getHeight() && column >= w->getX() &&
            column < w->getX() + w->getWidth())
            return w;
    }
    return nullptr;
}

void CurScreenStack::repaint()
{
    refreshAll();
}

void CurScreenStack::keepContents()
{
    for (CurInit::WinNode* node = bottom; node != nullptr; node = node->next)
        node->window->keepContents();
}

void CurScreenStack::fitScreen()
{
    for (CurInit::WinNode* node = bottom; node != nullptr; node = node->next)
        node->window->fitScreen();
    CurWaitHooks::afterResize();         // layouts place them for the new size
}

// Each window that took its attributes from the theme takes them again, its
// frame and gadgets drawn in the new ones; nothing is sent until a refresh.
void CurScreenStack::retheme()
{
    for (CurInit::WinNode* node = bottom; node != nullptr; node = node->next)
        node->window->retheme();
}
