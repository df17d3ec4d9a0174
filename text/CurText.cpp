// CurText.cpp - the text module (text/): UTF-8 decoding, column widths,
// whole-character steps and cuts, and drawing text with controls and bad
// bytes made visible. The box lines are in CurTextLines.cpp.
#include "CurText.h"
#include "CurGrapheme.h"

#define NCURSES_WIDECHAR 1
#include <curses.h>
#include <cctype>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <langinfo.h>
#include <wchar.h>

// Code points drawn in place of what cannot be shown: the control pictures
// for C0 controls and DEL, the replacement character for bad bytes, C1
// controls and unprintable characters; a question mark without UTF-8.
static const int REPLACEMENT = 0xFFFD;
static const int CONTROL_PICTURES = 0x2400;
static const int DELETE_PICTURE = 0x2421;

// MB_CUR_MAX is 1 in every single-byte locale, so they are told apart at
// once; the code set name is asked only in a multibyte one, and compared
// only when it is not the name seen last (a locale's data stays loaded).
bool CurText::utf8()
{
    static const char* lastSet = nullptr;
    static bool lastUtf8 = false;
    if (MB_CUR_MAX == 1)
        return false;
    const char* set = nl_langinfo(CODESET);
    if (set != lastSet) {
        lastUtf8 = strcmp(set, "UTF-8") == 0 || strcmp(set, "utf8") == 0;
        lastSet = set;
    }
    return lastUtf8;
}

// Shortest forms only, no surrogates, nothing above U+10FFFF: any other
// sequence leaves its first byte a bad byte, and decoding goes on after it.
static int decodeUtf8(const unsigned char* s, int len, int* code)
{
    unsigned c = s[0];
    *code = (int)c;
    if (c < 0x80)
        return 1;
    int need;
    if (c >= 0xC2 && c <= 0xDF)
        need = 1;
    else if (c >= 0xE0 && c <= 0xEF)
        need = 2;
    else if (c >= 0xF0 && c <= 0xF4)
        need = 3;
    else
        need = 0;
    *code = -1;
    if (need == 0 || need >= len)
        return 1;
    unsigned lo = c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80;
    unsigned hi = c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF;
    unsigned cp = c & (0x3F >> need);
    for (int i = 1; i <= need; i++) {
        unsigned b = s[i];
        if (b < lo || b > hi)
            return 1;
        lo = 0x80;
        hi = 0xBF;
        cp = (cp << 6) | (b & 0x3F);
    }
    *code = (int)cp;
    return need + 1;
}

// A character's columns and what stands in its cells: itself when it is
// printable, a mark otherwise (glyph 0 for a tab, which becomes blanks).
static int classify(int code, bool asUtf8, int* glyph)
{
    *glyph = code;
    if (code == '\t') {
        *glyph = 0;
        return CurText::TAB_COLUMNS;
    }
    if (code >= 0x20 && code < 0x7F)
        return 1;
    if (!asUtf8) {
        if (code < 0x80 || !isprint(code))
            *glyph = '?';
        return 1;
    }
    if (code >= 0xA0) {
        int width = wcwidth((wchar_t)code);
        if (width >= 0)
            return width;
    }
    if (code >= 0 && code < 0x20)
        *glyph = CONTROL_PICTURES + code;
    else if (code == 0x7F)
        *glyph = DELETE_PICTURE;
    else
        *glyph = REPLACEMENT;
    return 1;
}

static int decodeAs(const char* s, int len, bool asUtf8, int* code, int* glyph, int* cols)
{
    int n = 1;
    if (asUtf8)
        n = decodeUtf8((const unsigned char*)s, len, code);
    else
        *code = (unsigned char)s[0];
    *cols = classify(*code, asUtf8, glyph);
    return n;
}

int CurText::decode(const char* s, int len, int* code, int* columns)
{
    int c = 0, glyph = 0, cols = 0;
    int n = decodeAs(s, len, utf8(), &c, &glyph, &cols);
    if (code != nullptr)
        *code = c;
    if (columns != nullptr)
        *columns = cols;
    return n;
}

int CurText::visible(const char* s, int len, char* out, int size)
{
    bool asUtf8 = utf8();
    int used = 0;
    for (int pos = 0; pos < len;) {
        int code, glyph, cols;
        int n = decodeAs(s + pos, len - pos, asUtf8, &code, &glyph, &cols);
        char shown[4];
        int m = 1;
        if (glyph == 0)
            shown[0] = ' ';
        else if (glyph == code)
            memcpy(shown, s + pos, (size_t)(m = n));
        else if (asUtf8)
            m = encode(glyph, shown);
        else
            shown[0] = (char)glyph;
        if (used + m >= size)
            break;
        memcpy(out + used, shown, (size_t)m);
        used += m;
        pos += n;
    }
    out[used] = '\0';
    return used;
}

