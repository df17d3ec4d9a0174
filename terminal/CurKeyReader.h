#ifndef VELMORA_CURKEYREADER_H
#define VELMORA_CURKEYREADER_H
// CurKeyReader: the one key reader and loop rule (internal, not installed;
// CurInitEvents.cpp). It reads from a curses window and knows no CurWindow:
// the window floor's CurInit::readKey hands it the window's curses window.
#include "CurInit.h"

#include <vector>

typedef struct _win_st WINDOW;

class __attribute__((visibility("hidden"))) CurKeyReader {
public:
    static void startEvents(int keyFd);   // escape delay, resize signal; keyFd is where keys arrive
    static void stopEvents();
    static void followResize();           // new size, windows fitted, callback, repaint
    // readKey from curses window w (stdscr for none, null for an inert
    // window: no key), or readWideKey when whole; reader is the window whose
    // secret input counts.
    static int  readKeyAs(WINDOW* w, const CurWindow* reader, bool whole);
    static int  rawKey(WINDOW* w, bool* replayed); // a key before characters are put together
    // w is about to be freed: a read waiting on it ends on STOP once the
    // callback that freed it returns, and never touches it again.
    static void windowGone(WINDOW* w);
    // The next read returns STOP at once, without reading: a loop that ends
    // on a key of its own (Esc) ends the toolkit's loop running it this way.
    static void stopNextRead();
    static CurInit::LOOP_STEP loopStep(int key, WINDOW* w, bool inner); // CurInit::loopStep
    static bool turning;                  // a turn runs: one look at everything, no wait
    static bool inLoop();                 // a readKey runs (its callbacks are running)
    // The descriptors the reader polls, the wake pipe aside: the keys, the
    // resize pipe, then each watch's.
    static void eventFds(std::vector<int>* fds);
    static int  timerWait();              // milliseconds to the next timer; -1: none
};
#endif
