#ifndef VELMORA_CURLIST_H
#define VELMORA_CURLIST_H
// CurList: a framed, scrollable list of lines with a selection mark per
// line, a highlighted current line and a scroll bar when the lines do not fit.
// Small boxes draw what fits and nothing beside them: no frame below 2 x 2,
// no scroll bar below 4 rows, no thumb below 5. Lines can be changed while
// the list runs; the view, the marks and the scroll bar follow every change.
#include "CurGadget.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

typedef struct _win_st WINDOW;

class CurList : public CurGadget {
public:
    enum SELECT_MODE : int { SINGLE = 0, MULTIPLE = 1 }; // any other value behaves as MULTIPLE

    CurList(CurWindow* window);          // empty, focused, MULTIPLE; keypad mode on for the window
    ~CurList() override;
    CurList(const CurList&) = delete;    // owns its lines
    CurList& operator=(const CurList&) = delete;

    void addLine(const char* line, bool isSelected, bool redraw); // copies; null is ignored
    void addLine(std::string_view line, bool isSelected, bool redraw);
    // Stores the number of selected lines through count and, when it is above
    // 0, a new[] array of their indices (ascending, the caller's to delete[])
    // through indices; otherwise null. Either pointer may be null.
    void getSelected(int** indices, int* count);
    std::vector<int> getSelectedLines() const; // the selected lines' indices, ascending
    void setSelectMode(SELECT_MODE mode); // SINGLE keeps only the first selected line

    // Changing the lines. An index out of range (negative, the count or
    // beyond) is ignored, as is a null text. The current line stays on the
    // line it was on; removing it makes the next line current (or the last).
    // With redraw the list repaints what changed (never refreshes).
    int         getCount() const;
    const char* getLine(int index) const; // null out of range; valid until that line changes
    void setLine(int index, const char* text, bool redraw);   // copies
    void setLine(int index, std::string_view text, bool redraw);
    // index == getCount() appends; a selected line in SINGLE mode is the only one
    void insertLine(int index, const char* text, bool isSelected, bool redraw);
    void insertLine(int index, std::string_view text, bool isSelected, bool redraw);
    void removeLine(int index, bool redraw);
    void clear(bool redraw);             // no lines; current and top line 0
    int  getCurrent() const;             // the highlighted line; -1 when the list is empty
    void setCurrent(int index, bool redraw); // the view moves only as far as needed to show it
    bool isSelected(int index) const;    // false out of range
    void setSelected(int index, bool on, bool redraw); // SINGLE mode deselects the others

    // Called after a key moved the current line or changed a mark, once the
    // list is drawn; not for the program's own calls. It may change the list.
    void setChangeCB(void (*callback)(CurList*, void*), void* data); // null switches it off
    void setChangeCB(std::function<void(CurList*)> callback);      // either form replaces the other
    // Enter on a line: the list takes the key and calls this. With none set,
    // Enter is left to the caller (a form's Enter callback).
    void setActivateCB(void (*callback)(CurList*, void*), void* data);
    void setActivateCB(std::function<void(CurList*)> callback);
    // Printable keys jump to the next line that starts with what was typed
    // in the last second (ignoring ASCII case); off at first, so a form's
    // letter keys reach the program. Space still marks.
    void setTypeAhead(bool on);
    // The mark column shows the theme's check marks (its radio marks in
    // SINGLE mode; CurInit::ThemeShapes), on at first; off, it is one
    // column with "*" for a marked line, as for a list nobody marks.
    void setThemeMarks(bool on);
    int  markColumns() const;            // the mark column's width

    // the gadget contract (the keyboard loop is CurGadget's)
    void naturalSize(int* height, int* width) const override; // every line inside the frame, bar beside
    void draw() override;                // frame, scroll bar, lines; cursor on the current line's mark
    void drawLine(int index);            // one line's row, when in view
    // up, down, Home, End, Page Up/Down, and space on a non-empty list;
    // Enter and type-ahead keys when set up for them
    bool processKey(int key) override;
    // clicks on lines and the scroll bar, and the wheel (three rows a step)
    bool processMouse(const CurInit::MouseEvent& event) override;
    int  lineAt(int row, int column) const;  // the line shown on the window's cell; -1 for none

private:
    struct Line {
        char* text;                      // strdup copy
        bool  selected;
    };
    void insertAt(int index, std::string_view text, bool isSelected);
    void fitView();                      // brings topLine and curLine back to a valid view
    int  viewRows() const;               // interior rows, at least 1 for the scrolling rules
    void drawFrame(WINDOW* w);
    void drawScrollBar(WINDOW* w);
    void drawView(WINDOW* w);            // scroll bar, rows in view, cursor; not the frame
    void redrawAll();                    // draw, and the interior rows below the last line blanked
    void placeCursor();
    const char* markText(bool marked) const; // the mark column's text for a line
    int  lineAttr() const;               // the theme's attribute of its lines, focused or not
    void jumpTo(int line, int top);      // current line and top line, brought into a valid view, then draw
    void mark(int index, bool on);       // one flag, the count of marks kept
    void clearOthers(int keep, bool redraw); // SINGLE mode: deselects every line but keep
    bool typeAhead(int key);             // a type-ahead key; true when consumed
    int  scrollBarKey(int row) const;    // the key a click on the scroll bar's row stands for
    void scrollBy(int rows);             // the view moved, the current line kept in it
    static const int WHEEL_ROWS = 3;     // rows one step of the wheel scrolls
    int  findPrefix(const std::string& prefix, int start) const;
    void changed();                      // the one call path of both change callback forms
    void activated();                    // the same for the activate callback

    std::vector<Line> lines;
    int         topLine;                 // line shown in the first interior row
    int         curLine;
    int         numSelected;             // lines marked
    int         lastMarked;              // a marked line when numSelected > 0, or -1 when unknown
    SELECT_MODE selectMode;
    std::function<void()> changeFunction; // either form, this gadget bound in
    std::function<void()> activateFunction; // either form, this gadget bound in
    bool        themeMarks;
    bool        typeAheadOn;
    std::string typed;                   // the type-ahead text
    long long   typedAt;                 // when its last key came, in milliseconds
};
#endif
