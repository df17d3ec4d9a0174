#ifndef VELMORA_CURLINEEDIT_H
#define VELMORA_CURLINEEDIT_H
// CurLineEdit: a single line of editable text, scrolled sideways with "<"
// and ">" marks when it is wider than its box, optionally masked with "*".
// A box narrower than 3 columns has no room for the marks: it shows the text
// around the cursor and edits with the same keys.
#include "CurGadget.h"

class CurLineEdit : public CurGadget {
public:
    CurLineEdit(CurWindow* window);      // empty, focused, not hidden; keypad mode on for the window
    virtual ~CurLineEdit();

    void        setText(const char* newText, bool redraw); // copies; cursor behind the end; null is ignored
    const char* getText() const;         // the edited text; valid until the next edit or setText
    void        setHidden(bool on);      // show every character as "*"; takes effect at the next draw

    // the gadget contract (the keyboard loop is CurGadget's)
    virtual void draw();                 // the field row; leaves the cursor on the edit position
    virtual bool processKey(int key);
    virtual void acceptFocus(bool redraw);
    virtual void loseFocus(bool redraw);

    char* text;                          // the edited text, NUL-terminated, owned
    bool  hidden;                        // mask the text with "*"

private:
    void fitCursor(int length);          // brings the cursor back into the box for a text of length
    bool processNarrowKey(int key, int length); // keys in a box of fewer than 3 columns
    void growFor(int length);            // room for one more character
    void insertAt(int index, char ch, int length);
    void removeAt(int index);
    void placeCursor();
    void repaint();                      // draw, then update the window

    int  textSize;                       // bytes allocated for text
    int  cursorPos;                      // index of the character under the cursor
    int  cursorCol;                      // column of the cursor inside the box
    bool focused;
};
#endif
