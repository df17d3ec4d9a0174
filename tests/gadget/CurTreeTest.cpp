// CurTreeTest.cpp - the tree: its keys, lines and marks on a real terminal,
// children asked for on demand, check marks, finding, the mouse (reports
// sent as the terminal's bytes), and trees deep, wide or endless.
#include "CursesTest.h"

#include <CurTree.h>
#include <CurWindow.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// etc (apt (sources.list), hosts), home (asked for: alice, bob), usr; the
// tree's box at screen row 1, column 0, 30 columns by 8 rows.
struct Tree {
    CurWindow win{10, 40, 1, 0};
    CurTree tree{&win};
    int asked = 0;
    Tree()
    {
        tree.setGeometry(8, 30, 0, 0);
        int etc = tree.addNode(CurTree::ROOT, "etc");
        tree.addNode(tree.addNode(etc, "apt"), "sources.list");
        tree.addNode(etc, "hosts");
        tree.setHasChildren(tree.addNode(CurTree::ROOT, "home"), true);
        tree.addNode(CurTree::ROOT, "usr");
        tree.setChildrenCB([this](CurTree* t, int node) {
            asked++;
            t->addNode(node, "alice");
            t->addNode(node, "bob");
        });
    }
};

}  // namespace

TEST_F(CursesTest, TreeKeysLinesAndMarks)
{
    const struct {
        std::vector<int> keys;
        bool checks;
        const char* current;
        std::vector<const char*> rows;   // screen rows 2 on, inside the frame
        int asked;
    } cases[] = {
        {{}, false, "etc", {"+ etc", "+ home", "  usr", ""}, 0},
        {{KEY_RIGHT}, false, "etc", {"- etc", "├─+ apt", "└── hosts", "+ home"}, 0},
        {{KEY_RIGHT, KEY_RIGHT}, false, "apt", {"- etc", "├─+ apt"}, 0},
        {{KEY_RIGHT, KEY_DOWN, KEY_DOWN, KEY_LEFT}, false, "etc", {"- etc"}, 0},
        {{'*'}, false, "etc", {"- etc", "├─- apt", "│ └── sources.list", "└── hosts"}, 0},
        {{KEY_DOWN, '+', '-', '+'}, false, "home", {"+ etc", "- home", "├── alice", "└── bob"}, 1},
        {{KEY_END, KEY_UP}, false, "home", {}, 0},
        {{'/', 'H', 'o', 13}, false, "hosts", {"- etc", "├─+ apt", "└── hosts"}, 0},
        {{'/', 's', 13, KEY_F(3)}, false, "hosts", {}, 0},
        {{'/', 'x', 'y', 27}, false, "etc", {"+ etc"}, 0},
        {{' '}, true, "etc", {"+ [X] etc"}, 0},
        {{KEY_RIGHT, KEY_DOWN, ' '}, true, "apt", {"- [~] etc", "├─+ [X] apt", "└── [ ] hosts"}, 0},
        {{KEY_RIGHT, ' ', KEY_DOWN, ' '}, true, "apt", {"- [~] etc", "├─+ [ ] apt", "└── [X] hosts"}, 0},
    };
    for (const auto& c : cases) {
        Tree t;
        t.tree.setCheckMarks(c.checks);
        for (int key : c.keys)
            EXPECT_TRUE(t.tree.processKey(key));
        t.tree.draw();
        t.win.update();
        SCOPED_TRACE(screen().dump());
        EXPECT_STREQ(c.current, t.tree.getText(t.tree.getCurrent()));
        for (size_t r = 0; r < c.rows.size(); r++)
            EXPECT_EQ(0u, screen().text(2 + (int)r, 1, 28).rfind(c.rows[r], 0)) << "row " << r;
        EXPECT_EQ(c.asked, t.asked);
    }
}

