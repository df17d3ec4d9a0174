#ifndef VELMORA_CURWINDOW_H
#define VELMORA_CURWINDOW_H
// CurWindow: one rectangle of the screen backed by a curses window, with an
// optional frame and title, attributes and a mapped flag. Every window is
// registered with CurInit while it lives, so the screen can be repainted whole.
#include "CurInit.h"

#include <string_view>

typedef struct _win_st WINDOW;
class CurGadget;

class CurWindow {
public:
    // A negative y or x centres the window on that axis. A window larger
    // than the screen keeps its size (up to 512 cells on a side, or the
    // screen's side when larger): it is shown cut while the screen is small
    // and whole once the terminal is large enough. A rectangle that is empty,
    // or that does not fit the screen even when cut to it, makes an inert
    // window: every operation on it does nothing.
    CurWindow(int height, int width, int y, int x);
    virtual ~CurWindow();                // unregisters and deletes the curses window; erases nothing;
                                         // its gadgets move to an inert window and draw nothing
    CurWindow(const CurWindow&) = delete; // owns a curses window
    CurWindow& operator=(const CurWindow&) = delete;

    // appearance
    // Drawing attributes and background of every cell, added to those set
    // before; the first call replaces what the window took from the theme.
    void setAttributes(int attr);
    // The theme's entry for element as this window's attributes and
    // background, in place of those it had. A window takes THEME_WINDOW
    // when made; the kinds of window take their own (dialogs THEME_DIALOG).
    void takeTheme(CurInit::THEME_ELEMENT element);
    void drawFrame();                    // box and title; none below 2 x 2
    void hideFrame();                    // blanks the border (none below 2 x 2); leaves the frame flag alone
    void enableFrame(bool on);           // sets the frame flag, then draws or hides the frame
    void setTitle(const char* title, CurInit::ALIGNMENT align); // null is ignored
    void setTitle(std::string_view title, CurInit::ALIGNMENT align);

    // the terminal
    void touch();                        // marks every line changed for the next refresh
    void update();                       // refreshes this window when mapped
    bool stage();                        // copies it for the next screen update, unsent; false when unmapped or off the screen
    void erase();                        // blanks every cell, frame included
    void map();                          // takes part in refreshes again (nothing is drawn)
    // A new place or size, the contents that still fit kept and the frame
    // and title drawn again; gadgets keep their place inside the window.
    // As in the constructor, a negative y or x centres and a size larger
    // than the screen is kept; a place is moved onto the screen. The screen under the old rectangle keeps its image until
    // the next repaint (CurInit::refreshAllWindows). False, with nothing
    // changed, for an inert window or a size below 1 x 1.
    bool move(int y, int x);
    bool resize(int height, int width);
    void unmap();                        // skipped by refreshes (nothing is erased)

    // keys
    void nodelay(bool on);               // reading a key does not wait
    int  getChar();                      // CurInit::readKey from this window: -1 when no key waits in no-delay mode

    // A terminal resize (CurInit::readKey calls these around curses' own).
    // A window keeps its size and contents; what no longer fits hangs off
    // the screen until it grows. A window built centred is centred again.
    void keepContents();                 // before the resize
    virtual void fitScreen();            // after it: built size, place, contents

    // Redraw without asking for this window (see CurInit::setAutoRedraw):
    // off by default; CurInit::setAutoRedraw(true) covers every window.
    void setAutoRedraw(bool on);
    bool autoRedraws() const;            // on for this window or for the session
    // Draws every gadget placed in the window, oldest first and the focused
    // one last (its cursor stays); nothing is refreshed.
    void drawGadgets();
    bool isFramed() const;               // the frame flag (enableFrame, drawFrame)

    bool    isMapped() const;
    WINDOW* getWindow() const;           // null for an inert window
    int     getWidth() const;
    int     getHeight() const;
    int     getX() const;
    int     getY() const;

protected:
    WINDOW* win;
    int     width;
    int     height;
    int     x;
    int     y;
    bool    framed;
    bool    mapped;
    char*   title;                       // own copy, null until setTitle
    CurInit::ALIGNMENT titleAlign;
    bool    centredY;                    // built with a negative y: centred again on a resize
    bool    centredX;
    WINDOW* kept;                        // a pad with every cell during a resize, else null

private:
    friend class CurInit;
    friend class CurGadget;              // joins and leaves gadgetList
    friend class CurWaitHooks;           // calls redrawAutomatic before every wait
    friend class CurScreenStack;         // calls retheme when the theme changes
    // Draws the gadgets of every window redrawn without asking, reading's
    // cursor last; sends the changes when any was drawn (CurWaitHooks.cpp).
    static void redrawAutomatic(CurWindow* reading);
    void refitGadgets();                 // each gadget cut at the frame again
    void retheme();                      // the theme's attributes again, unless the program set its own
    static CurWindow* detached();        // the inert window of gadgets whose window is gone
    CurInit::WinNode regLink;            // this window's place in CurInit's registry
    CurGadget* gadgetList;               // the gadgets placed in this window, newest first
    bool       themed;                   // its attributes are the theme's, not the program's
    bool       autoRedraw = false;       // setAutoRedraw
    bool       ownAttributes = false;    // setAttributes was called: themes leave it alone
    CurInit::THEME_ELEMENT themeElement = CurInit::THEME_WINDOW; // the entry last taken
};
#endif
