#ifndef VELMORA_CURWINDOWTENANTS_H
#define VELMORA_CURWINDOWTENANTS_H
// CurWindowTenants: what a window holds placed in it, as the window floor
// sees it (internal, not installed). A window keeps the list of its gadgets
// but knows nothing of gadgets: a window going tells the floor that places
// them, which moves them to the inert window. Set by the first gadget made,
// so a window with a gadget in its list always has one to tell.
class CurWindow;

class __attribute__((visibility("hidden"))) CurWindowTenants {
public:
    virtual void windowGone(CurWindow* gone, CurWindow* inert) = 0;
    virtual void drawAll(CurWindow* window) = 0;  // every gadget, oldest first, the focused one last
    virtual void refit(CurWindow* window) = 0;    // every gadget given its rectangle again, cut at the frame
    static inline CurWindowTenants* tenants = nullptr;

protected:
    ~CurWindowTenants() = default;
};
#endif
