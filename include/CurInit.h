#ifndef VELMORA_CURINIT_H
#define VELMORA_CURINIT_H
// CurInit: the process-wide state of the toolkit's one curses screen. Every
// member is static: set-up and shut-down, colour pairs, colour and attribute
// values, the screen size, and the registry of live windows.
#include <cstddef>
#include <functional>
#include <string_view>

class CurWindow;
class CurGadget;

class CurInit {
public:
    // Text placement on either axis. Horizontal placement understands CENTER,
    // LEFT and RIGHT; vertical placement CENTER, TOP and BOTTOM. A value of
    // the other axis places at the left column or the top row.
    enum ALIGNMENT : int { CENTER = 0, LEFT = 1, RIGHT = 2, TOP = 3, BOTTOM = 4 };

    CurInit() {}
    virtual ~CurInit() {}

    // set-up and shut-down
    // Runs type detection when TERM is unset, empty or unknown; a second call
    // while initialised is ignored. With no terminal to draw on (see
    // findTerminal) or no usable type, the process ends: one line on standard
    // error, status 1.
    static void initialize();
    static void cleanup();               // ends curses, frees the colour table, puts signal handlers back; harmless when not initialised
    static bool isInitialized();
    static bool repaintIfResumed();      // after a stop and continue: repaints the whole screen once; true if it did
    // The terminal a session uses, as initialize chooses it (a program that
    // moves descriptors itself, such as the box program, asks the same).
    // Descriptors 0 to 2 found closed are first opened on /dev/null, so that
    // nothing opened later takes their numbers. The screen is standard output
    // when that is a terminal, the keys come from standard input when that is
    // one; in place of either that is not, the controlling terminal (/dev/tty)
    // is opened once, close-on-exec, and *opened receives it (-1: none
    // opened), for the caller to close. *screen and *keys receive the
    // descriptors, -1 for no terminal. False when there is none for the screen.
    static bool findTerminal(int* screen, int* keys, int* opened);
    // Whether the next initialize draws on the terminal's alternate screen
    // (so at first), which gives the shell's screen back at cleanup. Off,
    // boxes are drawn on the normal screen and the last image stays there.
    static void setAlternateScreen(bool on);
    static bool usesAlternateScreen();

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
    static void repaintScreen();                      // refreshAllWindows over a terminal wiped first: what others wrote there goes
    // Redraw without asking (CurInitRedraw.cpp). Off by default, on for the
    // whole session here or for single windows (CurWindow::setAutoRedraw):
    // every key reader (so every toolkit loop) draws the gadgets of each such
    // mapped window again before it waits (the window blanked, its frame and
    // title drawn, the focused gadget last), and sends the cells that changed
    // in one update. What a program wrote into such a window with curses
    // itself is blanked with the rest. redrawChanged does the same at
    // once, for a program that changes things outside a loop.
    static void setAutoRedraw(bool on);
    static bool autoRedraws();                        // on for the whole session
    static void redrawChanged();

