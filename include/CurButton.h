#ifndef VELMORA_CURBUTTON_H
#define VELMORA_CURBUTTON_H
// CurButton: a one-row push button in reverse video with a centred text,
// bold while focused. Enter or space activates it: the activated flag rises
// and the activation callback, if any, is called.
#include "CurGadget.h"

class CurButton : public CurGadget {
public:
    CurButton(CurWindow* window);        // text "OK", unfocused, not activated, no callback
    virtual ~CurButton();

    void        setText(const char* text, bool redraw); // copies; null is ignored
    const char* getText() const;         // valid until the next setText
    void        setActivateCB(void (*callback)(void*), void* data); // null switches it off
    bool        isActivated() const;
    void        reset();                 // clears the activated flag; draws nothing

    // the gadget contract (the keyboard loop is CurGadget's)
    virtual void draw();                 // middle row; leaves the cursor right after the text
    virtual bool processKey(int key);    // consumes Enter (13) and space (32)
    virtual void acceptFocus(bool redraw);
    virtual void loseFocus(bool redraw);

private:
    bool  focused;
    bool  activated;
    char* text;                          // own copy
    void (*activateCallback)(void*);
    void* activateData;
};
#endif
