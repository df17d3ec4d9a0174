// BoxMsgBox.cpp - --msgbox (box/): a text and an OK button; a text longer
// than the box scrolls.
#include "BoxDialog.h"

BoxStatus runMsgBox(BoxCall& call)
{
    BoxDialog dialog(call, boxText(*call.options, call.text), BoxDialog::OK_ONLY, 0, 0);
    return dialog.run();
}
