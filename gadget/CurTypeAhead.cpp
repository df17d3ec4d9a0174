// CurTypeAhead.cpp - the type-ahead text shared by the list, the table and
// the tree (gadget/): which keys type, and when the text starts afresh.
#include "CurTypeAhead.h"

#include "CurGadget.h"
#include "CurText.h"

#include <chrono>

bool curTypeAhead(int key, std::string& typed, long long& typedAt, std::string* added)
{
    int code = key >= CurGadget::WIDE_CHAR ? key - CurGadget::WIDE_CHAR : key;
    if (key == ' ' || (key < CurGadget::WIDE_CHAR && (key < 33 || key > 126))
        || !CurText::insertable(code))
        return false;
    char bytes[4];
    int len = CurText::encode(code, bytes);
    long long now = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now().time_since_epoch()).count();
    if (now - typedAt > 1000)
        typed.clear();
    typedAt = now;
    typed.append(bytes, len);
    if (added != nullptr)
        added->assign(bytes, len);
    return true;
}
