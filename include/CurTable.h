#ifndef VELMORA_CURTABLE_H
#define VELMORA_CURTABLE_H
// CurTable: a framed table of rows in columns, with a header row that stays
// in view, horizontal scrolling past frozen first columns, sorting by a
// column, column widths changed with keys and the mouse, and single or
// multiple selection with the list's keys and marks. Rows are held by the
// table, or asked for on demand from a CurTableSource, so that a table of
// ten million rows costs the memory and the time of the rows on the screen.
#include "CurGadget.h"

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

typedef struct _win_st WINDOW;

// The rows of a table that the program keeps. The table asks for the count
// and for the cells it shows, at every key, redraw and resize, and for
// nothing else: it never walks all rows. Rows are numbered 0 to count - 1 in
// the source's present order; the count may change between two calls (the
// table's positions are kept within it). A method may throw: the exception
// reaches the caller of the key or draw that asked, the table left usable.
class CurTableSource {
public:
    virtual ~CurTableSource();
    virtual int rowCount() = 0;          // below 0 counts as 0
    // The text of a cell, in the toolkit's text rules; it must stay valid
    // until the next call on the source. A column past the source's own is "".
    virtual std::string_view cellText(int row, int column) = 0;
    // Orders the rows by a column (descending when asked) and answers true;
    // the base answers false: the table then cannot sort the source's rows,
    // and leaves the order as it is. Marks are cleared by a sort (the rows
    // they pointed at moved).
    virtual bool sortBy(int column, bool descending);
    // The first row from start on (wrapping at the end) whose cell in column
    // starts with prefix, ignoring ASCII case; -1 for none. The base answers
    // -1 without looking: type-ahead finds nothing in a source that does
    // not search itself.
    virtual int findPrefix(int column, std::string_view prefix, int start);
};

class CurTable : public CurGadget {
public:
    enum SELECT_MODE : int { SINGLE = 0, MULTIPLE = 1 }; // as CurList's
    // Keys beside the list's: Ctrl-O sorts by the current column (again: the
    // other way), Shift-Left and Shift-Right narrow and widen it.
    enum : int { SORT_KEY = 15 };

    CurTable(CurWindow* window);         // no columns, no rows, focused, MULTIPLE
    ~CurTable() override;
    CurTable(const CurTable&) = delete;  // owns its rows
    CurTable& operator=(const CurTable&) = delete;

    // Columns. Widths are screen columns, kept within 0..32767. A column is
    // fixed (setColumnWidth above 0) or shares the width left over by weight
    // (1 at first; 0 takes no share), never narrower than its minimum (the
    // title's columns at first). When the columns need more than the table
    // has, they keep those widths and the table scrolls sideways, the frozen
    // first columns staying in place. A column index out of range is ignored.
    int  addColumn(std::string_view title, int width = 0);  // returns its index
    int  addColumn(const char* title, int width = 0);       // null: an untitled column
    int  getColumnCount() const;
    void setColumnWidth(int column, int width);       // 0 or less: shares the rest again
    void setColumnMinWidth(int column, int width);
    void setColumnWeight(int column, int weight);
    void setColumnAlign(int column, CurInit::ALIGNMENT align); // LEFT (at first), RIGHT, CENTER
    // Fixes the column's width to its title's and its cells' widest: every
    // held row's, or the rows in view of a source (the table never walks them).
    void fitColumn(int column);
    int  getColumnWidth(int column) const;  // as laid out at the last draw or change; -1 out of range
    void setFrozenColumns(int count);       // the first count columns never scroll sideways

    // Rows held by the table (while no source is set). Cells past the
    // columns are kept and shown once columns are added; missing ones are "".
    int  addRow(const std::vector<std::string>& cells);     // returns the row's index
    int  addRow(const char* const* cells, int count);       // null cells read ""
    void setCell(int row, int column, std::string_view text, bool redraw);
    void clearRows(bool redraw);         // no rows, no marks
    // The rows of a source instead (not owned; null goes back to the held
    // rows). The view returns to the first row, marks are cleared.
    void setSource(CurTableSource* source);
    CurTableSource* getSource() const;
    // Rows are numbered as added (held) or as the source numbers them; a
    // held table's sort changes the order shown, not the numbers.
    int  getRowCount();                  // asks the source
    std::string getCell(int row, int column); // "" out of range