TEST_F(CursesTest, TreeMouseOnTheTerminal)
{
    if (!CurInit::setMouse(true))
        GTEST_SKIP() << "no mouse on this terminal";
    Tree t;
    t.tree.draw();
    t.win.update();
    auto send = [&](const std::string& bytes) {
        screen().sendBytes(bytes);
        screen().enter();
        t.tree.kbdLoop();
    };
    send("\x1b[<0;2;4M\x1b[<0;2;4m");                 // the mark of "home"
    EXPECT_TRUE(t.tree.isExpanded(4));
    EXPECT_STREQ("home", t.tree.getText(t.tree.getCurrent()));
    send("\x1b[<0;8;5M\x1b[<0;8;5m");                 // "alice"
    EXPECT_STREQ("alice", t.tree.getText(t.tree.getCurrent()));
    EXPECT_EQ(4, screen().cursorRow());
    for (int i = 0; i < 6; i++)
        t.tree.addNode(CurTree::ROOT, "more");
    send("\x1b[<65;8;5M");                            // the wheel: three nodes on
    EXPECT_STREQ("bob", t.tree.getText(t.tree.getCurrent()));
    EXPECT_EQ(0u, screen().text(2, 1, 28).rfind("└── bob", 0)) << screen().dump();
}

// Deep, wide and endless trees, and callbacks that add elsewhere, throw or
// delete the tree.
TEST_F(CursesTest, TreeSurvivesBadModels)
{
    CurWindow win(10, 40, 0, 0);
    {
        CurTree deep(&win);
        int n = CurTree::ROOT;
        for (int i = 0; i < 100000; i++)
            n = deep.addNode(n, "level " + std::to_string(i));
        deep.setCurrent(n, true);
        EXPECT_EQ(99999, deep.getDepth(deep.getCurrent()));
        for (int key : {KEY_UP, KEY_PPAGE, KEY_HOME, (int)'*', KEY_END, KEY_LEFT})
            deep.processKey(key);
        deep.collapse(0, true);
        EXPECT_EQ(0, deep.getCurrent());
        deep.setChecked(0, true, false);
        EXPECT_EQ(CurTree::CHECKED, deep.getCheck(n));
        deep.setChecked(n, false, false);
        EXPECT_EQ(CurTree::UNCHECKED, deep.getCheck(0));   // its one child is not checked
        deep.setChecked(n, true, false);
        EXPECT_EQ(CurTree::CHECKED, deep.getCheck(0));
    }
    {
        CurTree wide(&win);
        int top = wide.addNode(CurTree::ROOT, "top");
        for (int i = 0; i < 1000000; i++)
            wide.addNode(top, "child");
        for (int key : {KEY_RIGHT, KEY_END, KEY_UP, KEY_PPAGE, (int)' ', KEY_HOME, KEY_LEFT})
            wide.processKey(key);
        EXPECT_EQ(1000000, wide.getChildCount(top));
    }
    CurTree endless(&win);
    endless.setExpandLimit(1000);
    endless.setChildrenCB([](CurTree* t, int node) {
        t->setHasChildren(t->addNode(node, "again"), true);
        t->addNode(CurTree::ROOT, "elsewhere");     // children for another node
    });
    endless.setHasChildren(endless.addNode(CurTree::ROOT, "cycle"), true);
    EXPECT_EQ(1000, endless.expandAll(0, true));
    endless.setChildrenCB([](CurTree*, int) { throw std::runtime_error("model gone"); });
    endless.setHasChildren(0, true);
    endless.collapse(0, false);
    EXPECT_THROW(endless.processKey(KEY_RIGHT), std::runtime_error);
    EXPECT_TRUE(endless.processKey(KEY_DOWN));
    CurTree* doomed = new CurTree(&win);
    doomed->setHasChildren(doomed->addNode(CurTree::ROOT, "x"), true);
    doomed->setChildrenCB([](CurTree* t, int) { delete t; });
    EXPECT_TRUE(doomed->processKey('*'));
}