    // Keys and events (CurInitEvents.cpp). Every toolkit loop reads its keys
    // through readKey; programs with loops of their own may too. It waits
    // (poll, no busy waiting) for a key in window (stdscr when null), a
    // watched descriptor and the next timer at once, and runs their callbacks
    // between keys. It handles these itself and returns no key for them: a
    // resize (sizes, windows, resize callback, full repaint) and Ctrl-L (12,
    // repaintScreen). It returns what wgetch returns for a key: a character
    // byte or a KEY_ code; Esc alone as 27; a key typed with Alt (Esc and the
    // key within the escape delay) as ALT plus the key. ERR when the window's
    // delay (nodelay, wtimeout) ran out, or when the input has ended in a
    // window that waits; STOP when a timer or watch callback returned true.
    // Escape sequences that the terminal's description lacks are read whole:
    // those that xterm, rxvt, the Linux console, screen and tmux send for the
    // arrows, Home, End, Insert, Delete, Page Up/Down, F1-F12 and back-tab
    // give their KEY_ codes, any other is dropped. Mouse reports come as
    // KEY_MOUSE while the mouse is on (see setMouse), else they drop too.
    static int  readKey(CurWindow* window);
    // The same reader for loops that take whole characters, as every loop
    // of the toolkit does. In a UTF-8 locale a character beyond ASCII comes
    // as WIDE_CHAR plus its code point once all its bytes are in, however
    // far apart they arrive, and each byte that belongs to no valid
    // character as WIDE_CHAR + 0xFFFD (the replacement character), before
    // the key that follows it. In any other locale it returns what readKey
    // returns. The two may be mixed: each gets a character in its own form.
    // What either reads ahead goes back into curses' input queue, so that
    // flushinp discards it with the rest of what was typed ahead.
    static int  readWideKey(CurWindow* window);
    // The one rule for what readKey's result means to a key loop, which
    // every toolkit loop follows: LOOP_KEY for a key to handle; LOOP_IDLE for
    // ERR from a window that does not wait (nodelay, or its time-out ran
    // out): no key now, go on; LOOP_END for STOP (a callback asked the loop
    // to end) and for ERR from a window that waits or an inert one (its input
    // has ended: no key can follow). A prompt read inside another loop's key
    // (the viewer's search) passes inner: a STOP it ends on is kept for the
    // loop around it, whose next readKey returns STOP at once.
    enum LOOP_STEP : int { LOOP_KEY = 0, LOOP_IDLE = 1, LOOP_END = 2 };
    static LOOP_STEP loopStep(int key, CurWindow* window, bool inner = false);
    static const int ALT  = 0x20000000;               // added to a key typed with Alt
    static const int STOP = -2;                       // a callback asked the loop to stop
    static const int WIDE_CHAR = 0x1000000;           // plus a code point: a whole character (CurGadget::WIDE_CHAR)
    static void setResizeCB(void (*callback)(void*), void* data); // after a resize, before the repaint
    static void setResizeCB(std::function<void()> callback);      // either form replaces the other
    // A repeating timer every ms milliseconds (0: at every turn of the wait,
    // after the keys waiting; the wait then never sleeps). Returns its id
    // (> 0). The callback returns true to stop the loop that is waiting.
    // cleanup drops every timer and watch.
    static int  addTimer(int ms, bool (*callback)(void*), void* data);
    static int  addTimer(int ms, std::function<bool()> callback); // -1 for an empty function
    static bool removeTimer(int id);                  // false for an unknown id; allowed inside callbacks
    // Watches fd for input: the callback runs when it is readable (and must
    // read, or it runs again at once) and returns true to stop the loop. On
    // hang-up or error it runs once more and the watch is dropped.
    static int  addWatch(int fd, bool (*callback)(int fd, void*), void* data); // id (> 0); -1 for a negative fd
    static int  addWatch(int fd, std::function<bool(int fd)> callback);
    static bool removeWatch(int id);                  // false for an unknown id; allowed inside callbacks

    // Work from other threads (CurInitPosts.cpp). post may be called from any
    // thread, at any time, initialised or not; every other member of the
    // toolkit belongs to the thread that calls initialize. The callable runs
    // on that thread at the loop's next turn, before it waits again, posts in
    // the order they were made (those of one thread in its order), each once.
    // A post made while no loop runs waits for the next one, or for runPosts.
    // Posting takes a lock held only to link the post in, and writes at most
    // one byte to a pipe: it never waits for the terminal or the loop. Posts
    // still waiting when cleanup runs are dropped (never run, their
    // functions destroyed there). A post that throws ends the loop's readKey
    // with the exception, as a timer's would; the posts after it run at the
    // next turn. A post that posts adds to the next turn, not this one.
    static bool post(void (*callback)(void*), void* data);   // false for a null callback
    static bool post(std::function<void()> callback);       // false for an empty function
    static int  runPosts();              // runs the waiting posts now, here; how many ran
    // Wakes the loop from anywhere, a signal handler included (it is
    // async-signal-safe: an atomic flag and write(2)): the wake callback
    // runs on the loop's thread at its next turn, before it waits again,
    // once however many wakes came. It returns true to stop the loop.
    static void wake();
    static void setWakeCB(bool (*callback)(void*), void* data);
    static void setWakeCB(std::function<bool()> callback);  // either form replaces the other

