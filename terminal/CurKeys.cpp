// CurKeys.cpp - the key reader's decoding (terminal/): Esc, Alt and the
// escape sequences that reach the reader because the terminal's description
// lacks them, and UTF-8 bytes put together into whole characters.
#include "CurKeys.h"
#include "CurInit.h"
#include "CurText.h"

#include <curses.h>

namespace {

const int ESC = 27;
const int ALT = CurInit::ALT;
const int WIDE = CurInit::WIDE_CHAR;
const int REPLACEMENT = 0xFFFD;

// The sequences xterm, rxvt, the Linux console, screen and tmux send for the
// keys every loop knows: "ESC [ n ~" by number, and "ESC [ x" or "ESC O x"
// by final letter. Curses decodes the ones the description names before
// the reader sees them; these are found whatever the description says.
struct Numbered {
    int number;
    int key;
};
const Numbered TILDE_KEYS[] = {
    {1, KEY_HOME},   {2, KEY_IC},     {3, KEY_DC},     {4, KEY_END},    {5, KEY_PPAGE},
    {6, KEY_NPAGE},  {7, KEY_HOME},   {8, KEY_END},    {11, KEY_F(1)},  {12, KEY_F(2)},
    {13, KEY_F(3)},  {14, KEY_F(4)},  {15, KEY_F(5)},  {17, KEY_F(6)},  {18, KEY_F(7)},
    {19, KEY_F(8)},  {20, KEY_F(9)},  {21, KEY_F(10)}, {23, KEY_F(11)}, {24, KEY_F(12)},
};
const Numbered LETTER_KEYS[] = {
    {'A', KEY_UP},   {'B', KEY_DOWN}, {'C', KEY_RIGHT}, {'D', KEY_LEFT}, {'H', KEY_HOME},
    {'F', KEY_END},  {'P', KEY_F(1)}, {'Q', KEY_F(2)},  {'R', KEY_F(3)}, {'S', KEY_F(4)},
};

// A sequence as read: "ESC [" or "ESC O", parameter bytes, a final byte.
struct Sequence {
    int  intro;                          // '[' or 'O'
    char params[16];                     // the first parameter bytes, NUL-terminated
    int  len;                            // parameter bytes read, kept or not
    int  final;
};

// Parameters as "n" or "n;m" (either number may be empty); false for any
// other form, such as the private ones ("?", "<", ">").
bool numbers(const Sequence& s, int* first, int* second)
{
    int* into = first;
    *first = *second = -1;
    for (int i = 0; i < s.len; i++) {
        char c = i < (int)sizeof s.params - 1 ? s.params[i] : 'x';
        if (c == ';' && into == first)
            into = second;
        else if (c >= '0' && c <= '9')
            *into = *into > 999 ? 9999 : (*into < 0 ? 0 : *into) * 10 + (c - '0');
        else
            return false;
    }
    return true;
}

int lookup(const Numbered* table, int size, int number)
{
    for (int i = 0; i < size; i++)
        if (table[i].number == number)
            return table[i].key;
    return CurKeys::DROPPED;
}

// The key of a finished sequence, Alt added for xterm's modifier 3; other
// modifiers (Shift, Ctrl) make keys no loop knows, and drop.
int keyOf(const Sequence& s)
{
    int number, modifier;
    if (!numbers(s, &number, &modifier))
        return CurKeys::DROPPED;
    int key = CurKeys::DROPPED;
    if (s.intro == '[' && s.final == '~' && number == 200 && modifier < 0)
        return CurKeys::PASTE_START;
    if (s.intro == '[' && s.len == 0 && (s.final == 'I' || s.final == 'O'))
        return s.final == 'I' ? CurKeys::FOCUS_GAINED : CurKeys::FOCUS_LOST;
    if (s.intro == '[' && s.final == '~')
        key = lookup(TILDE_KEYS, sizeof TILDE_KEYS / sizeof TILDE_KEYS[0], number);
    else if (number <= 1 && s.intro == '[' && s.final == 'Z')
        key = KEY_BTAB;
    else if (number <= 1)
        key = lookup(LETTER_KEYS, sizeof LETTER_KEYS / sizeof LETTER_KEYS[0], s.final);
    if (s.intro == 'O' && s.len == 0 && s.final == 'M')
        key = KEY_ENTER;                 // the keypad's keys in application mode
    else if (s.intro == 'O' && s.len == 0 && s.final >= 'j' && s.final <= 'y')
        key = s.final - 'j' + '*';       // * + , - . / and the digits
    if (key == CurKeys::DROPPED || modifier <= 1)
        return key;
    return modifier == 3 ? ALT + key : CurKeys::DROPPED;
}

// Mouse reports, from the terminal or after curses' KEY_MOUSE: SGR ("ESC
// [ < b ; x ; y M", m for a release) and X10 ("ESC [ M" and three bytes,
// each the number plus 32, read so that they are never typed). Anything
// else in either form drops; numbers stop growing at 99,999.
int mouseKey(const Sequence& s, const int* x10)
{
    CurKeys::MouseReport& r = CurKeys::report;
    if (x10 != nullptr) {
        for (int i = 0; i < 3; i++)
            if (x10[i] < 32 || x10[i] > 255)
                return CurKeys::DROPPED;
        r = {x10[0] - 32, x10[2] - 33, x10[1] - 33, ((x10[0] - 32) & 0x43) == 3};
        return CurKeys::MOUSE;
    }
    if (s.len >= (int)sizeof s.params)
        return CurKeys::DROPPED;         // longer than any report of a real screen
    int n[3] = {-1, -1, -1}, field = 0;
    for (int i = 1; i < s.len; i++) {
        char c = s.params[i];
        if (c == ';' && field < 2 && n[field] >= 0)
            field++;
        else if (c >= '0' && c <= '9')
            n[field] = n[field] > 9999 ? 99999 : (n[field] < 0 ? 0 : n[field]) * 10 + (c - '0');
        else
            return CurKeys::DROPPED;
    }
    if (field != 2 || n[2] < 0)
        return CurKeys::DROPPED;
    r = {n[0], n[2] - 1, n[1] - 1, s.final == 'm'};
    return CurKeys::MOUSE;
}

// The rest of a sequence after "ESC [" or "ESC O", read whole, each byte
// within the escape delay. Nothing after the introducer is the introducer
// typed with Alt; a sequence cut off later drops; a byte that cannot belong
// to one ends it and is read again.
int sequence(int intro, CurKeys::Source next, void* data, int* again)
{
    Sequence s = {intro, {0}, 0, 0};
    int c = next(true, data);
    if (c == ERR || c < 0x20 || c > 0x7E) {
        *again = c;
        return ALT + intro;
    }
    if (intro == '[' && c == '[') {      // the Linux console's F1 to F5: "ESC [ [ A"
        c = next(true, data);
        if (c >= 'A' && c <= 'E')
            return KEY_F(c - 'A' + 1);
        *again = c >= 0x20 && c <= 0x7E ? ERR : c;
        return CurKeys::DROPPED;
    }
    // Parameter and intermediate bytes, then the final one; rxvt ends its
    // shifted keys with "$".
    for (; c < 0x40 || c > 0x7E; c = next(true, data)) {
        if (c == ERR || c < 0x20 || c > 0x7E || c == '$') {
            *again = c == '$' ? ERR : c;
            return CurKeys::DROPPED;
        }
        if (s.len < (int)sizeof s.params - 1)
            s.params[s.len] = (char)c;
        s.len++;
    }
    s.final = c;
    if (intro == '[' && s.len == 0 && c == 'M') {
        int x10[3];
        for (int& b : x10)
            if ((b = next(true, data)) == ERR)
                return CurKeys::DROPPED;
        return mouseKey(s, x10);
    }
    if (s.params[0] == '<' && (c == 'M' || c == 'm'))
        return mouseKey(s, nullptr);
    return keyOf(s);
}

// A source that gives one byte before the others: the last byte of a
// report's start that curses has read already.
struct Prefixed {
    int              first;
    CurKeys::Source  next;
    void*            data;
};

int prefixed(bool wait, void* data)
{
    Prefixed* p = static_cast<Prefixed*>(data);
    int c = p->first;
    p->first = ERR;
    return c != ERR ? c : p->next(wait, p->data);
}

// Bytes a character of lead byte b takes in all; 0 when b leads none.
int length(unsigned b)
{
    return b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
}

// Whether b may follow the held bytes: shortest forms only, no surrogates,
// nothing above U+10FFFF (the rules the text module decodes by).
bool continues(const unsigned char* held, int len, unsigned b)
{
    unsigned lo = 0x80, hi = 0xBF;
    if (len == 1) {
        lo = held[0] == 0xE0 ? 0xA0 : held[0] == 0xF0 ? 0x90 : 0x80;
        hi = held[0] == 0xED ? 0x9F : held[0] == 0xF4 ? 0x8F : 0xBF;
    }
    return b >= lo && b <= hi;
}

}  // namespace

