// CurLayout.cpp - rows, columns and grids of gadgets, windows and layouts
// (focus/): the sharing of a length among size rules, the placing pass, and
// the turn before every key read in which attached layouts follow what moved.
#include "CurLayout.h"
#include "CurFocuser.h"
#include "CurGadget.h"
#include "CurSyncFrame.h"
#include "CurWaitHooks.h"
#include "CurWindow.h"

#include <curses.h>

#include <algorithm>
#include <unordered_map>

CurLayout* CurLayout::layout_list = nullptr;
static std::unordered_map<const void*, CurLayout*> owner_of;   // child -> its layout
static const long long MAX_WEIGHT = 1000000;

CurLayout::Rule CurLayout::Rule::fixed(int cells)
{
    Rule r;
    r.size = cells < 0 ? 0 : cells;
    return r;
}

CurLayout::Rule CurLayout::Rule::flex(int weight)
{
    Rule r;
    r.size = 0;
    r.weight = weight;
    return r;
}

CurLayout::Rule CurLayout::Rule::natural(ALIGN align)
{
    Rule r;
    r.align = align;
    return r;
}

// One length shared among count rules: want[i] is each rule's size with
// NATURAL already replaced by the content's. See Rule for the order.
static void share(const CurLayout::Rule* rules, const int* want, int count, int space,
                  int* sizes)
{
    std::vector<int> lo(count), hi(count), goal(count);
    long long need = 0;
    for (int i = 0; i < count; i++) {
        lo[i] = std::max(0, rules[i].minimum);
        hi[i] = std::max(lo[i], rules[i].maximum);
        goal[i] = std::min(std::max(want[i], lo[i]), hi[i]);
        need += lo[i];
    }
    if (need >= space) {        // even the minimums do not fit: the first ones keep theirs
        for (int i = 0; i < count; i++) {
            sizes[i] = std::min(lo[i], space);
            space -= sizes[i];
        }
        return;
    }
    long long left = space - need;
    // Growing toward each goal by equal steps: the smallest gaps fill first.
    std::vector<int> order(count);
    for (int i = 0; i < count; i++) {
        order[i] = i;
        sizes[i] = lo[i];
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return goal[a] - lo[a] < goal[b] - lo[b]; });
    // The level every gap is filled up to; what it leaves goes one cell
    // each to the earliest children still short of their goal.
    long long level = 0;
    for (int k = 0; k < count; k++) {
        long long gap = goal[order[k]] - lo[order[k]], rest = count - k;
        if ((gap - level) * rest > left) {
            level += left / rest;
            break;
        }
        left -= (gap - level) * rest;
        level = gap;
    }
    left = space - need;
    for (int i = 0; i < count; i++) {
        sizes[i] = lo[i] + (int)std::min<long long>(goal[i] - lo[i], level);
        left -= sizes[i] - lo[i];
    }
    for (int i = 0; i < count && left > 0; i++)
        if (sizes[i] < goal[i]) {
            sizes[i]++;
            left--;
        }
    // What is left goes by weight, each capped at its maximum: the children
    // whose cap is reached soonest for their weight are settled first.
    std::vector<int> grow;
    long long weights = 0;
    for (int i = 0; i < count; i++)
        if (rules[i].weight > 0 && sizes[i] < hi[i]) {
            grow.push_back(i);
            weights += std::min<long long>(rules[i].weight, MAX_WEIGHT);
        }
    auto weightOf = [&](int i) { return std::min<long long>(rules[i].weight, MAX_WEIGHT); };
    std::stable_sort(grow.begin(), grow.end(), [&](int a, int b) {
        return (long long)(hi[a] - sizes[a]) * weightOf(b) < (long long)(hi[b] - sizes[b]) * weightOf(a);
    });
    long long pool = left;
    for (int i : grow) {
        long long give = weights > 0 ? pool * weightOf(i) / weights : 0;
        give = std::min<long long>(give, hi[i] - sizes[i]);
        sizes[i] += (int)give;
        pool -= give;
        weights -= weightOf(i);
    }
    for (int i : grow)
        if (pool > 0 && sizes[i] < hi[i]) {
            sizes[i]++;
            pool--;
        }
}

CurLayout::CurLayout(KIND kind, int columns)
    : kind(kind), columns(columns < 1 ? 1 : columns)
{
    CurWaitHooks::layouts = runAttached;
    CurWaitHooks::forget = forget;
    nextLayout = layout_list;
    if (layout_list != nullptr)
        layout_list->prevLayout = this;
    layout_list = this;
}

