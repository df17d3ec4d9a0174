// BoxTreeView.cpp - --treeview (box/): rows of TAG ITEM STATUS DEPTH (and a
// help line with --item-help) shown as a radio list whose items are
// indented by their depth; the answer is the tag of the row marked when OK
// is pressed, and Help answers as the other lists' Help does.
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
    std::vector<std::string> items(count);
    std::unique_ptr<bool[]> marks(new bool[count > 0 ? count : 1]);
    for (int i = 0; i < count; i++) {
        char** row = call.argv + 4 + group * i;
        items[i] = std::string(2 * (size_t)atoi(row[3]), ' ') + row[1];
        rows.tags.push_back(row[0]);
        rows.items.push_back(items[i].c_str());
        rows.marks.push_back(isOn(row[2]));
        marks[i] = isOn(row[2]);
        if (o.itemHelp)
            rows.helps.push_back(row[4]);
        if (o.defaultItem != nullptr && rows.current == 0 && strcmp(row[0], o.defaultItem) == 0)
            rows.current = i;
    }
    CurTDialog::ListSetup setup;
    setup.items = rows.items.data();
    setup.helps = o.itemHelp ? rows.helps.data() : nullptr;
    setup.marks = marks.get();
    BoxStatus status = boxShowList(call, rows, boxButtons(o, BoxDialog::LIST), CurTDialog::RADIO, &setup);
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
