// BoxYesNo.cpp - --yesno (box/): a question with Yes and No.
#include "Box.h"

#include <CurTDialog.h>

BoxStatus runYesNo(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    std::string text = boxText(o, call.text);
    int chosen = CurTDialog::showChoice(boxInner(call.height, 5), boxInner(call.width, 4), 0,
                                        text.c_str(), o.title,
                                        o.yesLabel != nullptr ? o.yesLabel : "Yes",
                                        o.noLabel != nullptr ? o.noLabel : "No", !o.defaultNo);
    return chosen < 0 ? BOX_ESC : chosen == 0 ? BOX_OK : BOX_CANCEL;
}