CurLayout::~CurLayout()
{
    (prevLayout != nullptr ? prevLayout->nextLayout : layout_list) = nextLayout;
    if (nextLayout != nullptr)
        nextLayout->prevLayout = prevLayout;
    if (parent != nullptr)
        parent->remove(this);
    setFocuser(nullptr);
    for (Child& c : children) {
        if (c.type < 0)
            continue;
        owner_of.erase(c.object);
        if (c.type == 2)
            static_cast<CurLayout*>(c.object)->parent = nullptr;
    }
}

bool CurLayout::adopt(int type, void* object, const Rule& rule)
{
    if (object == nullptr || owner_of.count(object) != 0)
        return false;
    Child c{type, object, rule, 0, 0};
    if (type == 1) {
        CurWindow* w = static_cast<CurWindow*>(object);
        const CurLayout* root = this;
        while (root->parent != nullptr)
            root = root->parent;
        if (root->window != nullptr)
            return false;       // windows are placed on the screen only
        c.naturalHeight = w->getHeight();
        c.naturalWidth = w->getWidth();
    }
    if (type == 2) {
        CurLayout* l = static_cast<CurLayout*>(object);
        if (l->parent != nullptr || l->window != nullptr || l->onScreen)
            return false;
        int above = 0;
        for (const CurLayout* p = this; p != nullptr; p = p->parent, above++)
            if (p == l)
                return false;   // it would contain itself
        if (above + 1 + l->depth() > MAX_DEPTH)
            return false;
        l->parent = this;
    }
    index[object] = (int)children.size();
    children.push_back(c);
    owner_of[object] = this;
    return true;
}

bool CurLayout::add(CurGadget* gadget, const Rule& rule) { return adopt(0, gadget, rule); }
bool CurLayout::add(CurWindow* window, const Rule& rule) { return adopt(1, window, rule); }
bool CurLayout::add(CurLayout* layout, const Rule& rule) { return adopt(2, layout, rule); }

int CurLayout::find(const void* child) const
{
    auto it = index.find(child);
    return it == index.end() ? -1 : it->second;
}

// A removal inside a run only marks the child: the run's loop stays valid.
bool CurLayout::remove(const void* child)
{
    int i = find(child);
    if (i < 0)
        return false;
    if (children[i].type == 2)
        static_cast<CurLayout*>(children[i].object)->parent = nullptr;
    children[i].type = -1;
    owner_of.erase(child);
    index.erase(child);
    // Compacting costs the whole list: it waits until half of it is gone.
    if (running == 0 && ++removed * 2 > (int)children.size())
        compact();
    return true;
}

void CurLayout::compact()
{
    children.erase(std::remove_if(children.begin(), children.end(),
                                  [](const Child& c) { return c.type < 0; }),
                   children.end());
    removed = 0;
    for (int i = 0; i < (int)children.size(); i++)
        index[children[i].object] = i;
}

CurLayout* CurLayout::ownerOf(const void* child)
{
    auto it = owner_of.find(child);
    return it == owner_of.end() ? nullptr : it->second;
}

void CurLayout::forget(const void* object)
{
    auto it = owner_of.find(object);
    if (it != owner_of.end())
        it->second->remove(object);
    for (CurLayout* l = layout_list; l != nullptr; l = l->nextLayout) {
        if (l->window == object)
            l->window = nullptr;    // detached: nothing left to lay out in
        if (l->focuser == object)
            l->focuser = nullptr;
    }
}

bool CurLayout::setRule(const void* child, const Rule& rule)
{
    int i = find(child);
    if (i < 0)
        return false;
    children[i].rule = rule;
    return true;
}

int CurLayout::getCount() const
{
    int n = 0;
    for (const Child& c : children)
        n += c.type >= 0;
    return n;
}

void CurLayout::setColumnRule(int column, const Rule& rule)
{
    if (column < 0 || column >= columns)
        return;
    columnRules.resize(columns);
    columnRules[column] = rule;
}

void CurLayout::setRowRule(int row, const Rule& rule)
{
    if (row < 0 || row > 100000)
        return;
    if ((int)rowRules.size() <= row)
        rowRules.resize(row + 1);
    rowRules[row] = rule;
}

