// VtScreen.cpp - the harness' terminal: libvterm fed with a program's
// output, read back cell by cell, and asked for the bytes of keys.
#include "VtScreen.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include <poll.h>
#include <unistd.h>

namespace {

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

// Decodes one UTF-8 character at s[i] and advances i; bad bytes pass as they are.
uint32_t nextUtf8(const std::string& s, size_t& i)
{
    unsigned char b = s[i++];
    int more = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    uint32_t c = more ? (b & (0x3F >> more)) : b;
    for (; more > 0 && i < s.size() && (s[i] & 0xC0) == 0x80; --more)
        c = (c << 6) | (s[i++] & 0x3F);
    return c;
}

int colourIndex(const VTermColor& c, bool foreground)
{
    if (foreground ? VTERM_COLOR_IS_DEFAULT_FG(&c) : VTERM_COLOR_IS_DEFAULT_BG(&c))
        return ScreenCell::DEFAULT;
    return VTERM_COLOR_IS_INDEXED(&c) ? c.indexed.idx : -2;
}

}  // namespace

VtScreen::VtScreen(int rows, int cols) : numRows(rows), numCols(cols)
{
    build();
}

void VtScreen::build()
{
    vt = vterm_new(numRows, numCols);
    vterm_set_utf8(vt, 1);
    vterm_output_set_callback(vt, writeToInput, this);
    screen = vterm_obtain_screen(vt);
    static VTermScreenCallbacks callbacks;
    callbacks.settermprop = setTermProp;
    vterm_screen_set_callbacks(screen, &callbacks, this);
    // Bold must not turn colour 1 into colour 9: tests compare palette indexes.
    vterm_state_set_bold_highbright(vterm_obtain_state(vt), 0);
    vterm_screen_reset(screen, 1);
}

VtScreen::~VtScreen()
{
    vterm_free(vt);
}

// libvterm 0.1.4 leaves a pending line wrap after a REP (CSI n b, "repeat
// the last character") that ends in the last column, so the next character,
// such as a frame's lower-right corner, wraps and scrolls the screen. Curses
// uses REP on xterm; the repetitions are therefore spelt out here.
void VtScreen::feed(const char* bytes, size_t len)
{
    raw.append(bytes, len);
    std::string out;
    for (size_t i = 0; i < len; ++i) {
        unsigned char b = bytes[i];
        if (seqState == SEQ_NONE) {
            if (b == 0x1b) {
                seqState = SEQ_ESC;
                seq.assign(1, char(b));
                continue;
            }
            if (b >= 0x20 && b != 0x7f) {
                if (b < 0x80 || b >= 0xC0) lastChar.clear();
                lastChar += char(b);
            }
            out += char(b);
            continue;
        }
        seq += char(b);
        if (seqState == SEQ_ESC && b == '[' && seq.size() == 2) {
            seqState = SEQ_CSI;
        } else if (seqState == SEQ_ESC && b >= 0x20 && b <= 0x2F) {
            // an intermediate byte: the sequence goes on
        } else if (seqState == SEQ_CSI && b >= 0x20 && b <= 0x3F) {
            // a parameter or intermediate byte
        } else {
            bool rep = seqState == SEQ_CSI && b == 'b' && seq.find_first_not_of("0123456789", 2) == seq.size() - 1;
            if (rep) {
                long n = seq.size() > 3 ? std::atol(seq.c_str() + 2) : 1;
                for (long k = 0; k < std::min(n, 100000L); ++k) out += lastChar;
            } else {
                if (seqState == SEQ_CSI)
                    noteMode(seq);
                out += seq;
            }
            seqState = SEQ_NONE;
        }
    }
    vterm_input_write(vt, out.data(), out.size());
}

// The emulator is built without an alternate screen (so a program's last
// image stays readable); whether the program asked for one is noted here.
void VtScreen::noteMode(const std::string& csi)
{
    char last = csi.back();
    if (csi.compare(0, 3, "\x1b[?") != 0 || (last != 'h' && last != 'l'))
        return;
    std::istringstream params(csi.substr(3, csi.size() - 4));
    std::string p;
    while (std::getline(params, p, ';'))
        if (p == "47" || p == "1047" || p == "1049")
            altScreen = last == 'h';
}

