// CurTree.cpp - the tree gadget (gadget/): its nodes, linked to their parent
// and siblings, the order in which the shown ones follow each other,
// expansion with children asked for on demand, and the check marks with
// their counts. Drawing is in CurTreeDraw.cpp, keys and the mouse in
// CurTreeKeys.cpp. Nothing here recurses: a tree 100,000 levels deep is
// walked with loops.
#include "CurTree.h"
#include "CurWindow.h"

#include <curses.h>
#include <cctype>

CurTree::CurTree(CurWindow* window)
    : CurGadget(window), firstTop(-1), lastTop(-1), current(-1), top(-1), leftColumn(0),
      expandLimit(100000), checkMarks(false), singleCheck(false), typeAheadOn(false),
      singleChecked(-1), finding(false), findStart(-1),
      typedAt(0), alive(std::make_shared<bool>(true))
{
    showFocus(true);
    if (this->window->getWindow() != nullptr && !is_keypad(this->window->getWindow()))
        keypad(this->window->getWindow(), TRUE);
}

CurTree::~CurTree()
{
    *alive = false;
}

bool CurTree::valid(int node) const
{
    return node >= 0 && node < (int)nodes.size();
}

int CurTree::addNode(int parent, std::string_view text)
{
    if (parent != ROOT && !valid(parent))
        return -1;
    Node n;
    n.text.assign(text.data(), text.size());
    n.parent = parent;
    int id = (int)nodes.size();
    int& last = parent == ROOT ? lastTop : nodes[parent].last;
    n.prev = last;
    if (parent != ROOT) {
        n.depth = nodes[parent].depth + 1;
        n.checked = nodes[parent].checked && !singleCheck;   // a checked parent stays checked whole
    }
    nodes.push_back(std::move(n));
    int& lastAgain = parent == ROOT ? lastTop : nodes[parent].last;  // push_back moved the nodes
    if (lastAgain >= 0)
        nodes[lastAgain].next = id;
    else if (parent == ROOT)
        firstTop = id;
    else
        nodes[parent].first = id;
    lastAgain = id;
    if (parent != ROOT) {
        nodes[parent].children++;
        if (nodes[id].checked)
            nodes[parent].checkedChildren++;
    }
    if (current < 0)
        current = top = id;
    return id;
}

int CurTree::addNode(int parent, const char* text)
{
    return addNode(parent, std::string_view(text != nullptr ? text : ""));
}

void CurTree::setText(int node, std::string_view text, bool redraw)
{
    if (!valid(node))
        return;
    nodes[node].text.assign(text.data(), text.size());
    if (redraw)
        draw();
}

const char* CurTree::getText(int node) const
{
    return valid(node) ? nodes[node].text.c_str() : nullptr;
}

int CurTree::getParent(int node) const
{
    return valid(node) ? nodes[node].parent : -1;
}

int CurTree::getFirstChild(int node) const
{
    return node == ROOT ? firstTop : valid(node) ? nodes[node].first : -1;
}

int CurTree::getNextSibling(int node) const
{
    return valid(node) ? nodes[node].next : -1;
}

int CurTree::getChildCount(int node) const
{
    return valid(node) ? nodes[node].children : -1;
}

int CurTree::getDepth(int node) const
{
    return valid(node) ? nodes[node].depth : -1;
}

int CurTree::getNodeCount() const
{
    return (int)nodes.size();
}

void CurTree::clear(bool redraw)
{
    nodes.clear();
    firstTop = lastTop = current = top = findStart = singleChecked = -1;
    leftColumn = 0;
    finding = false;
    if (redraw)
        draw();
}

void CurTree::setHasChildren(int node, bool on)
{
    if (valid(node))
        nodes[node].lazy = on;
}

void CurTree::setChildrenCB(void (*callback)(CurTree*, int, void*), void* data)
{
    if (callback == nullptr)
        childrenFunction = nullptr;
    else
        childrenFunction = [callback, data](CurTree* tree, int node) { callback(tree, node, data); };
}

void CurTree::setChildrenCB(std::function<void(CurTree*, int)> callback)
{
    childrenFunction = std::move(callback);
}

