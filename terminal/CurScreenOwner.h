#ifndef VELMORA_CURSCREENOWNER_H
#define VELMORA_CURSCREENOWNER_H
// CurScreenOwner: what the terminal floor asks of the floor that owns what is
// drawn on the screen (internal, not installed). The terminal knows the curses
// screen and its size and no window: on a repaint and around a resize it hands
// over to the owner, which the window floor sets as its first window is made.
// Before that the standard screen is all there is.
class __attribute__((visibility("hidden"))) CurScreenOwner {
public:
    virtual void repaint() = 0;          // the standard screen, then every mapped window, one update
    virtual void keepContents() = 0;     // before curses takes a new size
    virtual void fitScreen() = 0;        // after it
    virtual void retheme() = 0;          // the theme changed: windows not given attributes take it
    static inline CurScreenOwner* owner = nullptr;

protected:
    ~CurScreenOwner() = default;
};
#endif
