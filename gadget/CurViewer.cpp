// CurViewer.cpp - the text viewer gadget (gadget/): lines and rows found
// around the current position by bounded scans of the text or of the file
// window (CurViewerFile.cpp). Drawing, keys and search are CurViewerShow.cpp's.
#include "CurViewer.h"
#include "CurLineEdit.h"
#include "CurText.h"
#include "CurWindow.h"

#include <curses.h>
#include <climits>
#include <cstdlib>
#include <cstring>

// Not wrapped, a line is one row however long, scrolled sideways to its end;
// its ends are found by scanning to the newlines, and the last long line
// found is remembered (knownStart, knownEnd). Wrapped, a line longer than
// LINE_CUT bytes is cut where the file offset passes a multiple of LINE_CUT
// (moved back to the start of a character) and its rows start again there:
// walking a wrapped line's rows from its start is what a cut bounds. Whether
// a multiple cuts depends on the bytes within LINE_CUT of it alone, so
// scanning forwards and backwards finds the same lines, no scan goes much
// further than LINE_CUT, and a line no longer than that is never cut,
// wherever it lies in the file.
static const long long LINE_CUT = 65536;

CurViewer::CurViewer(CurWindow* window)
    : CurGadget(window), fd(-1), path(nullptr), text(nullptr), textSize(0), cache(nullptr), cacheStart(0),
      cacheLen(0), fileSize(0), fileStamp(0), top(0), leftCol(0), wrap(false),
      knownStart(-1), knownEnd(-1), knownCol(0), knownColAt(-1), matchStart(-1), note(nullptr), fileNote(nullptr), keysKept(0)
{
    showFocus(true);
    pattern[0] = '\0';
    if (this->window->getWindow() != nullptr)
        keypad(this->window->getWindow(), TRUE);
}

CurViewer::~CurViewer()
{
    freeSource();
}

void CurViewer::setText(const char* newText)
{
    freeSource();
    if (newText == nullptr)
        return;
    text = strdup(newText);
    textSize = (long long)strlen(text);
}

void CurViewer::setWrap(bool on)
{
    wrap = on;
    leftCol = 0;
    top = rowHolding(top);              // the rows are cut differently now
}

bool CurViewer::isWrapped() const
{
    return wrap;
}

long long CurViewer::getTop() const
{
    return top;
}

// The first (or the last) newline in [from, to), or -1. Each step takes
// what the text or the file window holds around the next byte to look at,
// so the window is read again only where the scan leaves it.
long long CurViewer::newlineIn(long long from, long long to, bool last)
{
    if (from < 0)
        from = 0;
    if (to > total())
        to = total();
    while (from < to) {
        int avail;
        const char* p = fetch(last ? to - 1 : from, &avail);
        if (avail <= 0)
            return -1;                  // a read that failed: the end
        if (!last) {
            int n = avail < to - from ? avail : (int)(to - from);
            const char* nl = (const char*)memchr(p, '\n', n);
            if (nl != nullptr)
                return from + (nl - p);
            from += n;
            continue;
        }
        long long held = fd >= 0 ? cacheStart : 0; // the window's first byte
        long long low = held > from ? held : from;
        const char* base = p - (to - 1 - low);
        const char* nl = (const char*)memrchr(base, '\n', to - low);
        if (nl != nullptr)
            return low + (nl - base);
        to = low;
    }
    return -1;
}

// The place of the cut at multiple k of LINE_CUT, moved back over UTF-8
// continuation bytes.
long long CurViewer::cutAt(long long k)
{
    long long b = k * LINE_CUT;
    for (int i = 0; i < 3 && b > 0 && (byteAt(b) & 0xC0) == 0x80; i++)
        b--;
    return b;
}

// A place cuts when the line through it, from the byte after the newline
// before it to the newline at or after it, is longer than LINE_CUT. A line
// at most that long has its newlines within LINE_CUT on either side, so
// the answer needs no wider scan. A newline at the place is no cut: it
// ends the line there anyway.
bool CurViewer::isCut(long long cut)
{
    if (cut <= 0 || cut >= total())
        return false;
    long long before = newlineIn(cut - LINE_CUT, cut, true);
    if (before < 0 && cut > LINE_CUT)
        return byteAt(cut) != '\n';
    long long start = before + 1;       // 0 when no newline comes before
    if (start + LINE_CUT >= total())
        return false;
    return newlineIn(cut, start + LINE_CUT + 1, false) < 0;
}

long long CurViewer::boundaryAfter(long long pos)
{
    long long k = pos / LINE_CUT + 1;
    long long b = cutAt(k);
    return b > pos ? b : cutAt(k + 1);
}

long long CurViewer::lineEnd(long long start)
{
    if (!wrap)
        return wholeLineEnd(start);
    long long size = total();
    for (long long pos = start;;) {
        long long limit = boundaryAfter(pos);
        if (limit > size)
            limit = size;
        long long nl = newlineIn(pos, limit, false);
        if (nl >= 0)
            return nl;
        if (limit >= size || isCut(limit))
            return limit;
        pos = limit;
    }
}

// The newline before pos or the nearest cut at or before it, whichever is
// later. A cut moved back to the start of a character may lie a few bytes
// before its multiple of LINE_CUT, at or before pos: then it is the nearest.
long long CurViewer::lineStartOf(long long pos)
{
    if (!wrap)
        return wholeLineStart(pos);
    long long k = pos / LINE_CUT + 1;
    long long cut = cutAt(k);
    if (cut > pos)
        cut = cutAt(--k);
    for (;;) {
        long long nl = newlineIn(cut, pos, true);
        if (nl >= 0)
            return nl + 1;
        if (cut == 0 || isCut(cut))
            return cut;
        pos = cut;
        cut = cutAt(--k);
    }
}

