// BoxInputMenu.cpp - --inputmenu (box/): a menu whose Rename button asks
// for a new item text; the answer is the chosen tag, or "RENAMED tag text".
#include "BoxRows.h"

#include <CurTDialog.h>

#include <cstring>
#include <vector>

BoxStatus runInputMenu(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    BoxRows rows;
    if (!boxRows(call, false, &rows))
        return BOX_ERROR;
    BoxButtons buttons = boxButtons(o, "Rename");
    CurTDialog::ListSetup setup;
    setup.tags = o.noTags ? nullptr : rows.tags.data();
    setup.items = rows.items.data();
    BoxStatus status = boxShowList(call, rows, buttons, CurTDialog::MENU, &setup);
    const char* tag = rows.tags[setup.current];
    if (status == BOX_EXTRA) {
        // The new text is asked for in an input box over the menu's place.
        const char* item = rows.items[setup.current];
        std::vector<char> buffer(strlen(item) + 4096, '\0');
        memcpy(buffer.data(), item, strlen(item));
        int chosen = CurTDialog::showInput(-1, -1, 0, tag, o.title, buffer.data(),
                                           (int)buffer.size(), false);
        if (chosen != 0)
            return chosen < 0 ? BOX_ESC : BOX_CANCEL;
        *call.answer = "RENAMED " + std::string(tag) + " " + buffer.data();
    } else if (status == BOX_HELP) {
        *call.answer = "HELP " + std::string(tag);
    } else if (status == BOX_OK) {
        *call.answer = tag;
    }
    return status;
}
