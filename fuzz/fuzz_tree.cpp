// fuzz_tree.cpp - the tree (fuzz/) driven by keys, clicks and the program's
// calls: nodes added under any node (or a bad one), children asked for on
// demand by a callback that adds them to the node or elsewhere, expansion of
// one node or all below it under a small limit, check marks, finding and
// clearing. A model of the parents follows every step; the tree must agree
// with it, show its current node (every ancestor expanded), keep each node's
// check state what its children make it, and draw nothing outside itself.
#include "CurTree.h"
#include "CurWindow.h"
#include "FuzzSupport.h"

#include <vector>

static void checkNodes(CurTree& tree, const std::vector<int>& parents)
{
    int n = tree.getNodeCount();
    FUZZ_CHECK(n == (int)parents.size());
    FUZZ_CHECK((n == 0) == (tree.getCurrent() == -1));
    std::vector<int> children(n, 0), checked(n, 0), partial(n, 0);
    for (int i = 0; i < n; i++) {
        FUZZ_CHECK(tree.getParent(i) == parents[i]);
        if (parents[i] >= 0) {
            children[parents[i]]++;
            checked[parents[i]] += tree.getCheck(i) == CurTree::CHECKED;
            partial[parents[i]] += tree.getCheck(i) == CurTree::PARTIAL;
        }
    }
    for (int i = 0; i < n; i++) {
        FUZZ_CHECK(tree.getChildCount(i) == children[i]);
        CurTree::CHECK c = tree.getCheck(i);
        if (children[i] > 0) {
            CurTree::CHECK expected = checked[i] == children[i] ? CurTree::CHECKED
                                    : checked[i] + partial[i] > 0 ? CurTree::PARTIAL : CurTree::UNCHECKED;
            FUZZ_CHECK(c == expected);
        } else {
            FUZZ_CHECK(c != CurTree::PARTIAL);
        }
    }
    int current = tree.getCurrent();
    for (int a = current >= 0 ? tree.getParent(current) : -1; a >= 0; a = tree.getParent(a))
        FUZZ_CHECK(tree.isExpanded(a));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzScreen();
    FuzzedDataProvider in(data, size);
    CurWindow win(LINES, COLS, 0, 0);
    CurTree tree(&win);
    std::vector<int> parents;
    int elsewhere = -1;                  // where the children callback adds a second child
    tree.setGeometry(10, 30, 1, 1);
    tree.setExpandLimit(in.ConsumeIntegralInRange<int>(0, 40));
    tree.setTypeAhead(in.ConsumeBool());
    tree.setChildrenCB([&](CurTree* t, int node) {
        parents.push_back(node);
        t->setHasChildren(t->addNode(node, "asked"), true);
        if (elsewhere >= -1 && elsewhere < t->getNodeCount() && t->addNode(elsewhere, "more") >= 0)
            parents.push_back(elsewhere);
    });
    while (in.remaining_bytes() > 0) {
        int step = in.ConsumeIntegral<uint8_t>(), n = tree.getNodeCount();
        int node = in.ConsumeIntegralInRange<int>(-2, n);
        if (step < 40) {
            if (tree.addNode(node, fuzzText(in, 30, false)) >= 0)
                parents.push_back(node);
        } else if (step < 50) {
            tree.setHasChildren(node, in.ConsumeBool());
        } else if (step < 56) {
            tree.expand(node, in.ConsumeBool());
        } else if (step < 62) {
            tree.collapse(node, in.ConsumeBool());
        } else if (step < 66) {
            tree.expandAll(node, in.ConsumeBool());
        } else if (step < 72) {
            tree.setChecked(node, in.ConsumeBool(), in.ConsumeBool());
        } else if (step < 76) {
            tree.setCheckMarks(in.ConsumeBool());
        } else if (step < 80) {
            tree.setCurrent(node, in.ConsumeBool());
        } else if (step < 83) {
            tree.find(fuzzText(in, 4, false));
        } else if (step < 85) {
            tree.clear(in.ConsumeBool());
            parents.clear();
        } else if (step < 88) {
            elsewhere = node;
        } else if (step < 92) {
            int h = fuzzGeometry(in), w = fuzzGeometry(in), y = fuzzGeometry(in);
            tree.setGeometry(h, w, y, fuzzGeometry(in));
        } else if (step < 110) {
            CurInit::MouseEvent event{fuzzGeometry(in), fuzzGeometry(in),
                                      in.ConsumeIntegralInRange<int>(1, 5),
                                      in.ConsumeIntegralInRange<int>(0, 3), 0};
            tree.processMouse(event);
        } else {
            int key = in.ConsumeBool() ? fuzzKey(in)
                                       : in.PickValueInArray<int>({'+', '-', '*', '/', ' ', KEY_F(3), 14});
            tree.processKey(key);
        }
        checkNodes(tree, parents);
        fuzzFill(win.getWindow());
        tree.draw();
        FuzzRect rect{tree.getHeight(), tree.getWidth(), tree.getY(), tree.getX()};
        FUZZ_CHECK(FuzzCells(win.getWindow()).changedOutside({rect}).empty());
    }
    return 0;
}
