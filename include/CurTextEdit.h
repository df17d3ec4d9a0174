#ifndef VELMORA_CURTEXTEDIT_H
#define VELMORA_CURTEXTEDIT_H
// CurTextEdit: a multi-line text editor in a frame, with a scroll bar in the
// frame's right column (as the list has) while the text does not fit. Lines
// longer than the view scroll sideways, or wrap at the view's width (a
// setting). It edits whole characters and counts screen columns as the rest
// of the toolkit does; the bytes it is given are kept as they are (a bad
// byte or a control character shows as a mark, moves and is removed as one
// character), so getText gives back what setText took apart from the edits.
// The text is held line by line: a key costs what its line and the view
// cost, however long the text.
#include "CurGadget.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

typedef struct _win_st WINDOW;

class CurTextEdit : public CurGadget {
public:
    CurTextEdit(CurWindow* window);      // empty, focused, inserting, scrolling sideways,
                                         // Tab left to the form, no size limit; keypad mode on
    ~CurTextEdit() override;
    CurTextEdit(const CurTextEdit&) = delete;
    CurTextEdit& operator=(const CurTextEdit&) = delete;

    // the text
    // Copies, split at each newline (a carriage return before one stays in
    // its line); the cursor goes to the start. A text above the maximum
    // size is cut there at a character boundary. Null is ignored.
    void        setText(const char* text, bool redraw);
    void        setText(std::string_view text, bool redraw);
    // The lines joined by newlines, NUL-terminated (a NUL inside the text
    // ends the C string early: getLength counts every byte); valid until the
    // next edit, setText or getText.
    const char* getText();
    long        getLength() const;       // bytes of the text, newlines included
    int         getLineCount() const;    // at least 1
    void        getCursor(int* line, int* byte) const; // line index and byte in it; either may be null
    void        setCursor(int line, int byte, bool redraw); // clamped, moved back to a character start

    // settings
    void setWrap(bool on, bool redraw);  // wrap long lines at the view's width; off at first
    // Tab's part: 0 (at first) leaves Tab to the form, n of 1 to 16 makes it
    // insert blanks up to the next multiple of n columns.
    void setTabWidth(int n);
    void setOverwrite(bool on);          // typed characters replace the one under the cursor; Insert flips it
    bool isOverwrite() const;
    // At most bytes bytes (0: no limit, at first). A text already longer is
    // kept; edits that would lengthen it are refused until it is shorter.
    void setMaxSize(long bytes);
    void setReadOnly(bool on);           // every key but the moves is refused; off at first
    // Called after every edit of the text by a key (not by setText); either
    // form replaces the other.
    void setChangeCB(void (*callback)(CurTextEdit*, void*), void* data);
    void setChangeCB(std::function<void()> callback); // the same, not told which gadget
    void setChangeCB(std::function<void(CurTextEdit*)> callback);

    // the gadget contract (the keyboard loop is CurGadget's)
    void draw() override;                // frame, scroll bar, rows in view; cursor on the edit position
    // Moves: the arrows, Home and End of the line, Ctrl-Home and Ctrl-End
    // (or Alt-< and Alt->) of the text, Page Up and Page Down. Edits:
    // printable characters, Enter, Backspace, Delete, Tab when set, Insert.
    // Every arrow is consumed, even at the ends of the text; Esc, back-tab,
    // function keys and other control keys are left to the caller.
    bool processKey(int key) override;   // CurInit::PASTE inserts the pasted text, line ends kept
    bool processMouse(const CurInit::MouseEvent& event) override;  // a click puts the cursor there;
                                                                   // the wheel moves it three rows
    bool takesTab() const override;      // true when Tab inserts blanks

private:
    // the lines: a gap buffer of lines, so that adding or removing a line
    // costs the distance from the last such edit, not the number of lines
    std::string&       line(int index);
    const std::string& line(int index) const;
    void moveGap(int to);
    void insertLine(int at, std::string text);
    void eraseLine(int at);

    // layout
    bool framed() const;
    int  viewRows() const;
    int  viewCols() const;
    void rowStarts(int index, std::vector<int>& starts) const; // byte starts of the line's rows
    int  rowOf(int index, int pos) const;                      // the row holding byte pos
    bool stepRow(int* index, int* row, int by) const;          // false when it stopped at an end
    void fitView();                      // the cursor back into view
    void drawRows(WINDOW* w, bool* endShown);
    void drawScrollBar(WINDOW* w);
    void placeCursor();

    // moves and edits
    void moveVertical(int rows);
    void goalFromCursor();
    bool insertBytes(const char* bytes, int n);
    bool insertPaste();                  // CurInit::PASTE: the pasted text at the cursor
    bool splitLine();
    bool removeBefore();
    bool removeAt();
    bool editKey(int key);
    void changed();

    std::vector<std::string> store;      // the lines, with a gap of empty entries
    int   gapStart, gapEnd;              // store[gapStart, gapEnd) is the gap
    long  totalBytes;
    int   curLine, curPos;               // the cursor: line and byte in it
    int   goalCol;                       // column Up and Down aim for (within the row when wrapping)
    int   topLine, topRow;               // first row in view
    int   leftCol;                       // first column in view when scrolling sideways
    bool  wrap, overwrite, readOnly;
    int   tabWidth;
    long  maxSize;
    std::string joined;                  // what getText handed out
    std::function<void()> changeFunction; // either form, this gadget bound in
    // The rows of the last line laid out, while no edit came between: a
    // long line wrapped is walked once per key, not once per row shown.
    long  edits;                         // counts every change of the text
    mutable int  cachedLine, cachedCols;
    mutable long cachedEdits;
    mutable std::vector<int> cachedStarts;
};
#endif
