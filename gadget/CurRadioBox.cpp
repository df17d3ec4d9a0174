// CurRadioBox.cpp - the radio group (gadget/): links the states of its
// toggles through their toggle callbacks so that exactly one of them is on.
#include "CurRadioBox.h"
#include "CurToggle.h"

CurRadioBox::CurRadioBox()
    : toggles(nullptr), numToggles(0), inCallback(false)
{
}

// The members outlive the group as plain toggles: their callback no longer
// names the group, so a later change of state never reaches a dead object.
CurRadioBox::~CurRadioBox()
{
    for (int i = 0; i < numToggles; i++)
        release(toggles[i]);
    delete[] toggles;
}

// A callback the application set on the toggle since it joined is kept.
void CurRadioBox::release(CurToggle* toggle)
{
    toggle->group = nullptr;
    if (toggle->callbackGroup == this)
        toggle->setToggleCB(nullptr, nullptr);
}

// The new member's state is set while it still has its previous callback,
// which thus sees the switch to off; only then does the group take over.
void CurRadioBox::addButton(CurToggle* toggle)
{
    if (toggle == nullptr)
        return;
    CurToggle** grown = new CurToggle*[numToggles + 1];
    if (toggle->group != nullptr && toggle->group != this)
        toggle->group->removeButton(toggle);
    for (int i = 0; i < numToggles; i++)
        grown[i] = toggles[i];
    grown[numToggles++] = toggle;
    delete[] toggles;
    toggles = grown;
    toggle->group = this;

    toggle->toggle(numToggles == 1, true);
    toggle->setToggleCB(toggleCB, this);
    toggle->setType(CurToggle::RADIO, true);
}

void CurRadioBox::removeButton(CurToggle* toggle)
{
    int kept = 0;
    for (int i = 0; i < numToggles; i++)
        if (toggles[i] != toggle)
            kept++;
    if (kept < numToggles) {
        CurToggle** shrunk = kept > 0 ? new CurToggle*[kept] : nullptr;
        int n = 0;
        for (int i = 0; i < numToggles; i++)
            if (toggles[i] != toggle)
                shrunk[n++] = toggles[i];
        delete[] toggles;
        toggles = shrunk;
        numToggles = kept;
    }
    release(toggle);
}

void CurRadioBox::setToggleCB(void (*callback)(CurToggle*, void*), void* data)
{
    if (callback == nullptr)
        toggleFunction = nullptr;
    else
        toggleFunction = [callback, data](CurToggle* toggle) { callback(toggle, data); };
}

void CurRadioBox::setToggleCB(std::function<void(CurToggle*)> callback)
{
    toggleFunction = std::move(callback);
}

int CurRadioBox::getChosenIndex() const
{
    for (int i = 0; i < numToggles; i++)
        if (toggles[i]->isToggled())
            return i;
    return -1;
}

CurToggle* CurRadioBox::getChosen() const
{
    int i = getChosenIndex();
    return i < 0 ? nullptr : toggles[i];
}

// The members' own callbacks are the group's, which the guard keeps quiet.
bool CurRadioBox::choose(CurToggle* toggle, bool redraw)
{
    int index = -1;
    for (int i = 0; i < numToggles; i++)
        if (toggles[i] == toggle)
            index = i;
    if (index < 0)
        return false;
    bool outer = inCallback;
    inCallback = true;
    for (int i = 0; i < numToggles; i++)
        toggles[i]->toggle(i == index, redraw);
    inCallback = outer;
    return true;
}

namespace {
// Clears the group's guard however its callback ends, a throw included.
struct Guard {
    bool& flag;
    ~Guard() { flag = false; }
};
}  // namespace

// Called by a member after its state changed. The changes the group makes
// here call back into it again; the guard lets those pass untreated, and so
// also a change that the application's callback makes to another member.
void CurRadioBox::toggleCB(CurToggle* toggle, void* data)
{
    CurRadioBox* box = (CurRadioBox*)data;
    if (box->inCallback)
        return;
    box->inCallback = true;
    Guard guard{box->inCallback};
    if (!toggle->isToggled()) {
        toggle->toggle(true, true);     // the chosen one cannot be switched off
    } else {
        for (int i = 0; i < box->numToggles; i++)
            if (box->toggles[i] != toggle)
                box->toggles[i]->toggle(false, true);
        // Through a copy, as CurCallback::call does: it may replace itself.
        std::function<void(CurToggle*)> call = box->toggleFunction;
        if (call)
            call(toggle);
    }
}