    // Sorting. A held table sorts stably by the program's comparison, or
    // else by numbers where both cells are numbers and by bytes otherwise;
    // a source sorts itself (CurTableSource::sortBy). -1 for no sort.
    void sortBy(int column, bool descending, bool redraw);
    int  getSortColumn() const;
    bool isSortDescending() const;
    // Below 0 when a comes first; both forms replace each other; null: the default.
    void setCompareCB(int (*callback)(const char* a, const char* b, int column, void*), void* data);
    void setCompareCB(std::function<int(std::string_view a, std::string_view b, int column)> callback);

    // Current row and selection, as CurList's.
    int  getCurrent();                   // the current row's number; -1 when there are none
    void setCurrent(int row, bool redraw); // a held row is looked for in the order shown
    int  getCurrentColumn() const;       // the column that sorting and width keys act on
    void setCurrentColumn(int column, bool redraw);
    void setSelectMode(SELECT_MODE mode);
    bool isSelected(int row) const;
    void setSelected(int row, bool on, bool redraw);
    std::vector<int> getSelectedRows() const;  // ascending
    void getSelected(int** indices, int* count); // as CurList::getSelected
    void setTypeAhead(bool on);          // printable keys find a row by the sorted column (or the current one)

    // Callbacks, each in two forms that replace each other (null switches off).
    // Called after a key or a click moved the current row or changed a mark,
    // sorted, or activated a row (Enter, a click on the current row); they
    // may change or delete the table.
    void setChangeCB(void (*callback)(CurTable*, void*), void* data);
    void setChangeCB(std::function<void(CurTable*)> callback);
    void setActivateCB(void (*callback)(CurTable*, void*), void* data);
    void setActivateCB(std::function<void(CurTable*)> callback);
    void setSortCB(void (*callback)(CurTable*, void*), void* data);
    void setSortCB(std::function<void(CurTable*)> callback);

    // the gadget contract
    void draw() override;                // frame, header, rows in view, scroll thumb; no refresh
    bool processKey(int key) override;
    // a click on a title sorts (again: the other way), a drag of a title's
    // right edge sets its width, a click on a row makes it current and on
    // the current row marks or activates it; the wheel scrolls three rows
    bool processMouse(const CurInit::MouseEvent& event) override;
    int  rowAt(int row, int column);     // the table row shown on the window's cell; -1 for none
    int  columnAt(int row, int column);  // the table column under the window's cell; -1 for none

private:
    struct Column {
        std::string title;
        int fixed = 0, minimum = 0, weight = 1, width = 0;
        CurInit::ALIGNMENT align = CurInit::LEFT;
    };
    // CurTable.cpp: rows, order and selection
    int  count();                        // rows now, the source asked once
    int  rowOf(int position) const;      // the row shown at a position of the order
    int  positionOf(int row) const;      // -1 when not shown
    std::string_view cell(int row, int column);
    void mark(int row, bool on);
    void sortHeld();
    // CurTableColumns.cpp: widths and sideways scrolling
    void layout();                       // widths from the rules, for the interior's width
    int  innerWidth() const;
    long long columnStart(int column) const; // its first cell, 0 at the first scrolled column
    void keepColumnInView();
    void resizeColumn(int column, int width);
    // CurTableDraw.cpp
    int  viewRows() const;
    void fitView(int rows);
    void drawHeader(WINDOW* w);
    void drawRow(WINDOW* w, int screenRow, int position, int rows);
    void drawCell(WINDOW* w, int row, int col, int cols, std::string_view text,
                  CurInit::ALIGNMENT align, int attr);
    void drawThumb(WINDOW* w, int rows);
    void forEachShownColumn(const std::function<void(int column, int col, int cols)>& paint);
    void placeCursor();
    // CurTableKeys.cpp
    bool moveKey(int key, int rows);
    bool columnKey(int key);
    bool typeAhead(int key);
    bool headerMouse(const CurInit::MouseEvent& event, int col);

    std::vector<Column> columns;
    std::vector<std::vector<std::string>> rows; // held rows
    std::vector<int> order;              // held rows' numbers in the order shown
    CurTableSource* source;
    std::set<int> marked;
    SELECT_MODE selectMode;
    int  topPos, curPos;                 // positions in the order shown
    int  curColumn, firstColumn, frozen; // firstColumn: the first scrolled column shown
    int  sortColumn;
    bool descending;
    int  dragColumn;                     // the column whose edge a press took; -1 for none
    bool unsorted;                       // held rows were added to a sorted order
    bool typeAheadOn;
    std::string typed;
    long long typedAt;
    std::function<int(std::string_view, std::string_view, int)> compareFunction;
    std::function<void()> changeFunction, activateFunction, sortFunction; // the table bound in
};
#endif
