// BoxYesNo.cpp - --yesno (box/): a question with Yes and No (--defaultno
// puts the focus on No).
#include "BoxDialog.h"

BoxStatus runYesNo(BoxCall& call)
{
    BoxDialog dialog(call, boxText(*call.options, call.text), BoxDialog::YES_NO, 0, 0);
    return dialog.run();
}
