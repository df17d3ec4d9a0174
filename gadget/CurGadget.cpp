// CurGadget.cpp - the base of every widget placed in a window (gadget/): its
// rectangle, harmless defaults for the gadget contract and the plain keyboard loop.
#include "CurGadget.h"
#include "CurInit.h"
#include "CurWindow.h"

#include <curses.h>

static_assert(CurGadget::WIDE_CHAR == CurInit::WIDE_CHAR, "gadgets take the reader's whole characters");

CurGadget::CurGadget(CurWindow* window)
    : window(window), x(0), y(0), width(window->getWidth()), height(window->getHeight())
{
}

CurGadget::~CurGadget()
{
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

void CurGadget::acceptFocus(bool)
{
}

void CurGadget::loseFocus(bool)
{
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
