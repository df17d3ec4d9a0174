#ifndef VELMORA_CURFOCUSER_H
#define VELMORA_CURFOCUSER_H
// CurFocuser: turns a set of gadgets into a form. It runs the form's keyboard
// loop, moves the focus with Tab, back-tab and the arrow keys, and hands
// Enter and other keys that no gadget consumed to optional callbacks. It
// owns no gadget; a gadget destroyed while held leaves it by itself.
#include <functional>

class CurGadget;
class CurLayout;
class CurWindow;

class CurFocuser {
public:
    CurFocuser();
    virtual ~CurFocuser();               // frees its array; the gadgets are not touched
    CurFocuser(const CurFocuser&) = delete; // owns its array
    CurFocuser& operator=(const CurFocuser&) = delete;

    // membership
    void addGadget(CurGadget* gadget);   // the first gadget added gets the focus; null is ignored
    void delGadget(CurGadget* gadget);   // focus index unchanged; the loop wraps it
    void setFocus(int index);            // index modulo the number of gadgets; ignored when negative or empty
    // Moves the focus to gadget, as setFocus with its index does (both
    // redrawn); false, and nothing changed, when the focuser does not hold it.
    bool setFocus(CurGadget* gadget);
    int  getFocus() const;               // index of the gadget holding the focus; -1 when empty
    CurGadget* getFocusGadget() const;   // that gadget; null when empty
    int  getCount() const;               // the number of gadgets held

    // the keyboard loop
    void kbdLoop();                      // runs until stopKbdLoop; at once with no gadgets; ends with the input
    void stopKbdLoop();                  // takes effect after the current key
    void enableKbdLoop();                // needed before a stopped loop can run again
    void setEnterCB(void (*callback)(void*), void* data); // Enter left by the gadget
    void setEnterCB(std::function<void()> callback);     // either form replaces the other
    // Keys that neither the focused gadget nor a focus move consumed (Enter
    // too when no Enter callback is set): function keys, Esc, control keys,
    // CurInit::ALT plus a key. The callback returns true when it handled the
    // key; it may stop the loop with stopKbdLoop.
    void setKeyCB(bool (*callback)(int key, void*), void* data);
    void setKeyCB(std::function<bool(int key)> callback); // either form replaces the other
    // A filter offered every key before the focused gadget, Tab included
    // (a menu bar takes its keys so). It returns true when it took the key;
    // the focused gadget is then drawn again, so that the focus shows where
    // it was. Null switches it off; either form replaces the other.
    void setKeyFilterCB(bool (*callback)(int key, void*), void* data);
    void setKeyFilterCB(std::function<bool(int key)> callback);

    // The mouse. Clicks and the wheel reach the loop as KEY_MOUSE (once the
    // program has switched the mouse on, CurInit::setMouse): the key filter
    // sees it first, then the gadget under the pointer gets the event
    // (CurGadget::processMouse), a button's moving the focus there first;
    // one that lands on no gadget, or that the gadget declines, goes to the
    // key callback, which reads it with CurInit::getMouse.
    int gadgetAt(int row, int column) const;  // index of the gadget under screen cell; -1 for none

    // Directional search: the index of the gadget nearest the cursor of window
    // in that direction, only gadgets strictly beyond limit (a screen column or
    // row) qualifying; wrap searches the whole form. -1 when none qualifies.
    int getMostRight(CurWindow* window, int limit, bool wrap);
    int getMostLeft(CurWindow* window, int limit, bool wrap);
    int getMostBottom(CurWindow* window, int limit, bool wrap);
    int getMostTop(CurWindow* window, int limit, bool wrap);

private:
    friend class CurGadget;
    friend class CurLayout;              // sets arranger
    CurLayout*  arranger = nullptr;      // a layout deciding the arrow keys first, or null
    static void forgetGadget(CurGadget* gadget); // a gadget going leaves every focuser
    bool hasEnter() const;
    void callEnter();                    // the one place both forms of each callback are called
    bool callKey(int key);
    bool clampFocus();                   // focusIndex back among the gadgets; false when none
    bool settleFocus(CurGadget** holder); // clampFocus, and the focus told to a new holder
    int  moveTarget(int key);            // target index of an arrow key the gadget declined
    void moveFocus(int target);          // loseFocus on the old, acceptFocus on the new; both redrawn
    bool declined(int key);              // a key the focused gadget left; true when it moved the focus
    bool filtered(int key);              // true when the key filter took the key
    void mouse(const bool& gone);        // the last mouse event to its gadget or the key callback
    struct LoopFrame;                    // one running kbdLoop, told when the focuser goes
    void runLoop(const bool& gone);      // kbdLoop's body; returns at once once gone is set

    CurGadget** gadgets;                 // exactly numGadgets entries
    int         numGadgets;
    int         focusIndex;
    bool        loopStopped;
    LoopFrame*  loops;                   // the innermost kbdLoop running, or null
    std::function<bool(int)> filterFunction; // each callback in either form
    std::function<void()>    enterFunction;
    std::function<bool(int)> keyFunction;
    CurFocuser* prevFocuser;             // every live focuser, for forgetGadget
    CurFocuser* nextFocuser;
    static CurFocuser* focuser_list;
};
#endif
