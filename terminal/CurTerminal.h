#ifndef VELMORA_CURTERMINAL_H
#define VELMORA_CURTERMINAL_H
// CurTerminal: the terminal in use (internal, not installed;
// CurInitTerminal.cpp): which one, TERM checks, init strings, curses on it,
// and the one place that opens the controlling terminal.
class __attribute__((visibility("hidden"))) CurTerminal {
public:
    static void openTerminal();           // picks the terminal, checks TERM, sends its init strings
    static void startCurses();            // curses on that terminal
    static void endCurses();
    // The controlling terminal, opened read and write, close-on-exec, never
    // becoming one (O_NOCTTY) and never waiting to open; checked to be a
    // terminal once open. -1 when there is none.
    static int  openTty();
    static int  tty_in, tty_out;          // descriptors of the terminal: 0 and 1, or /dev/tty
};
#endif
