// CurLayoutFocus.cpp - a layout's focus (focus/): the focuser's ring in
// layout order, and the arrow keys moving through the layout's rows,
// columns and grids before the focuser's own search of the screen.
#include "CurLayout.h"
#include "CurFocuser.h"
#include "CurGadget.h"

#include <curses.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

void CurLayout::gadgets(std::vector<CurGadget*>* out, bool shownOnly) const
{
    for (const Child& c : children) {
        if (c.type == 2)
            static_cast<const CurLayout*>(c.object)->gadgets(out, shownOnly);
        if (c.type != 0)
            continue;
        CurGadget* g = static_cast<CurGadget*>(c.object);
        if (!shownOnly || (g->getWidth() > 0 && g->getHeight() > 0))
            out->push_back(g);
    }
}

void CurLayout::setFocuser(CurFocuser* f)
{
    if (focuser != nullptr && focuser->arranger == this)
        focuser->arranger = nullptr;
    focuser = f;
    if (focuser != nullptr)
        focuser->arranger = this;
    if (focuser != nullptr && (window != nullptr || onScreen))
        fillFocuser();
}

// The ring is rebuilt in layout order, keeping the focus on its gadget when
// that is still shown; gadgets of the focuser not in the layout stay.
void CurLayout::fillFocuser()
{
    CurGadget* focus = focuser->getFocusGadget();
    std::vector<CurGadget*> all, shown;
    gadgets(&all, false);
    gadgets(&shown, true);
    for (CurGadget* g : all)
        focuser->delGadget(g);
    for (CurGadget* g : shown)
        if (g->takesFocus())
            focuser->addGadget(g);
    if (focus == nullptr || !focuser->setFocus(focus))
        focuser->setFocus(0);
}

// The gap between two spans (0 when they overlap).
static int gapBetween(int a, int aLength, int b, int bLength)
{
    return std::max(0, std::max(a, b) - std::min(a + aLength, b + bLength));
}

// Among the focuser's shown gadgets in child c: the one first met moving
// that way, and of those the one most in line with from.
CurGadget* CurLayout::nearest(const Child& c, const CurGadget* from, bool vertical,
                              bool forward) const
{
    std::vector<CurGadget*> list;
    if (c.type == 0)
        list.push_back(static_cast<CurGadget*>(c.object));
    else if (c.type == 2)
        static_cast<const CurLayout*>(c.object)->gadgets(&list, true);
    auto inRing = [this](const CurGadget* g) {
        for (int i = 0; i < focuser->numGadgets; i++)
            if (focuser->gadgets[i] == g)
                return true;
        return false;
    };
    CurGadget* best = nullptr;
    long long bestKey = LLONG_MAX;
    for (CurGadget* g : list) {
        if (g->getWidth() <= 0 || g->getHeight() <= 0 || !inRing(g))
            continue;
        int along = vertical ? (forward ? g->getY() : -(g->getY() + g->getHeight()))
                             : (forward ? g->getX() : -(g->getX() + g->getWidth()));
        int across = vertical ? gapBetween(g->getX(), g->getWidth(), from->getX(), from->getWidth())
                              : gapBetween(g->getY(), g->getHeight(), from->getY(), from->getHeight());
        long long key = (long long)along * 100000 + across;
        if (key < bestKey) {
            bestKey = key;
            best = g;
        }
    }
    return best;
}

// The index of the child next to children[at] that way, -1 at the edge: in a
// row sideways, in a column up and down, in a grid both ways.
int CurLayout::stepFrom(int at, bool vertical, bool forward) const
{
    if (kind != GRID && vertical != (kind == COLUMN))
        return -1;
    std::vector<int> live;
    int pos = -1;
    for (int i = 0; i < (int)children.size(); i++)
        if (children[i].type >= 0) {
            if (i == at)
                pos = (int)live.size();
            live.push_back(i);
        }
    int step = forward ? 1 : -1, next = pos + step;
    if (kind == GRID && vertical)
        next = pos + step * columns;
    else if (kind == GRID && next / columns != pos / columns)
        return -1;              // a grid's row ends
    return pos < 0 || next < 0 || next >= (int)live.size() ? -1 : live[next];
}

CurGadget* CurLayout::arrowTarget(const CurGadget* from, int key) const
{
    bool vertical = key == KEY_UP || key == KEY_DOWN;
    bool forward = key == KEY_DOWN || key == KEY_RIGHT;
    if (focuser == nullptr || (!vertical && key != KEY_LEFT && key != KEY_RIGHT))
        return nullptr;
    // The path from the gadget up to this layout.
    std::vector<const CurLayout*> path;
    std::vector<const void*> below;
    const void* child = from;
    for (const CurLayout* l = ownerOf(from); l != nullptr; child = l, l = l->parent) {
        path.push_back(l);
        below.push_back(child);
        if (l == this)
            break;
    }
    if (path.empty() || path.back() != this)
        return nullptr;         // not in this layout's tree
    for (size_t k = 0; k < path.size(); k++) {
        const CurLayout* l = path[k];
        for (int at = l->find(below[k]); (at = l->stepFrom(at, vertical, forward)) >= 0;) {
            CurGadget* g = nearest(l->children[at], from, vertical, forward);
            if (g != nullptr)
                return g;
        }
    }
    return nullptr;
}
