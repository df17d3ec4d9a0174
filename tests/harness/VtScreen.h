#ifndef VELMORA_TESTS_VTSCREEN_H
#define VELMORA_TESTS_VTSCREEN_H
// The terminal of the harness: the test kit's emulator (CurTestScreen) behind
// the interface the toolkit's tests were written against, with standard
// strings and cells. ScreenSession (screen tests) and CursesTest (unit
// tests) both use it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vterm_keycodes.h>

class CurTestScreen;

// Unicode code points that the emulator shows for the DEC line-drawing set.
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

// An emulated screen: bytes a program wrote go in with feed(); cells, text
// and the cursor come out; keys are encoded the way a terminal would send
// them and written to the input file descriptor (the pseudo-terminal's master).
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
    bool key(const std::string& name);        // by the test kit's names: "Tab", "Ctrl-X", "F5"
    void sendText(const std::string& utf8);   // each character as typed
    void sendBytes(const std::string& raw);   // exactly these bytes
    void enter() { key("Enter"); }            // 13
    void tab() { key("Tab"); }                // 9
    void backTab() { key("BackTab"); }        // ESC [ Z: KEY_BTAB
    void up() { key("Up"); }
    void down() { key("Down"); }
    void left() { key("Left"); }
    void right() { key("Right"); }
    void home() { key("Home"); }              // KEY_HOME
    void end() { key("End"); }                // KEY_END (360), not KEY_EOL
    void pageUp() { key("PageUp"); }          // KEY_PPAGE
    void pageDown() { key("PageDown"); }      // KEY_NPAGE
    void del() { key("Delete"); }             // ESC [ 3 ~: KEY_DC
    void backspace() { key("Backspace"); }    // 127: KEY_BACKSPACE under xterm
    void escape() { key("Esc"); }             // 27 (curses waits ESCDELAY for more)

    // reading the screen
    int rows() const;
    int cols() const;
    ScreenCell cell(int row, int col) const;
    std::string text(int row, int col, int len) const;  // exactly len cells, blanks kept
    std::string rowText(int row) const;                 // whole row, trailing blanks cut
    int  findRow(const std::string& utf8) const;        // first row containing it, or -1
    bool contains(const std::string& utf8) const { return findRow(utf8) >= 0; }
    int  cursorRow() const;
    int  cursorCol() const;
    bool cursorVisible() const;
    bool matches(const std::string& picture) const;     // the kit's picture comparison
    bool matchesRegion(int row, int col, const std::string& picture) const;
    virtual std::string dump() const;    // every row as text, and the cursor

    // modes the program left the terminal in
    bool alternateScreen() const;        // from the private modes 47, 1047, 1049
    bool keypadMode();                   // arrows or keypad keys encoded in application mode
    const std::string& output() const;   // every byte fed, as it came

protected:
    explicit VtScreen(CurTestScreen* emulator);   // takes it over

private:
    CurTestScreen*      vt;              // owned
    mutable std::string raw;             // output(): a copy of the kit's record
};
#endif