int CurText::columns(const char* s)
{
    return s == nullptr ? 0 : columns(s, (int)strlen(s));
}

// Grapheme clusters. A cluster is as wide as its code points together (so
// a letter with its marks is the letter's width, and a syllable written as
// a base with spacing marks takes the columns a terminal gives each part),
// except that an emoji sequence is two columns: a flag's two regional
// indicators, or a pictograph with a presentation selector, a skin tone
// or a pictograph joined to it, and a keycap (a digit, '#' or '*' with the
// presentation selector). A bad byte is a cluster of its own. Outside
// UTF-8 every byte is one.
namespace {
struct Cluster {
    int bytes;      // its length in the text
    int first;      // its first code point (-1 for a bad byte)
    int cols;       // its columns
    int parts;      // its code points
    int cellCols;   // the columns curses gives its code points one by one
    bool emoji;     // an emoji sequence, two columns whatever its parts
};

bool keycapBase(int code)
{
    return (code >= '0' && code <= '9') || code == '#' || code == '*';
}
}  // namespace

static int clusterRules(const char* s, int len, bool asUtf8, Cluster* c);

// Most text is printable ASCII followed by ASCII, a control other than CR
// (which nothing joins) or a byte that never starts UTF-8: a cluster of one
// byte, measured without decoding.
static int clusterAt(const char* s, int len, bool asUtf8, Cluster* c)
{
    unsigned char b = (unsigned char)s[0];
    if (asUtf8 && b >= 0x20 && b < 0x7F && (len == 1 || (unsigned char)s[1] < 0x80)) {
        *c = {1, b, 1, 1, 1, false};
        return 1;
    }
    if (asUtf8 && (b < 0x20 || b == 0x7F) && b != '\r') {
        int cols = b == '\t' ? CurText::TAB_COLUMNS : 1;
        *c = {1, b, cols, 1, cols, false};
        return 1;
    }
    if (asUtf8 && ((b >= 0x80 && b < 0xC2) || b > 0xF4)) {
        *c = {1, -1, 1, 1, 1, false};
        return 1;
    }
    return clusterRules(s, len, asUtf8, c);
}

static int clusterRules(const char* s, int len, bool asUtf8, Cluster* c)
{
    int code, glyph, width;
    int pos = decodeAs(s, len, asUtf8, &code, &glyph, &width);
    *c = {pos, code, width, 1, width, false};
    // Before an ASCII character (or the end) a cluster ends, unless a CR
    // or a prepended mark comes first: most text takes no look at the rules.
    if (!asUtf8 || code < 0 || pos == len)
        return pos;
    if ((signed char)s[pos] >= 0 && code != '\r'
        && (code < 0x600 || CurGrapheme::property(code) != CurGrapheme::PREPEND))
        return pos;
    // With nothing before it in the cluster, the pair alone decides whether
    // the next code point joins, but for a second regional indicator.
    int first = code;
    decodeAs(s + pos, len - pos, asUtf8, &code, &glyph, &width);
    CurGrapheme::PROPERTY a = CurGrapheme::property(first), b = CurGrapheme::property(code);
    if (CurGrapheme::pairBreaks(a, b) && !(a == CurGrapheme::REGIONAL && b == a))
        return pos;
    code = first;
    width = c->cols;
    CurGrapheme g;
    g.feed(code);
    bool pict = CurGrapheme::pictographic(code);
    bool regional = CurGrapheme::property(code) == CurGrapheme::REGIONAL;
    bool sequence = pict && width == 2;
    while (pos < len) {
        int n = decodeAs(s + pos, len - pos, asUtf8, &code, &glyph, &width);
        if (g.feed(code))
            break;
        pos += n;
        c->parts++;
        c->cellCols += width;
        if (code == 0xFE0F && (pict || keycapBase(c->first)))
            sequence = true;
        if (pict && (code == 0x200D || (code >= 0x1F3FB && code <= 0x1F3FF)))
            sequence = true;
        if (regional)
            sequence = true;
    }
    c->bytes = pos;
    c->emoji = sequence && c->parts > 1;
    c->cols = c->emoji ? 2 : c->cellCols;
    return pos;
}

int CurText::cluster(const char* s, int len, int* code, int* columns)
{
    Cluster c;
    int n = clusterAt(s, len, utf8(), &c);
    if (code != nullptr)
        *code = c.first;
    if (columns != nullptr)
        *columns = c.cols;
    return n;
}

int CurText::columns(const char* s, int len)
{
    bool asUtf8 = utf8();
    int total = 0;
    for (int pos = 0; pos < len;) {
        // printable ASCII followed by ASCII (or the end) counts one column
        // without a call per character
        const unsigned char* u = (const unsigned char*)s;
        while (pos < len && u[pos] >= 0x20 && u[pos] < 0x7F && (pos + 1 == len || u[pos + 1] < 0x80)) {
            total++;
            pos++;
        }
        if (pos == len)
            break;
        Cluster c;
        pos += clusterAt(s + pos, len - pos, asUtf8, &c);
        total += c.cols;
    }
    return total;
}

