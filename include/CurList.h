#ifndef VELMORA_CURLIST_H
#define VELMORA_CURLIST_H
// CurList: a framed, scrollable list of lines with a selection mark per
// line, a highlighted current line and a scroll bar when the lines do not fit.
// Small boxes draw what fits and nothing beside them: no frame below 2 x 2,
// no scroll bar below 4 rows, no thumb below 5.
#include "CurGadget.h"

typedef struct _win_st WINDOW;

class CurList : public CurGadget {
public:
    enum SELECT_MODE : int { SINGLE = 0, MULTIPLE = 1 }; // any other value behaves as MULTIPLE

    CurList(CurWindow* window);          // empty, focused, MULTIPLE; keypad mode on for the window
    virtual ~CurList();

    void addLine(const char* line, bool isSelected, bool redraw); // copies; null is ignored
    // Stores the number of selected lines through count and, when it is above
    // 0, a new[] array of their indices (ascending, the caller's to delete[])
    // through indices; otherwise null. Either pointer may be null.
    void getSelected(int** indices, int* count);
    void setSelectMode(SELECT_MODE mode); // SINGLE keeps only the first selected line
    int  getCurrent() const;             // the highlighted line; -1 when the list is empty
    void setCurrent(int index, bool redraw); // scrolled into view; out of range is ignored

    // the gadget contract (the keyboard loop is CurGadget's)
    virtual void draw();                 // frame, scroll bar, lines; cursor on the current line's mark
    void         drawLine(int index);    // one line's row, when in view
    virtual bool processKey(int key);    // up, down, Home, End, Page Up/Down, and space on a non-empty list
    virtual void acceptFocus(bool redraw);
    virtual void loseFocus(bool redraw);

private:
    void fitView();                      // brings topLine and curLine back to a valid view
    int  viewRows() const;               // interior rows, at least 1 for the scrolling rules
    void drawFrame(WINDOW* w);
    void drawScrollBar(WINDOW* w);
    void drawView(WINDOW* w);            // scroll bar, rows in view, cursor; not the frame
    void placeCursor();
    void jumpTo(int line, int top);      // current line and top line, brought into a valid view, then draw
    void clearOthers(int keep);          // SINGLE mode: deselects and repaints every line but keep

    bool*       selected;                // numLines flags (capacity entries allocated)
    char**      lines;                   // numLines strdup copies (capacity entries allocated)
    int         numLines;
    int         topLine;                 // line shown in the first interior row
    int         curLine;
    bool        focused;
    SELECT_MODE selectMode;
    int         capacity;                // entries allocated in both arrays
};
#endif