// The shown nodes in order: a node, then its children when expanded, then
// its next sibling, or the next sibling of the nearest ancestor that has one.
int CurTree::nextShown(int node) const
{
    if (nodes[node].expanded && nodes[node].first >= 0)
        return nodes[node].first;
    for (int n = node; n >= 0; n = nodes[n].parent)
        if (nodes[n].next >= 0)
            return nodes[n].next;
    return -1;
}

int CurTree::prevShown(int node) const
{
    int n = nodes[node].prev;
    if (n < 0)
        return nodes[node].parent;
    while (nodes[n].expanded && nodes[n].last >= 0)
        n = nodes[n].last;
    return n;
}

int CurTree::lastShown() const
{
    int n = lastTop;
    while (n >= 0 && nodes[n].expanded && nodes[n].last >= 0)
        n = nodes[n].last;
    return n;
}

// Every node in the tree's order, whatever is expanded, the first after the last.
int CurTree::nextInTree(int node) const
{
    if (nodes[node].first >= 0)
        return nodes[node].first;
    for (int n = node; n >= 0; n = nodes[n].parent)
        if (nodes[n].next >= 0)
            return nodes[n].next;
    return firstTop;
}

bool CurTree::shown(int node) const
{
    for (int n = nodes[node].parent; n >= 0; n = nodes[n].parent)
        if (!nodes[n].expanded)
            return false;
    return true;
}

// A node asked to have children calls the children callback on its first
// expansion, after which it is asked no more (whatever the callback did).
bool CurTree::open(int node)
{
    if (nodes[node].lazy && childrenFunction) {
        nodes[node].lazy = false;
        std::shared_ptr<bool> stillHere = alive;
        std::function<void(CurTree*, int)> ask = childrenFunction;
        ask(this, node);                 // may add nodes anywhere, clear or delete the tree
        if (!*stillHere)
            return false;
        if (!valid(node))
            return true;
    }
    nodes[node].lazy = false;
    nodes[node].expanded = nodes[node].first >= 0;
    return true;
}

void CurTree::expand(int node, bool redraw)
{
    if (!valid(node) || !open(node))
        return;
    if (redraw)
        draw();
}

void CurTree::collapse(int node, bool redraw)
{
    if (!valid(node))
        return;
    nodes[node].expanded = false;
    if (valid(current)) {
        int outermost = -1;              // the outermost collapsed ancestor of the current node
        for (int n = nodes[current].parent; n >= 0; n = nodes[n].parent)
            if (!nodes[n].expanded)
                outermost = n;
        if (outermost >= 0)
            current = outermost;
    }
    if (redraw)
        draw();
}

bool CurTree::isExpanded(int node) const
{
    return valid(node) && nodes[node].expanded;
}

// The nodes below node in the tree's order, each opened as it is reached,
// so that children just asked for are reached next; the walk ends when it
// climbs out of node, or at the limit.
int CurTree::expandAll(int node, bool redraw)
{
    if (!valid(node))
        return 0;
    int done = 0, n = node;
    while (n >= 0 && done < expandLimit) {
        if (nodes[n].first >= 0 || nodes[n].lazy) {
            if (!open(n))
                return done;             // the tree was deleted by the callback
            done++;
        }
        if (!valid(node) || !valid(n))
            break;
        if (nodes[n].first >= 0) {
            n = nodes[n].first;
            continue;
        }
        while (n != node && nodes[n].next < 0)
            n = nodes[n].parent;
        n = n == node ? -1 : nodes[n].next;
    }
    if (redraw)
        draw();
    return done;
}

void CurTree::setExpandLimit(int limit)
{
    expandLimit = limit < 0 ? 0 : limit;
}

int CurTree::getExpandLimit() const
{
    return expandLimit;
}

int CurTree::getCurrent() const
{
    return valid(current) ? current : -1;
}

void CurTree::setCurrent(int node, bool redraw)
{
    if (!valid(node))
        return;
    for (int n = nodes[node].parent; n >= 0; n = nodes[n].parent)
        if (nodes[n].first >= 0)
            nodes[n].expanded = true;
    current = node;
    fitView();
    if (redraw)
        draw();
}

