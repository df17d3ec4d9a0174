#ifndef VELMORA_CURTESTSCREEN_H
#define VELMORA_CURTESTSCREEN_H
// CurTestScreen: the test kit's terminal emulator. The bytes a program writes
// go in; cells, text and the cursor come out; keys named as a person would
// name them go to the program as the bytes this terminal sends for them.
#include <cstddef>

#include "CurTestCell.h"

struct VTerm;
struct VTermScreen;

class CurTestScreen {
public:
    CurTestScreen(int rows, int cols);
    virtual ~CurTestScreen();            // frees the emulator
    CurTestScreen(const CurTestScreen&) = delete;
    CurTestScreen& operator=(const CurTestScreen&) = delete;

    // the program's side
    void feed(const char* bytes, size_t len);        // output of the program
    void setInputFd(int fd);                         // where keys and the terminal's replies go
    virtual bool resize(int rows, int cols);         // a blank screen of the new size; false below 1 x 1

    // keys. A name is one of Tab, BackTab, Up, Down, Left, Right, Home, End,
    // PageUp, PageDown, Insert, Delete, Backspace, Esc, Enter, Space, F1..F12,
    // a single character, U+NNNN for a character by its code point, Ctrl-x,
    // 0xNN for one raw byte, or Hidden (a key log's secret character: types
    // an x); Shift-, Ctrl- and
    // Alt- prefixes combine with the named keys (Shift-Tab is BackTab). Keys
    // are encoded for the modes the program has set (cursor keys, keypad).
    bool key(const char* name);                      // false, sending nothing, for an unknown name
    bool keys(const char* names);                    // names separated by blanks; false at the first unknown one
    void type(const char* utf8);                     // each character as typed
    void sendBytes(const char* raw, size_t len);     // exactly these bytes
    // the mouse, at a cell counted from 0, sent as this terminal reports it
    // in the mode the program switched on; false, sending nothing, while
    // the program has switched on none (mouseReporting)
    bool click(int row, int col);                    // left button pressed and let go
    bool doubleClick(int row, int col);              // two clicks at once
    bool wheel(int row, int col, bool up);           // one step of the wheel
    // An event as a key log writes it after "Mouse": "Ctrl-Left Press 5 12";
    // a press sends the button down, Release, Click and DoubleClick let it go.
    // False, sending nothing, for another text or a cell off the screen.
    bool mouse(const char* event);
    // Pasting as a terminal pastes: line ends as carriage returns, between
    // the bracketed-paste markers while the program asked for them (private
    // mode 2004), as bare bytes otherwise. True when bracketed.
    bool paste(const char* text);
    bool focus(bool gained);                         // a focus report; false, sending nothing, unless mode 1004 is on

    // reading the screen
    int  rows() const;
    int  cols() const;
    CurTestCell cell(int row, int col) const;        // a blank cell outside the screen
    const char* text(int row, int col, int len);     // exactly len cells as UTF-8; valid until the next call
    const char* rowText(int row);                    // the whole row, trailing blanks cut; valid until the next call
    int  findRow(const char* utf8);                  // first row containing the text, or -1
    bool contains(const char* utf8);
    int  cursorRow() const;
    int  cursorCol() const;
    bool cursorVisible() const;
    virtual const char* dump();                      // every row numbered, and the cursor; valid until the next call

    // what the program sent, and the modes it left the terminal in
    const char* output() const;                      // every byte fed so far, as it came
    size_t      outputSize() const;                  // their number
    bool alternateScreen() const;                    // asked for by private modes 47, 1047, 1049
    bool mouseReporting() const;                     // asked for by private modes 9, 1000, 1002, 1003
    bool bracketedPaste() const;                     // asked for by private mode 2004
    bool focusReporting() const;                     // asked for by private mode 1004
    bool keypadMode();                               // arrows or keypad keys encoded in application mode

    // comparing with a picture: lines of text separated by newlines, as the
    // screen would show them (line-drawing characters as their Unicode boxes).
    // On a difference both print each differing row, expected above actual
    // with a mark under the first differing column, to standard error and to
    // difference().
    bool matches(const char* picture);               // every row; rows the picture lacks must be blank
    bool matchesRegion(int row, int col, const char* picture);  // only the picture's rectangle
    const char* difference() const;                  // the last comparison's report; "" when it matched

protected:
    enum CAPTURE { TEXT = 0, DUMP = 1, DIFFERENCE = 2 };
    virtual void beforeKey();                        // lets a session read pending output first
    const char* keep(CAPTURE which, const char* value);  // stores a copy the accessors hand out

private:
    friend struct CurTestScreenHooks;                // the emulator's callbacks
    void build();                                    // the emulator, numRows x numCols
    bool sendNamed(const char* name);
    void writeInput(const char* bytes, size_t len);   // to the program, as they are
    bool mouseButton(int row, int col, int button, bool pressed, int mod = 0);
    bool compareRows(int row, int col, int height, int width, const char* picture);

    void noteMode();                                 // alternateScreen from a finished CSI sequence
    char*        capture[3];             // owned copies, see CAPTURE
    char*        raw;                    // output(), grown by feed()
    size_t       rawLen, rawCap;
    char         keyCapture[32];         // keys go here instead of the input while capturing
    int          keyCaptureLen;          // -1: not capturing
    bool         altScreen;
    unsigned     mouseModes;             // a bit for each mouse mode on (MOUSE_MODE)
    bool         pasteMode;              // private mode 2004
    bool         focusMode;              // private mode 1004

    VTerm*       vt;
    VTermScreen* screen;
    int          seqState;               // escape sequence being read by feed()
    char         seq[64];
    size_t       seqLen;
    char         lastChar[8];            // the last printable character, as UTF-8
    int          numRows;
    int          numCols;
    int          inputFd;
    bool         cursorShown;
};
#endif
