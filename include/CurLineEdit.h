#ifndef VELMORA_CURLINEEDIT_H
#define VELMORA_CURLINEEDIT_H
// CurLineEdit: a single line of editable text, scrolled sideways with "<"
// and ">" marks when it is wider than its box, optionally masked with "*".
// A box narrower than 3 columns has no room for the marks: it shows the text
// around the cursor and edits with the same keys. In a UTF-8 locale it edits
// whole characters and counts screen columns; elsewhere one byte is one column.
#include "CurGadget.h"

class CurLineEdit : public CurGadget {
public:
    CurLineEdit(CurWindow* window);      // empty, focused, not hidden; keypad mode on for the window
    virtual ~CurLineEdit();

    // Copies; cursor behind the end; null is ignored. In a UTF-8 locale
    // every bad byte becomes a replacement character, so the text stays valid.
    void        setText(const char* newText, bool redraw);
    const char* getText() const;         // the edited text; valid until the next edit or setText
    void        setHidden(bool on);      // show every character as "*"; takes effect at the next draw

    // the gadget contract (the keyboard loop is CurGadget's)
    virtual void draw();                 // the field row; leaves the cursor on the edit position
    // Inserts printable ASCII; in a UTF-8 locale also any printable character
    // arriving as CurGadget::WIDE_CHAR plus its code point, as the key reader
    // hands them on (CurInit::readWideKey). Codes 128 to 255 insert nothing.
    virtual bool processKey(int key);
    virtual void acceptFocus(bool redraw);
    virtual void loseFocus(bool redraw);

    char* text;                          // the edited text, NUL-terminated, owned
    bool  hidden;                        // mask the text with "*"

private:
    void fitCursor(int length);          // brings the cursor back into the box for a text of length
    int  lastCol(int length) const;      // the rightmost column the cursor may take where it stands
    bool processNarrowKey(int key, int length); // keys in a box of fewer than 3 columns
    bool editKey(int key, int length);   // Backspace and Delete in a box of 3 columns or more
    int  keyCode(int key);               // the character a key inserts; -1 for none
    int  insertCode(int code, int length); // returns the bytes inserted
    void growFor(int length, int more);  // room for more bytes
    void removeRange(int from, int to);
    int  span(int from, int to) const;   // columns text[from, to) takes in the field
    int  colsBefore(int pos, int limit) const; // columns before pos, counted up to just past limit
    int  colsAfter(int pos, int length, int limit) const;
    void drawText(int row, int attr);
    void placeCursor();
    void repaint();                      // draw, then update the window

    int  textSize;                       // bytes allocated for text
    int  cursorPos;                      // byte index of the character under the cursor
    int  cursorCol;                      // column of the cursor inside the box
    bool focused;
};
#endif
