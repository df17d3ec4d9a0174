#ifndef VELMORA_CURTIMEEDIT_H
#define VELMORA_CURTIMEEDIT_H
// CurTimeEdit: a time of day on the 24-hour clock as three fields, "hh:mm:ss".
// Left and Right move between the fields, Up and Down step the current one
// (wrapping within it: 59 seconds go up to 0), and digits type it.
#include "CurGadget.h"

#include <functional>

class CurTimeEdit : public CurGadget {
public:
    enum FIELD : int { HOURS = 0, MINUTES = 1, SECONDS = 2 };

    CurTimeEdit(CurWindow* window);      // 00:00:00, hours current, focused; keypad mode on
    ~CurTimeEdit() override;
    CurTimeEdit(const CurTimeEdit&) = delete;
    CurTimeEdit& operator=(const CurTimeEdit&) = delete;

    // False, the time unchanged, for a value outside 0-23, 0-59, 0-59.
    bool  setTime(int hours, int minutes, int seconds, bool redraw);
    void  getTime(int* hours, int* minutes, int* seconds) const; // any pointer may be null
    void  setField(FIELD field, bool redraw); // the current field; others are ignored
    FIELD getField() const;
    // Called after every change of the time; either form replaces the other.
    void setChangeCB(void (*callback)(CurTimeEdit*, void*), void* data);
    void setChangeCB(std::function<void()> callback); // the same, not told which gadget
    void setChangeCB(std::function<void(CurTimeEdit*)> callback);
    // Tab moves to the next field and is left to the form at the seconds;
    // the focus arriving starts at the hours. Off at first (Tab leaves).
    void setTabFields(bool on);

    // the gadget contract (the keyboard loop is CurGadget's)
    void draw() override;                // the fields centred in the middle row; cursor on the current one
    // Up and Down step the current field; a digit types into it: the first
    // digit replaces the value, a second one that keeps it in range joins
    // it and moves on to the next field. Left and Right move between the
    // fields and are left to the caller at the first and last one, so that
    // a form moves the focus on them.
    bool processKey(int key) override;
    // A click makes the field under it current; the wheel steps the current one.
    bool processMouse(const CurInit::MouseEvent& event) override;
    void acceptFocus(bool redraw) override; // also forgets a first digit typed
    bool takesTab() const override;      // with setTabFields, before the seconds

private:
    void step(int by);
    void typeDigit(int digit);
    void changed();
    void repaint();
    int  left() const;                   // the column of the first field

    int   values[3];
    FIELD field;
    bool  typed;                         // a first digit was typed into the current field
    bool  tabFields = false;
    std::function<void()> changeFunction; // either form, this gadget bound in
};
#endif
