#ifndef VELMORA_CURRADIOBOX_H
#define VELMORA_CURRADIOBOX_H
// CurRadioBox: makes a set of toggles behave as radio buttons, exactly one
// on at a time, by taking over each member's toggle callback. It draws
// nothing and owns none of its toggles.
class CurToggle;

class CurRadioBox {
public:
    CurRadioBox();
    virtual ~CurRadioBox();              // detaches its callback from every member

    void addButton(CurToggle* toggle);   // the first member is switched on, later ones off;
                                         // a toggle leaves any other group first; null is ignored
    void setToggleCB(void (*callback)(CurToggle*, void*), void* data); // called once per new choice
    static void toggleCB(CurToggle* toggle, void* data); // installed on every member; data is the group

private:
    friend class CurToggle;              // a destroyed toggle leaves its group
    void removeButton(CurToggle* toggle); // drops every entry of it and releases it
    void release(CurToggle* toggle);     // forgets the group and detaches the group's callback

    CurToggle** toggles;                 // exactly numToggles entries
    int         numToggles;
    bool        inCallback;              // set while the group changes its members itself
    void (*toggleCallback)(CurToggle*, void*);
    void*       toggleData;
};
#endif
