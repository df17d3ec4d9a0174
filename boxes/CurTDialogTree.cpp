// CurTDialogTree.cpp - the one-call tree box of CurTDialog (boxes/): nodes
// given in the tree's order with their depths, built into a CurTree shown
// expanded under the box's text, and the marks handed back.
#include "CurTDialog.h"
#include "CurText.h"
#include "CurTree.h"
#include "CurWindow.h"

#include <curses.h>
#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>

// A node's parent is the last node before it that is less deep: kept on a
// stack of the nodes open at each depth, so a deep tree costs no recursion.
static void build(CurTree* tree, const CurTDialog::TreeSetup& setup)
{
    std::vector<std::pair<int, int>> open;   // (depth, node)
    for (int i = 0; i < setup.count; i++) {
        int depth = setup.depths != nullptr ? std::max(0, setup.depths[i]) : 0;
        while (!open.empty() && open.back().first >= depth)
            open.pop_back();
        const char* item = setup.items != nullptr ? setup.items[i] : nullptr;
        int node = tree->addNode(open.empty() ? CurTree::ROOT : open.back().second, item);
        open.push_back({depth, node});
    }
}

int CurTDialog::showTree(int textHeight, int textWidth, int treeHeight, int attributes,
                         const char* text, const char* title, TreeSetup* setup)
{
    if (setup == nullptr || setup->count < 0)
        return -1;
    int inner = 2;
    for (int i = 0; i < setup->count; i++) {
        long long depth = setup->depths != nullptr ? std::max(0, setup->depths[i]) : 0;
        const char* item = setup->items != nullptr && setup->items[i] != nullptr ? setup->items[i] : "";
        long long wide = 2 * depth + 6 + CurText::columns(item) + 2;
        inner = (int)std::min<long long>(std::max<long long>(inner, wide), SHRT_MAX);
    }
    std::unique_ptr<CurWindow> help(setup->helps != nullptr ? new CurWindow(1, COLS, LINES - 1, 0) : nullptr);
    auto showHelp = [setup, &help](CurTree* tree) {
        WINDOW* w = help != nullptr ? help->getWindow() : nullptr;
        int node = tree->getCurrent();
        if (w == nullptr || node < 0 || node >= setup->count)
            return;
        const char* text = setup->helps[node] != nullptr ? setup->helps[node] : "";
        int used = CurText::draw(w, 0, 0, text, (int)strlen(text), getmaxx(w), 0);
        CurText::blank(w, 0, used, getmaxx(w) - used, 0);
        help->update();
    };
    auto make = [setup, showHelp](CurTDialog* dialog, int height, int width, int y, int x) {
        CurTree* tree = new CurTree(dialog);
        tree->setGeometry(height, width, y, x);
        tree->setCheckMarks(true);
        tree->setSingleCheck(!setup->multiple);
        tree->setTypeAhead(true);
        tree->setExpandLimit(INT_MAX);
        build(tree, *setup);
        for (int n = tree->getFirstChild(CurTree::ROOT); n >= 0; n = tree->getNextSibling(n))
            tree->expandAll(n, false);
        for (int i = 0; setup->marks != nullptr && i < setup->count; i++)
            if (setup->marks[i] && (setup->multiple || tree->getCheck(i) != CurTree::CHECKED))
                tree->setChecked(i, true, false);
        tree->setCurrent(setup->current >= 0 && setup->current < setup->count ? setup->current : 0, false);
        tree->setChangeCB(showHelp);
        showHelp(tree);
        return tree;
    };
    auto finish = [setup](CurGadget* gadget) {
        CurTree* tree = static_cast<CurTree*>(gadget);
        setup->current = std::max(0, tree->getCurrent());
        for (int i = 0; setup->marks != nullptr && i < setup->count; i++)
            setup->marks[i] = tree->getCheck(i) == CurTree::CHECKED;
    };
    return runGadgetBox(textHeight, textWidth, treeHeight > 0 ? treeHeight : setup->count, 1, inner,
                        attributes, text, title, setup->buttons, setup->defaultButton, make, finish);
}

int CurTDialog::showTree(int textHeight, int textWidth, int treeHeight, int attributes,
                         std::string_view text, std::string_view title,
                         const std::vector<std::string>& items, const std::vector<int>& depths,
                         std::vector<int>& chosen, bool multiple)
{
    std::vector<const char*> texts;
    for (const std::string& s : items)
        texts.push_back(s.c_str());
    std::unique_ptr<bool[]> marks(new bool[items.size() + 1]());
    for (int node : chosen)
        if (node >= 0 && node < (int)items.size())
            marks[node] = true;
    TreeSetup setup;
    setup.items = texts.data();
    setup.depths = depths.size() == items.size() ? depths.data() : nullptr;
    setup.count = (int)items.size();
    setup.multiple = multiple;
    setup.marks = marks.get();
    int answer = showTree(textHeight, textWidth, treeHeight, attributes, std::string(text).c_str(),
                          std::string(title).c_str(), &setup);
    if (answer == 0) {
        chosen.clear();
        for (int i = 0; i < setup.count; i++)
            if (marks[i])
                chosen.push_back(i);
    }
    return answer;
}
