#ifndef VELMORA_FUZZ_FUZZSUPPORT_H
#define VELMORA_FUZZ_FUZZSUPPORT_H
// FuzzSupport.h - what the fuzz targets share (fuzz/): the curses screen on
// the null device, the one column measure, keys and geometry drawn from the
// input, and a record of a curses window's cells to compare against.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#define NCURSES_WIDECHAR 1
#include <curses.h>

// A failed invariant: says which and where, then aborts so libFuzzer keeps the input.
#define FUZZ_CHECK(cond) \
    ((cond) ? (void)0 : fuzzFail(#cond, __FILE__, __LINE__))
[[noreturn]] void fuzzFail(const char* what, const char* file, int line);

// Starts curses once per process on a null terminal: output to /dev/null,
// input from /dev/null (keys come from ungetch; then the input has ended),
// with the modes and the CurInit values that CurInit::initialize sets up.
// Every call blanks the standard screen again. The locale is C.UTF-8, or
// "C" (a byte is a character) when utf8 is false; the first call decides,
// and fuzzLocale may change it for one input.
void fuzzScreen(bool utf8 = true);
void fuzzLocale(bool utf8);
extern int fuzzRows, fuzzCols;           // the screen's size when curses started

// A resize as it reaches the key reader: the terminal now has rows and
// cols, and KEY_RESIZE is pushed back, so the next CurInit::readKey follows
// it (new size, windows fitted, resize callback, repaint).
void fuzzResize(int rows, int cols);

// Columns the first `bytes` bytes of text take on the screen. Every target
// measures widths through this one function.
int fuzzColumns(const char* text, int bytes);

// A coordinate or a size: small values mostly, the screen's edges, values
// well outside the screen, and a share anywhere in the int range, its
// limits and the values near them included.
int fuzzGeometry(FuzzedDataProvider& in);

// A text for a gadget, at most max bytes; newlines stay when lines is true.
// While the gadgets hand bytes to curses as they are, a control byte or a
// byte above 126 takes several cells, or moves the cursor, so they are
// replaced by printable ones unless FUZZ_RAW_TEXT is on; once the toolkit
// shows every byte in the cells it measures, the switch goes on.
std::string fuzzText(FuzzedDataProvider& in, size_t max, bool lines);
extern const bool FUZZ_RAW_TEXT;

// A key as a loop reads it: bytes as they come, or a curses key code.
int fuzzKey(FuzzedDataProvider& in);
// The mouse on for the key reader, so that mouse reports pushed back come
// out as KEY_MOUSE events.
void fuzzMouse();
// A mouse report as a terminal sends it, SGR or X10 form, appended as bytes:
// buttons, releases, the wheel, motion and modifiers, cells on and off the
// screen (negative, past 10,000), now and then cut short.
void fuzzMouseReport(FuzzedDataProvider& in, std::vector<int>* bytes);

// A rectangle in window coordinates; height or width below 1 holds no cell.
// Any ints: holds() cannot overflow.
struct FuzzRect {
    int height, width, y, x;
    bool holds(int row, int col) const;
};

// Every cell of a curses window, to find what a drawing changed.
struct FuzzCells {
    explicit FuzzCells(WINDOW* w);
    // The first cell outside all of allowed that differs from now, as
    // "row,col", or "" when there is none.
    std::string changedOutside(const std::vector<FuzzRect>& allowed) const;

    WINDOW*              window;
    std::vector<cchar_t> cells;
};

// Fills every cell of w with a mark no gadget draws, so blanks show too.
void fuzzFill(WINDOW* w);
#endif
