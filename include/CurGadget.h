#ifndef VELMORA_CURGADGET_H
#define VELMORA_CURGADGET_H
// CurGadget: the base of every keyboard-driven widget placed in a window. It
// holds the gadget's rectangle and the contract a form drives it through.
class CurWindow;

class CurGadget {
public:
    // A character beyond ASCII read whole (as CurInit::readWideKey reads it) reaches
    // processKey as WIDE_CHAR plus its code point, apart from every curses key code.
    enum : int { WIDE_CHAR = 0x1000000 };

    CurGadget(CurWindow* window);        // covers the whole window until setGeometry
    virtual ~CurGadget();

    // the gadget contract
    virtual void setGeometry(int height, int width, int y, int x); // relative to the window; no redraw;
                                         // each value kept within +-32767
    virtual void draw();                 // paints into the window's curses window; never refreshes
    virtual bool processKey(int key);    // true when the key was consumed; the base consumes none
    virtual int  kbdLoop();              // reads keys from the window until Enter (13): 0; -1 when input ends
    virtual void acceptFocus(bool redraw);
    virtual void loseFocus(bool redraw);
    // True when Tab is one of the gadget's own keys (an editor inserting
    // blanks): a form then offers it to the gadget like any key, and only
    // back-tab moves the focus away. The base answers false.
    virtual bool takesTab() const;

    int        getX() const;
    int        getY() const;
    int        getWidth() const;
    int        getHeight() const;
    CurWindow* getWindow() const;

protected:
    CurWindow* window;                   // not owned
    int        x;
    int        y;
    int        width;
    int        height;
};
#endif
