// FuzzSupport.cpp - the fuzz targets' shared pieces (fuzz/): the null
// terminal, the column measure, geometry and keys from the input, and the
// cell records that show what a drawing changed.
#include "FuzzSupport.h"
#include "CurInit.h"
#include "CurText.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

void fuzzFail(const char* what, const char* file, int line)
{
    fprintf(stderr, "\n%s:%d: invariant broken: %s\n", file, line, what);
    abort();
}

// The toolkit's own set-up writes to standard output and may look for a
// terminal; libFuzzer needs neither, so curses gets the null device.
void fuzzLocale(bool utf8)
{
    if (setlocale(LC_CTYPE, utf8 ? "C.UTF-8" : "C") == nullptr) {
        fprintf(stderr, "fuzz: no C.UTF-8 locale\n");
        exit(1);
    }
}

void fuzzScreen(bool utf8)
{
    static bool started = false;
    if (!started) {
        fuzzLocale(utf8);
        FILE* out = fopen("/dev/null", "w");
        FILE* in = fopen("/dev/null", "r");
        if (out == nullptr || in == nullptr || newterm("xterm", out, in) == nullptr) {
            fprintf(stderr, "fuzz: no curses screen on /dev/null (terminfo for xterm?)\n");
            exit(1);
        }
        nonl();
        cbreak();
        noecho();
        keypad(stdscr, TRUE);
        CurInit::standout = A_STANDOUT;
        CurInit::underline = A_UNDERLINE;
        CurInit::reverse = A_REVERSE;
        CurInit::blink = A_BLINK;
        CurInit::dim = A_DIM;
        CurInit::bold = A_BOLD;
        CurInit::width = COLS;
        CurInit::height = LINES;
        started = true;
    }
    werase(stdscr);
}

// The toolkit's own measure, so the targets count as the gadgets do.
int fuzzColumns(const char* text, int bytes)
{
    return CurText::columns(text, bytes);
}

// Kept within a few hundred cells of the screen: arithmetic on coordinates
// near the int limits is a separate question from drawing and editing.
int fuzzGeometry(FuzzedDataProvider& in)
{
    int pick = in.ConsumeIntegral<uint8_t>();
    if (pick < 200)
        return pick % 30;
    if (pick < 220)
        return pick < 210 ? LINES - 1 + pick % 3 : COLS - 1 + pick % 3;
    return in.ConsumeIntegralInRange<int>(-300, 300);
}

const bool FUZZ_RAW_TEXT = true;

std::string fuzzText(FuzzedDataProvider& in, size_t max, bool lines)
{
    std::string text = in.ConsumeRandomLengthString(max);
    if (FUZZ_RAW_TEXT)
        return text;
    for (char& c : text) {
        unsigned char b = (unsigned char)c;
        if ((b < 32 && !(lines && b == '\n')) || b > 126)
            c = (char)(33 + b % 94);
    }
    return text;
}

int fuzzKey(FuzzedDataProvider& in)
{
    static const int special[] = {
        KEY_LEFT, KEY_RIGHT, KEY_UP, KEY_DOWN, KEY_HOME, KEY_END, KEY_EOL,
        KEY_PPAGE, KEY_NPAGE, KEY_BACKSPACE, KEY_DC, KEY_BTAB, KEY_RESIZE,
        KEY_ENTER, KEY_F(1), 9, 13, 27, 8, 127, 0, ERR,
    };
    int b = in.ConsumeIntegral<uint8_t>();
    const int n = (int)(sizeof special / sizeof special[0]);
    if (b >= 256 - n)
        return special[b - (256 - n)];
    return b;
}

bool FuzzRect::holds(int row, int col) const
{
    return row >= y && row < y + height && col >= x && col < x + width;
}

FuzzCells::FuzzCells(WINDOW* w) : window(w)
{
    int cy, cx;
    getyx(w, cy, cx);
    for (int row = 0; row < getmaxy(w); row++)
        for (int col = 0; col < getmaxx(w); col++) {
            cchar_t c;
            mvwin_wch(w, row, col, &c);
            cells.push_back(c);
        }
    wmove(w, cy, cx);
}

static bool sameCell(const cchar_t& a, const cchar_t& b)
{
    return a.attr == b.attr && memcmp(a.chars, b.chars, sizeof a.chars) == 0;
}

std::string FuzzCells::changedOutside(const std::vector<FuzzRect>& allowed) const
{
    FuzzCells now(window);
    int width = getmaxx(window);
    for (size_t i = 0; i < cells.size(); i++) {
        int row = (int)i / width, col = (int)i % width;
        bool inside = false;
        for (const FuzzRect& r : allowed)
            inside = inside || r.holds(row, col);
        if (!inside && !sameCell(cells[i], now.cells[i]))
            return std::to_string(row) + "," + std::to_string(col);
    }
    return "";
}

void fuzzFill(WINDOW* w)
{
    for (int row = 0; row < getmaxy(w); row++)
        mvwhline(w, row, 0, '~' | A_BLINK, getmaxx(w));
}
