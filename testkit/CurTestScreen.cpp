// CurTestScreen.cpp - the test kit's terminal (testkit/): libvterm fed with a
// program's output and read back cell by cell. Keys are in
// CurTestScreenKeys.cpp, comparing with pictures in CurTestScreenPicture.cpp.
#include "CurTestScreen.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <poll.h>
#include <unistd.h>
#include <vterm.h>

namespace {

enum SeqState { SEQ_NONE, SEQ_ESC, SEQ_CSI };

// The private modes of mouse reports, the last one the encoding: the
// emulator is told them again when it is built anew.
const char* const MOUSE_MODE[] = {"9", "1000", "1002", "1003", "1006"};
const unsigned MOUSE_MODES = 5;

void appendUtf8(std::string& out, uint32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

int colourIndex(const VTermColor& c, bool foreground)
{
    if (foreground ? VTERM_COLOR_IS_DEFAULT_FG(&c) : VTERM_COLOR_IS_DEFAULT_BG(&c))
        return CurTestCell::DEFAULT;
    return VTERM_COLOR_IS_INDEXED(&c) ? int(c.indexed.idx) : int(CurTestCell::RGB);
}

}  // namespace

CurTestCell::CurTestCell()
    : ch(' '), bold(false), underline(false), reverse(false), blink(false), italic(false),
      fg(DEFAULT), bg(DEFAULT)
{
    std::strcpy(text, " ");
}

// The emulator's callbacks: keys and replies go to the program's input; the
// cursor's visibility is remembered for cursorVisible().
struct CurTestScreenHooks {
    static void output(const char* s, size_t len, void* user)
    {
        CurTestScreen* self = static_cast<CurTestScreen*>(user);
        if (self->keyCaptureLen >= 0) {
            for (size_t i = 0; i < len && self->keyCaptureLen + 1 < int(sizeof self->keyCapture); ++i)
                self->keyCapture[self->keyCaptureLen++] = s[i];
            return;
        }
        int fd = self->inputFd;
        while (fd >= 0 && len > 0) {
            ssize_t n = write(fd, s, len);
            if (n > 0) {
                s += n;
                len -= size_t(n);
            } else if (n < 0 && errno == EAGAIN) {
                struct pollfd p = {fd, POLLOUT, 0};
                if (poll(&p, 1, 1000) <= 0) return;   // the program reads nothing: give up
            } else if (n < 0 && errno != EINTR) {
                return;
            }
        }
    }
    static int termProp(VTermProp prop, VTermValue* val, void* user)
    {
        if (prop == VTERM_PROP_CURSORVISIBLE)
            static_cast<CurTestScreen*>(user)->cursorShown = val->boolean;
        return 1;
    }
};

CurTestScreen::CurTestScreen(int rows, int cols)
    : seqState(SEQ_NONE), seqLen(0), numRows(rows > 0 ? rows : 1), numCols(cols > 0 ? cols : 1),
      inputFd(-1), cursorShown(true)
{
    capture[TEXT] = capture[DUMP] = capture[DIFFERENCE] = nullptr;
    raw = nullptr;
    rawLen = rawCap = 0;
    keyCaptureLen = -1;
    mouseModes = 0;
    pasteMode = focusMode = false;
    altScreen = false;
    lastChar[0] = '\0';
    build();
}

// A sequence that feed() holds unfinished, and the last character, outlive a
// rebuild: output read before a resize may end inside a sequence.
void CurTestScreen::build()
{
    vt = vterm_new(numRows, numCols);
    vterm_set_utf8(vt, 1);
    vterm_output_set_callback(vt, CurTestScreenHooks::output, this);
    screen = vterm_obtain_screen(vt);
    static VTermScreenCallbacks callbacks;
    callbacks.settermprop = CurTestScreenHooks::termProp;
    vterm_screen_set_callbacks(screen, &callbacks, this);
    // Bold must not turn colour 1 into colour 9: tests compare palette indexes.
    vterm_state_set_bold_highbright(vterm_obtain_state(vt), 0);
    vterm_screen_reset(screen, 1);
}

CurTestScreen::~CurTestScreen()
{
    vterm_free(vt);
    for (char* c : capture) std::free(c);
    std::free(raw);
}

const char* CurTestScreen::keep(CAPTURE which, const char* value)
{
    std::free(capture[which]);
    capture[which] = strdup(value);
    return capture[which] ? capture[which] : "";
}

// libvterm 0.1.4 leaves a pending line wrap after a REP (CSI n b, "repeat
// the last character") that ends in the last column, so the next character,
// such as a frame's lower-right corner, wraps and scrolls the screen. Curses
// uses REP on xterm; the repetitions are therefore spelt out here.
void CurTestScreen::feed(const char* bytes, size_t len)
{
    if (rawLen + len + 1 > rawCap) {
        size_t cap = (rawLen + len + 1) * 2;
        char* grown = static_cast<char*>(std::realloc(raw, cap));
        if (grown) {
            raw = grown;
            rawCap = cap;
        }
    }
    if (rawLen + len + 1 <= rawCap) {
        std::memcpy(raw + rawLen, bytes, len);
        rawLen += len;
        raw[rawLen] = '\0';
    }
    std::string out;
    for (size_t i = 0; i < len; ++i) {
        unsigned char b = bytes[i];
        if (seqState == SEQ_NONE) {
            if (b == 0x1b) {
                seqState = SEQ_ESC;
                seq[0] = char(b);
                seqLen = 1;
                continue;
            }
            size_t have = std::strlen(lastChar);
            if (b >= 0x20 && b != 0x7f) {
                if (b < 0x80 || b >= 0xC0 || have + 1 >= sizeof lastChar) have = 0;
                lastChar[have] = char(b);
                lastChar[have + 1] = '\0';
            }
            out += char(b);
            continue;
        }
        if (seqLen + 1 >= sizeof seq) {          // too long for a sequence curses writes: pass it on
            out.append(seq, seqLen);
            out += char(b);
            seqState = SEQ_NONE;
            continue;
        }
        seq[seqLen++] = char(b);
        seq[seqLen] = '\0';
        if (seqState == SEQ_ESC && b == '[' && seqLen == 2) {
            seqState = SEQ_CSI;
        } else if (seqState == SEQ_ESC && b >= 0x20 && b <= 0x2F) {
            // an intermediate byte: the sequence goes on
        } else if (seqState == SEQ_CSI && b >= 0x20 && b <= 0x3F) {
            // a parameter or intermediate byte
        } else {
            bool rep = seqState == SEQ_CSI && b == 'b' && std::strspn(seq + 2, "0123456789") == seqLen - 3;
            if (rep) {
                long n = seqLen > 3 ? std::atol(seq + 2) : 1;
                for (long k = 0; k < n && k < 100000L; ++k) out += lastChar;
            } else {
                out.append(seq, seqLen);
                if (seqState == SEQ_CSI) noteMode();
            }
            seqState = SEQ_NONE;
        }
    }
    vterm_input_write(vt, out.data(), out.size());
}

void CurTestScreen::setInputFd(int fd)
{
    inputFd = fd;
}

// libvterm 0.1.4 loses what a program draws after its screen has grown, so
// the emulator is built anew, blank: a program repaints on a resize anyway.
bool CurTestScreen::resize(int rows, int cols)
{
    if (rows < 1 || cols < 1) return false;
    numRows = rows;
    numCols = cols;
    vterm_free(vt);
    build();
    for (unsigned bit = 0; bit < MOUSE_MODES; ++bit) {
        std::string mode = std::string("\x1b[?") + MOUSE_MODE[bit] + "h";
        if (mouseModes & 1u << bit) vterm_input_write(vt, mode.data(), mode.size());
    }
    return true;
}

void CurTestScreen::beforeKey()
{
}

void CurTestScreen::sendBytes(const char* raw, size_t len)
{
    beforeKey();
    writeInput(raw, len);
}

void CurTestScreen::writeInput(const char* bytes, size_t len)
{
    CurTestScreenHooks::output(bytes, len, this);
}

int CurTestScreen::rows() const
{
    return numRows;
}

int CurTestScreen::cols() const
{
    return numCols;
}

CurTestCell CurTestScreen::cell(int row, int col) const
{
    CurTestCell out;
    VTermScreenCell c;
    VTermPos pos = {row, col};
    if (row < 0 || row >= numRows || col < 0 || col >= numCols || !vterm_screen_get_cell(screen, pos, &c))
        return out;
    if (c.chars[0] == uint32_t(-1)) {     // right half of a wide character
        out.ch = 0;
        out.text[0] = '\0';
    } else if (c.chars[0] != 0) {
        std::string text;
        for (int i = 0; i < VTERM_MAX_CHARS_PER_CELL && c.chars[i]; ++i)
            appendUtf8(text, c.chars[i]);
        out.ch = c.chars[0];
        std::snprintf(out.text, sizeof out.text, "%s", text.c_str());
    }
    out.bold = c.attrs.bold;
    out.underline = c.attrs.underline != 0;
    out.reverse = c.attrs.reverse;
    out.blink = c.attrs.blink;
    out.italic = c.attrs.italic;
    out.fg = colourIndex(c.fg, true);
    out.bg = colourIndex(c.bg, false);
    return out;
}

const char* CurTestScreen::text(int row, int col, int len)
{
    std::string out;
    for (int i = 0; i < len; ++i)
        out += cell(row, col + i).text;
    return keep(TEXT, out.c_str());
}

const char* CurTestScreen::rowText(int row)
{
    std::string out = text(row, 0, numCols);
    out.erase(out.find_last_not_of(' ') + 1);
    return keep(TEXT, out.c_str());
}

int CurTestScreen::findRow(const char* utf8)
{
    for (int r = 0; r < numRows; ++r)
        if (std::strstr(rowText(r), utf8)) return r;
    return -1;
}

bool CurTestScreen::contains(const char* utf8)
{
    return findRow(utf8) >= 0;
}

int CurTestScreen::cursorRow() const
{
    VTermPos pos;
    vterm_state_get_cursorpos(vterm_obtain_state(vt), &pos);
    return pos.row;
}

int CurTestScreen::cursorCol() const
{
    VTermPos pos;
    vterm_state_get_cursorpos(vterm_obtain_state(vt), &pos);
    return pos.col;
}

bool CurTestScreen::cursorVisible() const
{
    return cursorShown;
}

const char* CurTestScreen::dump()
{
    char line[96];
    std::snprintf(line, sizeof line, "screen %dx%d, cursor at row %d col %d%s\n", numRows, numCols,
                  cursorRow(), cursorCol(), cursorShown ? "" : " (hidden)");
    std::string out = line;
    for (int r = 0; r < numRows; ++r) {
        std::snprintf(line, sizeof line, "%2d|", r);
        out += line;
        out += rowText(r);
        out += "\n";
    }
    return keep(DUMP, out.c_str());
}

const char* CurTestScreen::output() const
{
    return raw ? raw : "";
}

size_t CurTestScreen::outputSize() const
{
    return rawLen;
}

// The emulator keeps no alternate screen (so a program's last image stays
// readable); whether the program asked for one is noted from seq here.
void CurTestScreen::noteMode()
{
    char last = seq[seqLen - 1];
    if (seqLen < 4 || std::strncmp(seq, "\x1b[?", 3) != 0 || (last != 'h' && last != 'l'))
        return;
    std::string params(seq + 3, seqLen - 4);
    for (size_t at = 0; at <= params.size();) {
        size_t end = params.find(';', at);
        std::string p = params.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (p == "47" || p == "1047" || p == "1049") altScreen = last == 'h';
        if (p == "2004") pasteMode = last == 'h';
        if (p == "1004") focusMode = last == 'h';
        for (unsigned bit = 0; bit < MOUSE_MODES; ++bit)
            if (p == MOUSE_MODE[bit]) mouseModes = last == 'h' ? mouseModes | 1u << bit : mouseModes & ~(1u << bit);
        if (end == std::string::npos) break;
        at = end + 1;
    }
}

bool CurTestScreen::alternateScreen() const
{
    return altScreen;
}

bool CurTestScreen::bracketedPaste() const
{
    return pasteMode;
}

bool CurTestScreen::focusReporting() const
{
    return focusMode;
}

bool CurTestScreen::mouseReporting() const
{
    return (mouseModes & 0xF) != 0;      // the encoding alone reports nothing
}

// What the terminal would send for Up and for keypad 0 shows its modes.
bool CurTestScreen::keypadMode()
{
    keyCaptureLen = 0;
    vterm_keyboard_key(vt, VTERM_KEY_UP, VTERM_MOD_NONE);
    bool up = keyCaptureLen >= 2 && std::strncmp(keyCapture, "\x1bO", 2) == 0;
    keyCaptureLen = 0;
    vterm_keyboard_key(vt, VTERM_KEY_KP_0, VTERM_MOD_NONE);
    bool zero = keyCaptureLen >= 2 && std::strncmp(keyCapture, "\x1bO", 2) == 0;
    keyCaptureLen = -1;
    return up || zero;
}
