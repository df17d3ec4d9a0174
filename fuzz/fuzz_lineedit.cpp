// fuzz_lineedit.cpp - the line editor (fuzz/) driven by an arbitrary key
// stream with new texts and geometry between keys, in the "C" locale or in
// C.UTF-8 as the input's first byte says. Under UTF-8 characters arrive as
// the key reader hands them on, as one wide key each; a byte from 128 up
// inserts nothing in either locale. A model of the characters and the
// edit position follows every key; the editor's text must decode to it, and
// the drawn field must show the cursor on that character, never on a "<" or
// ">" mark nor on the second half of a double-width character. A maximum
// length and a filter set between keys hold the model's text too.
#include "CurGrapheme.h"
#include "CurLineEdit.h"
#include "CurWindow.h"
#include "FuzzSupport.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <cwchar>

namespace {
// Characters are bytes in "C" and code points under UTF-8, both decoded by
// the C library, not by the toolkit.
struct Model {
    bool             utf8;
    std::vector<int> chars;
    size_t           pos = 0;            // index of the character under the cursor
    int              maxLength = 0;      // in characters (a base and its marks); 0: none
    int              refuse = 0;         // the filter refuses codes that are multiples of it; 0: none
};
}  // namespace

static std::vector<int> decode(const std::string& text, bool utf8, bool* valid)
{
    std::vector<int> out;
    *valid = true;
    mbstate_t state = {};
    for (size_t i = 0; i < text.size();) {
        wchar_t c;
        size_t n = utf8 ? mbrtowc(&c, text.data() + i, text.size() - i, &state) : 1;
        // A bad byte: U+FFFD stands for it. The C library takes sequences
        // up to U+1FFFFF; UTF-8 ends at U+10FFFF.
        if (n == 0 || n > 4 || (utf8 && c > 0x10FFFF)) {
            state = mbstate_t{};
            *valid = false;
            out.push_back(0xFFFD);
            i++;
        } else {
            out.push_back(utf8 ? (int)c : (unsigned char)text[i]);
            i += n;
        }
    }
    return out;
}

// A combining mark belongs to the character before it (used where the
// field's columns are measured).
static bool isMark(const Model& m, int c)
{
    return m.utf8 && c >= 0xA0 && wcwidth((wchar_t)c) == 0;
}

// True when a character boundary comes before index p: under UTF-8 the
// cursor steps over whole grapheme clusters (a base and its marks, a flag,
// an emoji sequence), whose rules the text module's own tests hold against
// Unicode's test file; in "C" every byte is a character.
static bool boundary(const Model& m, size_t p)
{
    if (!m.utf8 || p == 0 || p >= m.chars.size())
        return true;
    CurGrapheme segments;
    bool before = true;
    for (size_t i = 0; i <= p; i++)
        before = segments.feed(m.chars[i]);
    return before;
}

static size_t nextPos(const Model& m, size_t p)
{
    if (p >= m.chars.size())
        return m.chars.size();
    for (p++; !boundary(m, p);)
        p++;
    return p;
}

static size_t prevPos(const Model& m, size_t p)
{
    if (p == 0)
        return 0;
    for (p--; !boundary(m, p);)
        p--;
    return p;
}

// The first maxLength characters, as the editor cuts.
static void cut(Model& m)
{
    size_t p = 0;
    for (int n = 0; m.maxLength > 0 && n < m.maxLength && p < m.chars.size(); n++)
        p = nextPos(m, p);
    if (m.maxLength > 0)
        m.chars.resize(p);
    m.pos = std::min(m.pos, m.chars.size());
}

static bool insertable(const Model& m, int c)
{
    return (c >= 32 && c <= 126)
           || (m.utf8 && c >= 0xA0 && c <= 0x10FFFF && wcwidth((wchar_t)c) >= 0);
}

