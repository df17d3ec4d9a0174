// CurFocuser.cpp - the form's keyboard loop and focus ring (focus/): Tab and
// back-tab in the order of addition, the arrow keys geometrically, Enter to
// optional callbacks.
#include "CurFocuser.h"
#include "CurCallback.h"
#include "CurGadgetWatch.h"
#include "CurLayout.h"
#include "CurWaitHooks.h"
#include "CurGadget.h"
#include "CurInit.h"
#include "CurWindow.h"

#include <curses.h>
#include <climits>
#include <cstdlib>

// A position beyond any screen cell, whatever the terminal's size: searches
// start from it and wrap-around searches use it as their limit.
static const int FAR = INT_MAX;

CurFocuser* CurFocuser::focuser_list = nullptr;

CurFocuser::CurFocuser()
    : gadgets(nullptr), numGadgets(0), focusIndex(0), loopStopped(false), loops(nullptr),
      prevFocuser(nullptr), nextFocuser(focuser_list)
{
    // A gadget going leaves every focuser. The gadget floor knows no
    // focuser: the first focuser made tells it whom to tell.
    struct Watch final : CurGadgetWatch {
        void gadgetGone(CurGadget* gadget) override { forgetGadget(gadget); }
    };
    static Watch watch;
    CurGadgetWatch::watch = &watch;
    if (focuser_list != nullptr)
        focuser_list->prevFocuser = this;
    focuser_list = this;
}

struct CurFocuser::LoopFrame {
    CurFocuser* focuser;
    bool        gone;                    // the focuser was destroyed
    LoopFrame*  outer;                   // the loop that ran this one from a callback
    ~LoopFrame()                         // also when a callback throws
    {
        if (!gone)
            focuser->loops = outer;
    }
};

// Every loop of this focuser still running (a callback of one destroyed
// it) learns it is gone and ends without touching it again.
CurFocuser::~CurFocuser()
{
    CurWaitHooks::gone(this);
    for (LoopFrame* f = loops; f != nullptr; f = f->outer)
        f->gone = true;
    if (prevFocuser != nullptr)
        prevFocuser->nextFocuser = nextFocuser;
    else
        focuser_list = nextFocuser;
    if (nextFocuser != nullptr)
        nextFocuser->prevFocuser = prevFocuser;
    delete[] gadgets;
}

// A program holds few focusers, so a gadget going asks each of them.
void CurFocuser::forgetGadget(CurGadget* gadget)
{
    for (CurFocuser* f = focuser_list; f != nullptr; f = f->nextFocuser)
        f->delGadget(gadget);
}

void CurFocuser::addGadget(CurGadget* gadget)
{
    if (gadget == nullptr)
        return;
    CurGadget** grown = new CurGadget*[numGadgets + 1];
    for (int i = 0; i < numGadgets; i++)
        grown[i] = gadgets[i];
    grown[numGadgets++] = gadget;
    delete[] gadgets;
    gadgets = grown;
    if (numGadgets == 1)
        gadget->acceptFocus(false);
    else
        gadget->loseFocus(false);
}

void CurFocuser::delGadget(CurGadget* gadget)
{
    for (int i = 0; i < numGadgets; i++) {
        if (gadgets[i] != gadget)
            continue;
        for (int j = i; j + 1 < numGadgets; j++)
            gadgets[j] = gadgets[j + 1];
        numGadgets--;
    }
}

void CurFocuser::setFocus(int index)
{
    if (numGadgets == 0 || index < 0)
        return;
    focusIndex = index % numGadgets;
    for (int i = 0; i < numGadgets; i++)
        gadgets[i]->loseFocus(true);
    gadgets[focusIndex]->acceptFocus(true);
}

bool CurFocuser::setFocus(CurGadget* gadget)
{
    for (int i = 0; i < numGadgets; i++) {
        if (gadgets[i] == gadget) {
            setFocus(i);
            return true;
        }
    }
    return false;
}

// The focus index may lie past the end after delGadget until the loop wraps
// it; the answer is the index the loop will use.
int CurFocuser::getFocus() const
{
    if (numGadgets <= 0)
        return -1;
    int index = focusIndex % numGadgets;
    return index < 0 ? index + numGadgets : index;
}

