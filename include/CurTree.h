#ifndef VELMORA_CURTREE_H
#define VELMORA_CURTREE_H
// CurTree: a framed tree of nodes with text, expanded and collapsed with keys
// and the mouse, lines drawn from parents to children, check marks for a
// choice of many (a parent partly checked shows it), children given at once
// or asked for when a node is first expanded, type-ahead and a find key.
// Keys and drawing walk only the nodes on the screen and their ancestors:
// the cost of a key does not grow with the nodes held.
#include "CurGadget.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

typedef struct _win_st WINDOW;

class CurTree : public CurGadget {
public:
    enum : int { ROOT = -1 };            // the parent of the top-level nodes
    enum CHECK : int { UNCHECKED = 0, CHECKED = 1, PARTIAL = 2 };
    // Keys beside the arrows: Right and "+" expand, Left and "-" collapse
    // (Left on a collapsed node goes to its parent), "*" expands all below
    // the current node, "/" starts a find (typed text, Enter keeps the node
    // found, Esc goes back), F3 finds the next node with that text, Space
    // flips the check mark when marks are shown (a single check: checks).
    enum : int { FIND_KEY = '/', EXPAND_ALL_KEY = '*' };

    CurTree(CurWindow* window);          // no nodes, focused, no check marks
    ~CurTree() override;
    CurTree(const CurTree&) = delete;    // owns its nodes
    CurTree& operator=(const CurTree&) = delete;

    // Nodes are numbered from 0 as added and keep their numbers until clear.
    // A node number out of range is ignored (getters answer -1, "", false).
    int  addNode(int parent, std::string_view text);   // ROOT for the top level; -1 for a bad parent
    int  addNode(int parent, const char* text);        // null reads ""
    void setText(int node, std::string_view text, bool redraw);
    const char* getText(int node) const;  // null out of range; valid until the node's text changes
    int  getParent(int node) const;       // ROOT for a top-level node
    int  getFirstChild(int node) const;   // ROOT gives the first top-level node; -1 for none
    int  getNextSibling(int node) const;  // -1 for none
    int  getChildCount(int node) const;
    int  getDepth(int node) const;        // 0 at the top level
    int  getNodeCount() const;
    void clear(bool redraw);              // no nodes; a callback may call it

    // Children asked for on demand: a node set to have children shows the
    // expand mark before any are added, and the children callback is called
    // the first time it is expanded (with the node's number); the callback
    // adds them with addNode (to that node or any other). It may throw: the
    // exception reaches the caller of the key, the node left as asked once.
    void setHasChildren(int node, bool on);
    void setChildrenCB(void (*callback)(CurTree*, int node, void*), void* data);
    void setChildrenCB(std::function<void(CurTree*, int node)> callback);

    // Expansion. expandAll expands the node and every node below it, asking
    // for children where needed, at most getExpandLimit() nodes (100,000 at
    // first): a program's model with cycles, or one that makes children for
    // ever, stops there. It returns the nodes it expanded.
    void expand(int node, bool redraw);
    void collapse(int node, bool redraw); // a current node inside it: the node becomes current
    bool isExpanded(int node) const;
    int  expandAll(int node, bool redraw);
    void setExpandLimit(int nodes);
    int  getExpandLimit() const;

    // The current node: kept in view; setCurrent expands its ancestors.
    int  getCurrent() const;             // -1 without nodes
    void setCurrent(int node, bool redraw);

    // Check marks: shown when on (off at first). Checking a node checks
    // every node below it; a node whose children are partly checked shows
    // PARTIAL; children added to a checked node start checked.
    void setCheckMarks(bool on);
    // One node checked at most, as a radio list's mark, shown "(*)": checking
    // a node unchecks the one checked before; nothing passes up or down.
    // Checks made before are kept as they are. Off at first.
    void setSingleCheck(bool on);
    CHECK getCheck(int node) const;
    void setChecked(int node, bool on, bool redraw);
    std::vector<int> getChecked() const; // every checked node, parents before children

    // Finding: the next node after the current one (in the order of the
    // tree, collapsed nodes included, wrapping) whose text holds text,
    // ignoring ASCII case; it becomes current. False when none does.
    bool find(std::string_view text);
    void setTypeAhead(bool on);          // printable keys jump to a shown node starting with them

    // Callbacks in two forms that replace each other (null switches off):
    // after a key or click moved the current node or changed a mark, and for
    // Enter or a click on the current node. They may change or delete the tree.
    void setChangeCB(void (*callback)(CurTree*, void*), void* data);
    void setChangeCB(std::function<void(CurTree*)> callback);
    void setActivateCB(void (*callback)(CurTree*, void*), void* data);
    void setActivateCB(std::function<void(CurTree*)> callback);

    // the gadget contract
    void draw() override;                // frame, nodes in view, arrows when more lie above or below
    bool processKey(int key) override;
    // a click on a node's expand mark flips it, on its check box flips the
    // check, elsewhere makes it current, and on the current node activates
    // (or checks) it; the wheel scrolls three rows
    bool processMouse(const CurInit::MouseEvent& event) override;
    int  nodeAt(int row, int column) const; // the node shown on the window's cell; -1 for none

private:
    struct Node {
        std::string text;
        int  parent, first = -1, last = -1, next = -1, prev = -1;
        int  children = 0, depth = 0;
        int  checkedChildren = 0, partialChildren = 0;
        bool expanded = false, lazy = false, checked = false;
    };
    bool valid(int node) const;
    // CurTree.cpp: the order of the shown nodes, expansion and checks
    int  nextShown(int node) const;      // -1 after the last
    int  prevShown(int node) const;
    int  nextInTree(int node) const;     // every node, collapsed or not, wrapping
    int  lastShown() const;
    bool shown(int node) const;          // all its ancestors expanded
    bool open(int node);                 // expands, asking for children; false when the tree went
    CHECK state(const Node& n) const;
    void setBelow(int node, bool on);
    void passUp(int node, CHECK before);
    // CurTreeDraw.cpp
    int  viewRows() const;
    void fitView();
    void drawRow(WINDOW* w, int row, int node);
    void drawLines(WINDOW* w, int row, int node, int attr);
    void drawFind(WINDOW* w);
    int  markColumn(int node) const;     // where a node's expand mark is, from the interior's left
    void placeCursor();
    // CurTreeKeys.cpp
    bool moveKey(int key);
    bool nodeKey(int key);
    bool findKey(int key);
    bool typeAhead(int key);

    std::vector<Node> nodes;
    int  firstTop, lastTop;              // the top level's first and last nodes
    int  current, top;                   // the current node and the first one shown
    int  leftColumn;                     // columns scrolled off to the left
    int  expandLimit;
    bool checkMarks, singleCheck, typeAheadOn;
    int  singleChecked;                  // the node checked in single mode; -1 for none
    bool finding;                        // "/" was typed: keys go to the find text
    int  findStart;                      // the node current when the find began
    std::string findText, typed;
    long long typedAt;
    std::shared_ptr<bool> alive;         // false once the tree is gone, seen by callers of callbacks
    std::function<void(CurTree*, int)> childrenFunction;
    std::function<void()> changeFunction, activateFunction;  // the tree bound in
};
#endif
