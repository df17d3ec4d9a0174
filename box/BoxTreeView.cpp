// BoxTreeView.cpp - --treeview (box/): rows of TAG ITEM STATUS DEPTH shown
// as a tree, expanded whole, with lines from parents to children and one
// node marked as in a radio list; the answer is the tag of the node marked
// when OK is pressed (nothing when none is).
#include "Box.h"

#include <CurTDialog.h>

#include <cstdlib>
#include <cstring>
#include <memory>
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
    std::vector<const char*> items(count);
    std::vector<int> depths(count);
    std::unique_ptr<bool[]> marks(new bool[count > 0 ? count : 1]());
    for (int i = 0; i < count; i++) {
        char** row = call.argv + 4 + 4 * i;
        items[i] = row[1];
        depths[i] = atoi(row[3]);
        marks[i] = isOn(row[2]);
    }
    CurTDialog::TreeSetup setup;
    setup.items = items.data();
    setup.depths = depths.data();
    setup.count = count;
    setup.marks = marks.get();
    int rows = listHeight > 0 ? listHeight : count;
    int chosen = CurTDialog::showTree(boxInner(call.height, rows + 6), boxInner(call.width, 4),
                                      listHeight, 0, text.c_str(), o.title, &setup);
    for (int i = 0; chosen == 0 && i < count; i++)
        if (marks[i])
            *call.answer += call.argv[4 + 4 * i];
    return chosen < 0 ? BOX_ESC : chosen == 0 ? BOX_OK : BOX_CANCEL;
}
