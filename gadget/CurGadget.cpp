// CurGadget.cpp - the base of every widget placed in a window (gadget/): its
// rectangle, the focus flag, the links to its window and focusers, harmless
// defaults for the gadget contract and the plain keyboard loop.
#include "CurGadget.h"
#include "CurFocuser.h"
#include "CurInit.h"
#include "CurWindow.h"

#include <curses.h>

static_assert(CurGadget::WIDE_CHAR == CurInit::WIDE_CHAR, "gadgets take the reader's whole characters");

CurGadget::CurGadget(CurWindow* window)
    : window(window != nullptr ? window : CurWindow::detached()), x(0), y(0), width(0),
      height(0), focused(false), focusShown(false), prevInWindow(nullptr)
{
    width = this->window->getWidth();
    height = this->window->getHeight();
    nextInWindow = this->window->gadgetList;
    if (nextInWindow != nullptr)
        nextInWindow->prevInWindow = this;
    this->window->gadgetList = this;
}

CurGadget::~CurGadget()
{
    CurFocuser::forgetGadget(this);
    if (prevInWindow != nullptr)
        prevInWindow->nextInWindow = nextInWindow;
    else
        window->gadgetList = nextInWindow;
    if (nextInWindow != nullptr)
        nextInWindow->prevInWindow = prevInWindow;
}

void CurGadget::showFocus(bool focusedAtStart)
{
    focusShown = true;
    focused = focusedAtStart;
}

// The largest coordinate a curses window can hold: nothing beyond it can be
// drawn, and sums and differences of a few such values never overflow.
static const int COORDINATE_LIMIT = 32767;

static int bounded(int value)
{
    if (value > COORDINATE_LIMIT)
        return COORDINATE_LIMIT;
    return value < -COORDINATE_LIMIT ? -COORDINATE_LIMIT : value;
}

void CurGadget::setGeometry(int height, int width, int y, int x)
{
    this->height = bounded(height);
    this->width = bounded(width);
    this->y = bounded(y);
    this->x = bounded(x);
}

void CurGadget::draw()
{
}

bool CurGadget::processKey(int)
{
    return false;
}

// Every gadget kind runs this same loop: each key goes to processKey, and
// Enter ends the loop after the gadget has seen it. CurInit::readKey waits
// for the key and answers ERR to a window that waits only when the input
// has ended: no Enter can follow, so the loop ends with -1 instead of
// spinning (a no-delay or timed window gets ERR whenever no key is waiting).
// A timer or watch callback that asks to stop ends it with -1 too. An inert
// window has no input at all.
int CurGadget::kbdLoop()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr)
        return -1;
    for (;;) {
        int key = CurInit::readWideKey(window);
        if (key == CurInit::STOP || (key == ERR && wgetdelay(w) < 0))
            return -1;
        if (key == ERR)
            continue;
        processKey(key);
        if (key == 13)
            return 0;
    }
}

bool CurGadget::takesTab() const
{
    return false;
}

void CurGadget::acceptFocus(bool redraw)
{
    focused = true;
    if (redraw && focusShown)
        draw();
}

void CurGadget::loseFocus(bool redraw)
{
    focused = false;
    if (redraw && focusShown)
        draw();
}

bool CurGadget::hasFocus() const
{
    return focused;
}

int CurGadget::getX() const
{
    return x;
}

int CurGadget::getY() const
{
    return y;
}

int CurGadget::getWidth() const
{
    return width;
}

int CurGadget::getHeight() const
{
    return height;
}

CurWindow* CurGadget::getWindow() const
{
    return window;
}