// The character a key inserts, -1 for none.
static int keyChar(int key)
{
    if (key >= CurGadget::WIDE_CHAR && key <= CurGadget::WIDE_CHAR + 0x10FFFF)
        return key - CurGadget::WIDE_CHAR;
    return key >= 32 && key <= 126 ? key : -1;
}

// What a key does, by the editing rules; true when the editor takes it.
static bool apply(Model& m, int key)
{
    size_t end = m.chars.size(), p = m.pos;
    switch (key) {
    case KEY_HOME: case KEY_PPAGE: m.pos = 0; return true;
    case KEY_EOL: case KEY_END: case KEY_NPAGE: m.pos = end; return true;
    case KEY_LEFT: m.pos = prevPos(m, p); return true;
    case KEY_RIGHT: m.pos = nextPos(m, p); return true;
    case KEY_BACKSPACE: case 8: case 127:
        m.pos = prevPos(m, p);
        m.chars.erase(m.chars.begin() + m.pos, m.chars.begin() + p);
        return true;
    case KEY_DC:
        m.chars.erase(m.chars.begin() + p, m.chars.begin() + nextPos(m, p));
        return true;
    }
    int c = keyChar(key);
    if (!insertable(m, c))
        return false;
    if (m.refuse > 0 && c % m.refuse == 0)
        return true;                     // refused, and taken
    std::vector<int> before = m.chars;
    m.chars.insert(m.chars.begin() + p, c);
    size_t length = m.chars.size();
    cut(m);
    if (m.chars.size() < length) {
        m.chars = before;                // past the limit: nothing inserted
        m.pos = p;
        return true;
    }
    m.pos = nextPos(m, p);               // behind the marks it now carries too
    return true;
}

// A key from the stream: mostly as fuzzKey makes them; under UTF-8 also a
// whole character, as the key reader hands it on.
static void pushCharacter(FuzzedDataProvider& in, std::vector<int>& keys)
{
    static const int some[] = {0xE9, 0x65E5, 0x301, 0x1F600, 0x200D, 0xFFFD, 0x85, 0xFF01};
    int pick = in.ConsumeIntegral<uint8_t>();
    int c = pick < 128 ? some[pick % 8] : in.ConsumeIntegralInRange<int>(0, 0x10FFFF);
    keys.push_back(CurGadget::WIDE_CHAR + c);
}

// Coordinates compared in long long: the generated ones reach the int limits.
static bool fieldShows(CurLineEdit& edit, WINDOW* w)
{
    long long row = edit.getY() + (long long)(edit.getHeight() / 2), x = edit.getX();
    return edit.getWidth() >= 1 && edit.getHeight() >= 1 && row >= 0 && row < getmaxy(w)
           && x >= 0 && x + edit.getWidth() <= getmaxx(w);
}

// The field, drawn where the window holds all of it: the cursor stands in
// it, on the model's character (or a blank behind the end) and never on
// the second half of a double-width one; in a box with room for the marks,
// off "<" while text lies to the left and off the last column unless behind
// the end. Controls, bad bytes and lone marks show as marks of their own.
static void checkField(CurLineEdit& edit, const Model& m, WINDOW* w)
{
    edit.draw();
    if (!fieldShows(edit, w))
        return;
    int row = edit.getY() + edit.getHeight() / 2, x = edit.getX(), width = edit.getWidth();
    int cy, cx;
    getyx(w, cy, cx);
    FUZZ_CHECK(cy == row && cx >= x && cx < x + width);
    cchar_t cell;
    wchar_t shown[CCHARW_MAX + 1] = {};
    attr_t attr;
    short pair;
    mvwin_wch(w, cy, cx, &cell);
    getcchar(&cell, shown, &attr, &pair, nullptr);
    wmove(w, cy, cx);
    FUZZ_CHECK((cell.attr & A_CHARTEXT) <= 1);   // curses marks a second half with 2
    bool noneLeft = true;               // nothing to the left takes a column
    for (size_t i = 0; i < m.pos; i++)
        noneLeft = noneLeft && !edit.hidden && isMark(m, m.chars[i]);
    int c = m.pos < m.chars.size() ? m.chars[m.pos] : ' ';
    bool wide = m.utf8 && !edit.hidden && c >= 0xA0 && wcwidth((wchar_t)c) > 1;
    bool plain = (c >= 32 && c <= 126) || (m.utf8 && c >= 0xA0 && wcwidth((wchar_t)c) > 0);
    // A double-width character cannot show in one column, nor between "<"
    // and the column kept for ">" in a box of three.
    bool fits = !wide || width == 2 || (width == 3 && noneLeft) || width > 3;
    int expected = edit.hidden && m.pos < m.chars.size() ? '*' : c;
    // A cluster of several code points may show as a stand-in of its width
    // (the text module's tests hold those); a single one shows as itself.
    bool single = m.pos >= m.chars.size() || nextPos(m, m.pos) == m.pos + 1;
    FUZZ_CHECK(!plain || !fits || !single || (int)shown[0] == expected);
    if (width >= 3) {
        FUZZ_CHECK(cx > x || noneLeft);
        FUZZ_CHECK(cx < x + width - 1 || m.pos == m.chars.size());
    }
}

