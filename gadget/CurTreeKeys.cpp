// CurTreeKeys.cpp - the tree's keys and mouse (gadget/): moving through the
// shown nodes, expanding and collapsing, check marks, the find text and
// type-ahead, clicks on marks, check boxes and nodes, and the wheel. A key
// that expands may call the program's children callback, which may delete
// the tree: each such step looks whether the tree is still there.
#include "CurTree.h"
#include "CurCallback.h"
#include "CurText.h"
#include "CurTypeAhead.h"
#include "CurWindow.h"

#include <curses.h>
#include <cctype>

// Up, Down, Home, End and the page keys; consumed even where nothing moves.
bool CurTree::moveKey(int key)
{
    int rows = viewRows();
    if (key == KEY_UP && prevShown(current) >= 0)
        current = prevShown(current);
    else if (key == KEY_DOWN && nextShown(current) >= 0)
        current = nextShown(current);
    else if (key == KEY_HOME)
        current = top = firstTop;
    else if (key == KEY_END)
        current = lastShown();
    else if (key == KEY_PPAGE || key == KEY_NPAGE) {
        bool down = key == KEY_NPAGE;
        for (int k = 0; k < rows; k++) {
            int c = down ? nextShown(current) : prevShown(current);
            int t = down ? nextShown(top) : prevShown(top);
            if (c < 0)
                break;
            current = c;
            if (t >= 0)
                top = t;
        }
    } else {
        return key == KEY_UP || key == KEY_DOWN;
    }
    return true;
}

// Right and "+" expand (Right on an expanded node goes to its first child),
// Left and "-" collapse (Left on a collapsed node goes to its parent), "*"
// expands all below. Consumed whatever the node.
bool CurTree::nodeKey(int key)
{
    Node& n = nodes[current];
    bool hasChildren = n.first >= 0 || n.lazy;
    if (key == KEY_RIGHT || key == '+') {
        if (hasChildren && !n.expanded)
            open(current);               // may add nodes, clear or delete the tree
        else if (key == KEY_RIGHT && n.expanded && n.first >= 0)
            current = n.first;
    } else if (key == KEY_LEFT || key == '-') {
        if (n.expanded)
            n.expanded = false;
        else if (key == KEY_LEFT && n.parent >= 0)
            current = n.parent;
    } else if (key == EXPAND_ALL_KEY) {
        expandAll(current, false);       // the same
    } else {
        return false;
    }
    return true;
}

bool CurTree::processKey(int key)
{
    if (finding)
        return findKey(key);
    if (nodes.empty())
        return key == KEY_UP || key == KEY_DOWN || key == KEY_HOME || key == KEY_END
               || key == KEY_PPAGE || key == KEY_NPAGE;
    fitView();
    std::shared_ptr<bool> stillHere = alive;
    int old = current;
    CHECK oldCheck = state(nodes[current]);
    if (moveKey(key) || nodeKey(key)) {
        if (!*stillHere)
            return true;
    } else if (key == ' ' && checkMarks) {
        setChecked(current, singleCheck || state(nodes[current]) != CHECKED, false);
    } else if (key == 13 && activateFunction) {
        CurCallback::call(activateFunction); // may change or delete the tree: nothing follows
        return true;
    } else if (key == FIND_KEY) {
        finding = true;
        findText.clear();
        findStart = current;
    } else if (key == KEY_F(3)) {
        if (!findText.empty())
            find(findText);
    } else if (!typeAhead(key)) {
        return false;
    }
    draw();
    window->update();
    if (valid(current) && (current != old || state(nodes[current]) != oldCheck))
        CurCallback::call(changeFunction); // may change or delete the tree: nothing follows
    return true;
}

