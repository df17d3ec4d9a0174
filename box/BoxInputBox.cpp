// BoxInputBox.cpp - --inputbox and --passwordbox (box/): a text, a line of
// input with an optional initial text, OK and Cancel; the answer is the line.
#include "Box.h"

#include <CurTDialog.h>

#include <cstring>
#include <vector>

BoxStatus runInputBox(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    std::string text = boxText(o, call.text);
    bool hidden = strcmp(call.name, "--passwordbox") == 0;
    std::vector<char> buffer(2048, '\0');
    if (call.argc > 3)
        strncpy(buffer.data(), call.argv[3], buffer.size() - 1);
    int chosen = CurTDialog::showInput(boxInner(call.height, 5), boxInner(call.width, 4), 0,
                                       text.c_str(), o.title, buffer.data(), (int)buffer.size(),
                                       hidden);
    if (chosen == 0)
        *call.answer = buffer.data();
    return chosen < 0 ? BOX_ESC : chosen == 0 ? BOX_OK : BOX_CANCEL;
}
