#ifndef VELMORA_CURPASTE_H
#define VELMORA_CURPASTE_H
// CurPaste: bracketed paste and focus reports (internal, not installed;
// CurInitPaste.cpp), a step of the session, and a paste read whole once the
// key reader has seen its start marker.
#include <csignal>

class __attribute__((visibility("hidden"))) CurPaste {
public:
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
};
#endif
