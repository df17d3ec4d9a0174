#ifndef VELMORA_CURSYNCFRAME_H
#define VELMORA_CURSYNCFRAME_H
// CurSyncFrame: synchronized output (internal, not installed). A terminal
// that supports it (mode 2026) holds what it is sent between the begin and
// the end of a frame and shows the frame at once, never half drawn. It is
// used where the terminal's description has the synchronized-output
// capability (the extended string Sync) or VELMORA_SYNC forces it ("1" on,
// "0" off), and never otherwise. A step of the session (CurInit.cpp): the
// guard writes the end when it gives the terminal back, so a frame cut off
// by a signal or a crash never leaves the terminal holding its output.
#include "CurTermSession.h"

typedef struct _win_st WINDOW;

class __attribute__((visibility("hidden"))) CurSyncFrame {
public:
    // the session step
    static void prepare();                // decides, and fills the begin and the end
    static void take();                   // frames synchronized from here on, if decided
    static void undo();                   // and no longer
    static CurTermSession::Prepared end;  // empty unless synchronized output is used

    // doupdate, as one synchronized frame when in use
    static void update();
    // Before a key is read from w: the refresh curses would make inside
    // wgetch made here instead, as a frame (nothing when not in use).
    static void beforeRead(WINDOW* w);
};
#endif
