#ifndef VELMORA_CURINITPRIVATE_H
#define VELMORA_CURINITPRIVATE_H
// CurInitPrivate: what the parts of CurInit share that no program sees
// (internal, not installed): the session's steps and state, the terminal in
// use and its guard, the events, the colour table and the window registry.
#include "CurInit.h"

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

    // themes (CurInitTheme.cpp)
    static void readTheme();              // VELMORA_THEME and VELMORA_COLORS, before the terminal is taken
    static void flushThemeMessages();     // what they could not use, once the terminal is given back
    static void takeTheme();              // once colours are known: the theme's attributes and pairs
    static void dropTheme();              // the default theme again

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
