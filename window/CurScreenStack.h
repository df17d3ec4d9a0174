#ifndef VELMORA_CURSCREENSTACK_H
#define VELMORA_CURSCREENSTACK_H
// CurScreenStack: the screen's stack of windows (internal, not installed):
// every live window, oldest at the bottom, through the link each window
// holds. It repaints them, finds the one on top at a cell and fits them to
// a new terminal size, as the screen's owner for the terminal floor.
#include "CurInit.h"
#include "CurScreenOwner.h"

class __attribute__((visibility("hidden"))) CurScreenStack final : public CurScreenOwner {
public:
    // A window's link (its regLink, which CurInit reaches) joins the stack
    // on top, where a window added again moves; one not in it is ignored.
    static void add(CurInit::WinNode* link, CurWindow* win);
    static void remove(CurInit::WinNode* link);
    static void refreshAll();            // standard screen, then every mapped window, one update
    static void killAll();               // deletes every window in the stack (all made with new)
    static CurWindow* at(int row, int column); // the mapped window on top at the cell; null for none
    static CurInit::WinNode* lowest() { return bottom; } // the oldest, for walking up the stack

    // the screen's owner
    void repaint() override;
    void keepContents() override;
    void fitScreen() override;
    void retheme() override;

private:
    static CurInit::WinNode* bottom;     // oldest
    static CurInit::WinNode* top;        // newest
};
#endif
