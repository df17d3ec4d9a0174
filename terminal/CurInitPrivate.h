#ifndef VELMORA_CURINITPRIVATE_H
#define VELMORA_CURINITPRIVATE_H
// CurInitPrivate: what the parts of CurInit share that no program sees
// (internal, not installed): the session's steps and state, the terminal in
// use and its guard, the events, the colour table and the window registry.
#include "CurInit.h"
#include "CurKeys.h"

#include <csignal>

class CurInitPrivate {
public:
    // terminal type detection (CurInitDetect.cpp)
    static void autodetect();             // interactive choice of TERM; returns or exits with status 1
    static bool tryTerm(const char* term);
    // Detection asks, in a child drawing with the candidate type, whether
    // the screen looks right: the box that asks lives above terminal/, in
    // focus/, which sets this hook. True for "Yes"; with no hook set no
    // candidate can be accepted.
    static bool (*askTerminal)(const char* question, const char* title, int attributes);

    // the terminal in use and its guard (CurInitTerminal.cpp, CurInitGuard.cpp)
    static void openTerminal();           // picks the terminal, checks TERM, sends its init strings
    static void startCurses();            // curses on that terminal
    static void endCurses();
    static void guardTerminal();          // saves the modes, installs the handlers
    static void releaseTerminal();        // puts the handlers back
    static int  tty_in, tty_out;          // descriptors of the terminal: 0 and 1, or /dev/tty

    // events and keys (CurInitEvents.cpp)
    static void startEvents(int keyFd);   // escape delay, resize signal; keyFd is where keys arrive
    static void stopEvents();
    static void followResize();           // new size, windows fitted, callback, repaint
    static int  readKeyAs(CurWindow* window, bool whole);  // readKey, or readWideKey when whole
    static int  rawKey(CurWindow* window, bool* replayed); // a key before characters are put together

    // the mouse (CurInitMouse.cpp)
    static void startMouse();             // reporting on when the program asked for it
    static void stopMouse();              // reporting off; the program's choice is kept
    // The event a report makes: KEY_MOUSE with the event kept for getMouse,
    // or CurKeys::DROPPED for a report that stands for none.
    static int  mouseEvent(const CurKeys::MouseReport& report);
    static void setMouseEvent(const CurInit::MouseEvent& event);   // a replayed one
    static const char MOUSE_ON[];         // what the terminal is sent
    static const char MOUSE_OFF[];
    static volatile sig_atomic_t mouseReporting;  // for the guard: MOUSE_OFF is due on leaving

    // the session's state (CurInit.cpp)
    struct ColorPair {
        int fg;
        int bg;
    };
    static bool              initialized;
    static ColorPair*        col_pair;    // COLOR_PAIRS entries; entry n describes pair n
    static int               col_pair_num; // pairs handed out so far
    static CurInit::WinNode* win_list;    // oldest first
    static CurInit::WinNode* win_last;    // newest
};
#endif
