// BoxInputMenu.cpp - --inputmenu (box/): a menu whose Rename button turns
// the current item into an editor in place; the answer is the chosen tag,
// or "RENAMED tag text".
#include "BoxRows.h"

#include <CurTDialog.h>

BoxStatus runInputMenu(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    BoxRows rows;
    if (!boxRows(call, false, &rows))
        return BOX_ERROR;
    BoxButtons buttons = boxButtons(o, BoxDialog::LIST, "Rename");
    CurTDialog::ListSetup setup;
    setup.tags = o.noTags ? nullptr : rows.tags.data();
    setup.items = rows.items.data();
    std::string renamed;
    BoxStatus status = boxShowList(call, rows, buttons, CurTDialog::MENU, &setup, &renamed);
    const char* tag = rows.tags[setup.current];
    if (status == BOX_EXTRA) {
        *call.answer = "RENAMED " + std::string(tag) + " " + renamed;
    } else if (status == BOX_HELP) {
        *call.answer = "HELP " + std::string(tag);
    } else if (status == BOX_OK) {
        *call.answer = tag;
    }
    return status;
}