int CurText::cut(const char* s, int len, int cols)
{
    bool asUtf8 = utf8();
    int used = 0;
    int pos = 0;
    while (pos < len) {
        Cluster c;
        int n = clusterAt(s + pos, len - pos, asUtf8, &c);
        if (used + c.cols > cols)
            break;
        used += c.cols;
        pos += n;
    }
    return pos;
}

int CurText::next(const char* s, int len, int pos)
{
    if (pos >= len)
        return len;
    Cluster c;
    return pos + clusterAt(s + pos, len - pos, utf8(), &c);
}

// Backwards, a character starts at the nearest byte that is no continuation
// byte, at most three back, if decoding from there ends exactly at pos;
// otherwise the byte before pos is a bad byte, as decoding forwards finds.
static int prevChar(const char* s, int pos, bool asUtf8)
{
    int q = pos - 1;
    if (!asUtf8)
        return q;
    while (q > 0 && q > pos - 4 && ((unsigned char)s[q] & 0xC0) == 0x80)
        q--;
    int code;
    if (decodeUtf8((const unsigned char*)s + q, pos - q, &code) == pos - q && code >= 0)
        return q;
    return pos - 1;
}

static int codeAt(const char* s, int pos, int end)
{
    int code;
    decodeUtf8((const unsigned char*)s + pos, end - pos, &code);
    return code;
}

// Backwards, clusters are found forwards from the nearest code point that
// surely starts one: where the pair around it breaks by itself and no rule
// that looks further back could join them (a pictograph after a joiner, a
// regional indicator after another).
int CurText::prev(const char* s, int pos)
{
    if (pos <= 0)
        return 0;
    bool asUtf8 = utf8();
    if (!asUtf8)
        return pos - 1;
    int q = prevChar(s, pos, asUtf8);
    while (q > 0) {
        int before = prevChar(s, q, asUtf8);
        int after = codeAt(s, q, pos);
        CurGrapheme::PROPERTY a = CurGrapheme::property(after);
        CurGrapheme::PROPERTY b = CurGrapheme::property(codeAt(s, before, q));
        if (CurGrapheme::pairBreaks(b, a) && !(b == CurGrapheme::ZWJ && CurGrapheme::pictographic(after))
            && !(b == CurGrapheme::REGIONAL && a == CurGrapheme::REGIONAL))
            break;
        q = before;
    }
    for (int p = q; p < pos;) {
        int n = next(s, pos, p);
        if (n >= pos)
            return p;
        p = n;
    }
    return q;
}

bool CurText::insertable(int code)
{
    if (code >= 0x20 && code < 0x7F)
        return true;
    if (code < 0xA0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) || !utf8())
        return false;
    return wcwidth((wchar_t)code) >= 0;
}

