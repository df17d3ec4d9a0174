// FuzzSupport.cpp - the fuzz targets' shared pieces (fuzz/): the null
// terminal, the column measure, geometry and keys from the input, and the
// cell records that show what a drawing changed.
#include "FuzzSupport.h"
#include "CurInit.h"
#include "CurText.h"

#include <climits>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

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
        fuzzRows = LINES;
        fuzzCols = COLS;
        started = true;
    }
    werase(stdscr);
}

int fuzzRows, fuzzCols;

// The key reader asks standard input for the size; a pseudo-terminal there
// answers with the size set on its other end. A line waits in it, never
// read (curses reads the null device), so polling it never waits either.
void fuzzResize(int rows, int cols)
{
    static int master = -1;
    if (master < 0) {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        int slave = -1;
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0)
            slave = open(ptsname(master), O_RDWR | O_NOCTTY);
        if (slave < 0 || dup2(slave, 0) < 0 || write(master, "\n", 1) != 1) {
            fprintf(stderr, "fuzz: no pseudo-terminal for standard input\n");
            exit(1);
        }
        close(slave);
    }
    struct winsize size = {};
    size.ws_row = (unsigned short)rows;
    size.ws_col = (unsigned short)cols;
    ioctl(master, TIOCSWINSZ, &size);
    ungetch(KEY_RESIZE);
}

// The toolkit's own measure, so the targets count as the gadgets do.
int fuzzColumns(const char* text, int bytes)
{
    return CurText::columns(text, bytes);
}

// Mostly small values and the screen's edges; a share well outside the
// screen, and a share at the int limits, near them and anywhere between,
// where arithmetic on coordinates overflows unless it is done with care.
int fuzzGeometry(FuzzedDataProvider& in)
{
    static const int limits[] = {INT_MIN, INT_MIN + 1, INT_MIN + 2, INT_MIN / 2, -2, -1,
                                 0, 1, INT_MAX / 2, INT_MAX - 2, INT_MAX - 1, INT_MAX};
    int pick = in.ConsumeIntegral<uint8_t>();
    if (pick < 192)
        return pick % 30;
    if (pick < 212)
        return pick < 202 ? LINES - 1 + pick % 3 : COLS - 1 + pick % 3;
    if (pick < 236)
        return in.ConsumeIntegralInRange<int>(-300, 300);
    if (pick < 248)
        return limits[pick - 236];
    return in.ConsumeIntegral<int>();
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
    return row >= y && row < (long long)y + height && col >= x && col < (long long)x + width;
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

// No session runs, so nothing is written; reports count all the same.
void fuzzMouse()
{
    CurInit::setMouse(true);
}

void fuzzMouseReport(FuzzedDataProvider& in, std::vector<int>* bytes)
{
    static const int codes[] = {0, 1, 2, 3, 4 + 0, 8 + 1, 16 + 2, 32, 35, 64, 65, 66, 67, 128};
    int code = codes[in.ConsumeIntegralInRange<int>(0, sizeof codes / sizeof codes[0] - 1)];
    int near[] = {in.ConsumeIntegralInRange<int>(-2, fuzzCols + 2), in.ConsumeIntegralInRange<int>(-2, fuzzRows + 2)};
    char text[48];
    int n;
    if (in.ConsumeIntegral<uint8_t>() < 200)
        n = snprintf(text, sizeof text, "\x1b[<%d;%d;%d%c", code, near[0] < -1 ? 10001 : near[0] + 1,
                     near[1], in.ConsumeBool() ? 'M' : 'm');
    else
        n = snprintf(text, sizeof text, "\x1b[M%c%c%c", 32 + code % 224, 33 + (near[0] & 0xFF) % 223,
                     33 + (near[1] & 0xFF) % 223);
    if (n > 0 && in.ConsumeIntegral<uint8_t>() < 16)
        n = in.ConsumeIntegralInRange<int>(1, n);   // cut short: the rest never comes
    for (int i = 0; i < n && i < (int)sizeof text - 1; i++)
        bytes->push_back((unsigned char)text[i]);
}
