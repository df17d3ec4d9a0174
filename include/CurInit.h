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
    static void initialize();            // runs type detection when TERM is unset or empty; a second call while initialised is ignored
    static void cleanup();               // ends curses, frees the colour table; harmless when not initialised
    static bool isInitialized();

    // colour pairs
    // With NO_COLOR set and not empty no colour is shown: pairs are still handed out, pairToAttr gives 0.
    static int  addColorPair(int fg, int bg);        // 1, 2, ... up to 255 at most; 0 without colours; -1 when full
    static bool setColorPair(int pair, int fg, int bg); // false for a pair not handed out; redefines it in curses
    static int  pairToAttr(int pair);                 // pair << 8 on a colour terminal; 0 without colours or outside 0..255

    // the screen and the window registry
    static void clearScreen(int attr, int ch);        // ch 0 means the bullet of the line-drawing set
    static void addWindow(CurWindow* win);
    static void delWindow(CurWindow* win);
    static void refreshAllWindows();                  // standard screen, then every mapped window, one update
    static void killAllWindows();                     // deletes every registered window (all made with new)

    // key recording and replay, for the key reader of the toolkit's loops
    static int  replayKey();             // next key of the VELMORA_REPLAY file; -1: none (left), read the terminal
    static void recordKey(int key);      // appends the key to the VELMORA_KEYLOG file, when one is named
    static void keylogEnd();             // closes both files; the next call reads the environment again

    // colour numbers and attribute bits, set by initialize
    static int black, red, green, yellow, blue, magenta, cyan, white;
    static int standout, underline, reverse, blink, dim, bold;
    // the terminal's columns and lines when initialize ran
    static int width, height;

private:
    struct ColorPair {
        int fg;
        int bg;
    };
    struct WinNode {
        CurWindow* window;                // not owned
        WinNode*   next;
    };
    static void autodetect();             // interactive choice of TERM; returns or exits with status 1
    static bool tryTerm(const char* term);

    static bool       initialized;
    static ColorPair* col_pair;           // COLOR_PAIRS entries; entry n describes pair n
    static int        col_pair_num;       // pairs handed out so far
    static WinNode*   win_list;           // oldest first
};
#endif
