#ifndef VELMORA_CURLAYOUT_H
#define VELMORA_CURLAYOUT_H
// CurLayout: places gadgets, windows and other layouts in a row, a column or
// a grid, inside a window's interior or (for windows) on the screen. Each
// child has a size rule; the layout runs again by itself when the terminal
// or its window changes size or place, and when a child's natural size
// changes. It owns none of its children; a child destroyed leaves it.
#include <climits>
#include <unordered_map>
#include <vector>

class CurFocuser;
class CurGadget;
class CurWindow;

class CurLayout {
public:
    enum KIND : int { ROW = 0, COLUMN = 1, GRID = 2 };
    // Where a child stands across the layout (in a row: up and down) when
    // it does not fill its cell: at its natural size, at the start, the
    // middle or the end. In a grid the same holds on both axes.
    enum ALIGN : int { FILL = 0, START = 1, CENTER = 2, END = 3 };
    enum : int { NATURAL = -1 };
    // Deeper trees are refused by add: each level is one call deep when the
    // layout runs, so the limit keeps the stack small.
    enum : int { MAX_DEPTH = 64 };

    // A child's size along the layout (widths in a row, heights in a column).
    // The layout first gives each child its size (fixed cells, or NATURAL:
    // from its content) kept between minimum and maximum, then shares what
    // is left by weight (0 or negative: none; at most 1,000,000), each still
    // kept at or under its maximum. When the space is short, each child keeps
    // its minimum first, then grows toward its size by equal steps; when even
    // the minimums do not fit, the later children get nothing and are not
    // shown. Sizes below 0 count as 0.
    struct Rule {
        Rule() : size(NATURAL), minimum(0), maximum(INT_MAX), weight(0), align(FILL) {}
        int   size;                            // cells, or NATURAL
        int   minimum;
        int   maximum;
        int   weight;
        ALIGN align;
        static Rule fixed(int cells);          // exactly cells, when they fit
        static Rule flex(int weight = 1);      // from 0, a share of what is left
        static Rule natural(ALIGN align = FILL); // the content's size, no share
    };

    explicit CurLayout(KIND kind = COLUMN, int columns = 2); // columns: a grid's, at least 1
    virtual ~CurLayout();                // leaves its parent and the screen; children untouched
    CurLayout(const CurLayout&) = delete; // children point back at it
    CurLayout& operator=(const CurLayout&) = delete;

    // children, in order (a grid fills its rows left to right). False, and
    // nothing changed, for null, a child already in a layout, a layout that
    // would contain itself or nest deeper than MAX_DEPTH, or a window in a
    // layout placed in a window.
    bool add(CurGadget* gadget, const Rule& rule = Rule());
    bool add(CurWindow* window, const Rule& rule = Rule());
    bool add(CurLayout* layout, const Rule& rule = Rule());
    bool remove(const void* child);      // a gadget, window or layout; false when not held
    bool setRule(const void* child, const Rule& rule); // false when not held
    int  getCount() const;               // children held
    // A grid's column and row rules: the size defaults to the largest
    // natural size of the column's (row's) children.
    void setColumnRule(int column, const Rule& rule);
    void setRowRule(int row, const Rule& rule);

    // spacing
    void setMargins(int top, int right, int bottom, int left); // inside the region; negative counts as 0
    void setSpacing(int cells);          // between neighbours; dropped when the space is short

    // where it runs (a layout inside another is placed by its parent)
    // Fills window's interior (inside its frame), and runs again whenever the
    // window's size or place or a child's natural size has changed, before
    // the next key is read. The window is erased, framed and its gadgets drawn
    // after each such run. Null detaches.
    void setWindow(CurWindow* window);
    void setScreen();                    // places windows on the whole screen, following resizes
    // Tab order: the focuser holds the layout's shown gadgets in layout
    // order after every run (gadgets given no cells are left out), and the
    // focus stays on its gadget while that is shown. Null detaches.
    void setFocuser(CurFocuser* focuser);

    // running
    // Places the children in the rectangle (the whole region, margins inside).
    void place(int height, int width, int y, int x);
    void run();                          // place in its window or the screen now and redraw; nothing when detached
    // The size it asks for: its children's natural sizes with spacing and margins.
    void naturalSize(int* height, int* width) const;

    // A gadget's natural size (its content's) as layouts measure it; windows
    // report the size they had when added.
    static void naturalSize(const CurGadget* gadget, int* height, int* width);

private:
    struct Child {
        int   type;                      // 0 gadget, 1 window, 2 layout; -1 removed
        void* object;
        Rule  rule;
        int   naturalHeight;             // a window's at add
        int   naturalWidth;
    };
    static void runAttached(CurWindow* reading); // the terminal's hook before every wait
    static CurLayout* ownerOf(const void* child); // the layout holding it, or null
    static void forget(const void* object); // a child, window or focuser going is let go
    bool adopt(int type, void* object, const Rule& rule);
    int  find(const void* child) const;
    int  depth() const;                  // levels below this one
    bool holdsWindows() const;           // any window in the tree
    void childNatural(const Child& c, int* height, int* width) const;
    void placeChild(const Child& c, int height, int width, int y, int x);
    void placeLine(int height, int width, int y, int x);
    void placeGrid(int height, int width, int y, int x);
    void compact();
    long signature() const;              // natural sizes of the tree, summed
    void gadgets(std::vector<CurGadget*>* out, bool shownOnly) const;
    void redraw();
    void fillFocuser();
    friend class CurFocuser;             // asks arrowTarget
    // Where an arrow key moves the focus from a gadget of this layout's
    // tree: the nearest shown gadget of the focuser in the next child along
    // the innermost row, column or grid around it that has one; null when
    // none has (the focuser then searches the screen).
    CurGadget* arrowTarget(const CurGadget* from, int key) const;
    CurGadget* nearest(const CurLayout::Child& c, const CurGadget* from, bool vertical,
                       bool forward) const;
    int        stepFrom(int at, bool vertical, bool forward) const; // the neighbour's index, -1 at the edge
    bool relayout();
    bool moved() const;                  // region or natural sizes changed since the last run
    void attach(CurWindow* window, bool screen);

    KIND       kind;
    int        columns;
    std::vector<Child> children;         // removed ones marked until compacted
    std::unordered_map<const void*, int> index;  // child -> its place in children
    int        removed = 0;              // marked, not yet compacted
    std::vector<Rule>  columnRules;
    std::vector<Rule>  rowRules;
    int        marginTop = 0, marginRight = 0, marginBottom = 0, marginLeft = 0;
    int        spacing = 0;
    CurLayout* parent = nullptr;
    CurWindow* window = nullptr;         // attached: its interior
    bool       onScreen = false;         // attached: the screen
    CurFocuser* focuser = nullptr;
    int        running = 0;              // inside place: removals wait
    int        lastY = INT_MIN, lastX = 0, lastHeight = 0, lastWidth = 0;
    int        lastInset = 0;            // 1 inside a frame
    long       lastSignature = 0;
    CurLayout* prevLayout = nullptr;     // every layout, for the hook and for forget
    CurLayout* nextLayout = nullptr;
    static CurLayout* layout_list;
};
#endif
