// BoxCheckList.cpp - --checklist and --radiolist (box/): rows of tags and
// items with an on/off status; the answer is the marked tags, quoted where
// a script's word splitting needs it, or one a line (--separate-output).
#include "BoxRows.h"

#include <CurTDialog.h>

#include <cstring>
#include <memory>

// The marked tags: separated by a blank (or --output-separator), each
// quoted as needed; or each on a line of its own, unquoted.
static std::string markedTags(const BoxOptions& o, const BoxRows& rows, bool radio)
{
    // Under the name whiptail, every tag in double quotes, as scripts
    // written for that program expect.
    bool always = !radio && boxLook() == LOOK_WHIPTAIL;
    std::string out;
    bool first = true;
    for (size_t i = 0; i < rows.tags.size(); i++) {
        if (!rows.marks[i])
            continue;
        if (o.separateOutput) {
            out += std::string(rows.tags[i]) + "\n";
            continue;
        }
        if (!first)
            out += o.outputSeparator != nullptr ? o.outputSeparator : " ";
        if (always)
            out += "\"" + std::string(rows.tags[i]) + "\"";
        else
            out += radio && !o.quoted ? std::string(rows.tags[i]) : boxQuoted(o, rows.tags[i]);
        first = false;
    }
    return out;
}

BoxStatus runCheckList(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    bool radio = strcmp(call.name, "--radiolist") == 0;
    BoxRows rows;
    if (!boxRows(call, true, &rows))
        return BOX_ERROR;
    BoxButtons buttons = boxButtons(o, BoxDialog::LIST);
    CurTDialog::ListSetup setup;
    setup.tags = o.noTags ? nullptr : rows.tags.data();
    setup.items = o.noItems ? nullptr : rows.items.data();
    setup.helps = o.itemHelp ? rows.helps.data() : nullptr;
    std::unique_ptr<bool[]> marks(new bool[rows.marks.size()]);
    for (size_t i = 0; i < rows.marks.size(); i++)
        marks[i] = rows.marks[i] != 0;
    setup.marks = marks.get();
    BoxStatus status = boxShowList(call, rows, buttons,
                                   radio ? CurTDialog::RADIO : CurTDialog::CHECK, &setup);
    for (size_t i = 0; i < rows.marks.size(); i++)
        rows.marks[i] = marks[i];
    std::string marked = markedTags(o, rows, radio);
    if (status == BOX_HELP || status == BOX_ITEM_HELP)
        *call.answer = boxHelpAnswer(o, rows, setup.current, &marked);
    else if (status == BOX_OK || status == BOX_EXTRA)
        *call.answer = marked;
    return status;
}
