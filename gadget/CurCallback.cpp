// CurCallback.cpp - binding and calling callbacks (gadget/): see CurCallback.h.
#include "CurCallback.h"

CurCallback::Action CurCallback::bind(void (*callback)(void*), void* data)
{
    if (callback == nullptr)
        return Action();
    return [callback, data] { callback(data); };
}

CurCallback::KeyTest CurCallback::bind(bool (*callback)(int, void*), void* data)
{
    if (callback == nullptr)
        return KeyTest();
    return [callback, data](int key) { return callback(key, data); };
}

void CurCallback::call(const Action& action)
{
    if (!action)
        return;
    Action copy = action;
    copy();
}

bool CurCallback::call(const KeyTest& test, int key, bool empty)
{
    if (!test)
        return empty;
    KeyTest copy = test;
    return copy(key);
}