CurGadget* CurFocuser::getFocusGadget() const
{
    int index = getFocus();
    return index < 0 ? nullptr : gadgets[index];
}

int CurFocuser::getCount() const
{
    return numGadgets;
}

static bool isArrow(int key)
{
    return key == KEY_UP || key == KEY_DOWN || key == KEY_LEFT || key == KEY_RIGHT;
}

// A key filter, when set, sees every key first (a menu bar's keys). Tab
// and back-tab never reach a gadget (Tab does when the gadget takes it as
// its own, as an editor inserting blanks does); every other key is offered to the
// focused gadget first, and arrows and Enter reach the focuser only when the
// gadget declines them. A callback run from a key may stop the loop, add or
// remove gadgets, or move the focus, so the ring is checked again before
// every use: the focus index is brought back among the gadgets held, and a
// gadget that came to the focus index without being told gets the focus.
void CurFocuser::kbdLoop()
{
    LoopFrame frame{this, false, loops};
    loops = &frame;
    runLoop(frame.gone);
}

// The loop itself. After every step that may run a callback, gone says
// whether the focuser still exists; when not, the loop returns at once.
void CurFocuser::runLoop(const bool& gone)
{
    if (!clampFocus())
        return;
    for (int i = 0; i < numGadgets; i++)
        gadgets[i]->draw();
    gadgets[focusIndex]->draw();    // last, so the cursor stands in it
    CurGadget* holder = gadgets[focusIndex];

    while (!loopStopped) {
        if (!settleFocus(&holder))
            return;             // a callback removed every gadget
        // Keypad mode belongs to each curses window, so the focused gadget's
        // window gets it before every read; otherwise arrows arrive as
        // escape sequences. Switching it on sends the terminal's keypad
        // string each time, so a window that has it already is left alone.
        CurWindow* reading = holder->getWindow();
        WINDOW* w = reading->getWindow();
        if (w == nullptr)
            return;             // an inert window can never deliver a key
        if (!is_keypad(w))
            keypad(w, TRUE);
        int key = CurInit::readWideKey(reading);
        // CurInit::loopStep's rule: the input's end and a callback's stop
        // end the loop. No key in a no-delay window (ERR) is offered like
        // any key. A callback run while reading may have deleted the holder.
        if (gone || CurInit::loopStep(key, reading) == CurInit::LOOP_END)
            return;
        // Timer, watch and resize callbacks run inside readKey: the key goes
        // to the gadget holding the focus now, if any is left.
        if (!settleFocus(&holder))
            return;

        if (filtered(key)) {
            // The filter may have run anything: the focus comes back to
            // the gadget holding it now, cursor included.
            if (gone || !settleFocus(&holder))
                return;
            holder->draw();
            holder->getWindow()->update();
        } else if (key == KEY_MOUSE) {
            mouse(gone);        // the next turn settles the focus it moved
        } else if (key == 9 && !holder->takesTab()) {
            moveFocus((focusIndex + 1) % numGadgets);
            holder = gadgets[focusIndex];
        } else if (key == KEY_BTAB) {
            moveFocus(focusIndex == 0 ? numGadgets - 1 : focusIndex - 1);
            holder = gadgets[focusIndex];
        } else if (!holder->processKey(key) && !gone) {
            // Declined. A consumed key ends here: its callback may have
            // stopped the loop or changed the ring, which the next turn sees.
            if (declined(key) && !gone)
                holder = gadgets[focusIndex];
        }
        if (gone)
            return;
    }
}

// Enter goes to its own callback; an arrow moves the focus when a gadget
// lies that way; the rest, and an arrow that finds none, go to the key
// callback. Any callback may change the ring, which the loop checks again.
// True when an arrow moved the focus.
bool CurFocuser::declined(int key)
{
    if (key == 13 && hasEnter()) {
        callEnter();
        return false;
    }
    if (isArrow(key) && clampFocus()) {
        int target = moveTarget(key);
        if (target != focusIndex) {
            moveFocus(target);
            gadgets[focusIndex]->getWindow()->update();
            return true;
        }
    }
    if (key != ERR)
        callKey(key);
    return false;
}

int CurFocuser::gadgetAt(int row, int column) const
{
    for (int i = 0; i < numGadgets; i++)
        if (gadgets[i]->isAt(row, column))
            return i;
    return -1;
}

