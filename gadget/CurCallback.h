#ifndef VELMORA_CURCALLBACK_H
#define VELMORA_CURCALLBACK_H
// CurCallback.h - the one rule for callbacks (gadget/, internal, not installed).
// Every callback setter takes two forms: a function pointer with user data,
// and a std::function taking the same arguments less the user data. Either
// form is stored as one std::function (the gadget binds its own pointer in
// when the callback receives it), so there is one member per callback and
// one place that calls it. A call always runs a copy: a callback may replace
// or clear itself, or destroy the object holding it, while it runs; the
// caller must then not touch that object after the call returns.
#include <functional>

class CurCallback {
public:
    using Action = std::function<void()>;      // a notification
    using KeyTest = std::function<bool(int)>;  // a key offered; true when taken

    static Action  bind(void (*callback)(void*), void* data);     // empty for a null callback
    static KeyTest bind(bool (*callback)(int, void*), void* data); // empty for a null callback
    static void    call(const Action& action);                     // nothing when empty
    static bool    call(const KeyTest& test, int key, bool empty); // empty's value when empty
};
#endif
