// BoxMenu.cpp - --menu (box/): a text over rows of tags and items; the
// answer is the chosen row's tag ("HELP tag" for the Help button).
#include "BoxRows.h"

#include <CurTDialog.h>

BoxStatus runMenu(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    BoxRows rows;
    if (!boxRows(call, false, &rows))
        return BOX_ERROR;
    BoxButtons buttons = boxButtons(o, BoxDialog::LIST);
    CurTDialog::ListSetup setup;
    setup.tags = o.noTags ? nullptr : rows.tags.data();
    setup.items = o.noItems ? nullptr : rows.items.data();
    setup.helps = o.itemHelp ? rows.helps.data() : nullptr;
    BoxStatus status = boxShowList(call, rows, buttons, CurTDialog::MENU, &setup);
    const char* tag = rows.tags[setup.current];
    if (status == BOX_HELP || status == BOX_ITEM_HELP)
        *call.answer = boxHelpAnswer(o, rows, setup.current, nullptr);
    else if (status == BOX_OK || status == BOX_EXTRA)
        *call.answer = o.quoted ? boxQuoted(o, tag) : tag;
    return status;
}