    // A turn for another event loop (CurInitPosts.cpp), so that the toolkit
    // runs inside libuv, GLib or a program's own poll without a thread of
    // its own. eventFd is one descriptor that becomes readable whenever
    // there is work: a key, a resize, a post, a wake or a watched descriptor
    // (-1 while not initialised); turnTimeout the milliseconds the other loop
    // may sleep before the next timer is due (-1: no timer). turn then does
    // one turn without waiting, as readWideKey does for window: resize,
    // posts, wake callback, due timers, ready watches, then the next key.
    // It returns the key (call it again until it returns ERR: keys read
    // ahead are not signalled by the descriptor), ERR for none, STOP when a
    // callback asked to stop, and BUSY, doing nothing, when called from
    // inside a callback of a running loop (a turn never nests in a loop).
    // Not initialised it returns ERR. What the turn's callbacks drew is on
    // the terminal when it returns.
    static int  eventFd();
    static int  turnTimeout();
    static int  turn(CurWindow* window);
    static const int BUSY = -5;          // turn called from inside a loop's callback

    // Key recording and replay, for the key reader of the toolkit's loops
    // (CurInitKeylog.cpp). Either file must be a regular file, not reached
    // through a symbolic link; the log, created 0600, must be the user's own
    // and not the replay file. Messages about them (a file refused, a line
    // that is no key) are held until keylogEnd, a few of them with a count.
    static int  replayKey();             // next key of the VELMORA_REPLAY file; -1: none (left), read the terminal
    static void recordKey(int key);      // appends the key to the VELMORA_KEYLOG file, when one is named
    static void recordKey(int key, bool secret); // the same; a secret character is recorded as Hidden
    static void keylogEnd();             // closes both files, writes the held messages; the next call reads the environment again
    // Secret input. A gadget that hides what is typed (a hidden line editor)
    // turns this on while it holds the focus, and off when it loses it,
    // shows its text or goes; readKey records the characters read for that
    // gadget's window as Hidden, which replays as the letter x. Null is ignored.
    static void setSecretInput(CurGadget* gadget, bool on);        // for the gadget's window now
    static void setSecretInput(const void* owner, CurWindow* window, bool on); // any owner: on again
                                                    // with another window moves it there
    static bool isSecretInput(CurWindow* window);   // an owner reading from this window has it on

    // Mouse (CurInitMouse.cpp). Off until the program asks for it, and only
    // ever on where the terminal's description knows mouse reports (its
    // key_mouse); on any other terminal nothing is written. On, the terminal
    // reports button presses, releases and the wheel, in its extended form
    // where it has one (so that columns past 223 work). While the program
    // asks for the mouse, each report of a cell on the screen comes from
    // readKey and readWideKey as KEY_MOUSE, and getMouse tells what it was;
    // motion, other buttons and cells outside the screen are read whole and
    // dropped, as every report is while it does not ask. A release on the cell
    // of its press is a click, a second click of the same button there within
    // 400 ms a double click. The terminal stops reporting at cleanup, on
    // every path the terminal guard covers, and while the program is
    // stopped; the choice itself holds for the next initialize.
    enum MOUSE_BUTTON : int { MOUSE_LEFT = 1, MOUSE_MIDDLE = 2, MOUSE_RIGHT = 3,
                              WHEEL_UP = 4, WHEEL_DOWN = 5 };
    enum MOUSE_ACTION : int { MOUSE_PRESS = 0, MOUSE_RELEASE = 1, MOUSE_CLICK = 2,
                              MOUSE_DOUBLE_CLICK = 3 };       // a wheel step is a press
    enum MOUSE_MODIFIER : int { MOUSE_SHIFT = 1, MOUSE_ALT = 2, MOUSE_CTRL = 4 };
    struct MouseEvent {
        int row;                          // the screen cell from 0 (a gadget is given
        int column;                       // it relative to its window)
        int button;                       // MOUSE_BUTTON
        int action;                       // MOUSE_ACTION
        int modifiers;                    // MOUSE_MODIFIER bits held down
    };
    // Switches reporting on or off now (when initialised) and for every
    // later initialize. True when the terminal reports the mouse afterwards.
    static bool setMouse(bool on);
    static bool usesMouse();             // the terminal reports the mouse now
    // The event the last KEY_MOUSE stood for; false, and *event untouched,
    // before the first one.
    static bool getMouse(MouseEvent* event);
    // The mapped window on top at screen cell (row, column); null for none.
    static CurWindow* windowAt(int row, int column);