// The last mouse event goes to the form's gadget under it; the left or
// right button there first moves the focus to it (a consumed event), the
// wheel reaches it where it is. An event on none of the form's gadgets, or
// one the gadget declined, goes to the key callback as KEY_MOUSE.
void CurFocuser::mouse(const bool& gone)
{
    CurInit::MouseEvent e;
    if (!CurInit::getMouse(&e))
        return;
    int index = gadgetAt(e.row, e.column);
    bool wheel = e.button == CurInit::WHEEL_UP || e.button == CurInit::WHEEL_DOWN;
    bool moved = false;
    if (index >= 0 && !wheel && index != focusIndex && clampFocus()) {
        moveFocus(index);
        gadgets[focusIndex]->getWindow()->update();
        moved = true;
    }
    // A callback of the focus move may have changed the ring: the gadget
    // is looked up again, never used from before.
    index = gadgetAt(e.row, e.column);
    if ((index < 0 || !gadgets[index]->offerMouse(e)) && !moved && !gone)
        callKey(KEY_MOUSE);
}

// The ring after callbacks: the focus index among the gadgets held, and the
// gadget there told it has the focus when it is not the holder the loop
// knew (which may be gone: it is compared, never used). False when none.
bool CurFocuser::settleFocus(CurGadget** holder)
{
    if (!clampFocus())
        return false;
    if (gadgets[focusIndex] != *holder) {
        *holder = gadgets[focusIndex];
        (*holder)->acceptFocus(true);
    }
    return true;
}

// Brings focusIndex back among the gadgets held; false when there are none.
bool CurFocuser::clampFocus()
{
    if (numGadgets <= 0)
        return false;
    focusIndex %= numGadgets;
    if (focusIndex < 0)
        focusIndex += numGadgets;
    return true;
}

void CurFocuser::moveFocus(int target)
{
    gadgets[focusIndex]->loseFocus(true);
    focusIndex = target;
    gadgets[focusIndex]->acceptFocus(true);
}

void CurFocuser::stopKbdLoop()
{
    loopStopped = true;
}

void CurFocuser::enableKbdLoop()
{
    loopStopped = false;
}

void CurFocuser::setEnterCB(void (*callback)(void*), void* data)
{
    enterFunction = CurCallback::bind(callback, data);
}

void CurFocuser::setEnterCB(std::function<void()> callback)
{
    enterFunction = std::move(callback);
}

void CurFocuser::setKeyCB(bool (*callback)(int, void*), void* data)
{
    keyFunction = CurCallback::bind(callback, data);
}

void CurFocuser::setKeyCB(std::function<bool(int)> callback)
{
    keyFunction = std::move(callback);
}

bool CurFocuser::hasEnter() const
{
    return (bool)enterFunction;
}

// A callback that throws ends the loop with the exception: the ring is
// consistent before every call, so the loop can run again afterwards. Any
// callback may destroy the focuser: the loop checks before going on.
void CurFocuser::callEnter()
{
    CurCallback::call(enterFunction);
}

bool CurFocuser::callKey(int key)
{
    return CurCallback::call(keyFunction, key, false);
}

void CurFocuser::setKeyFilterCB(bool (*callback)(int, void*), void* data)
{
    filterFunction = CurCallback::bind(callback, data);
}

void CurFocuser::setKeyFilterCB(std::function<bool(int)> callback)
{
    filterFunction = std::move(callback);
}

bool CurFocuser::filtered(int key)
{
    return key != ERR && CurCallback::call(filterFunction, key, false);
}

// The screen position of a gadget: its place in its window plus the window's.
static int screenRow(const CurGadget* g)
{
    return g->getY() + g->getWindow()->getY();
}

static int screenCol(const CurGadget* g)
{
    return g->getX() + g->getWindow()->getX();
}