void CurLayout::setMargins(int top, int right, int bottom, int left)
{
    marginTop = std::max(0, top);
    marginRight = std::max(0, right);
    marginBottom = std::max(0, bottom);
    marginLeft = std::max(0, left);
}

void CurLayout::setSpacing(int cells)
{
    spacing = std::max(0, cells);
}

bool CurLayout::holdsWindows() const
{
    for (const Child& c : children)
        if (c.type == 1 || (c.type == 2 && static_cast<const CurLayout*>(c.object)->holdsWindows()))
            return true;
    return false;
}

int CurLayout::depth() const
{
    int deepest = 0;
    for (const Child& c : children)
        if (c.type == 2)
            deepest = std::max(deepest, 1 + static_cast<const CurLayout*>(c.object)->depth());
    return deepest;
}

void CurLayout::naturalSize(const CurGadget* gadget, int* height, int* width)
{
    *height = 1;
    *width = 1;
    if (gadget != nullptr)
        gadget->naturalSize(height, width);
}

void CurLayout::childNatural(const Child& c, int* height, int* width) const
{
    if (c.type == 0)
        naturalSize(static_cast<const CurGadget*>(c.object), height, width);
    else if (c.type == 1) {
        *height = c.naturalHeight;
        *width = c.naturalWidth;
    } else if (c.type == 2)
        static_cast<const CurLayout*>(c.object)->naturalSize(height, width);
    else
        *height = *width = 0;
}

// Sums are kept in long long and cut to a screen's worth: ten thousand
// children of natural size 32767 must not overflow.
static int cut(long long cells)
{
    return (int)std::min<long long>(std::max<long long>(cells, 0), 32767);
}

void CurLayout::naturalSize(int* height, int* width) const
{
    long long along = 0, across = 0;
    int shown = 0;
    std::vector<long long> colWidth(columns, 0), rowHeight;
    for (const Child& c : children) {
        if (c.type < 0)
            continue;
        int h, w;
        childNatural(c, &h, &w);
        if (c.rule.size != NATURAL)
            (kind == ROW ? w : h) = c.rule.size;
        if (kind == GRID) {
            int col = shown % columns, row = shown / columns;
            if ((int)rowHeight.size() <= row)
                rowHeight.push_back(0);
            colWidth[col] = std::max<long long>(colWidth[col], w);
            rowHeight[row] = std::max<long long>(rowHeight[row], h);
        } else {
            along += kind == ROW ? w : h;
            across = std::max<long long>(across, kind == ROW ? h : w);
        }
        shown++;
    }
    long long gaps = shown > 1 ? (long long)spacing * (shown - 1) : 0;
    long long h, w;
    if (kind == GRID) {
        w = h = 0;
        for (long long v : colWidth)
            w += v;
        for (long long v : rowHeight)
            h += v;
        int usedColumns = std::min(shown, columns);
        w += usedColumns > 1 ? (long long)spacing * (usedColumns - 1) : 0;
        h += rowHeight.size() > 1 ? (long long)spacing * (rowHeight.size() - 1) : 0;
    } else {
        h = kind == ROW ? across : along + gaps;
        w = kind == ROW ? along + gaps : across;
    }
    *height = cut(h + marginTop + marginBottom);
    *width = cut(w + marginLeft + marginRight);
}

// A child not filling its cell across (or, in a grid, on either axis)
// takes its natural size there, placed by its alignment.
static void alignIn(CurLayout::ALIGN align, int natural, int cell, int* size, int* offset)
{
    if (align == CurLayout::FILL || natural >= cell) {
        *size = cell;
        *offset = 0;
        return;
    }
    *size = std::max(0, natural);
    *offset = align == CurLayout::START ? 0
            : align == CurLayout::END   ? cell - *size
                                        : (cell - *size) / 2;
}

void CurLayout::placeChild(const Child& c, int height, int width, int y, int x)
{
    if (c.type == 0) {
        static_cast<CurGadget*>(c.object)->setGeometry(height, width, y, x);
    } else if (c.type == 1) {
        CurWindow* w = static_cast<CurWindow*>(c.object);
        if (height < 1 || width < 1) {
            w->unmap();         // given no cells: not shown until it gets some
            return;
        }
        if (w->getHeight() != height || w->getWidth() != width)
            w->resize(height, width);
        if (w->getY() != y || w->getX() != x)
            w->move(y, x);
        w->map();
    } else if (c.type == 2) {
        static_cast<CurLayout*>(c.object)->place(height, width, y, x);
    }
}