    // Pasted text and focus reports (CurInitPaste.cpp). Both are off until
    // the program asks for them, and switched off again at cleanup, on every
    // path the terminal guard covers and while the program is stopped; the
    // choice holds for the next initialize.
    //
    // Bracketed paste is asked of the terminal only where its description
    // says it has it (BE and BD), or where VELMORA_PASTE is "1", which asks
    // with xterm's sequences whatever the description says and whatever the
    // program chose; VELMORA_PASTE "0" never asks. A paste then comes from
    // readKey and readWideKey as one PASTE key, its text in getPaste: the
    // bytes between the terminal's markers as they came, escape sequences
    // and all (the editors drop those). The text editor inserts it whole,
    // line ends kept; the line editor as one line, line ends as blanks;
    // every other gadget and loop ignores it, so a pasted newline presses
    // no button and moves no focus. A paste whose end marker does not come
    // within a second of silence ends there; one longer than the paste
    // limit ends at the limit, and the rest arrives as typed keys. The key
    // log records that a paste came, never its text (Hidden for a hidden
    // field); a replayed paste is empty.
    static const int PASTE = 0x1200000;      // beyond every character and Alt-free
    static const int FOCUS_IN = 0x1200001;   // the terminal's window gained the focus
    static const int FOCUS_OUT = 0x1200002;  // it lost the focus
    static bool setPaste(bool on);       // true when the terminal brackets pastes afterwards
    static bool usesPaste();
    static std::string_view getPaste();  // the last PASTE's text; valid until the next key is read
    static void setPasteLimit(size_t bytes); // 16 MiB at first; 0 restores that
    // Focus reports, on terminals whose description knows the mouse (xterm
    // and its kind) or names focus reports (fe): FOCUS_IN and FOCUS_OUT come
    // from readKey as keys, for a key callback; the toolkit's own loops ignore them.
    static bool setFocusReports(bool on); // true when the terminal reports afterwards
    static bool usesFocusReports();

