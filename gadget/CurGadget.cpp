// CurGadget.cpp - the base of every widget placed in a window (gadget/): its
// rectangle, the focus flag, the links to its window and focusers, harmless
// defaults for the gadget contract and the plain keyboard loop.
#include "CurGadget.h"
#include "CurGadgetWatch.h"
#include "CurInit.h"
#include "CurWaitHooks.h"
#include "CurWindow.h"
#include "CurWindowTenants.h"

#include <curses.h>

static_assert(CurGadget::WIDE_CHAR == CurInit::WIDE_CHAR, "gadgets take the reader's whole characters");

CurGadget::CurGadget(CurWindow* window)
    : window(window != nullptr ? window : CurWindow::detached()), x(0), y(0), width(0),
      height(0), focused(false), focusShown(false), prevInWindow(nullptr),
      loopGone(nullptr)
{
    // A window going hands its gadgets to the inert window. The window floor
    // knows no gadget, so a gadget tells it how: a class local to a member
    // reaches the private links of both classes, as the member does.
    struct Tenancy final : CurWindowTenants {
        void windowGone(CurWindow* gone, CurWindow* inert) override
        {
            while (gone->gadgetList != nullptr) {
                CurGadget* g = gone->gadgetList;
                gone->gadgetList = g->nextInWindow;
                g->window = inert;
                g->prevInWindow = nullptr;
                g->nextInWindow = inert->gadgetList;
                if (inert->gadgetList != nullptr)
                    inert->gadgetList->prevInWindow = g;
                inert->gadgetList = g;
            }
        }
        // Oldest first, as a form draws them, the focused one last so that
        // the window's cursor stands in it.
        void drawAll(CurWindow* window) override
        {
            CurGadget* oldest = window->gadgetList;
            while (oldest != nullptr && oldest->nextInWindow != nullptr)
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
        // After a resize: smaller, a gadget stays inside; larger, it grows back.
        void refit(CurWindow* window) override
        {
            for (CurGadget* g = window->gadgetList; g != nullptr; g = g->nextInWindow)
                if (g->wantHeight != g->height || g->wantWidth != g->width || window->isFramed())
                    g->setGeometry(g->wantHeight, g->wantWidth, g->y, g->x);
        }
    };
    static Tenancy tenancy;
    CurWindowTenants::tenants = &tenancy;
    width = this->window->getWidth();
    height = this->window->getHeight();
    nextInWindow = this->window->gadgetList;
    if (nextInWindow != nullptr)
        nextInWindow->prevInWindow = this;
    this->window->gadgetList = this;
}

// CurInit's gadget form of secret input is defined here, where a gadget's
// window is known, so that terminal/ needs nothing from gadget/.
void CurInit::setSecretInput(CurGadget* gadget, bool on)
{
    if (gadget != nullptr)
        setSecretInput(gadget, gadget->getWindow(), on);
}

CurGadget::~CurGadget()
{
    if (loopGone != nullptr)
        *loopGone = true;
    if (CurGadgetWatch::watch != nullptr)
        CurGadgetWatch::watch->gadgetGone(this);
    CurWaitHooks::gone(this);
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
    this->height = wantHeight = bounded(height);
    this->width = wantWidth = bounded(width);
    this->y = bounded(y);
    this->x = bounded(x);
    keepInsideFrame();
}

// A gadget placed inside a framed window's border stays inside it: the part
// of its rectangle past the frame is cut off (a fixed width in a window made
// small), so that it never paints over the frame. One placed on the border
// itself is left as it is.
void CurGadget::keepInsideFrame()
{
    if (!window->isFramed() || y < 1 || x < 1)
        return;
    int bottom = bounded(window->getHeight()) - 1, right = bounded(window->getWidth()) - 1;
    if (height > bottom - y)
        height = bottom - y > 0 ? bottom - y : 0;
    if (width > right - x)
        width = right - x > 0 ? right - x : 0;
}

void CurGadget::draw()
{
}

bool CurGadget::processKey(int)
{
    return false;
}

bool CurGadget::processMouse(const CurInit::MouseEvent&)
{
    return false;
}

bool CurGadget::isAt(int row, int column) const
{
    if (CurInit::windowAt(row, column) != window)
        return false;
    int r = row - window->getY(), c = column - window->getX();
    return r >= y && r - y < height && c >= x && c - x < width;
}

bool CurGadget::offerMouse(CurInit::MouseEvent event)
{
    if (!isAt(event.row, event.column))
        return false;
    event.row -= window->getY();
    event.column -= window->getX();
    return processMouse(event);
}

// Every gadget kind runs this same loop: each key goes to processKey, and
// Enter ends the loop after the gadget has seen it. What the reader's
// results mean is CurInit::loopStep's rule: the input's end (no Enter can
// follow) and a callback's stop end the loop with -1; no key in a no-delay
// or timed window is skipped. A callback may destroy the gadget: the loop
// then ends with -1 without touching it, and so does any loop of it that
// ran this one from a callback.
int CurGadget::kbdLoop()
{
    if (window->getWindow() == nullptr)
        return -1;                      // an inert window has no input at all
    bool gone = false;
    struct Frame {
        CurGadget* gadget;
        bool&      gone;
        bool*      outer;
        ~Frame()                        // also when a callback throws
        {
            if (!gone)
                gadget->loopGone = outer;
            else if (outer != nullptr)
                *outer = true;
        }
    } frame{this, gone, loopGone};
    loopGone = &gone;
    for (;;) {
        int key = CurInit::readWideKey(window);
        if (gone)
            return -1;
        CurInit::LOOP_STEP step = CurInit::loopStep(key, window);
        if (step == CurInit::LOOP_END)
            return -1;
        if (step == CurInit::LOOP_IDLE)
            continue;
        CurInit::MouseEvent event;
        if (key == KEY_MOUSE && CurInit::getMouse(&event))
            offerMouse(event);
        else
            processKey(key);
        if (gone)
            return -1;
        if (key == 13)
            return 0;
    }
}

bool CurGadget::takesTab() const
{
    return false;
}

bool CurGadget::takesFocus() const
{
    return true;
}

void CurGadget::naturalSize(int* height, int* width) const
{
    *height = 1;
    *width = 1;
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