static void check(CurLineEdit& edit, const Model& m, WINDOW* w)
{
    bool valid;
    FUZZ_CHECK(decode(edit.getText(), m.utf8, &valid) == m.chars && valid);
    checkField(edit, m, w);
}

static void setText(CurLineEdit& edit, Model& m, FuzzedDataProvider& in)
{
    std::string text = fuzzText(in, 100, false);
    edit.setText(text.c_str(), in.ConsumeBool());
    bool valid;
    m.chars = decode(text.c_str(), m.utf8, &valid);   // the editor's copy ends at a NUL
    m.pos = m.chars.size();
    cut(m);
}

// A new limit cuts the text at once; the filter refuses the codes that are
// multiples of a small number.
static void setLimits(CurLineEdit& edit, Model& m, FuzzedDataProvider& in)
{
    if (in.ConsumeBool()) {
        int limit = in.ConsumeIntegralInRange<int>(-2, 12);
        edit.setMaxLength(limit);
        m.maxLength = std::max(limit, 0);
        cut(m);
        FUZZ_CHECK(edit.getMaxLength() == m.maxLength);
    } else {
        m.refuse = in.ConsumeIntegralInRange<int>(0, 7);
        int refuse = m.refuse;
        if (refuse == 0)
            edit.setFilterCB(nullptr, nullptr);
        else
            edit.setFilterCB([refuse](int code) { return code % refuse != 0; });
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzScreen();
    FuzzedDataProvider in(data, size);
    Model m;
    m.utf8 = in.ConsumeBool();
    fuzzLocale(m.utf8);
    CurWindow win(LINES, COLS, 0, 0);
    CurLineEdit edit(&win);
    edit.setGeometry(1, in.ConsumeIntegralInRange<int>(0, 12), 0, 0);
    while (in.remaining_bytes() > 0) {
        int step = in.ConsumeIntegral<uint8_t>();
        std::vector<int> keys;
        if (step < 16) {
            int h = fuzzGeometry(in), w = fuzzGeometry(in), y = fuzzGeometry(in);
            edit.setGeometry(h, w, y, fuzzGeometry(in));
        } else if (step < 20) {
            setText(edit, m, in);
        } else if (step < 22) {
            edit.setHidden(in.ConsumeBool());
        } else if (step < 24) {
            edit.acceptFocus(in.ConsumeBool());
        } else if (step >= 248) {
            setLimits(edit, m, in);
        } else if (step < 64 && m.utf8) {
            pushCharacter(in, keys);
        } else {
            keys.push_back(fuzzKey(in));
        }
        if (keys.empty())
            check(edit, m, win.getWindow());
        for (int key : keys) {
            FUZZ_CHECK(edit.processKey(key) == apply(m, key));
            check(edit, m, win.getWindow());
        }
    }
    return 0;
}
