#ifndef VELMORA_CURTOGGLE_H
#define VELMORA_CURTOGGLE_H
// CurToggle: a check box, or one choice of a radio group: a bracketed mark
// and a label on one row. The space bar flips it; every change of state is
// reported through the toggle callback.
#include "CurGadget.h"
#include "CurInit.h"

#include <functional>
#include <string_view>

class CurRadioBox;

class CurToggle : public CurGadget {
public:
    enum TYPE : int { RADIO = 0, CHECK = 1 };  // ( ) or [ ]; any other value draws ( )

    CurToggle(CurWindow* window);        // on, unfocused, CHECK, labelled "Toggle"
    ~CurToggle() override;               // frees the label; leaves its radio group, if any
    CurToggle(const CurToggle&) = delete; // owns its label
    CurToggle& operator=(const CurToggle&) = delete;

    void setText(const char* text, bool redraw);              // copies; null is ignored
    void setText(std::string_view text, bool redraw);
    void setType(TYPE type, bool redraw);
    void setLabelAlignment(CurInit::ALIGNMENT align, bool redraw);
    void toggle(bool state, bool redraw); // on a change: store, call back, then draw
    bool isToggled() const;
    void setToggleCB(void (*callback)(CurToggle*, void*), void* data); // replaces the previous one
    void setToggleCB(std::function<void(CurToggle*)> callback); // either form replaces the other

    // the gadget contract (the keyboard loop is CurGadget's)
    void naturalSize(int* height, int* width) const override; // one row: the mark, a blank, the label
    void draw() override;                // middle row; leaves the cursor on the mark
    bool processKey(int key) override;   // consumes the space bar only
    bool processMouse(const CurInit::MouseEvent& event) override; // a click flips it (or chooses it in a radio group) as space does

private:
    friend class CurRadioBox;            // keeps group up to date

    int labelIndent(int length) const;   // label column relative to x

    CurInit::ALIGNMENT labelAlignment;
    TYPE  type;
    bool  toggled;
    char* text;                          // own copy
    std::function<void()> toggleFunction; // either form, this gadget bound in
    CurRadioBox* callbackGroup;          // the group whose own callback is installed, or null
    CurRadioBox* group;                  // the group holding this toggle, or null; not owned
};
#endif
