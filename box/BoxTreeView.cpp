// BoxTreeView.cpp - --treeview (box/): rows of TAG ITEM STATUS DEPTH (and a
// help line with --item-help) shown as a tree, expanded whole, with lines
// from parents to children and one node marked as in a radio list; the
// answer is the tag of the node marked when OK is pressed (nothing when none
// is), and Help answers as the other lists' Help does.
#include "BoxRows.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

static int rowArgs(const BoxOptions& o) { return o.itemHelp ? 5 : 4; }

bool checkTreeView(const BoxOptions& o, int argc, char** argv, std::string* why)
{
    int group = rowArgs(o);
    if ((argc - 4) % group != 0) {
        *why = std::string("rows come as TAG ITEM STATUS DEPTH") + (o.itemHelp ? " HELP" : "");
        return false;
    }
    for (int i = 4; i < argc; i += group)
        if (atoi(argv[i + 3]) < 0 || atoi(argv[i + 3]) > 100) {
            *why = std::string("bad depth: ") + argv[i + 3];
            return false;
        }
    return true;
}

// A status of "on" (in any case) or "1" marks the row.
static bool isOn(const char* status)
{
    return strcasecmp(status, "on") == 0 || strcmp(status, "1") == 0;
}

BoxStatus runTreeView(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    int group = rowArgs(o);
    int count = (call.argc - 4) / group;
    BoxRows rows;
    rows.listHeight = atoi(call.argv[3]) > 0 ? atoi(call.argv[3]) : 0;
    std::vector<int> depths(count);
    std::unique_ptr<bool[]> marks(new bool[count > 0 ? count : 1]);
    for (int i = 0; i < count; i++) {
        char** row = call.argv + 4 + group * i;
        rows.tags.push_back(row[0]);
        rows.items.push_back(row[1]);
        rows.marks.push_back(isOn(row[2]));
        depths[i] = atoi(row[3]);
        marks[i] = isOn(row[2]);
        if (o.itemHelp)
            rows.helps.push_back(row[4]);
        if (o.defaultItem != nullptr && rows.current == 0 && strcmp(row[0], o.defaultItem) == 0)
            rows.current = i;
    }
    BoxButtons buttons = boxButtons(o, BoxDialog::LIST);
    CurTDialog::TreeSetup setup;
    setup.items = rows.items.data();
    setup.depths = depths.data();
    setup.helps = o.itemHelp ? rows.helps.data() : nullptr;
    setup.count = count;
    setup.marks = marks.get();
    setup.current = rows.current;
    setup.buttons = buttons.texts.data();
    setup.defaultButton = buttons.defaultButton;
    std::string text = boxText(o, call.text);
    BoxTimer timer(o);
    int pressed = CurTDialog::showTree(-1, boxInner(call.width, 4), boxListHeight(call, rows, text), 0,
                                       text.c_str(), o.title, &setup);
    BoxStatus status = timer.expired ? BOX_TIMEOUT : boxPressed(buttons, pressed);
    std::string marked;
    for (int i = 0; i < count; i++)
        if (marks[i])
            marked = rows.tags[i];
    if (status == BOX_HELP || status == BOX_ITEM_HELP)
        *call.answer = boxHelpAnswer(o, rows, setup.current, &marked);
    else if (status == BOX_OK || status == BOX_EXTRA)
        *call.answer = marked;
    return status;
}
