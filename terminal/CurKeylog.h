#ifndef VELMORA_CURKEYLOG_H
#define VELMORA_CURKEYLOG_H
// CurKeylog: recording and replaying keys, and secret input (internal, not
// installed; CurInitKeylog.cpp), for what the public CurInit functions leave out.
class CurWindow;

class __attribute__((visibility("hidden"))) CurKeylog {
public:
    // A window going moves the secret input read from it to the window its
    // gadgets move to, so a hidden editor stays hidden.
    static void moveSecretInput(CurWindow* from, CurWindow* to);
    // The Esc that stops a long task reading keys between stretches of work
    // (the viewer's search) is read past the loops' reader: the task records
    // it, and asks the replay for it, here.
    static void recordInterrupt();
    static bool replayInterrupt();        // the replay's next key is that Esc: taken, true
};
#endif
