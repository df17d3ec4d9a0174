#ifndef VELMORA_CURBUTTON_H
#define VELMORA_CURBUTTON_H
// CurButton: a one-row push button in reverse video with a centred text,
// bold while focused (the theme's THEME_BUTTON and THEME_BUTTON_FOCUSED). Enter or space activates it: the activated flag rises
// and the activation callback, if any, is called.
#include "CurGadget.h"

#include <functional>
#include <string_view>

typedef struct _win_st WINDOW;

class CurButton : public CurGadget {
public:
    CurButton(CurWindow* window);        // text "OK", unfocused, not activated, no callback
    ~CurButton() override;
    CurButton(const CurButton&) = delete; // owns its text
    CurButton& operator=(const CurButton&) = delete;

    void        setText(const char* text, bool redraw); // copies; null is ignored
    void        setText(std::string_view text, bool redraw);
    const char* getText() const;         // valid until the next setText
    void        setActivateCB(void (*callback)(void*), void* data); // null switches it off
    void        setActivateCB(std::function<void()> callback);       // either form replaces the other
    bool        isActivated() const;
    void        reset();                 // clears the activated flag; draws nothing

    // the gadget contract (the keyboard loop is CurGadget's)
    void naturalSize(int* height, int* width) const override; // one row: the text and a blank each side
    void draw() override;                // middle row; leaves the cursor right after the text
    bool processKey(int key) override;   // consumes Enter (13) and space (32)
    bool processMouse(const CurInit::MouseEvent& event) override; // a click presses it as space does

private:
    void drawText(WINDOW* w, int row, int from, int cols, int attr);
    void drawBracket(WINDOW* w, int row, int col, const char* bracket, int attr);
    bool  activated;
    char* text;                          // own copy
    std::function<void()> activateFunction; // either form of the activation callback
};
#endif