// Check marks. A node is checked whole, or partly through its children:
// each node counts its children checked whole and partly, so a change
// passes up only as far as some node's state changes.
CurTree::CHECK CurTree::state(const Node& n) const
{
    if (n.checked)
        return CHECKED;
    return n.checkedChildren + n.partialChildren > 0 ? PARTIAL : UNCHECKED;
}

void CurTree::setCheckMarks(bool on)
{
    checkMarks = on;
}

void CurTree::setSingleCheck(bool on)
{
    singleCheck = on;
    singleChecked = -1;
}

CurTree::CHECK CurTree::getCheck(int node) const
{
    return valid(node) ? state(nodes[node]) : UNCHECKED;
}

// Every node below node (and node) set to on, in the tree's order.
void CurTree::setBelow(int node, bool on)
{
    int n = node;
    while (n >= 0) {
        nodes[n].checked = on;
        nodes[n].checkedChildren = on ? nodes[n].children : 0;
        nodes[n].partialChildren = 0;
        if (nodes[n].first >= 0) {
            n = nodes[n].first;
            continue;
        }
        while (n != node && nodes[n].next < 0)
            n = nodes[n].parent;
        n = n == node ? -1 : nodes[n].next;
    }
}

void CurTree::passUp(int node, CHECK before)
{
    CHECK after = state(nodes[node]);
    for (int n = node; before != after && nodes[n].parent >= 0; ) {
        Node& p = nodes[nodes[n].parent];
        CHECK parentBefore = state(p);
        p.checkedChildren += (after == CHECKED) - (before == CHECKED);
        p.partialChildren += (after == PARTIAL) - (before == PARTIAL);
        p.checked = p.children > 0 && p.checkedChildren == p.children;
        n = nodes[n].parent;
        before = parentBefore;
        after = state(p);
    }
}

void CurTree::setChecked(int node, bool on, bool redraw)
{
    if (!valid(node))
        return;
    if (singleCheck) {
        if (on && valid(singleChecked) && singleChecked != node)
            setChecked(singleChecked, false, false);
        if (on)
            singleChecked = node;
        nodes[node].checked = on;        // a parent's state is its own: nothing passes up
    } else {
        CHECK before = state(nodes[node]);
        setBelow(node, on);
        passUp(node, before);
    }
    if (redraw)
        draw();
}

std::vector<int> CurTree::getChecked() const
{
    std::vector<int> found;
    for (int n = firstTop; n >= 0; ) {
        if (nodes[n].checked)
            found.push_back(n);
        n = nextInTree(n);
        if (n == firstTop)
            break;
    }
    return found;
}

bool CurTree::find(std::string_view text)
{
    if (!valid(current))
        return false;
    auto holds = [&](const std::string& s) {
        for (size_t i = 0; i + text.size() <= s.size(); i++) {
            size_t k = 0;
            while (k < text.size() && tolower((unsigned char)s[i + k]) == tolower((unsigned char)text[k]))
                k++;
            if (k == text.size())
                return true;
        }
        return false;
    };
    int n = current;
    do {
        n = nextInTree(n);
        if (holds(nodes[n].text)) {
            setCurrent(n, false);
            return true;
        }
    } while (n != current);
    return false;
}

void CurTree::setTypeAhead(bool on)
{
    typeAheadOn = on;
    typed.clear();
}

// Either form is kept as one function with the tree bound in (CurCallback's rule).
void CurTree::setChangeCB(void (*callback)(CurTree*, void*), void* data)
{
    changeFunction = callback == nullptr ? nullptr : std::function<void()>([this, callback, data] {
        callback(this, data);
    });
}

void CurTree::setChangeCB(std::function<void(CurTree*)> callback)
{
    changeFunction = !callback ? nullptr : std::function<void()>([this, callback] { callback(this); });
}

void CurTree::setActivateCB(void (*callback)(CurTree*, void*), void* data)
{
    activateFunction = callback == nullptr ? nullptr : std::function<void()>([this, callback, data] {
        callback(this, data);
    });
}

void CurTree::setActivateCB(std::function<void(CurTree*)> callback)
{
    activateFunction = !callback ? nullptr : std::function<void()>([this, callback] { callback(this); });
}