bool VtScreen::keypadMode()
{
    std::string up, zero;
    capture = &up;
    vterm_keyboard_key(vt, VTERM_KEY_UP, VTERM_MOD_NONE);
    capture = &zero;
    vterm_keyboard_key(vt, VTERM_KEY_KP_0, VTERM_MOD_NONE);
    capture = nullptr;
    return up.compare(0, 2, "\x1bO") == 0 || zero.compare(0, 2, "\x1bO") == 0;
}

void VtScreen::setInputFd(int fd)
{
    inputFd = fd;
}

// Keys and the terminal's answers to queries go to the program's input.
void VtScreen::writeToInput(const char* s, size_t len, void* user)
{
    VtScreen* self = static_cast<VtScreen*>(user);
    if (self->capture != nullptr) {
        self->capture->append(s, len);
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

int VtScreen::setTermProp(VTermProp prop, VTermValue* val, void* user)
{
    if (prop == VTERM_PROP_CURSORVISIBLE)
        static_cast<VtScreen*>(user)->cursorShown = val->boolean;
    return 1;
}

void VtScreen::sendKey(VTermKey key, VTermModifier mod)
{
    beforeKey();
    vterm_keyboard_key(vt, key, mod);
}

void VtScreen::sendText(const std::string& utf8)
{
    beforeKey();
    for (size_t i = 0; i < utf8.size();)
        vterm_keyboard_unichar(vt, nextUtf8(utf8, i), VTERM_MOD_NONE);
}

void VtScreen::sendBytes(const std::string& raw)
{
    beforeKey();
    writeToInput(raw.data(), raw.size(), this);
}

ScreenCell VtScreen::cell(int row, int col) const
{
    ScreenCell out;
    VTermScreenCell c;
    VTermPos pos = {row, col};
    if (row < 0 || row >= numRows || col < 0 || col >= numCols || !vterm_screen_get_cell(screen, pos, &c))
        return out;
    if (c.chars[0] == uint32_t(-1)) {     // right half of a wide character
        out.ch = 0;
        out.text.clear();
    } else if (c.chars[0] != 0) {
        out.ch = c.chars[0];
        out.text.clear();
        for (int i = 0; i < VTERM_MAX_CHARS_PER_CELL && c.chars[i]; ++i)
            appendUtf8(out.text, c.chars[i]);
    }
    out.bold = c.attrs.bold;
    out.underline = c.attrs.underline != 0;
    out.reverse = c.attrs.reverse;
    out.blink = c.attrs.blink;
    out.fg = colourIndex(c.fg, true);
    out.bg = colourIndex(c.bg, false);
    return out;
}

std::string VtScreen::text(int row, int col, int len) const
{
    std::string out;
    for (int i = 0; i < len; ++i)
        out += cell(row, col + i).text;
    return out;
}

std::string VtScreen::rowText(int row) const
{
    std::string out = text(row, 0, numCols);
    out.erase(out.find_last_not_of(' ') + 1);
    return out;
}

int VtScreen::findRow(const std::string& utf8) const
{
    for (int r = 0; r < numRows; ++r)
        if (rowText(r).find(utf8) != std::string::npos) return r;
    return -1;
}

int VtScreen::cursorRow() const
{
    VTermPos pos;
    vterm_state_get_cursorpos(vterm_obtain_state(vt), &pos);
    return pos.row;
}

int VtScreen::cursorCol() const
{
    VTermPos pos;
    vterm_state_get_cursorpos(vterm_obtain_state(vt), &pos);
    return pos.col;
}

std::string VtScreen::dump() const
{
    std::ostringstream out;
    out << "screen " << numRows << "x" << numCols << ", cursor at row " << cursorRow() << " col "
        << cursorCol() << (cursorShown ? "" : " (hidden)") << "\n";
    for (int r = 0; r < numRows; ++r) {
        char num[16];
        std::snprintf(num, sizeof num, "%2d|", r);
        out << num << rowText(r) << "\n";
    }
    return out.str();
}

// libvterm 0.1.4 loses what a program draws after its screen has grown, so
// the terminal is built anew, blank: a program repaints on a resize anyway.
void VtScreen::setSize(int rows, int cols)
{
    numRows = rows;
    numCols = cols;
    vterm_free(vt);
    build();
}
