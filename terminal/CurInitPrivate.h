#ifndef VELMORA_CURINITPRIVATE_H
#define VELMORA_CURINITPRIVATE_H
// CurInitPrivate: what the parts of CurInit share that no program sees
// (internal, not installed): the session's steps and state, the terminal in
// use and its guard, the events, the colour table and the window registry.
#include "CurInit.h"
#include "CurKeys.h"

#include <csignal>
#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <vector>

// Hidden from the library's exports: programs cannot reach it, and the
// loader has none of its symbols to look up at start.
class __attribute__((visibility("hidden"))) CurInitPrivate {
public:
    // The session (CurInit.cpp) is one list of steps. initialize takes them
    // in order; cleanup undoes the ones taken, the last first. The guard
    // (CurInitGuard.cpp) gives the same ones back, the last first, on a
    // signal, a crash, and exit or std::terminate without cleanup; on a stop
    // (SIGTSTP) it gives them back and, when the process continues, takes
    // them up again in order. It does so inside signal handlers, so its forms
    // of a step are async-signal-safe: bytes prepared in advance, written
    // with write(2), and functions that do no more than tcsetattr and set
    // flags: no malloc, no stdio, no curses.
    //
    // Adding a step (mouse reporting switched on in the terminal, say) takes
    // one entry in the session's table and its functions:
    //   take:    switches it on;
    //   undo:    switches it off the ordinary way;
    //   prepare: fills the bytes that switch it off and on (prepare(), from
    //            capability values or literal bytes);
    //   entry:   {take, undo, prepare, &offBytes, &onBytes, nullptr, nullptr},
    //            placed where its bytes belong: the guard writes the last
    //            entry's first when it gives the terminal back.
    // Every step's prepare runs as the guard is set up, before curses
    // starts, with the terminal's description loaded: curses' own output
    // would pad differently, and a handler must never need the description.
    struct Prepared {
        char   bytes[256];
        size_t length;                    // 0 until prepared
    };
    struct Step {
        void (*take)();                   // by initialize, in table order
        void (*undo)();                   // by cleanup, in reverse
        void (*prepare)();                // by the guard's set-up, for the two below
        const Prepared* leaveBytes;       // written by the guard when it gives the step back,
        const Prepared* enterBytes;       // and when it takes it up again after a stop
        void (*leave)();                  // async-signal-safe: after leaveBytes
        void (*enter)();                  // async-signal-safe: before enterBytes
    };                                    // any member may be null
    static const Step session[];
    static const int  sessionSteps;
    static volatile sig_atomic_t stepsTaken;  // session[0 .. stepsTaken - 1] are taken: counted
                                              // once taken, no longer before their undo
    // Empties to, then appends each value through tputs (with the padding the
    // terminal needs; literal bytes stay as they are). A null or cancelled
    // capability adds nothing; what does not fit is cut.
    static void prepare(Prepared* to, std::initializer_list<const char*> values);
    static void writePrepared(const Prepared* bytes); // async-signal-safe; to the terminal in use

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
    static void restoreStartModes();      // the guard's forms of the terminal step: the modes
    static void restoreProgramModes();    // found at set-up, and those the program had at the stop
    static void repaintLater();           // the picture is redrawn at the next key read
    static int  tty_in, tty_out;          // descriptors of the terminal: 0 and 1, or /dev/tty

    // A window going moves the secret input read from it to the window its
    // gadgets move to (CurInitKeylog.cpp), so a hidden editor stays hidden.
    static void moveSecretInput(CurWindow* from, CurWindow* to);

    // The Esc that stops a long task reading keys between stretches of work
    // (the viewer's search) is read past the loops' reader: the task records
    // it, and asks the replay for it, here (CurInitKeylog.cpp).
    static void recordInterrupt();
    static bool replayInterrupt();        // the replay's next key is that Esc: taken, true

    // events and keys (CurInitEvents.cpp)
    static void startEvents(int keyFd);   // escape delay, resize signal; keyFd is where keys arrive
    static void stopEvents();
    static void followResize();           // new size, windows fitted, callback, repaint
    static int  readKeyAs(CurWindow* window, bool whole);  // readKey, or readWideKey when whole
    static int  rawKey(CurWindow* window, bool* replayed); // a key before characters are put together
    static bool turning;                  // a turn runs: one look at everything, no wait
    static bool inLoop();                 // a readKey runs (its callbacks are running)
    // The descriptors the reader polls (CurInitEvents.cpp), the wake pipe
    // aside: the keys, the resize pipe, then each watch's.
    static void eventFds(std::vector<int>* fds);
    static int  timerWait();              // milliseconds to the next timer; -1: none

    // posts, wakes and turns (CurInitPosts.cpp)
    static int  wakeFd();                 // the wake pipe's end to poll; -1 if none could be made
    static bool takePosts();              // the posts waiting, then the wake callback: true to stop
    static void dropPosts();              // at cleanup
    static void watchesChanged();         // the turn's descriptor follows the watches

    // the mouse (CurInitMouse.cpp), a step of the session
    static void startMouse();             // reporting on when the program asked for it
    static void stopMouse();              // reporting off; the program's choice is kept
    static void prepareMouse();           // the bytes below, empty for a terminal without a mouse
    static void leaveMouse();             // the guard's forms: reporting off while it is on,
    static void enterMouse();             // and on again after a stop
    // The event a report makes: KEY_MOUSE with the event kept for getMouse,
    // or CurKeys::DROPPED for a report that stands for none.
    static int  mouseEvent(const CurKeys::MouseReport& report);
    static void setMouseEvent(const CurInit::MouseEvent& event);   // a replayed one
    static volatile sig_atomic_t mouseReporting;  // the terminal reports: off is due on leaving

    // pasted text and focus reports (CurInitPaste.cpp), a step of the session
    static void startInputModes();        // bracketed paste and focus reports, as asked for
    static void stopInputModes();
    static void prepareInputModes();      // the bytes that switch them on and off
    static void leaveInputModes();        // the guard's forms
    static void enterInputModes();
    static volatile sig_atomic_t pasteBracketing, focusReporting;
    // After the paste's start marker: its text, read straight from fd up to
    // the end marker (or the limit, or a second of silence); returns PASTE.
    static int  readPaste(int fd);
    static int  typedAhead();             // a byte read past a paste, to be read as typed; -1: none
    static void clearPaste();             // a replayed paste has no text

    // themes (CurInitTheme.cpp)
    static void readTheme();              // VELMORA_THEME and VELMORA_COLORS, before the terminal is taken
    static void flushThemeMessages();     // what they could not use, once the terminal is given back
    static void takeTheme();              // once colours are known: the theme's attributes and pairs
    static void dropTheme();              // the default theme again
    // An element's colours (-1: the terminal's own) and bits as the colour
    // text names them (CurInitThemeColors.cpp), and what it could not use.
    static void wishTheme(CurInit::THEME_ELEMENT element, short fg, short bg, int flags);
    static void reportTheme(const char* what, std::string_view text);

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