    // Themes (CurInitTheme.cpp). One table holds the attribute every part of
    // the toolkit starts from: a window takes its element's entry when made,
    // a gadget draws in its elements' entries, and an attribute a program sets
    // on an object (CurWindow::setAttributes, a box's attributes when not 0,
    // CurGauge::setFillAttr, CurLogger's) wins over the theme. The entries of
    // the "default" theme are the terminal's own colours with reverse, bold
    // and underline, as the toolkit has always looked. At initialize, once
    // colours are known, VELMORA_THEME names a built-in theme and
    // VELMORA_COLORS sets single elements over it (the README gives the
    // syntax); VELMORA_DEBUG set and not empty reports what they could not
    // use on standard error. cleanup puts the default theme back.
    enum THEME_ELEMENT : int {
        THEME_SCREEN,                    // the standard screen's background
        THEME_WINDOW,                    // a window as made
        THEME_FRAME,                     // frames of windows, lists, viewers and editors
        THEME_TITLE,                     // a window's title
        THEME_LABEL,
        THEME_BUTTON,                    // reverse
        THEME_BUTTON_FOCUSED,            // reverse and bold
        THEME_CHECK_BOX,                 // check boxes and radio buttons
        THEME_CHECK_BOX_FOCUSED,         // reverse
        THEME_LIST,                      // a list's lines
        THEME_LIST_FOCUSED,              // a list's lines while it has the focus
        THEME_CURRENT_LINE,              // underline: the current line, calendar day, time field
        THEME_CURRENT_LINE_FOCUSED,      // reverse: the same while focused
        THEME_MARKED_LINE,               // a marked line of a list
        THEME_SCROLL_BAR,
        THEME_LINE_EDIT,                 // underline
        THEME_LINE_EDIT_FOCUSED,         // reverse
        THEME_TEXT_EDIT,                 // the text editor's text
        THEME_DIALOG,                    // dialogs and boxes
        THEME_BANNER,
        THEME_NOTE,
        THEME_LOG,                       // the log pane and its lines
        THEME_ERROR,                     // the log pane's error lines
        THEME_GAUGE,                     // the gauge's empty part
        THEME_GAUGE_FILL,                // reverse: its filled part
        THEME_VIEWER,                    // the viewer's text
        THEME_MATCH,                     // reverse: what the viewer's search found
        THEME_CALENDAR_HEADING,          // bold: the calendar's month and today
        THEME_MENU_BAR,                  // reverse
        THEME_MENU_BAR_FOCUSED,          // bold: the title of the open menu
        THEME_MENU,
        THEME_MENU_FOCUSED,              // reverse: the current item
        THEME_HOT_KEY,                   // underline, over the item's attribute
        THEME_DISABLED,                  // dim, over the item's attribute
        THEME_ELEMENTS                   // the number of elements
    };
    // An element outside the table is ignored (0 from getThemeAttr). The
    // attribute is what a program would give a window: bits and a colour
    // pair of its own (pairToAttr); the toolkit draws in it from then on.
    static void setThemeAttr(THEME_ELEMENT element, int attr);
    static int  getThemeAttr(THEME_ELEMENT element);
    // A built-in theme by name: "default", "classic" (white on blue, grey
    // dialogs with black text), or "whiptail" and "dialog" (the colours and
    // shapes of those two programs). False, with nothing changed, for any other
    // name. Before initialize the choice waits for it. The colour pairs a
    // theme needs are taken with addColorPair once and kept; when the
    // terminal has no colours, NO_COLOR is set or no pair is left, an element
    // falls back to the default theme's attribute with its own flags.
    static bool setTheme(const char* name);
    // The built-in theme last chosen by setTheme or VELMORA_THEME
    // ("default" at first); elements set one by one since do not change it.
    static const char* getTheme();
    // What a theme draws besides colours: the texts around a button's label,
    // the marks of check and radio lists, tees around a window's title and
    // the rule over a dialog's buttons. "default" and "classic" keep the
    // toolkit's own shapes (the values below); setTheme puts the named
    // theme's back. The texts are not copied: they must outlive their use.
    struct ThemeShapes {
        const char* buttonLeft = "";     // before a button's label
        const char* buttonRight = "";    // after it
        bool  buttonHug = false;         // the texts hug the label; else at the bar's ends
        int   buttonColumns = 0;         // the least columns a label is centred in
        const char* checkOn = "*";       // a check list row's mark, marked and not
        const char* checkOff = " ";
        const char* radioOn = "*";       // the same in a radio list (CurList::SINGLE)
        const char* radioOff = " ";
        bool  titleTees = false;         // the title between tees, a blank each side
        bool  buttonRule = true;         // the separator over a dialog's buttons
    };
    static const ThemeShapes& getThemeShapes();
    static void setThemeShapes(const ThemeShapes& shapes);
    // Sets the elements named in text, in the syntax of VELMORA_COLORS,
    // over the current theme; whiptailNames reads element and colour names
    // as whiptail reads them in NEWT_COLORS (the box program's). Returns
    // the number of elements set; what is not understood is skipped.
    static int  setThemeColors(const char* text, bool whiptailNames = false);
    static const char* themeElementName(THEME_ELEMENT element); // as VELMORA_COLORS names it; null outside
    // An attribute drawn over another: over's colour pair when it has one,
    // under's otherwise, and the other bits of both.
    static int  mixAttr(int under, int over);

    // colour numbers and attribute bits, set by initialize
    static int black, red, green, yellow, blue, magenta, cyan, white;
    static int standout, underline, reverse, blink, dim, bold;
    // the terminal's columns and lines, kept up to date by readKey on a resize
    static int width, height;

    // The registry's link, held inside each window so that adding and
    // removing one costs the same whatever the number of windows.
    struct WinNode {
        CurWindow* window;                // null while the window is not registered
        WinNode*   prev;
        WinNode*   next;
    };
};
#endif