void CurLayout::place(int height, int width, int y, int x)
{
    running++;
    int h = std::max(0, height - marginTop - marginBottom);
    int w = std::max(0, width - marginLeft - marginRight);
    if (kind == GRID)
        placeGrid(h, w, y + marginTop, x + marginLeft);
    else
        placeLine(h, w, y + marginTop, x + marginLeft);
    if (--running == 0 && removed > 0)
        compact();
}

// Spacing counts only while every minimum still fits beside it.
static int gapFor(int spacing, int count, int space, long long minimums)
{
    long long gaps = count > 1 ? (long long)spacing * (count - 1) : 0;
    return minimums + gaps <= space ? spacing : 0;
}

void CurLayout::placeLine(int height, int width, int y, int x)
{
    std::vector<Child> list;
    for (const Child& c : children)
        if (c.type >= 0)
            list.push_back(c);  // a copy: placing may add or remove children
    int n = (int)list.size();
    if (n == 0)
        return;
    bool row = kind == ROW;
    std::vector<Rule> rules(n);
    std::vector<int> want(n), acrossNatural(n), sizes(n);
    long long minimums = 0;
    for (int i = 0; i < n; i++) {
        int h, w;
        childNatural(list[i], &h, &w);
        rules[i] = list[i].rule;
        want[i] = rules[i].size != NATURAL ? std::max(0, rules[i].size) : (row ? w : h);
        acrossNatural[i] = row ? h : w;
        minimums += std::max(0, rules[i].minimum);
    }
    int space = row ? width : height;
    int gap = gapFor(spacing, n, space, minimums);
    int gaps = (int)std::min<long long>((long long)gap * (n - 1), space);
    share(rules.data(), want.data(), n, space - gaps, sizes.data());
    int at = 0;
    for (int i = 0; i < n; i++) {
        int crossSize, crossOffset;
        alignIn(rules[i].align, acrossNatural[i], row ? height : width, &crossSize, &crossOffset);
        if (row)
            placeChild(list[i], crossSize, sizes[i], y + crossOffset, x + at);
        else
            placeChild(list[i], sizes[i], crossSize, y + at, x + crossOffset);
        at += sizes[i] + (i + 1 < n ? gap : 0);
    }
}

void CurLayout::placeGrid(int height, int width, int y, int x)
{
    std::vector<Child> list;
    for (const Child& c : children)
        if (c.type >= 0)
            list.push_back(c);
    int n = (int)list.size();
    if (n == 0)
        return;
    int cols = std::min(n, columns), rows = (n + columns - 1) / columns;
    std::vector<int> nh(n), nw(n), colWant(cols, 0), rowWant(rows, 0);
    for (int i = 0; i < n; i++) {
        childNatural(list[i], &nh[i], &nw[i]);
        colWant[i % columns] = std::max(colWant[i % columns], nw[i]);
        rowWant[i / columns] = std::max(rowWant[i / columns], nh[i]);
    }
    std::vector<Rule> colRule(cols), rowRule(rows);
    long long colMin = 0, rowMin = 0;
    for (int c = 0; c < cols; c++) {
        if (c < (int)columnRules.size())
            colRule[c] = columnRules[c];
        if (colRule[c].size != NATURAL)
            colWant[c] = std::max(0, colRule[c].size);
        colMin += std::max(0, colRule[c].minimum);
    }
    for (int r = 0; r < rows; r++) {
        if (r < (int)rowRules.size())
            rowRule[r] = rowRules[r];
        if (rowRule[r].size != NATURAL)
            rowWant[r] = std::max(0, rowRule[r].size);
        rowMin += std::max(0, rowRule[r].minimum);
    }
    int colGap = gapFor(spacing, cols, width, colMin);
    int rowGap = gapFor(spacing, rows, height, rowMin);
    std::vector<int> colSize(cols), rowSize(rows), colAt(cols), rowAt(rows);
    share(colRule.data(), colWant.data(), cols,
          width - (int)std::min<long long>((long long)colGap * (cols - 1), width), colSize.data());
    share(rowRule.data(), rowWant.data(), rows,
          height - (int)std::min<long long>((long long)rowGap * (rows - 1), height), rowSize.data());
    for (int c = 0, at = 0; c < cols; at += colSize[c] + colGap, c++)
        colAt[c] = at;
    for (int r = 0, at = 0; r < rows; at += rowSize[r] + rowGap, r++)
        rowAt[r] = at;
    for (int i = 0; i < n; i++) {
        int c = i % columns, r = i / columns, h, w, dy, dx;
        alignIn(list[i].rule.align, nh[i], rowSize[r], &h, &dy);
        alignIn(list[i].rule.align, nw[i], colSize[c], &w, &dx);
        placeChild(list[i], h, w, y + rowAt[r] + dy, x + colAt[c] + dx);
    }
}