// While finding: printable keys add to the text and Backspace takes its last
// character away, the current node moving to the first node from where the
// find began that holds it; F3 or Ctrl-N goes on to the next such node;
// Enter ends the find there, Esc back where it began. Every key is consumed.
bool CurTree::findKey(int key)
{
    int old = current, code = key >= WIDE_CHAR ? key - WIDE_CHAR : key;
    if (key == 27 || key == 13) {
        finding = false;
        if (key == 27 && valid(findStart))
            setCurrent(findStart, false);
    } else if (key == KEY_F(3) || key == 14) {
        find(findText);
    } else if (key == KEY_BACKSPACE || key == 127 || key == 8 || (key >= 32 && key < KEY_MIN)
               || (key >= WIDE_CHAR && CurText::insertable(code))) {
        if (key == KEY_BACKSPACE || key == 127 || key == 8) {
            findText.resize(CurText::prev(findText.c_str(), (int)findText.size()));
        } else {
            char bytes[4];
            findText.append(bytes, CurText::encode(code, bytes));
        }
        if (valid(findStart) && !findText.empty()) {
            current = findStart;
            std::string here = nodes[current].text;
            for (char& c : here)
                c = (char)tolower((unsigned char)c);
            std::string wanted = findText;
            for (char& c : wanted)
                c = (char)tolower((unsigned char)c);
            if (here.find(wanted) == std::string::npos)
                find(findText);
        }
    }
    draw();
    window->update();
    if (valid(current) && current != old)
        CurCallback::call(changeFunction); // may change or delete the tree: nothing follows
    return true;
}

// Printable keys typed within a second of each other make a text looked for
// at the start of the shown nodes, from the next one for a first key.
bool CurTree::typeAhead(int key)
{
    std::string added;
    if (!typeAheadOn || !curTypeAhead(key, typed, typedAt, &added))
        return false;
    bool first = typed.size() == added.size();
    int n = first ? nextShown(current) : current;
    for (int seen = 0; seen < (int)nodes.size(); seen++) {
        if (n < 0)
            n = firstTop;
        const std::string& text = nodes[n].text;
        bool same = text.size() >= typed.size();
        for (size_t i = 0; same && i < typed.size(); i++)
            same = tolower((unsigned char)text[i]) == tolower((unsigned char)typed[i]);
        if (same) {
            current = n;
            break;
        }
        n = nextShown(n);
    }
    return true;
}

int CurTree::nodeAt(int row, int column) const
{
    long long r = (long long)row - y - 1;
    if (r < 0 || r >= height - 2 || column <= x || column >= x + width - 1 || !valid(top))
        return -1;
    int n = top;
    for (int k = 0; k < r && n >= 0; k++)
        n = nextShown(n);
    return n;
}

// The mouse, in the window's cells: the wheel moves the view three nodes,
// the current node kept in it; a click on an expand mark flips the node, on
// a check box its check, on another node makes it current, and on the
// current node activates it (checks it when there is no activate callback
// and marks are shown, else flips it).
bool CurTree::processMouse(const CurInit::MouseEvent& event)
{
    if (finding || nodes.empty())
        return false;
    fitView();
    if (event.button == CurInit::WHEEL_UP || event.button == CurInit::WHEEL_DOWN) {
        for (int k = 0; k < 3; k++) {
            int t = event.button == CurInit::WHEEL_UP ? prevShown(top) : nextShown(top);
            if (t >= 0)
                top = t;
        }
        int old = current, last = top, k = 0;
        for (; k < viewRows() - 1 && last != current && nextShown(last) >= 0; k++)
            last = nextShown(last);
        if (last != current)             // scrolled out: above the view going down, below going up
            current = event.button == CurInit::WHEEL_DOWN ? top : last;
        draw();
        window->update();
        if (current != old)
            CurCallback::call(changeFunction); // may change or delete the tree: nothing follows
        return true;
    }
    if (event.button != CurInit::MOUSE_LEFT)
        return false;
    int node = nodeAt(event.row, event.column);
    if (node < 0 || (event.action != CurInit::MOUSE_CLICK && event.action != CurInit::MOUSE_DOUBLE_CLICK))
        return true;
    long long col = (long long)event.column - x - 1 + leftColumn, mark = markColumn(node);
    const Node& n = nodes[node];
    int key = 0;
    if (col == mark && (n.first >= 0 || n.lazy))
        key = n.expanded ? '-' : '+';
    else if (checkMarks && col >= mark + 2 && col < mark + 5)
        key = ' ';
    else if (node == current)
        key = activateFunction ? 13 : checkMarks ? ' ' : n.expanded ? '-' : '+';
    if (node != current) {
        current = node;
        if (key == 0) {
            draw();
            window->update();
            CurCallback::call(changeFunction); // may change or delete the tree: nothing follows
            return true;
        }
    }
    processKey(key);                     // the same
    return true;
}
