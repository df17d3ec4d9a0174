// BoxTreeView.cpp - --treeview (box/): rows of TAG ITEM STATUS DEPTH shown
// as a radio list whose items are indented by their depth; the answer is the
// tag of the row marked when OK is pressed.
#include "Box.h"

#include <CurTDialog.h>

#include <cstdlib>
#include <cstring>
#include <vector>

bool checkTreeView(const BoxOptions&, int argc, char** argv, std::string* why)
{
    if ((argc - 4) % 4 != 0) {
        *why = "rows come as TAG ITEM STATUS DEPTH";
        return false;
    }
    for (int i = 4; i < argc; i += 4)
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
    std::string text = boxText(o, call.text);
    int count = (call.argc - 4) / 4;
    int listHeight = atoi(call.argv[3]);
    std::vector<std::string> items(count);
    std::vector<const char*> itemPointers(count);
    bool* marks = new bool[count > 0 ? count : 1];
    CurTDialog::ListSetup setup;
    for (int i = 0; i < count; i++) {
        char** row = call.argv + 4 + 4 * i;
        items[i] = std::string(2 * (size_t)atoi(row[3]), ' ') + row[1];
        itemPointers[i] = items[i].c_str();
        marks[i] = isOn(row[2]);
    }
    setup.items = itemPointers.data();
    setup.count = count;
    setup.marks = marks;
    int rows = listHeight > 0 ? listHeight : count;
    int chosen = CurTDialog::showList(boxInner(call.height, rows + 6), boxInner(call.width, 4),
                                      listHeight, 0, text.c_str(), o.title, CurTDialog::RADIO,
                                      &setup);
    for (int i = 0; chosen == 0 && i < count; i++)
        if (marks[i])
            *call.answer += call.argv[4 + 4 * i];
    delete[] marks;
    return chosen < 0 ? BOX_ESC : chosen == 0 ? BOX_OK : BOX_CANCEL;
}
