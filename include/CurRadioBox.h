#ifndef VELMORA_CURRADIOBOX_H
#define VELMORA_CURRADIOBOX_H
// CurRadioBox: makes a set of toggles behave as radio buttons, exactly one
// on at a time, by taking over each member's toggle callback. It draws
// nothing and owns none of its toggles.
#include <functional>

class CurToggle;

class CurRadioBox {
public:
    CurRadioBox();
    virtual ~CurRadioBox();              // detaches its callback from every member
    CurRadioBox(const CurRadioBox&) = delete; // owns its array
    CurRadioBox& operator=(const CurRadioBox&) = delete;

    void addButton(CurToggle* toggle);   // the first member is switched on, later ones off;
                                         // a toggle leaves any other group first; null is ignored
    void setToggleCB(void (*callback)(CurToggle*, void*), void* data); // called once per new choice
    void setToggleCB(std::function<void(CurToggle*)> callback); // either form replaces the other
    CurToggle* getChosen() const;        // the member switched on; null in an empty group
    int  getChosenIndex() const;         // its index in the order of addition; -1 in an empty group
    // Switches toggle on and every other member off, each drawn when redraw
    // is true; no toggle callback of the group is called (it reports the
    // user's choices). False, and nothing changed, for a toggle not in the group.
    bool choose(CurToggle* toggle, bool redraw);
    static void toggleCB(CurToggle* toggle, void* data); // installed on every member; data is the group

private:
    friend class CurToggle;              // a destroyed toggle leaves its group
    void removeButton(CurToggle* toggle); // drops every entry of it and releases it
    void release(CurToggle* toggle);     // forgets the group and detaches the group's callback

    CurToggle** toggles;                 // exactly numToggles entries
    int         numToggles;
    bool        inCallback;              // set while the group changes its members itself
    std::function<void(CurToggle*)> toggleFunction; // either form
};
#endif