// The natural sizes of the whole tree folded into one number: a change in
// any of them (a label's new text, a list's longer line) makes it differ.
long CurLayout::signature() const
{
    unsigned long sum = children.size();
    for (const Child& c : children) {
        if (c.type < 0)
            continue;
        int h, w;
        childNatural(c, &h, &w);
        sum = sum * 1000003u + (unsigned long)h * 65599u + (unsigned long)w;
        if (c.type == 2)
            sum ^= (unsigned long)static_cast<const CurLayout*>(c.object)->signature();
    }
    return (long)sum;
}

// The region: the window's interior, or the whole screen.
static void regionOf(CurWindow* window, int* h, int* w, int* y, int* x)
{
    if (window == nullptr) {
        *h = CurInit::height;
        *w = CurInit::width;
        *y = *x = 0;
        return;
    }
    int f = window->isFramed() && window->getHeight() >= 2 && window->getWidth() >= 2 ? 1 : 0;
    *h = std::max(0, window->getHeight() - 2 * f);
    *w = std::max(0, window->getWidth() - 2 * f);
    *y = *x = f;
}

// Places the tree in its region and remembers what it was placed for;
// true when it is attached.
bool CurLayout::relayout()
{
    if (window == nullptr && !onScreen)
        return false;
    int h, w, y, x;
    regionOf(window, &h, &w, &y, &x);
    place(h, w, y, x);
    lastHeight = h;
    lastWidth = w;
    lastY = window != nullptr ? window->getY() : 0;
    lastX = window != nullptr ? window->getX() : 0;
    lastInset = y;
    lastSignature = signature();
    if (focuser != nullptr)
        fillFocuser();
    return true;
}

bool CurLayout::moved() const
{
    int h, w, y, x;
    regionOf(window, &h, &w, &y, &x);
    int wy = window != nullptr ? window->getY() : 0, wx = window != nullptr ? window->getX() : 0;
    return h != lastHeight || w != lastWidth || wy != lastY || wx != lastX || y != lastInset
        || signature() != lastSignature;
}

// Everything in the window is drawn again at its new place: the old
// places would otherwise keep stale cells.
void CurLayout::redraw()
{
    if (window == nullptr)
        return;
    window->erase();
    if (window->isFramed())
        window->drawFrame();
    window->drawGadgets();
}

void CurLayout::run()
{
    if (!relayout())
        return;
    redraw();
    CurInit::refreshAllWindows();
}

// Screen layouts first: the windows they resize are then laid out inside.
// A layout moving windows does not bring this back: the turn is not re-entered.
void CurLayout::runAttached(CurWindow* reading)
{
    static bool busy = false;
    if (busy)
        return;
    busy = true;
    bool any = false;
    for (int pass = 0; pass < 2; pass++)
        for (CurLayout* l = layout_list; l != nullptr; l = l->nextLayout)
            if ((l->window != nullptr || l->onScreen) && l->onScreen == (pass == 0) && l->moved()) {
                l->relayout();
                l->redraw();
                any = true;
            }
    if (any && isendwin() == FALSE) {
        CurInit::refreshAllWindows();
        if (reading != nullptr && reading->stage())
            CurSyncFrame::update();         // the terminal's cursor back in the window read from
    }
    busy = false;
}

void CurLayout::attach(CurWindow* w, bool screen)
{
    window = w;
    onScreen = screen;
    if (window != nullptr || onScreen)
        relayout();
}

void CurLayout::setWindow(CurWindow* w)
{
    if (parent != nullptr || (w != nullptr && holdsWindows()))
        return;                 // placed by its parent; windows go on the screen only
    attach(w, false);
}

void CurLayout::setScreen()
{
    if (parent != nullptr)
        return;
    attach(nullptr, true);
}

