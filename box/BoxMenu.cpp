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
    BoxButtons buttons = boxButtons(o, nullptr);
    CurTDialog::ListSetup setup;
    setup.tags = o.noTags ? nullptr : rows.tags.data();
    setup.items = o.noItems ? nullptr : rows.items.data();
    setup.helps = o.itemHelp ? rows.helps.data() : nullptr;
    setup.count = (int)rows.tags.size();
    setup.current = rows.current;
    setup.buttons = buttons.texts.data();
    setup.defaultButton = buttons.defaultButton;
    std::string text = boxText(o, call.text);
    int listHeight = rows.listHeight > 0 ? rows.listHeight : call.height > 7 ? call.height - 7 : 0;
    BoxTimer timer(o);
    int pressed = CurTDialog::showList(-1, boxInner(call.width, 4), listHeight, 0, text.c_str(),
                                       o.title, CurTDialog::MENU, &setup);
    BoxStatus status = timer.expired ? BOX_TIMEOUT : boxPressed(buttons, pressed);
    const char* tag = rows.tags[setup.current];
    if (status == BOX_HELP || status == BOX_ITEM_HELP)
        *call.answer = "HELP " + std::string(o.itemHelp ? rows.helps[setup.current] : tag);
    else if (status == BOX_OK || status == BOX_EXTRA)
        *call.answer = o.quoted ? boxQuoted(o, tag) : tag;
    return status;
}