int CurText::encode(int code, char* out)
{
    unsigned c = (unsigned)code;
    if (c < 0x80) {
        out[0] = (char)c;
        return 1;
    }
    if (c < 0x800) {
        out[0] = (char)(0xC0 | (c >> 6));
        out[1] = (char)(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = (char)(0xE0 | (c >> 12));
        out[1] = (char)(0x80 | ((c >> 6) & 0x3F));
        out[2] = (char)(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = (char)(0xF0 | (c >> 18));
    out[1] = (char)(0x80 | ((c >> 12) & 0x3F));
    out[2] = (char)(0x80 | ((c >> 6) & 0x3F));
    out[3] = (char)(0x80 | (c & 0x3F));
    return 4;
}

// One cell at the cursor: a base character with the combining marks that
// came after it, in the wide set under UTF-8, a byte otherwise.
static void putCell(WINDOW* w, const wchar_t* codes, int n, int attr, bool asUtf8)
{
    if (!asUtf8) {
        waddch(w, (chtype)(unsigned char)codes[0] | (chtype)(attr & ~0xff));
        return;
    }
    wchar_t text[CCHARW_MAX + 1];
    for (int i = 0; i < n; i++)
        text[i] = codes[i];
    text[n] = L'\0';
    cchar_t cell;
    attr_t a = (attr_t)attr;
    setcchar(&cell, text, a & ~A_COLOR, (short)PAIR_NUMBER(a), nullptr);
    wadd_wch(w, &cell);
}

// A cluster curses cannot keep in cells of its own width - a cell with more
// code points than curses stores in one (CCHARW_MAX), or an emoji sequence
// whose first code point curses counts one column wide - is shown by its
// stand-in: a replacement character in each of its columns, never a part
// of it that would read as another character.
static void standIn(WINDOW* w, int cols, int attr, bool asUtf8)
{
    wchar_t mark = asUtf8 ? (wchar_t)REPLACEMENT : L'?';
    for (int i = 0; i < cols; i++)
        putCell(w, &mark, 1, attr, asUtf8);
}

// True when every code point that takes columns, with the zero-width ones
// after it, fits one cell.
static bool cellsHold(const char* s, const Cluster& c, bool asUtf8)
{
    int held = 0;
    for (int pos = 0; pos < c.bytes;) {
        int code, glyph, width;
        pos += decodeAs(s + pos, c.bytes - pos, asUtf8, &code, &glyph, &width);
        held = width == 0 && code >= 0 ? held + (held > 0) : 1;
        if (held > CCHARW_MAX)
            return false;
    }
    return true;
}

// An emoji sequence curses counts two columns wide goes into one cell whole.
static bool putEmoji(WINDOW* w, const char* s, const Cluster& c, int attr)
{
    if (c.parts > CCHARW_MAX || wcwidth((wchar_t)c.first) != 2)
        return false;
    wchar_t cell[CCHARW_MAX];
    for (int pos = 0, i = 0; pos < c.bytes; i++) {
        int code;
        pos += decodeUtf8((const unsigned char*)s + pos, c.bytes - pos, &code);
        cell[i] = (wchar_t)code;
    }
    putCell(w, cell, c.parts, attr, true);
    return true;
}

// One cluster at the cursor: a cell per code point that takes columns, with
// the marks that follow it (marks with no base before them are dropped); a
// tab as blanks, and a newline, when flowing, as a line break.
static void putCluster(WINDOW* w, const char* s, const Cluster& c, int attr, bool asUtf8,
                       bool flowing)
{
    if (c.emoji && putEmoji(w, s, c, attr))
        return;
    if ((c.emoji && c.cellCols != c.cols) || !cellsHold(s, c, asUtf8)) {
        standIn(w, c.cols, attr, asUtf8);
        return;
    }
    wchar_t cell[CCHARW_MAX];
    int held = 0;
    for (int pos = 0; pos < c.bytes;) {
        int code, glyph, width;
        pos += decodeAs(s + pos, c.bytes - pos, asUtf8, &code, &glyph, &width);
        if (width == 0 && code >= 0) {
            if (held > 0)
                cell[held++] = (wchar_t)glyph;
            continue;
        }
        if (held > 0)
            putCell(w, cell, held, attr, asUtf8);
        held = 0;
        if (flowing && code == '\n')
            waddch(w, '\n');
        else if (glyph == 0)
            for (int i = 0; i < width; i++)
                waddch(w, ' ' | (chtype)attr);
        else
            cell[held++] = (wchar_t)glyph;
    }
    if (held > 0)
        putCell(w, cell, held, attr, asUtf8);
}

// The loop draw and flow share, a whole cluster at a time: within cols
// (drawing) a cluster that does not fit whole ends the text.
static int emit(WINDOW* w, const char* s, int len, int cols, int attr, bool flowing)
{
    bool asUtf8 = CurText::utf8();
    int used = 0;
    for (int pos = 0; pos < len;) {
        Cluster c;
        clusterAt(s + pos, len - pos, asUtf8, &c);
        int width = flowing && c.first == '\n' ? 0 : c.cols;
        if (!flowing && used + width > cols)
            break;
        used += width;
        putCluster(w, s + pos, c, attr, asUtf8, flowing);
        pos += c.bytes;
    }
    return used;
}

int CurText::draw(WINDOW* w, int row, int col, const char* s, int len, int cols, int attr)
{
    if (w == nullptr || s == nullptr || row < 0 || col < 0 || row >= getmaxy(w))
        return 0;
    if (cols > getmaxx(w) - col)
        cols = getmaxx(w) - col;
    if (cols <= 0 || wmove(w, row, col) == ERR)
        return 0;
    return emit(w, s, len, cols, attr, false);
}

void CurText::blank(WINDOW* w, int row, int col, int cols, int attr)
{
    if (w == nullptr || row < 0 || row >= getmaxy(w))
        return;
    if (col < 0) {
        cols += col;
        col = 0;
    }
    if (cols > getmaxx(w) - col)
        cols = getmaxx(w) - col;
    if (cols <= 0 || wmove(w, row, col) == ERR)
        return;
    // whline stores the blank, rendered as waddch would, in every cell at
    // once and leaves the cursor; the last blank is added, so the cursor
    // ends where (or wraps as) a blank added cell by cell leaves it.
    chtype blank = ' ' | (chtype)attr;
    whline(w, blank, cols - 1);
    wmove(w, row, col + cols - 1);
    waddch(w, blank);
}

void CurText::flow(WINDOW* w, const char* s, int len, int attr)
{
    if (w != nullptr && s != nullptr)
        emit(w, s, len, 0, attr, true);
}