// The directional search. The reference point is the cursor of `window` on
// the screen; the focused gadget's draw left it inside that gadget. A gadget
// is in line with the cursor when its span across the move (its rows for a
// sideways move, its columns for an up or down move) covers the cursor, or
// when the middle of that span is closer to the cursor than the tolerance.
// Each pass keeps the best position along the move among gadgets strictly
// beyond `limit`; ties go to the gadget added first. An ordinary search
// widens the tolerance one cell per pass up to half the screen; a wrap-around
// search starts so wide that every gadget is in line.
struct Direction {
    bool sideways;      // compare columns of gadgets in line by rows
    bool greatest;      // keep the greatest position below limit, else the smallest above
};

static int search(CurGadget** gadgets, int numGadgets, CurWindow* window,
                  int limit, bool wrap, Direction dir)
{
    int curRow = -1, curCol = -1;
    if (window->getWindow() != nullptr)
        getyx(window->getWindow(), curRow, curCol);
    curRow += window->getY();
    curCol += window->getX();

    int cursor = dir.sideways ? curRow : curCol;
    int maxTolerance = dir.sideways ? CurInit::height / 2 : CurInit::width / 2;
    for (int tolerance = wrap ? FAR : 0;; tolerance++) {
        int best = dir.greatest ? INT_MIN : FAR;
        int result = -1;
        for (int i = 0; i < numGadgets; i++) {
            CurGadget* g = gadgets[i];
            int start = dir.sideways ? screenRow(g) : screenCol(g);
            int end = start + (dir.sideways ? g->getHeight() : g->getWidth());
            bool inLine = tolerance > abs(cursor - (start + end) / 2)
                          || (start <= cursor && cursor < end);
            if (!inLine)
                continue;
            int pos = dir.sideways ? screenCol(g) : screenRow(g);
            bool better = dir.greatest ? (pos > best && pos < limit)
                                       : (pos < best && pos > limit);
            if (better) {
                best = pos;
                result = i;
            }
        }
        if (result >= 0)
            return result;
        if (tolerance > maxTolerance)
            return -1;
    }
}

int CurFocuser::getMostRight(CurWindow* window, int limit, bool wrap)
{
    return search(gadgets, numGadgets, window, limit, wrap, Direction{true, true});
}

int CurFocuser::getMostLeft(CurWindow* window, int limit, bool wrap)
{
    return search(gadgets, numGadgets, window, limit, wrap, Direction{true, false});
}

int CurFocuser::getMostBottom(CurWindow* window, int limit, bool wrap)
{
    return search(gadgets, numGadgets, window, limit, wrap, Direction{false, true});
}

int CurFocuser::getMostTop(CurWindow* window, int limit, bool wrap)
{
    return search(gadgets, numGadgets, window, limit, wrap, Direction{false, false});
}

// The target of an arrow key the focused gadget declined: the nearest gadget
// in that direction, else the one at the far edge of the form. A target on
// the same screen row (up, down) or column (left, right) leaves the focus in
// place, as does a form where even the wrap-around finds nothing. Screen
// positions, not positions inside the windows, decide "the same": two
// windows may hold gadgets at the same place inside each.
int CurFocuser::moveTarget(int key)
{
    CurGadget* focused = gadgets[focusIndex];
    CurWindow* window = focused->getWindow();
    int row = screenRow(focused);
    int col = screenCol(focused);
    if (arranger != nullptr) {           // a layout's rows and columns decide first
        CurGadget* t = arranger->arrowTarget(focused, key);
        for (int i = 0; t != nullptr && i < numGadgets; i++)
            if (gadgets[i] == t)
                return i;
    }
    int target = -1;
    switch (key) {
    case KEY_UP:
        target = getMostBottom(window, row, false);
        if (target < 0)
            target = getMostBottom(window, FAR, true);
        break;
    case KEY_DOWN:
        target = getMostTop(window, row, false);
        if (target < 0)
            target = getMostTop(window, INT_MIN, true);
        break;
    case KEY_LEFT:
        target = getMostRight(window, col, false);
        if (target < 0)
            target = getMostRight(window, FAR, true);
        break;
    case KEY_RIGHT:
        target = getMostLeft(window, col, false);
        if (target < 0)
            target = getMostLeft(window, INT_MIN, true);
        break;
    }
    if (target < 0)
        return focusIndex;
    bool vertical = (key == KEY_UP || key == KEY_DOWN);
    bool same = vertical ? screenRow(gadgets[target]) == row
                         : screenCol(gadgets[target]) == col;
    return same ? focusIndex : target;
}
