#ifndef VELMORA_CURWAITHOOKS_H
#define VELMORA_CURWAITHOOKS_H
// CurWaitHooks: what runs before a window's key reader waits (internal, not
// installed; CurWaitHooks.cpp). Layouts (focus/) follow what moved, then the
// windows redrawn without asking are drawn again. The layouts hook
// themselves in with their first one, and are told of every window, gadget
// and focuser that goes.
class CurWindow;

class __attribute__((visibility("hidden"))) CurWaitHooks {
public:
    static void beforeWait(CurWindow* reading);  // reading: the window read from, null for none
    static void afterResize();                   // the layouts follow a new terminal size
    static void gone(const void* object);        // a window, gadget or focuser going
    static inline void (*layouts)(CurWindow* reading) = nullptr;
    static inline void (*forget)(const void* object) = nullptr;
    static inline bool autoRedrawAll = false;     // CurInit::setAutoRedraw
};
#endif
