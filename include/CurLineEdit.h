#ifndef VELMORA_CURLINEEDIT_H
#define VELMORA_CURLINEEDIT_H
// CurLineEdit: a single line of editable text, scrolled sideways with "<"
// and ">" marks when it is wider than its box, optionally masked with "*".
// A box narrower than 3 columns has no room for the marks: it shows the text
// around the cursor and edits with the same keys. In a UTF-8 locale it edits
// whole characters and counts screen columns; elsewhere one byte is one column.
#include "CurGadget.h"

#include <functional>
#include <string_view>

class CurLineEdit : public CurGadget {
public:
    CurLineEdit(CurWindow* window);      // empty, focused, not hidden; keypad mode on for the window
    ~CurLineEdit() override;
    CurLineEdit(const CurLineEdit&) = delete; // owns its text
    CurLineEdit& operator=(const CurLineEdit&) = delete;

    // Copies; cursor behind the end; null is ignored. In a UTF-8 locale
    // every bad byte becomes a replacement character, so the text stays valid.
    // Cut to the maximum length at a character boundary.
    void        setText(const char* newText, bool redraw);
    void        setText(std::string_view newText, bool redraw); // up to a NUL, if any
    const char* getText() const;         // the edited text; valid until the next edit or setText
    void        setHidden(bool on);      // show every character as "*"; takes effect at the next draw

    // At most this many characters (a character with its combining marks):
    // typing stops there, and a longer text, the current one included, is
    // cut (the current one without a redraw). 0 or less: no limit, as at first.
    void setMaxLength(int characters);
    int  getMaxLength() const;           // 0 for no limit
    // Asked for each character (its code point; a byte in a single-byte
    // locale) about to be typed in: false refuses it, and the key is taken
    // with nothing inserted.
    void setFilterCB(bool (*callback)(int code, void*), void* data); // null switches it off
    void setFilterCB(std::function<bool(int code)> callback);      // either form replaces the other
    // Called after a key changed the text, once the field is drawn; not for
    // setText. It may change the editor.
    void setChangeCB(void (*callback)(CurLineEdit*, void*), void* data);
    void setChangeCB(std::function<void(CurLineEdit*)> callback);

    // the gadget contract (the keyboard loop is CurGadget's)
    void draw() override;                // the field row; leaves the cursor on the edit position
    // Inserts printable ASCII; in a UTF-8 locale also any printable character
    // arriving as CurGadget::WIDE_CHAR plus its code point, as the key reader
    // hands them on (CurInit::readWideKey). Codes 128 to 255 insert nothing.
    // CurInit::PASTE inserts the pasted text (CurInit::getPaste) as one
    // line, each character filtered and counted as if typed.
    bool processKey(int key) override;
    bool processMouse(const CurInit::MouseEvent& event) override;  // a click puts the cursor there
    void acceptFocus(bool redraw) override; // also tells the key reader whether the input is secret
    void loseFocus(bool redraw) override;

    char* text;                          // the edited text, NUL-terminated, owned
    bool  hidden;                        // mask the text with "*"

private:
    void fitCursor(int length);          // brings the cursor back into the box for a text of length
    int  lastCol(int length) const;      // the rightmost column the cursor may take where it stands
    bool processNarrowKey(int key, int length); // keys in a box of fewer than 3 columns
    bool editKey(int key);               // processKey without the change callback
    bool removeKey(int key, int length); // Backspace and Delete in a box of 3 columns or more
    int  keyCode(int key);               // the character a key inserts; -1 for none
    int  insertCode(int code, int length); // returns the bytes inserted
    int  insertChecked(int code, int length); // insertCode after the filter and the limit; 0 when refused
    bool insertPaste(int length);        // CurInit::PASTE: the paste's text at the cursor
    int  cutAt(const char* s, int length) const; // bytes of the first maxLength characters
    void changed();                      // the one call path of both change callback forms
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
    int  maxLength;                      // in characters; 0 for none
    std::function<bool(int)> filterFunction; // either form
    std::function<void()> changeFunction; // either form, this gadget bound in
    bool edited;                         // the key being handled changed the text
};
#endif
