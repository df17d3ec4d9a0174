// CurGadget.cpp - the base of every widget placed in a window (gadget/): its
// rectangle, harmless defaults for the gadget contract and the plain keyboard loop.
#include "CurGadget.h"
#include "CurWindow.h"

#include <curses.h>

CurGadget::CurGadget(CurWindow* window)
    : window(window), x(0), y(0), width(window->getWidth()), height(window->getHeight())
{
}

CurGadget::~CurGadget()
{
}

void CurGadget::setGeometry(int height, int width, int y, int x)
{
    this->height = height;
    this->width = width;
    this->y = y;
    this->x = x;
}

void CurGadget::draw()
{
}

bool CurGadget::processKey(int)
{
    return false;
}

// Every gadget kind runs this same loop: each key goes to processKey, and
// Enter ends the loop after the gadget has seen it. An inert window yields
// ERR forever, so the loop gives up rather than spin.
int CurGadget::kbdLoop()
{
    if (window->getWindow() == nullptr)
        return 0;
    for (;;) {
        int key = wgetch(window->getWindow());
        processKey(key);
        if (key == 13)
            return 0;
    }
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
