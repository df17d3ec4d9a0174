#ifndef VELMORA_CURGADGETWATCH_H
#define VELMORA_CURGADGETWATCH_H
// CurGadgetWatch: who holds gadgets without owning them, as the gadget floor
// sees it (internal, not installed). A gadget going tells it, so that no
// form keeps a pointer to it; the focus floor sets it with its first
// focuser, before any form can hold a gadget.
class CurGadget;

class __attribute__((visibility("hidden"))) CurGadgetWatch {
public:
    virtual void gadgetGone(CurGadget* gadget) = 0;
    static inline CurGadgetWatch* watch = nullptr;

protected:
    ~CurGadgetWatch() = default;
};
#endif