long long CurViewer::wholeLineEnd(long long start)
{
    if (start >= knownStart && start < knownEnd)
        return knownEnd;
    long long nl = newlineIn(start, total(), false);
    long long end = nl >= 0 ? nl : total();
    if (end - start > LINE_CUT) {
        knownStart = wholeLineStart(start);
        knownEnd = end;
        knownColAt = -1;
    }
    return end;
}

long long CurViewer::wholeLineStart(long long pos)
{
    if (pos >= knownStart && pos < knownEnd)
        return knownStart;
    long long nl = newlineIn(0, pos, true);
    return nl + 1;                      // 0 when no newline comes before
}

// The byte in [start, end) where column col of the row from start begins,
// and in *before the columns before it (less than col when a character
// straddles col); end when the row is narrower. In the long line known it
// goes on from the column found last, so a key moving sideways costs a step.
long long CurViewer::columnAt(long long start, long long end, long long col, long long* before)
{
    long long pos = start, cols = 0;
    if (start == knownStart && knownColAt >= 0 && knownCol <= col) {
        pos = knownColAt;
        cols = knownCol;
    }
    while (pos < end) {
        int avail;
        const char* p = fetchRun(pos, end - pos, &avail);
        int len = end - pos < avail ? (int)(end - pos) : avail;
        if (len <= 0)
            break;                      // a read that failed: the end
        // A character is decoded only while its longest form fits in the
        // bytes held; the next fetch starts with it.
        int i = 0;
        bool found = false;
        while (i < len && (len - i >= 4 || pos + len >= end)) {
            int code, w;
            int n = CurText::decode(p + i, len - i, &code, &w);
            if (cols + w > col) {
                found = true;           // starts at col, or straddles it
                break;
            }
            cols += w;
            i += n;
        }
        pos += i;
        if (found || i == 0)
            break;
    }
    if (start == knownStart) {
        knownCol = cols;
        knownColAt = pos;
    }
    *before = cols;
    return pos;
}

// The end of the row from start when the line ends at end: everything when
// not wrapped or when it fits, otherwise behind the last blank that fits,
// or at the width when no blank does. A row always takes one character.
// Characters are measured as the text module draws them.
long long CurViewer::rowEndIn(long long start, long long end)
{
    if (!wrap || end <= start)
        return end;
    int avail;
    const char* p = fetchRun(start, end - start, &avail);
    int len = end - start < avail ? (int)(end - start) : avail;
    int used = 0, blank = -1;
    for (int i = 0; i < len;) {
        int code, cols;
        int n = CurText::cluster(p + i, len - i, &code, &cols);
        used += cols;
        if (used > viewCols() && code == ' ')
            return start + i + n;       // a blank past the width ends the row unseen
        if (used > viewCols() && i > 0)
            return start + (blank > 0 ? blank : i);
        if (code == ' ')
            blank = i + n;
        i += n;
    }
    return end;
}

long long CurViewer::rowEnd(long long start)
{
    return rowEndIn(start, lineEnd(start));
}

long long CurViewer::nextRow(long long start)
{
    long long end = lineEnd(start);
    long long rowEnd = rowEndIn(start, end);
    if (rowEnd < end)
        return rowEnd;
    return byteAt(end) == '\n' ? end + 1 : end;
}

// Going up a row at a time would walk a wrapped line from its start again
// for every row; this walks each line at most twice: once to count its rows
// above start, once more to reach the one wanted when it lies inside.
long long CurViewer::rowsBack(long long start, int count)
{
    while (count > 0 && start > 0) {
        long long line = lineStartOf(start - 1);
        int above = 0;                  // rows of the line before the one holding start - 1
        if (wrap)
            walkRows(line, start - 1, INT_MAX, &above);
        if (above < count) {
            count -= above + 1;
            start = line;
        } else {
            start = walkRows(line, LLONG_MAX, above - count + 1, nullptr);
            count = 0;
        }
    }
    return start;
}

long long CurViewer::rowHolding(long long pos)
{
    if (pos <= 0)
        return 0;
    long long line = lineStartOf(pos);
    return wrap ? walkRows(line, pos, INT_MAX, nullptr) : line;
}

// From the start of a line, the start of its row that holds pos or of its
// row number most, whichever comes first; *count, when given, is that
// row's number (0 for the line's first row).
long long CurViewer::walkRows(long long line, long long pos, int most, int* count)
{
    long long end = lineEnd(line);
    long long row = line;
    int n = 0;
    while (n < most) {
        long long next = rowEndIn(row, end);
        if (next >= end || next > pos)
            break;
        row = next;
        n++;
    }
    if (count != nullptr)
        *count = n;
    return row;
}

long long CurViewer::lastTop()
{
    return rowsBack(total(), viewRows());
}

int CurViewer::viewRows() const
{
    return height - 2 < 1 ? 1 : height - 2;
}

int CurViewer::viewCols() const
{
    return width - 2 < 1 ? 1 : width - 2;
}

int CurViewer::getPercent()
{
    restat();
    long long size = total();
    long long row = top;
    for (int i = 0; i < viewRows() && row < size; i++)
        row = nextRow(row);
    return size == 0 ? 100 : (int)(row * 100 / size);
}
