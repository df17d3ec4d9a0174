#ifndef VELMORA_CURINIT_H
#define VELMORA_CURINIT_H
// CurInit: the process-wide state of the toolkit's one curses screen. Every
// member is static: set-up and shut-down, colour pairs, colour and attribute
// values, the screen size, and the registry of live windows.
class CurWindow;

class CurInit {
public:
    // Text placement on either axis. Horizontal placement understands CENTER,
    // LEFT and RIGHT; vertical placement CENTER, TOP and BOTTOM. A value of
    // the other axis places at the left column or the top row.
    enum ALIGNMENT : int { CENTER = 0, LEFT = 1, RIGHT = 2, TOP = 3, BOTTOM = 4 };

    CurInit() {}
    virtual ~CurInit() {}

    // set-up and shut-down
    static void initialize();            // runs type detection when TERM is unset, empty or unknown; a second call while initialised is ignored
    static void cleanup();               // ends curses, frees the colour table, puts signal handlers back; harmless when not initialised
    static bool isInitialized();
    static void afterInterrupt();        // for a loop whose key read a signal interrupted: clears curses' input
                                         // state, and repaints the whole screen after a stop and continue

    // colour pairs
    static int  addColorPair(int fg, int bg);        // 1, 2, ... up to 255 at most; 0 without colours; -1 when full
    static bool setColorPair(int pair, int fg, int bg); // false for a pair not handed out; redefines it in curses
    static int  pairToAttr(int pair);                 // pair << 8 on a colour terminal; 0 without colours or outside 0..255

    // the screen and the window registry
    static void clearScreen(int attr, int ch);        // ch 0 means the bullet of the line-drawing set
    static void addWindow(CurWindow* win);
    static void delWindow(CurWindow* win);
    static void refreshAllWindows();                  // standard screen, then every mapped window, one update
    static void killAllWindows();                     // deletes every registered window (all made with new)

    // colour numbers and attribute bits, set by initialize
    static int black, red, green, yellow, blue, magenta, cyan, white;
    static int standout, underline, reverse, blink, dim, bold;
    // the terminal's columns and lines when initialize ran
    static int width, height;

    // The registry's link, held inside each window so that adding and
    // removing one costs the same whatever the number of windows.
    struct WinNode {
        CurWindow* window;                // null while the window is not registered
        WinNode*   prev;
        WinNode*   next;
    };

private:
    struct ColorPair {
        int fg;
        int bg;
    };
    static void autodetect();             // interactive choice of TERM; returns or exits with status 1
    static bool tryTerm(const char* term);
    // the terminal in use and its guard (CurInitTerminal.cpp, CurInitGuard.cpp)
    static void openTerminal();           // picks the terminal, checks TERM, sends its init strings
    static void startCurses();            // curses on that terminal
    static void endCurses();
    static void guardTerminal();          // saves the modes, installs the handlers
    static void releaseTerminal();        // puts the handlers back
    static int  tty_in, tty_out;          // descriptors of the terminal: 0 and 1, or /dev/tty

    static bool       initialized;
    static ColorPair* col_pair;           // COLOR_PAIRS entries; entry n describes pair n
    static int        col_pair_num;       // pairs handed out so far
    static WinNode*   win_list;           // oldest first
    static WinNode*   win_last;           // newest
};
#endif
