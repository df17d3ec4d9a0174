#ifndef VELMORA_CURTERMGUARD_H
#define VELMORA_CURTERMGUARD_H
// CurTermGuard: the terminal given back on signals, stops and exits
// (internal, not installed; CurInitGuard.cpp), through the session's steps.
class __attribute__((visibility("hidden"))) CurTermGuard {
public:
    static void guardTerminal();          // saves the modes, installs the handlers
    static void releaseTerminal();        // puts the handlers back
    static void restoreStartModes();      // the guard's forms of the terminal step: the modes
    static void restoreProgramModes();    // found at set-up, and those the program had at the stop
    static void repaintLater();           // the picture is redrawn at the next key read
};
#endif
