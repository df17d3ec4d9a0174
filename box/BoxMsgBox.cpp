// BoxMsgBox.cpp - --msgbox (box/): a text and an OK button.
#include "Box.h"

#include <CurTDialog.h>

BoxStatus runMsgBox(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    std::string text = boxText(o, call.text);
    int chosen = CurTDialog::showChoice(boxInner(call.height, 5), boxInner(call.width, 4), 0,
                                        text.c_str(), o.title, o.okLabel, nullptr, true);
    return chosen < 0 ? BOX_ESC : BOX_OK;
}
