#ifndef VELMORA_CURGADGET_H
#define VELMORA_CURGADGET_H
// CurGadget: the base of every keyboard-driven widget placed in a window. It
// holds the gadget's rectangle, its focus flag and the contract a form drives
// it through, and keeps the links that make destruction order safe: a gadget
// destroyed leaves every focuser holding it, and a gadget whose window is
// destroyed first is moved to an inert window and draws nothing.
#include "CurInit.h"

class CurWindow;

class CurGadget {
public:
    // A character beyond ASCII read whole (as CurInit::readWideKey reads it) reaches
    // processKey as WIDE_CHAR plus its code point, apart from every curses key code.
    enum : int { WIDE_CHAR = 0x1000000 };

    CurGadget(CurWindow* window);        // covers the whole window until setGeometry; unfocused;
                                         // a null window makes a gadget that draws nothing
    virtual ~CurGadget();                // leaves its focusers and its window
    CurGadget(const CurGadget&) = delete; // a copy would be in no focuser and no window's list
    CurGadget& operator=(const CurGadget&) = delete;

    // the gadget contract
    virtual void setGeometry(int height, int width, int y, int x); // relative to the window; no redraw;
                                         // each value kept within +-32767
    virtual void draw();                 // paints into the window's curses window; never refreshes
    virtual bool processKey(int key);    // true when the key was consumed; the base consumes none
    virtual int  kbdLoop();              // reads keys from the window until Enter (13): 0; -1 when input ends
    // Set and clear the focus flag. A gadget that shows its focus (see
    // showFocus) then draws itself when redraw is true; others draw nothing.
    virtual void acceptFocus(bool redraw);
    virtual void loseFocus(bool redraw);
    // True when Tab is one of the gadget's own keys (an editor inserting
    // blanks): a form then offers it to the gadget like any key, and only
    // back-tab moves the focus away. The base answers false.
    virtual bool takesTab() const;
    // The size the gadget's content asks for (a label's text, a button's
    // caption, a list's longest line), which layouts measure. The base asks
    // for one cell.
    virtual void naturalSize(int* height, int* width) const;
    // Whether a layout puts the gadget in its focuser's ring: the base says
    // yes, gadgets that only show something (labels, gauges) no.
    virtual bool takesFocus() const;
    // A mouse event on the gadget (CurInit::getMouse), its cell made
    // relative to the gadget's window. True when the gadget used it; the
    // base uses none. A form hands a gadget the events on its rectangle,
    // the focus moved there first for a button's; the wheel's come unfocused.
    virtual bool processMouse(const CurInit::MouseEvent& event);
    // Whether screen cell (row, column) is in the gadget's rectangle, with
    // its window the one on top there: where a mouse event goes.
    bool isAt(int row, int column) const;
    // An event with its screen cell: processMouse's answer when the cell is
    // the gadget's (isAt), else false.
    bool offerMouse(CurInit::MouseEvent event);

    bool       hasFocus() const;         // the focus flag
    int        getX() const;
    int        getY() const;
    int        getWidth() const;
    int        getHeight() const;
    CurWindow* getWindow() const;        // the inert window once the gadget's own is gone

protected:
    // Called by the constructor of a gadget that shows its focus: acceptFocus
    // and loseFocus redraw it when asked, and the flag starts as given.
    void showFocus(bool focusedAtStart);

    CurWindow* window;                   // not owned
    int        x;
    int        y;
    int        width;
    int        height;
    bool       focused;

private:
    friend class CurWindow;              // moves its gadgets away when it goes, refits them
    void       keepInsideFrame();        // cuts the rectangle at the window's frame
    int        wantHeight = 0;           // the size setGeometry was given, before the cut
    int        wantWidth = 0;
    bool       focusShown;
    CurGadget* prevInWindow;             // the window's gadgets, a list through each gadget
    CurGadget* nextInWindow;
    bool*      loopGone;                 // set true when destroyed inside its own kbdLoop
};
#endif