CurKeys::MouseReport CurKeys::report = {0, 0, 0, false};

int CurKeys::escape(Source next, void* data, int* again)
{
    *again = ERR;
    int c = next(false, data);
    if (c == ERR)
        return ESC;
    int alt = 0;
    if (c == ESC) {                      // Esc typed with Alt, or Alt with a key sent as a sequence
        c = next(false, data);
        if (c != '[' && c != 'O') {
            *again = c;
            return ALT + ESC;
        }
        alt = ALT;
    }
    if (c != '[' && c != 'O')
        return ALT + c;
    int key = sequence(c, next, data, again);
    return key < 0 || key >= ALT ? key : alt + key;
}

int CurKeys::mouse(Source next, void* data, bool sgr, int* again)
{
    Prefixed p = {sgr ? '<' : 'M', next, data};
    *again = ERR;
    return sequence('[', prefixed, &p, again);
}

int CurKeys::utf8(Utf8* state, int key, int* again, int* count)
{
    int alt = key >= ALT ? ALT : 0;
    unsigned b = (unsigned)(key - alt);
    bool byte = b >= 0x80 && b <= 0xFF;
    *count = 0;
    if (state->len > 0) {
        if (byte && alt == 0 && continues(state->held, state->len, b)) {
            state->held[state->len++] = (unsigned char)b;
            int need = length(state->held[0]);
            if (state->len < need)
                return DROPPED;
            int code = state->held[0] & (0x7F >> need);
            for (int i = 1; i < need; i++)
                code = code << 6 | (state->held[i] & 0x3F);
            state->len = 0;
            return state->alt + WIDE + code;
        }
        // A character cut short: its lead byte is a bad byte, and reading
        // goes on after it, as the text module reads text.
        for (int i = 1; i < state->len; i++)
            again[(*count)++] = state->held[i];
        again[(*count)++] = key;
        state->len = 0;
        return state->alt + WIDE + REPLACEMENT;
    }
    if (!byte)
        return key;
    if (length(b) == 0)
        return alt + WIDE + REPLACEMENT;
    state->held[0] = (unsigned char)b;
    state->len = 1;
    state->alt = alt;
    return DROPPED;
}

int CurKeys::release(Utf8* state, int* out)
{
    int n = state->len;
    for (int i = 0; i < n; i++)
        out[i] = (i == 0 ? state->alt : 0) + state->held[i];
    state->len = 0;
    return n;
}

int CurKeys::bytes(int key, int* out)
{
    int alt = key >= ALT ? ALT : 0;
    int code = key - alt - WIDE;
    if (code < 0 || code > 0x10FFFF) {
        out[0] = key;
        return 1;
    }
    char b[4];
    int n = CurText::encode(code, b);
    for (int i = 0; i < n; i++)
        out[i] = (i == 0 ? alt : 0) + (unsigned char)b[i];
    return n;
}
