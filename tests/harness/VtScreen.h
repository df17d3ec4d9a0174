#ifndef VELMORA_TESTS_VTSCREEN_H
#define VELMORA_TESTS_VTSCREEN_H
// The terminal of the harness: libvterm behind a small interface that reads
// cells, text and the cursor, and types keys as a terminal sends them.
// ScreenSession (screen tests) and CursesTest (unit tests) both use it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vterm.h>

// Unicode code points that libvterm shows for the DEC line-drawing set.
namespace Box {
const uint32_t HLINE = 0x2500, VLINE = 0x2502;
const uint32_t ULCORNER = 0x250C, URCORNER = 0x2510, LLCORNER = 0x2514, LRCORNER = 0x2518;
const uint32_t LTEE = 0x251C, RTEE = 0x2524, TTEE = 0x252C, BTEE = 0x2534, PLUS = 0x253C;
const uint32_t BULLET = 0x00B7, CKBOARD = 0x2592, DIAMOND = 0x25C6;
}

// One character cell of the emulated screen.
struct ScreenCell {
    static constexpr int DEFAULT = -1;   // fg/bg: the terminal's default colour
    uint32_t    ch = ' ';                // first code point; blank cells read ' '
    std::string text = " ";              // the cell as UTF-8
    bool bold = false, underline = false, reverse = false, blink = false;
    int  fg = DEFAULT, bg = DEFAULT;     // palette index 0..255, or DEFAULT (-2: direct RGB)

    bool is(uint32_t c) const { return ch == c; }
    bool isHLine() const { return ch == Box::HLINE; }
    bool isVLine() const { return ch == Box::VLINE; }
    bool isUpperLeft() const { return ch == Box::ULCORNER; }
    bool isUpperRight() const { return ch == Box::URCORNER; }
    bool isLowerLeft() const { return ch == Box::LLCORNER; }
    bool isLowerRight() const { return ch == Box::LRCORNER; }
};

// A libvterm screen: bytes a program wrote go in with feed(); cells, text and
// the cursor come out; keys are encoded the way a terminal would send them
// and written to the input file descriptor (the pseudo-terminal's master).
class VtScreen {
public:
    VtScreen(int rows, int cols);
    virtual ~VtScreen();
    VtScreen(const VtScreen&) = delete;
    VtScreen& operator=(const VtScreen&) = delete;

    void feed(const char* bytes, size_t len);
    void setSize(int rows, int cols);    // a blank terminal of the new size
    void setInputFd(int fd);             // where keys and terminal replies go

    // keys; the codes noted are what wgetch returns under TERM=xterm with keypad on
    void sendKey(VTermKey key, VTermModifier mod = VTERM_MOD_NONE);
    void sendText(const std::string& utf8);   // each character as typed
    void sendBytes(const std::string& raw);   // exactly these bytes
    void enter() { sendKey(VTERM_KEY_ENTER); }          // 13
    void tab() { sendKey(VTERM_KEY_TAB); }              // 9
    void backTab() { sendKey(VTERM_KEY_TAB, VTERM_MOD_SHIFT); } // ESC [ Z: KEY_BTAB
    void up() { sendKey(VTERM_KEY_UP); }
    void down() { sendKey(VTERM_KEY_DOWN); }
    void left() { sendKey(VTERM_KEY_LEFT); }
    void right() { sendKey(VTERM_KEY_RIGHT); }
    void home() { sendKey(VTERM_KEY_HOME); }            // KEY_HOME
    void end() { sendKey(VTERM_KEY_END); }              // KEY_END (360), not KEY_EOL
    void pageUp() { sendKey(VTERM_KEY_PAGEUP); }        // KEY_PPAGE
    void pageDown() { sendKey(VTERM_KEY_PAGEDOWN); }    // KEY_NPAGE
    void del() { sendKey(VTERM_KEY_DEL); }              // ESC [ 3 ~: KEY_DC
    void backspace() { sendKey(VTERM_KEY_BACKSPACE); }  // 127: KEY_BACKSPACE under xterm
    void escape() { sendKey(VTERM_KEY_ESCAPE); }        // 27 (curses waits ESCDELAY for more)

    // reading the screen
    int rows() const { return numRows; }
    int cols() const { return numCols; }
    ScreenCell cell(int row, int col) const;
    std::string text(int row, int col, int len) const;  // exactly len cells, blanks kept
    std::string rowText(int row) const;                 // whole row, trailing blanks cut
    int  findRow(const std::string& utf8) const;        // first row containing it, or -1
    bool contains(const std::string& utf8) const { return findRow(utf8) >= 0; }
    int  cursorRow() const;
    int  cursorCol() const;
    bool cursorVisible() const { return cursorShown; }
    // modes the program left the terminal in
    bool alternateScreen() const { return altScreen; }  // from the private modes 47, 1047, 1049
    bool keypadMode();                   // arrows or keypad keys encoded in application mode
    const std::string& output() const { return raw; }   // every byte fed, as it came
    virtual std::string dump() const;    // every row as text, and the cursor

protected:
    virtual void beforeKey() {}          // lets a session read pending output first

private:
    void build();                        // the libvterm terminal, numRows x numCols
    static void writeToInput(const char* s, size_t len, void* user);
    static int  setTermProp(VTermProp prop, VTermValue* val, void* user);

    enum SeqState { SEQ_NONE, SEQ_ESC, SEQ_CSI };
    void noteMode(const std::string& csi);

    VTerm*       vt;
    VTermScreen* screen;
    SeqState     seqState = SEQ_NONE;  // escape sequence being read by feed()
    std::string  seq;
    std::string  lastChar;             // the last printable character, as UTF-8
    int          numRows;
    int          numCols;
    int          inputFd = -1;
    bool         cursorShown = true;
    bool         altScreen = false;
    std::string  raw;
    std::string* capture = nullptr;    // keys go here instead of the input while set
};
#endif
